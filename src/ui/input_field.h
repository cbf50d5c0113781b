// The input fields above the list. The first six are numbered as in the enabled
// mask of a list type (bit i for field i); the first name belongs to the name field.
#pragma once

namespace vendarion {

enum class InputField : int {
    kTown = 0,
    kName = 1,
    kPostalCode = 2,
    kStreet = 3,
    kAreaCode = 4,
    kHeading = 5,
    kFirstName = 6,
};
inline constexpr int kInputFieldCount = 7;

inline constexpr int FieldBit(InputField field) { return 1 << static_cast<int>(field); }

// The postal and area code fields: digits only, compared byte by byte.
inline constexpr bool IsCodeField(InputField field) {
    return field == InputField::kPostalCode || field == InputField::kAreaCode;
}

}  // namespace vendarion
