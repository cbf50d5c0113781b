// The note program's command line: "/id=<note id>" and "/phone=<area code and
// number>", in either order, as the launchers and the main window give them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vendarion {

struct NoteCall {
    std::int32_t id = 0;  // at least 1
    std::string phone;    // as given; only shown, the id finds the note
};

// Empty when the id is missing, not a positive number, or given twice, or when an
// argument of another kind is given.
std::optional<NoteCall> ParseNoteCall(std::span<const std::string> arguments);

}  // namespace vendarion
