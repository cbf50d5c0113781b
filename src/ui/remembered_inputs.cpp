#include "ui/remembered_inputs.h"

namespace vendarion {

int RememberedInputs::Slot(ListType type) {
    if (type == ListType::kStreets || type == ListType::kHeadings) type = ListType::kNames;
    if (IsInternetMode(type)) type = ListType::kInternet;
    const int slot = static_cast<int>(type);
    return slot >= 0 && slot < kListTypeCount ? slot : 0;
}

bool RememberedInputs::CarryOver(ListType from, ListType to) {
    const std::string surname = Field(from, InputField::kName);
    if (from == ListType::kTowns && to == ListType::kNames) {
        if (surname == Field(to, InputField::kName)) return false;
        Field(to, InputField::kName) = surname;
        Field(to, InputField::kFirstName).clear();
        Field(to, InputField::kStreet).clear();
        Field(to, InputField::kHeading).clear();
        return true;
    }
    if (from == ListType::kSurnames && to == ListType::kTowns) {
        if (surname == Field(to, InputField::kName)) return false;
        Field(to, InputField::kName) = surname;
        Field(to, InputField::kTown).clear();
        return true;
    }
    return false;
}

}  // namespace vendarion
