// vendarion: the telephone directory program.
#include "app/program.h"

int main(int argc, char** argv) { return vendarion::RunProgram(argc, argv); }
