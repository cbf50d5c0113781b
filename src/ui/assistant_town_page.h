// The town page of the search assistant: the town by its name, postal code or area
// code. The ticked choice's field completes as the input fields above the list do,
// Up and Down step through the list of the choice, and the hints beside the codes
// name the town and how many more towns share the code. The user may go on when a
// town was found for the ticked choice.
#pragma once

#include <array>

#include "ui/assistant_page_widget.h"
#include "ui/assistant_places.h"
#include "ui/navigation_keys.h"
#include "ui/place_rows.h"

class QRadioButton;

namespace vendarion {

class DataSet;
class FieldEdit;

class TownPage final : public AssistantPageWidget {
    Q_OBJECT

public:
    // The lists are read through the data set's user-interface readers.
    TownPage(DataSet& data_set, QWidget* parent);

    void Load(const AssistantCriteria& criteria) override;
    void Store(AssistantCriteria& criteria) const override;
    void Enter(const AssistantFlow& flow) override;
    QWidget* FirstControl() const override;

    TownChoice Choice() const { return choice_; }
    // The town found for the ticked choice.
    const PlaceMatch& Found() const { return found_[static_cast<int>(choice_)]; }
    QRadioButton* Radio(TownChoice choice) const { return radios_[Index(choice)]; }
    FieldEdit* Edit(TownChoice choice) const { return edits_[Index(choice)]; }
    QLabel* Hint(TownChoice choice) const { return hints_[Index(choice)]; }

signals:
    // The book of the town found for the ticked choice; -1 for none.
    void FoundTown(int book);

private:
    static int Index(TownChoice choice) { return static_cast<int>(choice); }
    PlaceRows& RowsOf(TownChoice choice);
    void Choose(TownChoice choice);
    void OnEdited(TownChoice choice);
    void OnMove(TownChoice choice, ListMove move);
    // Shows the match's hint and reports its town, for the ticked choice.
    void Show(TownChoice choice);

    PlaceRows towns_;
    PlaceRows postal_codes_;
    PlaceRows area_codes_;
    TownChoice choice_ = TownChoice::kName;
    std::array<QRadioButton*, kTownChoiceCount> radios_{};
    std::array<FieldEdit*, kTownChoiceCount> edits_{};
    std::array<QLabel*, kTownChoiceCount> hints_{};
    std::array<PlaceMatch, kTownChoiceCount> found_{};
};

}  // namespace vendarion
