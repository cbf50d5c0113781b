#include "ui/assistant_flow.h"

namespace vendarion {

void AssistantFlow::SetFoundTown(int book) {
    found_town_ = book;
    if (page_ == AssistantPage::kTown) next_allowed_ = book >= 0;
}

bool AssistantFlow::Next() {
    if (!CanGoNext()) return false;
    switch (page_) {
        case AssistantPage::kWhere:
            ChangeTo(internet_ ? AssistantPage::kInternetPlace : AssistantPage::kTownKnown);
            break;
        case AssistantPage::kTownKnown:
            ChangeTo(town_known_ ? AssistantPage::kTown : AssistantPage::kName);
            break;
        case AssistantPage::kTown:
        case AssistantPage::kInternetPlace:
            ChangeTo(AssistantPage::kName);
            break;
        case AssistantPage::kName:
            ChangeTo(AssistantPage::kMore);
            break;
        case AssistantPage::kMore:
            ChangeTo(AssistantPage::kReady);
            break;
        case AssistantPage::kReady:
            return false;
    }
    return true;
}

bool AssistantFlow::Back() {
    if (!CanGoBack()) return false;
    switch (page_) {
        case AssistantPage::kTownKnown:
        case AssistantPage::kInternetPlace:
            ChangeTo(AssistantPage::kWhere);
            break;
        case AssistantPage::kTown:
            ChangeTo(AssistantPage::kTownKnown);
            break;
        case AssistantPage::kName:
            ChangeTo(internet_     ? AssistantPage::kInternetPlace
                     : town_known_ ? AssistantPage::kTown
                                   : AssistantPage::kTownKnown);
            break;
        case AssistantPage::kMore:
            ChangeTo(AssistantPage::kName);
            break;
        case AssistantPage::kReady:
            ChangeTo(AssistantPage::kMore);
            break;
        case AssistantPage::kWhere:
            return false;
    }
    return true;
}

void AssistantFlow::ChangeTo(AssistantPage page) {
    // Only a town the town page found when it was left forwards counts; going back
    // from it forgets the town.
    if (page_ == AssistantPage::kTown) {
        chosen_town_ = static_cast<int>(page) > static_cast<int>(page_) ? found_town_ : -1;
    }
    page_ = page;
    switch (page) {
        case AssistantPage::kTown:
            next_allowed_ = found_town_ >= 0;
            break;
        case AssistantPage::kName:
        case AssistantPage::kMore:
            // These pages judge their input as they are entered.
            break;
        default:
            next_allowed_ = true;
            break;
    }
}

}  // namespace vendarion
