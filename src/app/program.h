// The program from start to end: the system checks, the command line, the data
// initialisation, the start-up picture, the main window for the working life of the
// program, and the release of everything at exit.
#pragma once

namespace vendarion {

// Returns the process exit status: 0 after the main window closed, 1 when start-up
// ended the program (after its one message, or a cancelled question or drive choice).
int RunProgram(int argc, char** argv);

}  // namespace vendarion
