// The directory server as a FastCGI server: the data set opened once, one thread per
// worker, each with its own readers and a DirectoryServer over them, all sharing one
// cursor cache, each accepting requests on the listening socket in turn.
#pragma once

#include "server_options.h"

namespace vendarion {

// Serves requests on the listening socket until accepting fails; the exit status.
// Fails at once (status 1, a line on standard error) when the data set or a
// thread's readers cannot be opened.
int RunFastCgi(int listen_socket, const ServerOptions& options);

}  // namespace vendarion
