// The name page and the page of first name and street of the search assistant.
// The name page offers all three matchings with a known town and forces "Exakt"
// over the whole country (restoring the user's matching when a town is known
// again); it lets the user go on once a name is given. The street field proposes
// the streets of the chosen town as the input fields do, Up and Down stepping
// through them; without a town the street is free text.
#pragma once

#include <array>
#include <optional>

#include "ui/assistant_page_widget.h"
#include "ui/navigation_keys.h"
#include "ui/word_rows.h"

class QLineEdit;
class QRadioButton;

namespace vendarion {

class DataSet;
class FieldEdit;

class NamePage final : public AssistantPageWidget {
    Q_OBJECT

public:
    explicit NamePage(QWidget* parent);

    void Load(const AssistantCriteria& criteria) override;
    void Store(AssistantCriteria& criteria) const override;
    void Enter(const AssistantFlow& flow) override;
    QWidget* FirstControl() const override;

    NameMatching Matching() const;
    QLineEdit* NameEdit() const { return name_; }
    QRadioButton* Radio(NameMatching matching) const { return radios_[static_cast<int>(matching)]; }
    QLabel* Hint() const { return hint_; }

private:
    void SetMatching(NameMatching matching);

    QLineEdit* name_ = nullptr;
    std::array<QRadioButton*, 3> radios_{};
    std::array<QLabel*, 3> explanations_{};
    QLabel* hint_ = nullptr;
    // The user's matching while "Exakt" is forced.
    std::optional<NameMatching> saved_;
};

class MorePage final : public AssistantPageWidget {
    Q_OBJECT

public:
    MorePage(DataSet& data_set, QWidget* parent);

    void Load(const AssistantCriteria& criteria) override;
    void Store(AssistantCriteria& criteria) const override;
    void Enter(const AssistantFlow& flow) override;
    QWidget* FirstControl() const override;

    QLineEdit* FirstNameEdit() const { return first_name_; }
    FieldEdit* StreetEdit() const { return street_; }
    QLabel* StreetHint() const { return street_hint_; }
    bool StreetValid() const { return street_valid_; }

private:
    void OnStreetEdited();
    void OnStreetMove(ListMove move);
    // Whether the street's text is empty or one of the town's streets.
    void CheckStreet();
    void SetValid(bool valid);

    RelationRows streets_;
    QLineEdit* first_name_ = nullptr;
    FieldEdit* street_ = nullptr;
    QLabel* street_hint_ = nullptr;
    int book_ = -1;
    int row_ = -1;
    bool street_valid_ = true;
};

}  // namespace vendarion
