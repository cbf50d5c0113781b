// The main window: the input fields above, the tree of list types with the detail
// card below it on the left, the list on the right, and the menus and toolbar of
// the commands. It lives for the whole working life of the program; closing it is
// the exit command, which asks first (and waits for a running search to end).
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "ui/command_rules.h"
#include "ui/input_field.h"
#include "ui/navigation_keys.h"
#include "ui/window_services.h"

namespace vendarion {

class ActivityDisplay;
class AnimatedBanner;
class AssistantCommand;
class DetailCard;
class EntryCommands;
class FieldLink;
class GoCommand;
class ListController;
class ListPane;
class NavigationTree;
class NoteCommands;
class InputPanels;
class SearchDriver;
class WindowCommands;

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    // Null when the search worker's readers cannot be opened over the data set. The
    // services must outlive the window.
    static std::unique_ptr<MainWindow> Create(const WindowServices& services);
    ~MainWindow() override;

    // Runs a command by its id (as its menu item would).
    void RunCommand(int command);
    // The tips dialog; at start-up it offers not to be shown again and moves the
    // stored tip on.
    void ShowTips(bool at_startup);

    ListController& Lists() { return *lists_; }
    NavigationTree* Tree() const { return tree_; }
    ListPane* Pane() const { return pane_; }
    InputPanels* Inputs() const { return inputs_; }
    DetailCard* Card() const { return card_; }
    ActivityDisplay* Activity() const { return activity_; }
    AnimatedBanner* Banner() const { return banner_; }
    WindowCommands& Commands() { return *commands_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow(const WindowServices& services, std::unique_ptr<SearchDriver> search);
    void BuildLayout();
    void Connect();
    void RestorePlacement();
    void SavePlacement();
    void RefreshCommands();
    void Exit();
    // Asks whether to end (after a running search has ended: false until then) and
    // saves the window's settings; true when the window may close.
    bool ConfirmExit();
    void ShowContextMenu(const QPoint& position);
    CommandContext Context() const;
    // The "Eingabefelder" menu as a pop-up, a little up and left of the pointer.
    void ShowFieldsMenu(const QPoint& global);
    void ToggleInputField(int flag);
    // The banner is shown where it fits below the tree's items, never while the
    // window is minimised.
    void PlaceBanner();
    // Moves the list's focused row (a navigation key in a field or the search box).
    void MoveInList(ListMove move);
    void OnFieldMove(InputField field, ListMove move);

    WindowServices services_;
    std::unique_ptr<SearchDriver> search_;
    InputPanels* inputs_ = nullptr;
    NavigationTree* tree_ = nullptr;
    DetailCard* card_ = nullptr;
    ListPane* pane_ = nullptr;
    ActivityDisplay* activity_ = nullptr;
    AnimatedBanner* banner_ = nullptr;
    bool banner_started_ = false;
    WindowCommands* commands_ = nullptr;
    ListController* lists_ = nullptr;
    FieldLink* link_ = nullptr;
    std::unique_ptr<GoCommand> go_;
    std::unique_ptr<EntryCommands> entries_;
    NoteCommands* notes_ = nullptr;
    std::unique_ptr<AssistantCommand> assistant_;
    QTimer resize_end_;
    int input_flags_ = 0;  // the visible input fields
    bool exit_confirmed_ = false;
};

}  // namespace vendarion
