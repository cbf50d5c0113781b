#include "ui/list_controller.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeView>

#include "base/ascii_text.h"
#include "base/fold_text.h"
#include "base/messages.h"
#include "base/setting_names.h"
#include "personal/personal_stores.h"
#include "resources/string_table.h"
#include "search/count_text.h"
#include "search/internet_search.h"
#include "search/row_entry.h"
#include "search/search_control.h"
#include "store/data_set.h"
#include "ui/activity_display.h"
#include "ui/card_text.h"
#include "ui/detail_card.h"
#include "ui/input_fields.h"
#include "ui/list_count_text.h"
#include "ui/list_pane.h"
#include "ui/list_searches.h"
#include "ui/list_spec.h"
#include "ui/list_view.h"
#include "ui/navigation_tree.h"
#include "ui/notice_bar.h"
#include "ui/program_font.h"
#include "ui/search_driver.h"
#include "ui/start_page.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kTownCombinationText = 1601;
constexpr int kCountryHint = 1618;
constexpr int kBankHint = 1619;
// Lists up to this size may be scanned row by row for a letter typed into them;
// larger ones only through their lookup.
constexpr int kTypeAheadScanLimit = 2000;

bool StartsWithText(const std::string& row_text, const std::string& typed, bool digits) {
    if (digits) return row_text.starts_with(typed);
    return FoldText(row_text).starts_with(FoldText(typed));
}

}  // namespace

ListController::ListController(const WindowServices& services, SearchDriver& search,
                               const ListWidgets& widgets, QObject* parent)
    : QObject(parent),
      services_(services),
      search_(search),
      widgets_(widgets),
      sources_(services.data, search.Control().Rows(), services.stores) {
    QTreeView* view = widgets_.pane->View();
    view->setModel(&model_);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListController::OnSelectionChanged);
    searches_ = new ListSearches(*this, search_, services_, widgets_, this);
    connect(widgets_.inputs, &InputFields::ModeChosen, searches_, &ListSearches::NameModeChosen);
    connect(searches_, &ListSearches::StateChanged, this, &ListController::StateChanged);
    connect(widgets_.pane, &ListPane::SearchTextEdited, this, &ListController::OnSearchTextEdited);
    connect(widgets_.pane->View(), &ListView::TypeAhead, this, &ListController::OnTypeAhead);
}

SearchControl& ListController::Control() { return search_.Control(); }

void ListController::ShowList(ListType type, bool focus) {
    if (initialised_ && type == type_) return;
    if (MultiTown() && (type == ListType::kStreets || type == ListType::kHeadings)) return;
    (void)searches_->CancelSearch();
    widgets_.pane->ShowSearchBox(false);
    widgets_.pane->Notices()->Clear();
    bool focus_town = false;
    if (initialised_) {
        LeaveList(type);
        if (remembered_.CarryOver(type_, type)) {
            if (type == ListType::kNames) widgets_.inputs->SetMode(NameMode::kNormal);
            focus_town = type == ListType::kTowns;
        }
    }
    type_ = type;
    initialised_ = true;
    Control().Inputs().list_type = type;
    suppress_fill_ = true;
    widgets_.tree->Select(type);
    const ListTypeInfo& info = InfoOf(type);
    QTreeView* view = widgets_.pane->View();
    view->setSelectionMode(info.several_rows ? QAbstractItemView::ExtendedSelection
                                             : QAbstractItemView::SingleSelection);
    const bool full_rows = Read(services_.settings, setting::kFullRowSelect) == 1;
    view->setSelectionBehavior(full_rows ? QAbstractItemView::SelectRows
                                         : QAbstractItemView::SelectItems);
    view->setAllColumnsShowFocus(full_rows);
    const ListSpec spec = ParseListSpec(LoadString(info.spec), TownCaption());
    PrepareSource(type);
    widgets_.inputs->SetEnabledFields(info.inputs, AllowsFirstName(type));
    // In the Internet lists of places and names, Delete cuts the completion away.
    widgets_.inputs->SetCutOnDelete(
        IsInternetMode(type) && type != ListType::kInternet ? FieldBit(MainField(type)) : 0);
    widgets_.pane->SetTitle(ToQString(spec.title));
    widgets_.pane->SetListVisible(info.has_list, info.has_list ? QString() : PageOf(type));
    widgets_.card->setVisible(detailed_ && info.shows_card);
    model_.SetSource(&sources_.For(type), spec.columns);
    const std::string saved = info.key.empty()
                                  ? std::string()
                                  : Read(services_.settings, setting::ColumnWidths(info.key));
    widgets_.pane->SetColumnWidths(
        ColumnWidths(spec.columns, saved, FontScale(widgets_.pane->View()->font())));
    EnterList(type);
    if (FocusedRow() < 0 && model_.rowCount() > 0) SelectRow(0);
    suppress_fill_ = false;
    RefreshCountText();
    ShowCard(FocusedRow());
    if (focus_town) {
        widgets_.inputs->FocusField(InputField::kTown);
    } else if (focus) {
        FocusMainField(type);
    }
    emit StateChanged();
}

void ListController::LeaveList(ListType next) {
    (void)next;
    SaveColumnWidths();
    RememberedInputs::Texts& texts = remembered_.Of(type_);
    for (int i = 0; i < kInputFieldCount; ++i) {
        texts[i] = widgets_.inputs->Text(static_cast<InputField>(i));
    }
    if (type_ == ListType::kCountryCodes || type_ == ListType::kBankCodes) {
        remembered_.SearchText(type_) = FromQString(widgets_.pane->SearchBox()->text());
    }
}

void ListController::PrepareSource(ListType type) {
    if (type == ListType::kTowns) {
        const std::string& surname = remembered_.Field(type, InputField::kName);
        if (surname.empty()) {
            sources_.Towns().ClearTownFilter();
        } else {
            sources_.Towns().SetTownFilter(
                BooksWithSurname(services_.data.NameIndex(), services_.data.Books(), surname));
        }
    } else if (type == ListType::kInternetTowns) {
        sources_.Towns().ClearTownFilter();
    } else if (type == ListType::kInternet) {
        // The result list is shared by every search: it holds the Internet list's rows
        // only while no other search has run since.
        if (searches_->InternetRows()) {
            Control().Rows().ShowResults();
        } else {
            Control().Rows().ShowNothing();
        }
    }
    sources_.Streets().SetBook(town_book_);
    sources_.Headings().SetBook(town_book_);
}

void ListController::EnterList(ListType type) {
    RememberedInputs::Texts texts = remembered_.Of(type);
    if (type == ListType::kTowns && sources_.Towns().Filtered() && sources_.Towns().Count() == 1) {
        texts[static_cast<int>(InputField::kTown)] = sources_.Towns().Text(0, 0);
    }
    for (int i = 0; i < kInputFieldCount; ++i) {
        widgets_.inputs->SetText(static_cast<InputField>(i), texts[i]);
    }
    switch (type) {
        case ListType::kNames:
            searches_->StartSearch();
            break;
        case ListType::kCountryCodes:
        case ListType::kBankCodes:
            widgets_.pane->SearchBox()->setText(ToQString(remembered_.SearchText(type)));
            widgets_.pane->ShowSearchBox(true,
                                         type == ListType::kBankCodes ? kBankHint : kCountryHint);
            searches_->StartSearch();
            break;
        default:
            emit ListEntered(type);
            break;
    }
}

QString ListController::PageOf(ListType type) {
    if (type == ListType::kTown) {
        if (MultiTown()) {
            return TownStartPage(ToQString(TownCaption()), -1, Control().Towns().Count());
        }
        return TownStartPage(ToQString(town_name_),
                             services_.data.Books().Books().EntryCount(town_book_), 1);
    }
    DataSetFacts facts;
    const ArchiveVersion version = services_.data.IndexArchive().Version();
    facts.major_version = version.major;
    facts.minor_version = version.minor;
    facts.entries = services_.data.Books().Table().Count();
    const BookData& books = services_.data.Books().Books();
    for (int book = 0; book < BookData::BookCount(); ++book) {
        if (books.EntryCount(book) > 0) ++facts.books;
    }
    return SearchStartPage(facts);
}

std::string ListController::TownCaption() const {
    return MultiTown() ? std::string(LoadString(kTownCombinationText)) : town_name_;
}

bool ListController::MultiTown() const { return search_.Control().Towns().Active(); }

void ListController::ChooseTown(int book, const std::string& name) {
    (void)Control().SetUpTownSet({});
    has_town_ = true;
    town_book_ = book;
    town_name_ = name;
    Control().Inputs().town_book = book;
    widgets_.tree->SetTown(ToQString(name), book, false);
}

bool ListController::ChooseTowns(std::span<const int> books) {
    if (Control().SetUpTownSet(books) < 2) {
        (void)Control().SetUpTownSet({});
        return false;
    }
    has_town_ = true;
    town_book_ = -1;
    town_name_.clear();
    Control().Inputs().town_book = -1;
    widgets_.tree->SetTown(UiString(kTownCombinationText), -1, true);
    return true;
}

void ListController::ShowTownsUnfiltered() {
    sources_.Towns().ClearTownFilter();
    model_.Reload();
    RefreshCountText();
    emit StateChanged();
}

std::string ListController::RowText(int row, int column) {
    if (row < 0 || row >= model_.rowCount()) return {};
    return sources_.For(type_).Text(row, column);
}

std::optional<SubscriberEntry> ListController::RowEntry(int row) {
    if (!IsEntryList(type_) || row < 0 || row >= model_.rowCount()) return std::nullopt;
    std::array<std::string, kEntryRowColumns> cells;
    std::array<std::string_view, kEntryRowColumns> views;
    for (int column = 0; column < kEntryRowColumns; ++column) {
        cells[column] = RowText(row, column);
        views[column] = cells[column];
    }
    SubscriberEntry entry;
    if (!EntryFromRow(views, &entry)) return std::nullopt;
    return entry;
}

void ListController::RefreshCountText() {
    std::string text;
    if (type_ == ListType::kInternet && !searches_->InternetRows()) {
        text = CountText(count_base::kNamesFound, 0);
    } else if (IsSearchList(type_)) {
        text = Control().CountText();
    } else {
        ListCounts counts;
        counts.rows = model_.rowCount();
        counts.town_filter = type_ == ListType::kTowns && sources_.Towns().Filtered();
        counts.marked_towns = MultiTown() ? Control().Towns().Count() : 0;
        counts.store_exists = type_ == ListType::kPhoneBook ? services_.stores.phone_book != nullptr
                                                            : services_.stores.notes != nullptr;
        text = ListCountText(type_, counts);
    }
    const int selected = SelectedCount();
    if (CountsMarkedRows(type_) && selected >= 2) text = WithMarkedCount(text, selected);
    widgets_.pane->SetStatus(ToQString(text) + SearchedTownText());
}

QString ListController::SearchedTownText() {
    const int index = MultiTown() ? Control().SearchedTownIndex() : 0;
    const std::vector<int>& books = Control().Towns().Books();
    if (index < 1 || index > static_cast<int>(books.size())) return {};
    const std::string_view name = services_.data.Books().Books().Name(books[index - 1]);
    return QStringLiteral("  (Ort %1 von %2: %3)")
        .arg(index)
        .arg(books.size())
        .arg(ToQString(TrimBlanks(name)));
}

void ListController::ShowCard(int row) {
    if (!detailed_ || !InfoOf(type_).shows_card || row < 0 || row >= model_.rowCount()) {
        widgets_.card->SetBlocks({});
        return;
    }
    const CellReader cell = [this, row](int column) { return RowText(row, column); };
    if (type_ == ListType::kBankCodes && Control().Rows().Shown() != ListRows::Source::kBook) {
        widgets_.card->SetBlocks(BankCard(cell));
    } else if (type_ == ListType::kCountryCodes) {
        widgets_.card->SetBlocks(CountryCard(cell));
    } else {
        widgets_.card->SetBlocks(EntryCard(cell));
    }
}

int ListController::FocusedRow() const {
    const QModelIndex current = widgets_.pane->View()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

std::vector<int> ListController::SelectedRows() const {
    std::vector<int> rows;
    const QItemSelection selection = widgets_.pane->View()->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ListController::SelectedCount() const {
    // The selection's row spans merged, without a row list: a whole book may be marked.
    std::vector<std::pair<int, int>> spans;
    for (const QItemSelectionRange& range : widgets_.pane->View()->selectionModel()->selection()) {
        spans.emplace_back(range.top(), range.bottom());
    }
    std::sort(spans.begin(), spans.end());
    int count = 0;
    int covered = -1;  // the last row counted
    for (const auto& [top, bottom] : spans) {
        if (bottom <= covered) continue;
        count += bottom - std::max(top, covered + 1) + 1;
        covered = bottom;
    }
    return count;
}

void ListController::SelectRow(int row, bool fill) {
    if (row < 0 || row >= model_.rowCount()) return;
    const bool quiet = suppress_fill_;
    suppress_fill_ = quiet || !fill;
    QTreeView* view = widgets_.pane->View();
    const QModelIndex index = model_.index(row, 0);
    view->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index, QAbstractItemView::PositionAtTop);
    suppress_fill_ = quiet;
}

void ListController::SelectAllRows() { widgets_.pane->View()->selectAll(); }
bool ListController::PositionAt(const std::string& text, bool digits) {
    if (text.empty()) {
        SelectRow(0);
        return false;
    }
    int row = sources_.For(type_).FindRow(text);
    if (row < 0) return false;
    const bool match = StartsWithText(RowText(row, 0), text, digits);
    if (!match) row = std::max(row - 1, 0);
    SelectRow(row);
    return match;
}

bool ListController::ShowsWholeBook() {
    return type_ == ListType::kNames && Control().Rows().Shown() == ListRows::Source::kBook;
}

void ListController::FocusMainField(ListType type) {
    if (type == ListType::kCountryCodes || type == ListType::kBankCodes) {
        widgets_.pane->SearchBox()->setFocus();
    } else if (InfoOf(type).inputs == 0) {
        widgets_.pane->View()->setFocus();
    } else if (type == ListType::kInternet) {
        // Entering a field of the Internet search chooses the list of that field;
        // the search itself has no field of its own.
        return;
    } else {
        widgets_.inputs->FocusField(MainField(type));
    }
}

void ListController::SetDetailed(bool detailed) {
    detailed_ = detailed;
    widgets_.card->setVisible(detailed && initialised_ && InfoOf(type_).shows_card);
    widgets_.pane->SetDetailed(detailed);
    ShowCard(FocusedRow());
}

void ListController::PauseBookRows(bool paused) { model_.SetPaused(paused && ShowsWholeBook()); }

void ListController::SaveColumnWidths() {
    const ListTypeInfo& info = InfoOf(type_);
    if (!initialised_ || info.key.empty()) return;
    const std::string widths = SavedWidths(widgets_.pane->ColumnWidths());
    if (!widths.empty()) (void)Write(services_.settings, setting::ColumnWidths(info.key), widths);
}

void ListController::OnSelectionChanged() {
    RefreshCountText();
    ShowCard(FocusedRow());
    emit StateChanged();
}

void ListController::OnTypeAhead(const QString& typed) {
    const std::string text = FromQString(typed);
    RowSource& source = sources_.For(type_);
    const bool digits = !text.empty() && text.front() >= '0' && text.front() <= '9';
    const auto starts = [&](int row) {
        return StartsWithText(std::string(TrimBlanks(RowText(row, 0))), text, digits);
    };
    int row = source.FindRow(text);
    if (row >= 0) {
        // The lookup gives the first row at or after the text, which may not start
        // with it.
        if (!starts(row)) return;
    } else if (model_.rowCount() <= kTypeAheadScanLimit) {
        for (int i = 0; i < model_.rowCount() && row < 0; ++i) {
            if (starts(i)) row = i;
        }
    }
    if (row >= 0) SelectRow(row, true);
}

void ListController::OnSearchTextEdited() {
    if (type_ == ListType::kCountryCodes || type_ == ListType::kBankCodes) {
        searches_->StartSearch();
    }
}

void ListController::ClearSearchText() {
    QLineEdit* box = widgets_.pane->SearchBox();
    if (box->text().isEmpty()) return;
    box->clear();
    searches_->StartSearch();
}

void ListController::ReloadRows() { model_.Reload(); }

void ListController::TakeAddedRows(int changed_row) { model_.RowsAdded(changed_row); }

void ListController::SetStatus(const QString& text) { widgets_.pane->SetStatus(text); }

}  // namespace vendarion
