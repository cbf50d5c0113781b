// The list side of the main window: which list type is shown and how (ShowList),
// the cells and entries of its rows (RowText, RowEntry), the status line's count
// text, the detail card, the input texts each list keeps, and the current town. The
// searches behind the lists are its ListSearches. The window's commands work through
// it. User-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/list_type.h"
#include "search/search_control.h"
#include "store/subscriber_entry.h"
#include "ui/input_field.h"
#include "ui/list_model.h"
#include "ui/list_sources.h"
#include "ui/remembered_inputs.h"
#include "ui/window_services.h"

namespace vendarion {

class ActivityDisplay;
class DetailCard;
class InputFields;
class ListSearches;
class ListPane;
class NavigationTree;
class SearchDriver;

struct ListWidgets {
    ListPane* pane;
    NavigationTree* tree;
    InputFields* inputs;
    DetailCard* card;
    ActivityDisplay* activity;
};

class ListController final : public QObject {
    Q_OBJECT

public:
    ListController(const WindowServices& services, SearchDriver& search, const ListWidgets& widgets,
                   QObject* parent = nullptr);

    // Switches to a list type; with focus, its main input field takes the focus.
    void ShowList(ListType type, bool focus);
    // The text of a cell of the shown list (columns beyond the visible ones too).
    std::string RowText(int row, int column);
    // The entry a row of a subscriber list carries; nothing for a row outside.
    std::optional<SubscriberEntry> RowEntry(int row);
    void RefreshCountText();
    // Draws the card of a row; -1 clears it.
    void ShowCard(int row);

    ListType Type() const { return type_; }
    int RowCount() const { return model_.rowCount(); }
    int FocusedRow() const;
    // The selected rows in row order.
    std::vector<int> SelectedRows() const;
    // How many rows are selected, without listing them.
    int SelectedCount() const;
    // Makes row the focused and only selected row and scrolls it to the top; with
    // fill, as a click would, the row is written into its input field.
    void SelectRow(int row, bool fill = false);
    void SelectAllRows();
    ListSources& Sources() { return sources_; }
    // True while the window itself moves the selection (positioning, switching
    // lists): the row is then not written into an input field.
    bool ChangingSelection() const { return suppress_fill_; }
    SearchControl& Control();

    // The current town: one book, or a combination of towns (book -1).
    void ChooseTown(int book, const std::string& name);
    // Sets up the multi-town search over the books; true when two or more differ.
    bool ChooseTowns(std::span<const int> books);
    bool HasTown() const { return has_town_; }
    // The town list drops its surname filter and shows every town.
    void ShowTownsUnfiltered();
    bool MultiTown() const;
    // Positions the list at a typed text (its first row at or after it, or the row
    // before when none starts with it) without writing into a field; true when a row
    // starts with the text (compared folded, or byte by byte for digits).
    bool PositionAt(const std::string& text, bool digits);
    // Whether the names of a town show a whole book (no search was run in the list).
    bool ShowsWholeBook();
    // Gives the focus to the field that belongs to the list (the search box, or the
    // list itself, for the lists without one).
    void FocusMainField(ListType type);
    // Empties the search box of the foreign and bank code lists, which are then
    // searched again; nothing when it is empty.
    void ClearSearchText();
    // The searches behind the lists.
    ListSearches& Searches() { return *searches_; }
    // The input texts each list takes when it is shown next.
    RememberedInputs& Remembered() { return remembered_; }
    // For the searches: the rows of the shown list changed as a whole, grew (a line
    // went to changed_row), and the status line's text.
    void ReloadRows();
    void TakeAddedRows(int changed_row);
    void SetStatus(const QString& text);

    void SetDetailed(bool detailed);
    bool Detailed() const { return detailed_; }
    // While paused, whole-book rows are not decoded (the window is being resized).
    void PauseBookRows(bool paused);
    // Saves the shown list's column widths (when it is left, and at exit).
    void SaveColumnWidths();

signals:
    // A list was switched to and its input texts restored: positions it (step 7 of
    // ShowList, the lookup of the input fields).
    void ListEntered(vendarion::ListType type);
    // The list type, the selection or the search state changed: commands follow.
    void StateChanged();

private:
    void LeaveList(ListType next);
    void PrepareSource(ListType type);
    void EnterList(ListType type);
    std::string TownCaption() const;
    // The page shown in place of the list on the search node and the town node.
    QString PageOf(ListType type);
    // "(Ort 3 von 12: Köln)" while a multi-town search runs, else empty.
    QString SearchedTownText();

    void OnSelectionChanged();
    void OnSearchTextEdited();
    void OnTypeAhead(const QString& typed);

    WindowServices services_;
    SearchDriver& search_;
    ListWidgets widgets_;
    ListModel model_;
    ListSources sources_;
    ListSearches* searches_ = nullptr;
    RememberedInputs remembered_;
    ListType type_ = ListType::kNone;
    bool initialised_ = false;
    bool suppress_fill_ = false;
    bool detailed_ = true;
    bool has_town_ = false;
    int town_book_ = -1;
    std::string town_name_;
};

}  // namespace vendarion
