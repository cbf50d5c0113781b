#include "ui/main_window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/messages.h"
#include "base/setting_names.h"
#include "dial/tapi_dialer.h"
#include "personal/personal_stores.h"
#include "resources/string_table.h"
#include "store/data_set.h"
#include "ui/about_box.h"
#include "ui/activity_display.h"
#include "ui/animated_banner.h"
#include "ui/assistant_command.h"
#include "ui/cp1252_validator.h"
#include "ui/detail_card.h"
#include "ui/entry_commands.h"
#include "ui/field_link.h"
#include "ui/go_command.h"
#include "ui/help_page.h"
#include "ui/input_panels.h"
#include "ui/line_settings_dialog.h"
#include "ui/list_controller.h"
#include "ui/list_pane.h"
#include "ui/list_searches.h"
#include "ui/list_types.h"
#include "ui/list_view.h"
#include "ui/navigation_keys.h"
#include "ui/navigation_tree.h"
#include "ui/note_commands.h"
#include "ui/options_dialog.h"
#include "ui/program_font.h"
#include "ui/search_driver.h"
#include "ui/tips_dialog.h"
#include "ui/ui_text.h"
#include "ui/wait_cursor.h"
#include "ui/window_commands.h"

namespace vendarion {
namespace {

constexpr int kProgramNameText = 3101;
constexpr int kReallyExit = 1001;
constexpr int kTreeWidth = 175;
constexpr int kResizeSettleMilliseconds = 150;
constexpr int kFirstWidth = 1150;
constexpr int kFirstHeight = 760;
constexpr int kHintMilliseconds = 4000;
// The left column: the tree, the card and the banner below them.
constexpr int kColumnSpacing = 8;
constexpr int kBannerIndent = 12;
constexpr int kBannerMargin = 6;

// The smallest window a saved placement is widened to.
constexpr int kSmallestSide = 200;

// A saved placement inside the available area of the screen it overlaps most (the
// primary screen when it overlaps none), so that a damaged or stale value can
// neither make a window of absurd size nor put it out of sight.
QRect FitToScreens(const QRect& saved, const QScreen* primary) {
    QRect area = primary->availableGeometry();
    qint64 best = -1;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(saved);
        const qint64 size = overlap.isEmpty() ? 0 : qint64{overlap.width()} * overlap.height();
        if (size > best && size > 0) {
            best = size;
            area = screen->availableGeometry();
        }
    }
    const int width =
        std::clamp(saved.width(), std::min(kSmallestSide, area.width()), area.width());
    const int height =
        std::clamp(saved.height(), std::min(kSmallestSide, area.height()), area.height());
    const int x = std::clamp(saved.x(), area.left(), area.left() + area.width() - width);
    const int y = std::clamp(saved.y(), area.top(), area.top() + area.height() - height);
    return {x, y, width, height};
}

QString RefusedCharacterHint() {
    return QStringLiteral("Dieses Zeichen kommt in den Verzeichnisdaten nicht vor.");
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create(const WindowServices& services) {
    std::unique_ptr<SearchDriver> search = SearchDriver::Create(services.data, services.settings);
    if (search == nullptr) return nullptr;
    return std::unique_ptr<MainWindow>(new MainWindow(services, std::move(search)));
}

MainWindow::MainWindow(const WindowServices& services, std::unique_ptr<SearchDriver> search)
    : services_(services), search_(std::move(search)) {
    setWindowTitle(UiString(kProgramNameText));
    BuildLayout();
    lists_ =
        new ListController(services_, *search_, {pane_, tree_, inputs_, card_, activity_}, this);
    link_ = new FieldLink(*lists_, *inputs_, pane_->View(), this);
    go_ = std::make_unique<GoCommand>(*lists_, *link_, *inputs_, services_.messages, *tree_);
    entries_ = std::make_unique<EntryCommands>(*lists_, *inputs_, services_, this);
    notes_ = new NoteCommands(*lists_, services_, this);
    assistant_ = std::make_unique<AssistantCommand>(*lists_, *inputs_, services_.data,
                                                    services_.messages, this);
    Connect();
    input_flags_ = Read(services_.settings, setting::kInputFlags);
    inputs_->SetVisibleFields(input_flags_);
    commands_->ToolBar()->setVisible(Read(services_.settings, setting::kToolbar) != 0);
    lists_->SetDetailed(Read(services_.settings, setting::kInformation) != 0);
    lists_->ShowList(ListType::kNone, false);
    RestorePlacement();
}

// The search ends before the widgets its announcements reach go.
MainWindow::~MainWindow() { search_.reset(); }

void MainWindow::BuildLayout() {
    auto* central = new QWidget(this);
    inputs_ = new InputPanels(central);
    tree_ = new NavigationTree(central);
    card_ = new DetailCard(central);
    pane_ = new ListPane(central);
    activity_ = new ActivityDisplay(this);
    banner_ = new AnimatedBanner(Read(services_.settings, setting::kSingleAnimation) == 1, central);
    commands_ = new WindowCommands(this, activity_);

    auto* left = new QVBoxLayout;
    left->setSpacing(kColumnSpacing);
    left->addWidget(tree_, 1);
    left->addWidget(card_, 0, Qt::AlignHCenter);
    auto* banner_row = new QHBoxLayout;
    banner_row->setContentsMargins(kBannerIndent, 0, 0, kBannerMargin);
    banner_row->addWidget(banner_);
    banner_row->addStretch(1);
    left->addLayout(banner_row);
    // The tree's width grows with its font, and is never narrower than the card.
    tree_->setFixedWidth(
        std::max(Scaled(kTreeWidth, FontScale(tree_->font())), DetailCard::CardWidth()));
    auto* lower = new QHBoxLayout;
    lower->setSpacing(8);
    lower->addLayout(left);
    lower->addWidget(pane_, 1);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    auto* top = new QHBoxLayout;
    top->addWidget(inputs_, 1);
    top->addStretch(0);
    layout->addLayout(top);
    layout->addLayout(lower, 1);
    setCentralWidget(central);

    // A right click on the window's own surface above the tree opens the fields menu.
    central->installEventFilter(this);
    pane_->View()->setContextMenuPolicy(Qt::CustomContextMenu);
    pane_->SearchBox()->installEventFilter(this);
    pane_->SearchBox()->setValidator(new Cp1252Validator(pane_->SearchBox()));
    resize_end_.setSingleShot(true);
    resize_end_.setInterval(kResizeSettleMilliseconds);
}

void MainWindow::Connect() {
    connect(commands_, &WindowCommands::Triggered, this, &MainWindow::RunCommand);
    connect(tree_, &NavigationTree::ListChosen, this,
            [this](ListType type) { lists_->ShowList(type, false); });
    connect(pane_->View(), &QTreeView::doubleClicked, this, [this] {
        if (lists_->Type() == ListType::kNotes) {
            notes_->Open();
        } else {
            go_->OpenRow();
        }
    });
    connect(pane_->View(), &QWidget::customContextMenuRequested, this,
            &MainWindow::ShowContextMenu);
    connect(link_, &FieldLink::OpenRequested, this, [this] { go_->OpenRow(); });
    connect(link_, &FieldLink::SearchRequested, this, [this] { go_->Go(); });
    connect(link_, &FieldLink::TreeFocusRequested, tree_, [this] { tree_->setFocus(); });
    connect(inputs_, &InputFields::MenuRequested, this, &MainWindow::ShowFieldsMenu);
    connect(lists_, &ListController::StateChanged, this, &MainWindow::RefreshCommands);
    connect(&lists_->Searches(), &ListSearches::ExitResumed, this, &MainWindow::Exit);
    // A town's nodes in the tree may take the banner's room, or give it back.
    const auto place_banner = [this] { QTimer::singleShot(0, this, &MainWindow::PlaceBanner); };
    connect(tree_->model(), &QAbstractItemModel::rowsInserted, this, place_banner);
    connect(tree_->model(), &QAbstractItemModel::rowsRemoved, this, place_banner);
    connect(&resize_end_, &QTimer::timeout, this, [this] {
        lists_->PauseBookRows(false);
        PlaceBanner();
    });
    const auto refused = [this] { pane_->ShowHint(RefusedCharacterHint(), kHintMilliseconds); };
    connect(inputs_, &InputFields::InputRefused, this, refused);
    connect(inputs_, &InputFields::MoveRequested, this, &MainWindow::OnFieldMove);
    connect(inputs_, &InputFields::Escaped, this, [this] {
        (void)lists_->Searches().CancelSearch();
        if (lists_->Type() == ListType::kNames) {
            pane_->View()->setFocus();
        } else {
            tree_->setFocus();
        }
    });
    connect(pane_->SearchBox(), &QLineEdit::inputRejected, this, refused);
}

void MainWindow::RunCommand(int command) {
    if (const std::optional<ListType> list = CommandList(command, lists_->Type())) {
        lists_->ShowList(*list, true);
        if (command == command::kSearch || command == command::kInternet) tree_->setFocus();
        // Choosing the list that is shown changes nothing but must keep its mark.
        RefreshCommands();
        return;
    }
    if (const int flag = InputFlagOf(command); flag != 0) {
        ToggleInputField(flag);
        return;
    }
    switch (command) {
        case command::kExit:
            Exit();
            return;
        case command::kGo:
            go_->Go();
            return;
        case command::kCancel:
            (void)lists_->Searches().CancelSearch();
            return;
        case command::kMarkAllTowns:
            lists_->SelectAllRows();
            return;
        case command::kClearFields:
            link_->ClearFields();
            return;
        case command::kAddToPhoneBook:
            entries_->AddToPhoneBook();
            return;
        case command::kRemoveFromPhoneBook:
            entries_->RemoveFromPhoneBook();
            return;
        case command::kNeighbourhood:
            entries_->NeighbourhoodSearch();
            return;
        case command::kCreateNote:
            notes_->Create();
            return;
        case command::kOpenNote:
            notes_->Open();
            return;
        case command::kRemoveNote:
            notes_->Remove();
            return;
        case command::kDial:
            entries_->Dial();
            return;
        case command::kOptions: {
            (void)lists_->Searches().CancelSearch();
            TapiLineList lines;
            {
                const WaitCursor waiting;
                (void)services_.lines.EnumerateLines(&lines);
            }
            OptionsDialog options(services_.settings, services_.messages, std::move(lines), this,
                                  [this](std::int32_t device, QWidget* owner) {
                                      ShowLineSettings(services_.settings, services_.lines, device,
                                                       owner);
                                  });
            options.exec();
            return;
        }
        case command::kTips:
            ShowTips(false);
            return;
        case command::kSearchAssistant:
            assistant_->Run();
            return;
        case command::kAbout:
            ShowAboutBox(this, services_.data);
            return;
        case command::kHelp:
            (void)OpenHelp(services_.messages);
            return;
        case command::kPrint:
        case command::kPrintPreview:
            entries_->Print(command == command::kPrintPreview, FromQString(pane_->Title()));
            return;
        case command::kToolbar:
            commands_->ToolBar()->setVisible(!commands_->ToolBar()->isVisible());
            RefreshCommands();
            return;
        case command::kDetailedView:
            lists_->SetDetailed(!lists_->Detailed());
            RefreshCommands();
            return;
        case command::kExport:
            entries_->Export();
            return;
        default:
            return;
    }
}

CommandContext MainWindow::Context() const {
    CommandContext context;
    context.type = lists_->Type();
    context.rows = lists_->RowCount();
    context.selected = lists_->SelectedCount();
    context.phone_book = services_.stores.phone_book != nullptr;
    context.notes = services_.stores.notes != nullptr;
    context.searching = lists_->Searches().SearchRunning();
    context.has_town = lists_->HasTown();
    context.multi_town = lists_->MultiTown();
    context.toolbar = !commands_->ToolBar()->isHidden();
    context.detailed = lists_->Detailed();
    context.input_flags = input_flags_;
    return context;
}

void MainWindow::RefreshCommands() {
    const CommandContext context = Context();
    const QString caption =
        tree_->Node(ListType::kTown) != nullptr ? tree_->Node(ListType::kTown)->text(0) : QString();
    commands_->Refresh(context, caption);
}

void MainWindow::ShowContextMenu(const QPoint& position) {
    QMenu* menu = commands_->ContextMenu(Context(), this);
    if (menu != nullptr) menu->popup(pane_->View()->viewport()->mapToGlobal(position));
}

void MainWindow::ShowTips(bool at_startup) {
    (void)lists_->Searches().CancelSearch();
    const ByteView member = services_.data.ListArchive().Member("TipsAndTricks.txt");
    std::unique_ptr<TipsDialog> tips = TipsDialog::Open(
        member.CString(0, member.size()), services_.settings, services_.messages, at_startup, this);
    if (tips != nullptr) tips->exec();
}

void MainWindow::ShowFieldsMenu(const QPoint& global) {
    QMenu* menu = commands_->FieldsMenu();
    if (menu->isVisible()) return;
    RefreshCommands();
    constexpr int kOffset = 8;
    menu->popup(global - QPoint(kOffset, kOffset));
}

void MainWindow::ToggleInputField(int flag) {
    input_flags_ ^= flag;
    inputs_->SetVisibleFields(input_flags_);
    RefreshCommands();
}

void MainWindow::Exit() {
    if (!ConfirmExit()) return;
    exit_confirmed_ = true;
    close();
}

bool MainWindow::ConfirmExit() {
    if (lists_->Searches().SearchRunning()) {
        lists_->Searches().CancelForExit();
        return false;
    }
    if (services_.messages.Show({kReallyExit, std::string(LoadString(kReallyExit)),
                                 MessageIcon::kQuestion, MessageButtons::kYesNo,
                                 MessageAnswer::kYes}) != MessageAnswer::kYes) {
        return false;
    }
    lists_->SaveColumnWidths();
    (void)Write(services_.settings, setting::kToolbar, commands_->ToolBar()->isHidden() ? 0 : 1);
    (void)Write(services_.settings, setting::kInformation, lists_->Detailed() ? 1 : 0);
    (void)Write(services_.settings, setting::kInputFlags, input_flags_);
    SavePlacement();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exit_confirmed_ || ConfirmExit()) {
        exit_confirmed_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::RestorePlacement() {
    const std::string pos = Read(services_.settings, setting::kPos);
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    if (std::sscanf(pos.c_str(), "%d,%d,%d,%d", &x, &y, &width, &height) == 4) {
        setGeometry(FitToScreens(QRect(x, y, width, height), screen()));
    } else {
        // The first start: a size that suits the screen.
        const QSize room = screen()->availableSize();
        resize(std::min(kFirstWidth, room.width()), std::min(kFirstHeight, room.height()));
    }
    if (Read(services_.settings, setting::kZoomed) != 0) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::SavePlacement() {
    const bool zoomed = isMaximized();
    (void)Write(services_.settings, setting::kZoomed, zoomed ? 1 : 0);
    if (zoomed) return;
    const QRect frame = geometry();
    const std::string pos = std::to_string(frame.x()) + "," + std::to_string(frame.y()) + "," +
                            std::to_string(frame.width()) + "," + std::to_string(frame.height());
    (void)Write(services_.settings, setting::kPos, pos);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    lists_->PauseBookRows(true);
    resize_end_.start();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    PlaceBanner();
    // With animations on, the banner starts when the window is first shown.
    if (!banner_started_ && Read(services_.settings, setting::kSingleAnimation) == 0) {
        banner_started_ = true;
        QTimer::singleShot(0, banner_, [this] { banner_->Player().StartNext(); });
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) PlaceBanner();
}

void MainWindow::PlaceBanner() {
    if (isMinimized()) {
        banner_->hide();
        return;
    }
    // The space the tree's items leave free, counting the banner's own room when it
    // is shown, so that showing it does not take the room it needs away.
    const int items = tree_->topLevelItemCount();
    const int used = items > 0 ? tree_->visualItemRect(tree_->topLevelItem(items - 1)).bottom() : 0;
    // The banner's row takes its height, its bottom margin and the column's spacing.
    const int banner_room = banner_->height() + kBannerMargin + kColumnSpacing;
    const int room = tree_->viewport()->height() + (banner_->isVisible() ? banner_room : 0);
    constexpr int kSpare = 6;
    banner_->setVisible(used + kSpare + banner_room <= room);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::ContextMenu) {
        auto* menu_event = static_cast<QContextMenuEvent*>(event);
        if (menu_event->pos().y() < tree_->y()) {
            ShowFieldsMenu(menu_event->globalPos());
            return true;
        }
    }
    if (watched == pane_->SearchBox() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const ListMove move = ListMoveOf(key->key(), key->modifiers());
            move != ListMove::kNone) {
            MoveInList(move);
            return true;
        }
        if ((key->modifiers() & Qt::ControlModifier) != 0) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::MoveInList(ListMove move) {
    QTreeView* view = pane_->View();
    const int per_page =
        std::max(1, view->viewport()->height() / std::max(1, view->sizeHintForRow(0)));
    const int focused = lists_->FocusedRow();
    const int row = RowAfterMove(move, focused, lists_->RowCount(), per_page);
    if (row < 0 || row >= lists_->RowCount() || row == focused) return;
    // As the list's own keys do: the new row becomes the only selected one, and its
    // text goes into the field of the list.
    view->setCurrentIndex(view->model()->index(row, 0));
    view->scrollTo(view->currentIndex());
}

void MainWindow::OnFieldMove(InputField field, ListMove move) {
    // In the names of a town, the street and heading fields move only through a
    // search result, not through the whole book.
    const bool criterion = field == InputField::kStreet || field == InputField::kHeading;
    if (lists_->Type() == ListType::kNames && criterion && lists_->ShowsWholeBook()) return;
    MoveInList(move);
}

}  // namespace vendarion
