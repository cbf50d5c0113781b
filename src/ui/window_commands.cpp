#include "ui/window_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>
#include <span>

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
constexpr int kPhoneBookMenu = 5008;
constexpr int kNotesMenu = 5009;
constexpr int kExtrasMenu = 5010;
constexpr int kHelpMenu = 5011;
constexpr int kAddText = 5101;
constexpr int kExportText = 5102;
constexpr int kRemoveText = 5103;
constexpr int kRemoveNoteText = 5104;
// The captions of the toolbar buttons, in their order.
constexpr int kFirstButtonCaption = 1760;
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
    keys.replace(QStringLiteral("Entf"), QStringLiteral("Del"));
    return QKeySequence(keys);
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
    Add(file, command::kPrint);
    Add(file, command::kPrintPreview);
    file->addSeparator();
    Add(file, command::kExit);

    QMenu* edit = bar->addMenu(UiString(kEditMenu));
    Add(edit, command::kGo);
    Add(edit, command::kCancel);
    edit->addSeparator();
    QMenu* phone_book = edit->addMenu(UiString(kPhoneBookMenu));
    Add(phone_book, command::kAddToPhoneBook);
    Add(phone_book, command::kRemoveFromPhoneBook);
    QMenu* notes = edit->addMenu(UiString(kNotesMenu));
    Add(notes, command::kCreateNote);
    Add(notes, command::kOpenNote);
    Add(notes, command::kRemoveNote);
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

    QMenu* extras = bar->addMenu(UiString(kExtrasMenu));
    Add(extras, command::kDial);
    Add(extras, command::kNeighbourhood);
    extras->addSeparator();
    Add(extras, command::kSearchAssistant);
    extras->addSeparator();
    Add(extras, command::kOptions);

    QMenu* help = bar->addMenu(UiString(kHelpMenu));
    Add(help, command::kHelp)->setShortcut(QKeySequence::HelpContents);
    Add(help, command::kTips);
    help->addSeparator();
    Add(help, command::kAbout);
}

void WindowCommands::BuildToolBar(QMainWindow* window, QWidget* activity) {
    toolbar_ = window->addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The buttons, each with its caption; 0 stands for a separator.
    constexpr int kButtons[] = {
        command::kGo,
        command::kCancel,
        command::kClearFields,
        0,
        command::kTowns,
        command::kPostalCodes,
        command::kAreaCodes,
        command::kSurnames,
        command::kCountryCodes,
        command::kBankCodes,
        0,
        command::kDial,
        command::kNeighbourhood,
        command::kAddToPhoneBook,
        command::kExport,
        command::kPrint,
        command::kCreateNote,
        0,
        command::kSearchAssistant,
    };
    int caption = kFirstButtonCaption;
    for (const int command : kButtons) {
        if (command == 0) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* action = actions_.at(command);
        action->setIconText(UiString(caption++));
        toolbar_->addAction(action);
    }
    auto* spacer = new QWidget(toolbar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar_->addWidget(spacer);
    toolbar_->addWidget(activity);
}

QMenu* WindowCommands::ContextMenu(const CommandContext& context, QWidget* parent) {
    // The items of the menu of each list, with the text they read there (0: the
    // command's menu text); 0, 0 stands for a separator.
    struct Item {
        int command;
        int text;
    };
    static constexpr Item kTowns[] = {{command::kMarkAllTowns, 0}, {command::kGo, 0}};
    static constexpr Item kNames[] = {{command::kDial, 0},
                                      {command::kNeighbourhood, 0},
                                      {command::kAddToPhoneBook, kAddText},
                                      {command::kCreateNote, 0},
                                      {0, 0},
                                      {command::kPrint, 0},
                                      {command::kExport, kExportText},
                                      {0, 0},
                                      {command::kGo, 0}};
    static constexpr Item kInternetRows[] = {{command::kDial, 0},
                                             {command::kNeighbourhood, 0},
                                             {command::kAddToPhoneBook, kAddText},
                                             {command::kCreateNote, 0},
                                             {0, 0},
                                             {command::kPrint, 0},
                                             {command::kExport, kExportText},
                                             {0, 0},
                                             {command::kGo, 0}};
    static constexpr Item kPhoneBookRows[] = {{command::kDial, 0},
                                              {command::kCreateNote, 0},
                                              {0, 0},
                                              {command::kPrint, 0},
                                              {command::kExport, kExportText},
                                              {0, 0},
                                              {command::kRemoveFromPhoneBook, kRemoveText}};
    static constexpr Item kNoteRows[] = {{command::kOpenNote, 0},
                                         {command::kDial, 0},
                                         {command::kAddToPhoneBook, kAddText},
                                         {0, 0},
                                         {command::kPrint, 0},
                                         {command::kExport, kExportText},
                                         {0, 0},
                                         {command::kRemoveNote, kRemoveNoteText}};
    std::span<const Item> items;
    switch (context.type) {
        case ListType::kTowns:
            items = kTowns;
            break;
        case ListType::kNames:
            items = kNames;
            break;
        case ListType::kInternet:
            items = kInternetRows;
            break;
        case ListType::kPhoneBook:
            items = kPhoneBookRows;
            break;
        case ListType::kNotes:
            items = kNoteRows;
            break;
        default:
            return nullptr;
    }
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const Item& item : items) {
        if (item.command == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(UiString(item.text != 0 ? item.text : item.command));
        action->setEnabled(CommandEnabled(item.command, context));
        const int command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { emit Triggered(command); });
    }
    return menu;
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
