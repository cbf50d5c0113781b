// The input texts each list keeps while another list is shown. The lists of one
// town (names, streets, headings) share their texts, and so do the lists of the
// Internet search; the bank and foreign code lists keep their search box text.
#pragma once

#include <array>
#include <string>

#include "search/list_type.h"
#include "ui/input_field.h"
#include "ui/list_types.h"

namespace vendarion {

class RememberedInputs {
public:
    using Texts = std::array<std::string, kInputFieldCount>;

    Texts& Of(ListType type) { return texts_[Slot(type)]; }
    std::string& Field(ListType type, InputField field) {
        return Of(type)[static_cast<int>(field)];
    }
    std::string& SearchText(ListType type) { return search_texts_[Slot(type)]; }

    // The texts carried over when the user goes from one list to the next: a surname
    // from the towns into the names of a town (dropping the other name criteria) and
    // from the national surnames into the towns (dropping the town text). True when
    // the surname changed, so the name mode starts as Normal again (towns to names)
    // or the town field takes the focus (surnames to towns).
    bool CarryOver(ListType from, ListType to);

private:
    static int Slot(ListType type);

    std::array<Texts, kListTypeCount> texts_{};
    std::array<std::string, kListTypeCount> search_texts_{};
};

}  // namespace vendarion
