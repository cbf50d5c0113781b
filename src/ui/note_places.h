// Where the desktop notes go and what opens them, found once at start-up.
#pragma once

#include <string>

namespace vendarion {

struct NotePlaces {
    // The folder the launchers go into; empty when the user has no home.
    std::string desktop_folder;
    // The full path of the note program.
    std::string note_program;
    // The launchers' icon: a file, or the name of an installed icon.
    std::string icon;
};

}  // namespace vendarion
