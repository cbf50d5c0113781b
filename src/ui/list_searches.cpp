#include "ui/list_searches.h"

#include <QApplication>
#include <QLineEdit>

#include "base/messages.h"
#include "base/setting_names.h"
#include "resources/string_table.h"
#include "search/count_text.h"
#include "search/internet_search.h"
#include "search/search_control.h"
#include "ui/activity_display.h"
#include "ui/detail_card.h"
#include "ui/input_fields.h"
#include "ui/list_controller.h"
#include "ui/list_pane.h"
#include "ui/list_types.h"
#include "ui/notice_bar.h"
#include "ui/search_driver.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kProgressMilliseconds = 200;

}  // namespace

ListSearches::ListSearches(ListController& lists, SearchDriver& search,
                           const WindowServices& services, const ListWidgets& widgets,
                           QObject* parent)
    : QObject(parent), lists_(lists), search_(search), services_(services), widgets_(widgets) {
    connect(&search_, &SearchDriver::Started, this, &ListSearches::OnSearchStarted);
    connect(&search_, &SearchDriver::LineAddedAt, this, &ListSearches::OnLineAdded);
    connect(&search_, &SearchDriver::Finished, this, &ListSearches::OnSearchFinished);
    progress_.setInterval(kProgressMilliseconds);
    connect(&progress_, &QTimer::timeout, &lists_, &ListController::RefreshCountText);
}

void ListSearches::StartSearch(SearchStart start) {
    start_ = start;
    FillSearchInputs();
    // The first Internet search connects to the server: the window waits for it.
    const bool waits = lists_.Type() == ListType::kInternet;
    if (waits) QApplication::setOverrideCursor(Qt::WaitCursor);
    const StartOutcome outcome = lists_.Control().StartSearch();
    if (waits) QApplication::restoreOverrideCursor();
    AfterSearchStart(outcome);
}

void ListSearches::Tell(int id, const std::string& text) {
    services_.messages.Show(
        {id, text, MessageIcon::kExclamation, MessageButtons::kOk, MessageAnswer::kOk});
}

void ListSearches::FillSearchInputs() {
    SearchInputs& inputs = lists_.Control().Inputs();
    inputs.town_text = widgets_.inputs->Text(InputField::kTown);
    inputs.postal_code_text = widgets_.inputs->Text(InputField::kPostalCode);
    inputs.area_code_text = widgets_.inputs->Text(InputField::kAreaCode);
    inputs.list_type = lists_.Type();
    inputs.texts.surname = widgets_.inputs->Text(InputField::kName);
    inputs.texts.first_name = widgets_.inputs->Text(InputField::kFirstName);
    inputs.texts.street = widgets_.inputs->Text(InputField::kStreet);
    inputs.texts.heading = widgets_.inputs->Text(InputField::kHeading);
    inputs.name_mode = widgets_.inputs->Mode();
    const std::string box = FromQString(widgets_.pane->SearchBox()->text());
    inputs.bank_text = lists_.Type() == ListType::kBankCodes ? box : std::string();
    inputs.country_text = lists_.Type() == ListType::kCountryCodes ? box : std::string();
}

void ListSearches::AfterSearchStart(StartOutcome outcome) {
    switch (outcome) {
        case StartOutcome::kWorker:
            internet_rows_ = lists_.Type() == ListType::kInternet;
            lists_.ReloadRows();
            lists_.ShowCard(-1);
            break;
        case StartOutcome::kWholeBook:
            widgets_.pane->Notices()->Clear();
            lists_.ReloadRows();
            lists_.SelectRow(lists_.Control().PositionedRow());
            break;
        case StartOutcome::kWholeTable:
            widgets_.pane->Notices()->Clear();
            lists_.ReloadRows();
            lists_.SelectRow(0);
            break;
        case StartOutcome::kTooFewInternetInputs:
            Tell(kTooFewInternetInputsMessage,
                 std::string(LoadString(kTooFewInternetInputsMessage)));
            return;
        case StartOutcome::kNoInternetSettings:
            Tell(kNoInternetSettingsMessage, std::string(LoadString(kNoInternetSettingsMessage)));
            return;
        case StartOutcome::kInternetConnectFailed:
            Tell(0, lists_.Control().InternetFailureText());
            return;
        case StartOutcome::kNothing:
        case StartOutcome::kDeferred:
        case StartOutcome::kUnavailable:
            return;
    }
    lists_.RefreshCountText();
    emit StateChanged();
}

bool ListSearches::CancelSearch() { return search_.Control().CancelSearch(); }

void ListSearches::CancelForExit() {
    (void)CancelSearch();
    exit_pending_ = true;
}

bool ListSearches::SearchRunning() const { return search_.Control().SearchOutstanding(); }

void ListSearches::NameModeChosen() {
    start_ = SearchStart::kByCommand;
    FillSearchInputs();
    AfterSearchStart(lists_.Control().NameModeChanged());
}

void ListSearches::OnSearchStarted() {
    lists_.Control().HandleSearchStarted();
    const bool names = lists_.Type() == ListType::kNames || lists_.Type() == ListType::kInternet;
    lists_.SetStatus(UiString(names ? kNoNameFoundYetText : kSearchRunningText));
    widgets_.card->SetBlocks({});
    if (Read(services_.settings, setting::kActivityDisplay) != 0) widgets_.activity->Start();
    if (lists_.MultiTown()) progress_.start();
    emit StateChanged();
}

void ListSearches::OnLineAdded(int row) {
    if (!IsSearchList(lists_.Type())) return;
    lists_.TakeAddedRows(row);
    // The first line of a search (the rows may have been taken on with the search's
    // start already) gets the focus.
    if (lists_.FocusedRow() < 0 && lists_.RowCount() > 0) {
        lists_.SelectRow(0);
        emit StateChanged();
    }
    if (lists_.MultiTown() && row <= lists_.FocusedRow()) lists_.ShowCard(lists_.FocusedRow());
    lists_.RefreshCountText();
}

void ListSearches::OnSearchFinished() {
    widgets_.activity->Stop();
    progress_.stop();
    const FinishOutcome outcome = lists_.Control().HandleSearchFinished();
    lists_.SetStatus(QString());
    lists_.RefreshCountText();
    lists_.ShowCard(lists_.FocusedRow());
    emit StateChanged();
    if (exit_pending_) {
        exit_pending_ = false;
        emit ExitResumed();
        return;
    }
    if (outcome == FinishOutcome::kRestarted) {
        const ListRows::Source shown = lists_.Control().Rows().Shown();
        AfterSearchStart(shown == ListRows::Source::kBook    ? StartOutcome::kWholeBook
                         : shown == ListRows::Source::kTable ? StartOutcome::kWholeTable
                                                             : StartOutcome::kWorker);
        return;
    }
    // The notice stays while the searches that follow typing keep hitting the limit,
    // so that it does not come and go with every keystroke.
    if (outcome == FinishOutcome::kLineLimitHit) {
        ReportLineLimit();
        return;
    }
    widgets_.pane->Notices()->Clear();
    if (outcome == FinishOutcome::kInternetFailed) Tell(0, lists_.Control().InternetFailureText());
}

void ListSearches::ReportLineLimit() {
    if (start_ == SearchStart::kAsTyped) {
        widgets_.pane->Notices()->ShowNotice(UiString(kLineLimitMessage));
        return;
    }
    widgets_.pane->Notices()->Clear();
    services_.messages.Show({kLineLimitMessage, std::string(LoadString(kLineLimitMessage)),
                             MessageIcon::kInformation, MessageButtons::kOk, MessageAnswer::kOk});
}

}  // namespace vendarion
