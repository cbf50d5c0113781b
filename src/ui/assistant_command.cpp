#include "ui/assistant_command.h"

#include "base/ascii_text.h"
#include "base/messages.h"
#include "resources/string_table.h"
#include "store/data_set.h"
#include "ui/input_fields.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"
#include "ui/search_assistant.h"
#include "ui/word_rows.h"

namespace vendarion {
namespace {

constexpr int kUnknownSurname = 1304;

NameMode ModeOf(NameMatching matching) {
    switch (matching) {
        case NameMatching::kExact:
            return NameMode::kExact;
        case NameMatching::kSimilar:
            return NameMode::kPhonetic;
        case NameMatching::kStart:
            break;
    }
    return NameMode::kNormal;
}

}  // namespace

void AssistantCommand::Run() {
    (void)lists_.Searches().CancelSearch();
    SearchAssistant assistant(data_, messages_, criteria_, window_);
    if (assistant.exec() == QDialog::Accepted) Search();
}

void AssistantCommand::Search() {
    if (criteria_.internet) {
        SearchInternet();
        return;
    }
    if (criteria_.town_book >= 0) {
        lists_.ChooseTown(criteria_.town_book, criteria_.town_name);
        ShowNames();
        return;
    }
    const std::vector<int> books =
        BooksWithSurname(data_.NameIndex(), data_.Books(), criteria_.name);
    if (books.size() == 1) {
        lists_.ChooseTown(books.front(),
                          std::string(TrimBlanks(data_.Books().Books().Name(books.front()))));
        ShowNames();
    } else if (books.size() > 1 && lists_.ChooseTowns(books)) {
        ShowNames();
    } else if (books.empty()) {
        // "Suche starten" must not end in nothing at all: the user learns why no list
        // comes, and the assistant still holds the name to correct it.
        messages_.Show({kUnknownSurname, FormatString(kUnknownSurname, criteria_.name),
                        MessageIcon::kExclamation, MessageButtons::kOk, MessageAnswer::kOk});
    }
}

void AssistantCommand::SearchInternet() {
    lists_.ShowList(ListType::kInternet, false);
    const auto set = [this](InputField field, const std::string& text) {
        inputs_.SetText(field, text);
    };
    set(InputField::kTown, criteria_.internet_texts[static_cast<int>(TownChoice::kName)]);
    set(InputField::kPostalCode,
        criteria_.internet_texts[static_cast<int>(TownChoice::kPostalCode)]);
    set(InputField::kAreaCode, criteria_.internet_texts[static_cast<int>(TownChoice::kAreaCode)]);
    set(InputField::kName, criteria_.name);
    set(InputField::kFirstName, criteria_.first_name);
    set(InputField::kStreet, criteria_.street);
    set(InputField::kHeading, {});
    inputs_.SetMode(ModeOf(criteria_.matching));
    lists_.Searches().StartSearch(SearchStart::kByCommand);
}

void AssistantCommand::ShowNames() {
    // The names list is entered afresh, from a list that carries no surname over, so
    // that it takes exactly these texts and searches with them as it opens.
    lists_.ShowList(ListType::kNone, false);
    RememberedInputs::Texts& texts = lists_.Remembered().Of(ListType::kNames);
    texts = {};
    texts[static_cast<int>(InputField::kName)] = criteria_.name;
    texts[static_cast<int>(InputField::kFirstName)] = criteria_.first_name;
    texts[static_cast<int>(InputField::kStreet)] = criteria_.street;
    inputs_.SetMode(ModeOf(criteria_.matching));
    lists_.ShowList(ListType::kNames, true);
}

}  // namespace vendarion
