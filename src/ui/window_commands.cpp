#include "ui/window_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>

#include "ui/list_types.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kFileMenu = 5001;
constexpr int kEditMenu = 5002;
constexpr int kViewMenu = 5003;
constexpr int kGoToMenu = 5004;
constexpr int kCurrentTownMenu = 5005;
constexpr int kInputFieldsMenu = 5007;
constexpr int kSearchText = 1606;
constexpr int kInternetText = 1607;
constexpr int kOtherSearchKey = 5006;

// The key of a menu text's "\t" part, in the program's German key names.
QKeySequence ShortcutOf(const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0) return {};
    QString keys = text.mid(tab + 1);
    keys.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"));
    keys.replace(QStringLiteral("Umschalt"), QStringLiteral("Shift"));
    return QKeySequence(keys);
}

// The text of a toolbar button: the menu text without accelerator and key.
QString ButtonText(QString text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0) text.truncate(tab);
    return text.remove(QLatin1Char('&'));
}

}  // namespace

WindowCommands::WindowCommands(QMainWindow* window, QWidget* activity) : QObject(window) {
    BuildMenus(window);
    BuildToolBar(window, activity);
}

QAction* WindowCommands::Add(QMenu* menu, int command, bool checkable, int text_id) {
    const QString text = UiString(text_id != 0 ? text_id : command);
    auto* action = new QAction(text, this);
    action->setShortcut(ShortcutOf(text));
    action->setIconText(ButtonText(text));
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, command] { emit Triggered(command); });
    actions_[command] = action;
    if (menu != nullptr) menu->addAction(action);
    return action;
}

void WindowCommands::BuildMenus(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    QMenu* file = bar->addMenu(UiString(kFileMenu));
    Add(file, command::kExport);
    file->addSeparator();
    Add(file, command::kExit);
    QMenu* edit = bar->addMenu(UiString(kEditMenu));
    Add(edit, command::kGo);
    Add(edit, command::kCancel);
    edit->addSeparator();
    Add(edit, command::kClearFields);
    QMenu* view = bar->addMenu(UiString(kViewMenu));
    Add(view, command::kToolbar, true);
    fields_menu_ = view->addMenu(UiString(kInputFieldsMenu));
    for (const int command :
         {command::kTownField, command::kPostalCodeField, command::kAreaCodeField,
          command::kNameField, command::kStreetField, command::kHeadingField}) {
        Add(fields_menu_, command, true);
    }
    Add(view, command::kDetailedView, true);
    QMenu* go_to = bar->addMenu(UiString(kGoToMenu));
    Add(go_to, command::kSearch, true, kSearchText);
    Add(go_to, command::kInternet, true, kInternetText);
    go_to->addSeparator();
    for (const int command :
         {command::kTowns, command::kPostalCodes, command::kAreaCodes, command::kSurnames}) {
        Add(go_to, command, true);
    }
    town_menu_ = go_to->addMenu(UiString(kCurrentTownMenu));
    for (const int command : {command::kTownNames, command::kTownStreets, command::kTownHeadings}) {
        Add(town_menu_, command, true);
    }
    go_to->addSeparator();
    Add(go_to, command::kCountryCodes, true);
    Add(go_to, command::kBankCodes, true);
    go_to->addSeparator();
    Add(go_to, command::kPhoneBook, true);
    Add(go_to, command::kNotes, true);
    // The marks say which one list is shown: radio marks, of which at most one is set.
    auto* lists = new QActionGroup(this);
    lists->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* action : go_to->actions() + town_menu_->actions()) {
        if (action->isCheckable()) lists->addAction(action);
    }
    town_list_menu_ = new QMenu(window);
    Add(town_list_menu_, command::kMarkAllTowns);
    town_list_menu_->addAction(actions_[command::kGo]);
}

void WindowCommands::BuildToolBar(QMainWindow* window, QWidget* activity) {
    toolbar_ = window->addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar_->addAction(actions_[command::kGo]);
    toolbar_->addAction(actions_[command::kCancel]);
    toolbar_->addAction(actions_[command::kClearFields]);
    toolbar_->addSeparator();
    for (const int command : {command::kTowns, command::kPostalCodes, command::kAreaCodes,
                              command::kSurnames, command::kCountryCodes, command::kBankCodes}) {
        toolbar_->addAction(actions_[command]);
    }
    auto* spacer = new QWidget(toolbar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar_->addWidget(spacer);
    toolbar_->addWidget(activity);
}

QAction* WindowCommands::Action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void WindowCommands::Refresh(const CommandContext& context, const QString& town_caption) {
    for (const auto& [command, action] : actions_) {
        action->setEnabled(CommandEnabled(command, context));
        if (action->isCheckable()) action->setChecked(CommandChecked(command, context));
    }
    // Ctrl+I always leads to the other of the two searches.
    const bool internet = IsInternetMode(context.type);
    const QString key = QLatin1Char('\t') + UiString(kOtherSearchKey);
    QAction* search = actions_[command::kSearch];
    QAction* over_internet = actions_[command::kInternet];
    search->setText(UiString(kSearchText) + (internet ? key : QString()));
    over_internet->setText(UiString(kInternetText) + (internet ? QString() : key));
    search->setShortcut(internet ? ShortcutOf(key) : QKeySequence());
    over_internet->setShortcut(internet ? QKeySequence() : ShortcutOf(key));
    town_menu_->setTitle(town_caption.isEmpty() ? UiString(kCurrentTownMenu) : town_caption);
    town_menu_->setEnabled(context.has_town);
}

}  // namespace vendarion
