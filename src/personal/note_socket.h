// Where the note program tells running main windows that it changed the note store:
// every main window listens on a local socket of its own, "notes-<process id>", in
// a folder of this user's login ("$XDG_RUNTIME_DIR/vendarion", else
// "/tmp/vendarion-<uid>"), and the note program writes the reload message to each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vendarion {

// The line the note program sends after it changed the store.
inline constexpr std::string_view kNoteStoreChanged = "1265\n";

// The folder of the sockets, ending with '/', made (mode 0700) when missing; empty
// when it cannot be made or belongs to another user.
std::string NoteSocketFolder();

// The socket of the main window of this process.
std::string NoteSocketPath(std::string_view folder);

// The sockets of the main windows in folder whose processes still run; sockets of
// ended processes are removed.
std::vector<std::string> LiveNoteSockets(std::string_view folder);

}  // namespace vendarion
