#include "search/search_control.h"

#include "resources/string_table.h"
#include "search/count_text.h"
#include "search/directory_search.h"
#include "search/reference_search.h"
#include "store/data_set.h"

namespace vendarion {

std::unique_ptr<SearchControl> SearchControl::Create(DataSet& data_set,
                                                     SearchNotifications& notifications) {
    std::unique_ptr<SearchControl> control(new SearchControl(data_set, notifications));
    if (!data_set.OpenBookList(&control->worker_books_)) return nullptr;
    return control;
}

SearchControl::SearchControl(DataSet& data_set, SearchNotifications& notifications)
    : rows_(data_set.Books(), results_), worker_(results_, notifications) {}

StartOutcome SearchControl::StartSearch() {
    if (outstanding_) {
        CancelSearch();
        pending_restart_ = inputs_.list_type;
        return StartOutcome::kDeferred;
    }
    searched_in_list_ = false;
    switch (inputs_.list_type) {
        case ListType::kNames:
            return StartNamesSearch();
        case ListType::kBankCodes:
            return StartReferenceSearch(ReferenceKind::kBanks, inputs_.bank_text);
        case ListType::kCountryCodes:
            return StartReferenceSearch(ReferenceKind::kCountries, inputs_.country_text);
        case ListType::kInternet:
            return StartInternetSearch();
        default:
            break;
    }
    return StartOutcome::kNothing;
}

StartOutcome SearchControl::StartNamesSearch() {
    const SearchRequest& texts = inputs_.texts;
    const bool town_chosen = inputs_.town_book >= 0 && inputs_.town_book < BookData::BookCount();
    if (!towns_.Active() && !town_chosen) return StartOutcome::kNothing;
    const bool use_worker = towns_.Active() || !texts.first_name.empty() || !texts.street.empty() ||
                            !texts.heading.empty() ||
                            (!texts.surname.empty() && inputs_.name_mode != NameMode::kNormal);
    if (!use_worker) {
        rows_.ShowBook(inputs_.town_book);
        positioned_row_ = rows_.BookRowOf(texts.surname);
        return StartOutcome::kWholeBook;
    }
    DirectorySearch search;
    search.request = texts;
    search.mode = texts.surname.empty() ? NameMode::kNormal : inputs_.name_mode;
    search.book = inputs_.town_book;
    search.towns = towns_;
    Launch(SearchEvent::kDirectory, [this, search = std::move(search)](SearchWorker& worker) {
        RunDirectorySearch(worker, worker_books_, search);
    });
    return StartOutcome::kWorker;
}

StartOutcome SearchControl::StartReferenceSearch(ReferenceKind kind, const std::string& text) {
    if (text.empty()) {
        rows_.ShowTable(kind);
        return StartOutcome::kWholeTable;
    }
    const bool banks = kind == ReferenceKind::kBanks;
    const ReferenceTable& table = banks ? worker_books_.Banks() : worker_books_.Countries();
    Launch(banks ? SearchEvent::kBankCodes : SearchEvent::kCountryCodes,
           [&table, text](SearchWorker& worker) { RunReferenceSearch(worker, table, text); });
    return StartOutcome::kWorker;
}

StartOutcome SearchControl::StartInternetSearch() {
    if (internet_client_ == nullptr || settings_ == nullptr) return StartOutcome::kUnavailable;
    InternetQuery query = MakeInternetQuery(inputs_.texts, inputs_.name_mode, inputs_.town_text,
                                            inputs_.postal_code_text, inputs_.area_code_text);
    internet_failure_ = {};
    switch (PrepareInternetSearch(*settings_, *internet_client_, &internet_connected_, &query)) {
        case InternetStart::kTooFewInputs:
            return StartOutcome::kTooFewInternetInputs;
        case InternetStart::kNoSettings:
            return StartOutcome::kNoInternetSettings;
        case InternetStart::kConnectFailed:
            internet_failure_ = {internet_client_->ErrorCode(), internet_client_->ErrorText()};
            return StartOutcome::kInternetConnectFailed;
        case InternetStart::kReady:
            break;
    }
    InternetClient& client = *internet_client_;
    Launch(SearchEvent::kInternet, [this, &client, query](SearchWorker& worker) {
        RunInternetSearch(worker, client, query, &internet_failure_);
    });
    return StartOutcome::kWorker;
}

void SearchControl::Launch(SearchEvent event, SearchWorker::Job job) {
    results_.Clear();
    rows_.ShowResults();
    worker_.SetJob(event, std::move(job));
    outstanding_ = true;
    worker_.Signal(event);
}

bool SearchControl::CancelSearch() {
    if (!outstanding_ && !pending_restart_) return false;
    pending_restart_.reset();
    worker_.Cancel();
    if (inputs_.list_type == ListType::kInternet && internet_client_ != nullptr) {
        internet_client_->Abort();
    }
    return true;
}

StartOutcome SearchControl::NameModeChanged() {
    if (inputs_.list_type != ListType::kNames) return StartOutcome::kNothing;
    if (!searched_in_list_ && inputs_.name_mode == NameMode::kNormal) return StartOutcome::kNothing;
    return StartSearch();
}

void SearchControl::HandleSearchStarted() { searched_in_list_ = true; }

FinishOutcome SearchControl::HandleSearchFinished() {
    outstanding_ = false;
    if (pending_restart_) {
        const ListType restart = *pending_restart_;
        pending_restart_.reset();
        if (restart != inputs_.list_type) return FinishOutcome::kDone;
        StartSearch();
        return FinishOutcome::kRestarted;
    }
    if (inputs_.list_type == ListType::kInternet && internet_failure_.Shown()) {
        return FinishOutcome::kInternetFailed;
    }
    const bool names_list =
        inputs_.list_type == ListType::kNames || inputs_.list_type == ListType::kInternet;
    return names_list && worker_.HitLineLimit() ? FinishOutcome::kLineLimitHit
                                                : FinishOutcome::kDone;
}

int SearchControl::SetUpTownSet(std::span<const int> books) {
    return towns_.Assign(books, BookData::BookCount());
}

std::string SearchControl::CountText() const {
    const int rows = rows_.Count();
    const bool results = rows_.Shown() == ListRows::Source::kResults;
    switch (inputs_.list_type) {
        case ListType::kNames:
            if (rows_.Shown() == ListRows::Source::kBook) {
                return vendarion::CountText(count_base::kNamesPresent, rows);
            }
            [[fallthrough]];
        case ListType::kInternet:
            return vendarion::CountText(
                outstanding_ ? count_base::kNamesSearching : count_base::kNamesFound,
                results_.Count());
        case ListType::kCountryCodes:
        case ListType::kBankCodes: {
            const bool banks = inputs_.list_type == ListType::kBankCodes;
            if (!results) {
                return vendarion::CountText(
                    banks ? count_base::kBankCodesPresent : count_base::kCountryCodesPresent, rows);
            }
            if (outstanding_ && rows == 0) return std::string(LoadString(kSearchRunningText));
            return vendarion::CountText(
                banks ? count_base::kBankCodesFound : count_base::kCountryCodesFound, rows);
        }
        default:
            break;
    }
    return {};
}

}  // namespace vendarion
