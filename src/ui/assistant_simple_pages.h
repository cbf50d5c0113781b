// The pages of the search assistant that only choose or collect free text: where to
// search (with "Neue Suche"), whether the town is known, the town for the Internet,
// and the last page with "Suche starten". They always let the user go on.
#pragma once

#include "ui/assistant_page_widget.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vendarion {

class WherePage final : public AssistantPageWidget {
    Q_OBJECT

public:
    explicit WherePage(QWidget* parent);

    void Load(const AssistantCriteria& criteria) override;
    void Store(AssistantCriteria& criteria) const override;
    QWidget* FirstControl() const override;
    // "Neue Suche" and its explanation, after the criteria were cleared.
    void DisableNewSearch();

    QRadioButton* Internet() const { return internet_; }
    QPushButton* NewSearch() const { return new_search_; }

signals:
    void InternetChosen(bool internet);
    void NewSearchRequested();

private:
    QRadioButton* data_ = nullptr;
    QRadioButton* internet_ = nullptr;
    QPushButton* new_search_ = nullptr;
    QLabel* new_search_text_ = nullptr;
};

class TownKnownPage final : public AssistantPageWidget {
    Q_OBJECT

public:
    explicit TownKnownPage(QWidget* parent);

    void Load(const AssistantCriteria& criteria) override;
    void Store(AssistantCriteria& criteria) const override { (void)criteria; }
    QWidget* FirstControl() const override;

    QRadioButton* Yes() const { return yes_; }
    QRadioButton* No() const { return no_; }

signals:
    void TownKnownChosen(bool known);

private:
    QRadioButton* yes_ = nullptr;
    QRadioButton* no_ = nullptr;
};

class InternetPlacePage final : public AssistantPageWidget {
    Q_OBJECT

public:
    explicit InternetPlacePage(QWidget* parent);

    void Load(const AssistantCriteria& criteria) override;
    void Store(AssistantCriteria& criteria) const override;
    QWidget* FirstControl() const override;

    QLineEdit* Edit(TownChoice choice) const { return edits_[static_cast<int>(choice)]; }

private:
    std::array<QLineEdit*, kTownChoiceCount> edits_{};
};

class ReadyPage final : public AssistantPageWidget {
    Q_OBJECT

public:
    explicit ReadyPage(QWidget* parent);

    void Load(const AssistantCriteria& criteria) override { (void)criteria; }
    void Store(AssistantCriteria& criteria) const override { (void)criteria; }
    QWidget* FirstControl() const override;

    QPushButton* Start() const { return start_; }

signals:
    void StartRequested();

private:
    QPushButton* start_ = nullptr;
};

}  // namespace vendarion
