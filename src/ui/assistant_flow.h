// The page order of the search assistant, without widgets: which page is shown,
// where "Weiter" and "Zurück" lead from it, whether they may, and the town chosen
// on the town page. The pages report whether their input lets the user go on.
#pragma once

namespace vendarion {

enum class AssistantPage : int {
    kWhere = 1,          // the directory data or the Internet
    kTownKnown = 2,      // whether the town is known
    kTown = 3,           // the town by name, postal code or area code
    kInternetPlace = 4,  // town, postal code and area code for the Internet
    kName = 5,           // the name and how it is matched
    kMore = 6,           // first name and street
    kReady = 7,          // "Suche starten"
};

class AssistantFlow {
public:
    AssistantPage Page() const { return page_; }

    bool Internet() const { return internet_; }
    void SetInternet(bool internet) { internet_ = internet; }
    bool TownKnown() const { return town_known_; }
    void SetTownKnown(bool known) { town_known_ = known; }
    // The name page can rely on a town: the Internet, or a town that is known.
    bool PlaceKnown() const { return internet_ || town_known_; }

    // The town the town page found for its current input; -1 for none. On that page
    // it also decides whether the user may go on.
    void SetFoundTown(int book);
    // The book chosen when the town page was left forwards; -1 otherwise.
    int ChosenTown() const { return chosen_town_; }

    // Reported by the page shown (pages 5 and 6 judge their input).
    void SetNextAllowed(bool allowed) { next_allowed_ = allowed; }
    bool CanGoNext() const { return page_ != AssistantPage::kReady && next_allowed_; }
    bool CanGoBack() const { return page_ != AssistantPage::kWhere; }
    // Moves to the next or previous page; false (and no move) when not allowed.
    bool Next();
    bool Back();

private:
    void ChangeTo(AssistantPage page);

    AssistantPage page_ = AssistantPage::kWhere;
    bool internet_ = false;
    bool town_known_ = true;
    bool next_allowed_ = true;
    int found_town_ = -1;
    int chosen_town_ = -1;
};

}  // namespace vendarion
