// The search assistant: a modal frame with a picture on the left, one page at a
// time beside it and the buttons "Zurück", "Weiter" and "Schließen". The page order
// is its AssistantFlow. Finishing writes the inputs of every page into the
// remembered criteria (and marks them present); closing asks first and leaves the
// criteria as they were. Enter on a page goes on (on the last page it starts the
// search), Esc on a page goes back (on the first page it asks to close); outside
// the pages Enter does nothing and Esc closes. User-interface thread only.
#pragma once

#include <QDialog>
#include <array>

#include "ui/assistant_criteria.h"
#include "ui/assistant_flow.h"

class QPushButton;
class QStackedWidget;

namespace vendarion {

class AssistantPageWidget;
class DataSet;
class Messages;
class MorePage;
class NamePage;
class InternetPlacePage;
class ReadyPage;
class TownKnownPage;
class TownPage;
class WherePage;

inline constexpr int kAssistantPageCount = 7;

class SearchAssistant final : public QDialog {
    Q_OBJECT

public:
    // The criteria are shown on the pages when present; they must outlive the frame.
    SearchAssistant(DataSet& data_set, Messages& messages, AssistantCriteria& criteria,
                    QWidget* parent = nullptr);

    const AssistantFlow& Flow() const { return flow_; }
    AssistantPageWidget* Shown() const { return pages_[Index(flow_.Page())]; }
    WherePage* Where() const { return where_; }
    TownKnownPage* TownKnown() const { return town_known_; }
    TownPage* Town() const { return town_; }
    InternetPlacePage* InternetPlace() const { return internet_place_; }
    NamePage* Name() const { return name_; }
    MorePage* More() const { return more_; }
    ReadyPage* Ready() const { return ready_; }
    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* CloseButton() const { return close_; }

    void GoNext();
    // On the first page, asks to close.
    void GoBack();
    // Stores the criteria and ends the frame as accepted.
    void Finish();
    // Asks whether to close; Yes ends the frame as rejected.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static int Index(AssistantPage page) { return static_cast<int>(page) - 1; }
    QWidget* BuildPicture();
    void BuildPages(DataSet& data_set);
    void ConnectPage(AssistantPageWidget* page);
    void ShowPage();
    void RefreshButtons();
    void NewSearch();

    Messages& messages_;
    AssistantCriteria& criteria_;
    AssistantFlow flow_;
    QStackedWidget* stack_ = nullptr;
    std::array<AssistantPageWidget*, kAssistantPageCount> pages_{};
    WherePage* where_ = nullptr;
    TownKnownPage* town_known_ = nullptr;
    TownPage* town_ = nullptr;
    InternetPlacePage* internet_place_ = nullptr;
    NamePage* name_ = nullptr;
    MorePage* more_ = nullptr;
    ReadyPage* ready_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace vendarion
