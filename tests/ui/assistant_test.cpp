// The search assistant driven by keys: the page order on each route, the town page's
// completion and hints, the name page's matchings, the street proposals, closing,
// the remembered inputs with "Neue Suche", and the searches the main window starts
// when the assistant is finished.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "base/setting_names.h"
#include "gui_test_classes.h"
#include "loopback_directory.h"
#include "resources/string_table.h"
#include "ui/assistant_name_pages.h"
#include "ui/assistant_simple_pages.h"
#include "ui/assistant_town_page.h"
#include "ui/field_edit.h"
#include "ui/input_panels.h"
#include "ui/list_controller.h"
#include "ui/main_window.h"
#include "ui/search_assistant.h"
#include "ui/ui_text.h"
#include "ui/window_commands.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

using enum AssistantPage;

// A postal code of three towns, and the rows around it stay as they are.
void AddSharedPostalCode(SampleDataSet& data) {
    for (const char* town : {"Ahrensfelde", "Blumberg", "Lindenberg"}) {
        data.postal_codes.push_back({"16356", town, 0});
    }
    std::stable_sort(data.postal_codes.begin(), data.postal_codes.end(),
                     [](const ListEntry& a, const ListEntry& b) { return a.first < b.first; });
}

// A dialog counts as active while the window it belongs to is; keys reach it only
// once it is the application's active window itself.
bool BecomesActive(QWidget* frame) {
    frame->activateWindow();
    return QTest::qWaitFor([frame] { return QApplication::activeWindow() == frame; });
}

// The assistant over the harness's data, shown and active.
class Assistant {
public:
    Assistant(WindowHarness& harness, AssistantCriteria& criteria)
        : frame_(harness.data, harness.messages, criteria, &harness.Window()) {
        frame_.show();
        if (!BecomesActive(&frame_)) qFatal("assistant not active");
    }
    SearchAssistant& operator*() { return frame_; }
    SearchAssistant* operator->() { return &frame_; }

private:
    SearchAssistant frame_;
};

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) qFatal("no widget has the focus");

    QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

void TypeHere(const QString& text) { TypeInto(QApplication::focusWidget(), text); }

QString Text(int id, const QString& argument = {}) {
    const std::string text =
        argument.isNull() ? std::string(LoadString(id)) : FormatString(id, FromQString(argument));
    return Shown(text);
}

// Works the assistant once the command has opened it modally; it is closed
// afterwards if the work left it open (a failed check), so no test hangs on it.
void WhenAssistantOpens(std::function<void(SearchAssistant&)> work) {
    constexpr int kPollMilliseconds = 10;
    constexpr int kMaxPolls = 1000;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, work, polls = 0]() mutable {
        auto* frame = qobject_cast<SearchAssistant*>(QApplication::activeModalWidget());
        if (frame == nullptr && ++polls < kMaxPolls) return;
        poll->stop();
        poll->deleteLater();
        if (frame == nullptr) return;
        if (!BecomesActive(frame)) qWarning("assistant not active");
        work(*frame);
        if (frame->isVisible()) frame->done(QDialog::Rejected);
    });
    poll->start(kPollMilliseconds);
}

// From the first page through "Ja" to the town page, with a town typed.
void ToTownPage(SearchAssistant& frame, const QString& town) {
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    QCOMPARE(frame.Flow().Page(), kTown);
    TypeHere(town);
}

class AssistantTest : public QObject {
    Q_OBJECT

private slots:
    void InternetSkipsTheTownPages() {
        WindowHarness harness;
        AssistantCriteria criteria;
        Assistant frame(harness, criteria);
        QVERIFY(!frame->BackButton()->isEnabled());
        QVERIFY(!frame->Where()->NewSearch()->isEnabled());
        Press(Qt::Key_Down);
        QVERIFY(frame->Where()->Internet()->isChecked());
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kInternetPlace);
        QVERIFY(frame->BackButton()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), frame->InternetPlace()->Edit(TownChoice::kName));
        TypeHere(QStringLiteral("Berlin"));
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kName);
        // Without a name there is no going on.
        QVERIFY(!frame->NextButton()->isEnabled());
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kName);
        TypeHere(QStringLiteral("Weber"));
        QVERIFY(frame->NextButton()->isEnabled());
        // Over the Internet every matching is offered.
        QVERIFY(frame->Name()->Radio(NameMatching::kSimilar)->isEnabled());
        Press(Qt::Key_Escape);
        QCOMPARE(frame->Flow().Page(), kInternetPlace);
        QTest::mouseClick(frame->BackButton(), Qt::LeftButton);
        QCOMPARE(frame->Flow().Page(), kWhere);
        QVERIFY(!frame->BackButton()->isEnabled());
    }

    void NoTownOffersOnlyExactNamesAndGoesBackToTheQuestion() {
        WindowHarness harness;
        AssistantCriteria criteria;
        Assistant frame(harness, criteria);
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kTownKnown);
        Press(Qt::Key_Down);
        QVERIFY(frame->TownKnown()->No()->isChecked());
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kName);
        NamePage* name = frame->Name();
        QVERIFY(name->Radio(NameMatching::kExact)->isChecked());
        QVERIFY(!name->Radio(NameMatching::kStart)->isEnabled());
        QVERIFY(!name->Radio(NameMatching::kSimilar)->isEnabled());
        QCOMPARE(name->Hint()->text(), Text(1609));
        Press(Qt::Key_Escape);
        QCOMPARE(frame->Flow().Page(), kTownKnown);
        // With a town known again the user's own matching comes back.
        Press(Qt::Key_Up);
        QVERIFY(frame->TownKnown()->Yes()->isChecked());
        Press(Qt::Key_Return);
        TypeHere(QStringLiteral("K\u00f6ln"));
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kName);
        QVERIFY(name->Radio(NameMatching::kStart)->isChecked());
        QVERIFY(name->Radio(NameMatching::kSimilar)->isEnabled());
        QCOMPARE(name->Hint()->text(), Text(1608));
    }

    void TownPageCompletesTownsAndForgetsThemGoingBack() {
        WindowHarness harness;
        AssistantCriteria criteria;
        Assistant frame(harness, criteria);
        ToTownPage(*frame, QStringLiteral("xy"));
        // Nothing found: no going on, and the text stays.
        QVERIFY(!frame->NextButton()->isEnabled());
        FieldEdit* edit = frame->Town()->Edit(TownChoice::kName);
        QCOMPARE(edit->text(), QStringLiteral("xy"));
        edit->clear();
        TypeHere(QStringLiteral("spa"));
        QCOMPARE(edit->text(), QStringLiteral("Spandau"));
        QCOMPARE(edit->selectedText(), QStringLiteral("ndau"));
        QVERIFY(frame->NextButton()->isEnabled());
        // Backspace takes the completion and a typed letter; the lookup completes again.
        Press(Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("Spandau"));
        QCOMPARE(edit->selectedText(), QStringLiteral("andau"));
        // Up and Down step through the towns.
        Press(Qt::Key_Up);
        QCOMPARE(edit->text(), QStringLiteral("Porz"));
        QCOMPARE(edit->selectedText(), QStringLiteral("Porz"));
        Press(Qt::Key_Down);
        QCOMPARE(edit->text(), QStringLiteral("Spandau"));
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kName);
        QCOMPARE(frame->Flow().ChosenTown(), 0);
        Press(Qt::Key_Escape);
        Press(Qt::Key_Escape);
        QCOMPARE(frame->Flow().Page(), kTownKnown);
        QCOMPARE(frame->Flow().ChosenTown(), -1);
        // Coming back, the page still has its town.
        Press(Qt::Key_Return);
        QVERIFY(frame->NextButton()->isEnabled());
    }

    void SharedPostalCodeNamesTheOtherTowns() {
        WindowHarness harness(WindowHarness::Options{}, AddSharedPostalCode);
        AssistantCriteria criteria;
        Assistant frame(harness, criteria);
        ToTownPage(*frame, {});
        // The radio buttons are one group: Down ticks the postal code, Tab enters its
        // field.
        frame->Town()->Radio(TownChoice::kName)->setFocus();
        Press(Qt::Key_Down);
        QVERIFY(frame->Town()->Radio(TownChoice::kPostalCode)->isChecked());
        QVERIFY(!frame->Town()->Edit(TownChoice::kName)->isEnabled());
        Press(Qt::Key_Tab);
        FieldEdit* edit = frame->Town()->Edit(TownChoice::kPostalCode);
        QCOMPARE(QApplication::focusWidget(), edit);
        QLabel* hint = frame->Town()->Hint(TownChoice::kPostalCode);
        TypeHere(QStringLiteral("1x63"));
        QCOMPARE(edit->text(), QStringLiteral("16356"));
        QCOMPARE(edit->selectedText(), QStringLiteral("56"));
        QCOMPARE(hint->text(), Shown("Suche in \"Ahrensfelde\". 2 weitere Orte mit dieser PLZ "
                                     "sind mit den Pfeiltasten ausw\xE4hlbar."));
        Press(Qt::Key_Down);
        QCOMPARE(hint->text(), Text(1615, QStringLiteral("Blumberg")));
        Press(Qt::Key_Down);
        QCOMPARE(hint->text(), Text(1616, QStringLiteral("Lindenberg")));
        Press(Qt::Key_Down);
        QCOMPARE(edit->text(), QStringLiteral("50667"));
        QCOMPARE(hint->text(), Text(1616, QStringLiteral("K\u00f6ln")));
        // Upwards the towns of a code are counted upwards.
        Press(Qt::Key_Up);
        QCOMPARE(hint->text(), Shown("Suche in \"Lindenberg\". 2 weitere Orte mit dieser PLZ "
                                     "sind mit den Pfeiltasten ausw\xE4hlbar."));
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().ChosenTown(), 0);
        // An unknown code finds nothing and empties the hint.
        Press(Qt::Key_Escape);
        edit->clear();
        TypeHere(QStringLiteral("999"));
        QCOMPARE(hint->text(), QString());
        QVERIFY(!frame->NextButton()->isEnabled());
        // The Ort choice still has nothing: ticking it keeps "Weiter" disabled.
        QTest::mouseClick(frame->Town()->Radio(TownChoice::kName), Qt::LeftButton);
        QVERIFY(!frame->NextButton()->isEnabled());
    }

    void StreetsOfTheTownAreProposed() {
        WindowHarness harness;
        AssistantCriteria criteria;
        Assistant frame(harness, criteria);
        ToTownPage(*frame, QStringLiteral("m\u00fcllh"));
        Press(Qt::Key_Return);
        TypeHere(QStringLiteral("Meier"));
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kMore);
        MorePage* more = frame->More();
        QVERIFY(more->StreetHint()->isVisible());
        Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), more->StreetEdit());
        // The one street of Müllheim is proposed for any text before it.
        TypeHere(QStringLiteral("B"));
        QCOMPARE(more->StreetEdit()->text(), Shown("Goethestra\xDF"
                                                   "e"));
        QCOMPARE(more->StreetEdit()->selectedText(), more->StreetEdit()->text());
        QVERIFY(frame->NextButton()->isEnabled());
        more->StreetEdit()->clear();
        TypeHere(QStringLiteral("go"));
        QCOMPARE(more->StreetEdit()->selectedText(), Shown("ethestra\xDF"
                                                           "e"));
        // A text after the last street is none of the town's.
        more->StreetEdit()->clear();
        TypeHere(QStringLiteral("Z"));
        QCOMPARE(more->StreetEdit()->text(), QStringLiteral("Z"));
        QVERIFY(!frame->NextButton()->isEnabled());
        Press(Qt::Key_Up);
        QCOMPARE(more->StreetEdit()->text(), Shown("Goethestra\xDF"
                                                   "e"));
        QVERIFY(frame->NextButton()->isEnabled());
        // Without a town the street is free text.
        Press(Qt::Key_Escape);
        Press(Qt::Key_Escape);
        Press(Qt::Key_Escape);
        Press(Qt::Key_Down);
        QVERIFY(frame->TownKnown()->No()->isChecked());
        Press(Qt::Key_Return);
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kMore);
        QVERIFY(!more->StreetHint()->isVisible());
        more->StreetEdit()->clear();
        more->StreetEdit()->setFocus();
        TypeHere(QStringLiteral("Zur Linde"));
        QCOMPARE(more->StreetEdit()->text(), QStringLiteral("Zur Linde"));
        QVERIFY(frame->NextButton()->isEnabled());
    }

    void ClosingAsksAndEnterOffThePagesDoesNothing() {
        WindowHarness harness;
        AssistantCriteria criteria;
        criteria.name = "Meier";
        Assistant frame(harness, criteria);
        frame->NextButton()->setFocus();
        Press(Qt::Key_Return);
        QCOMPARE(frame->Flow().Page(), kWhere);
        harness.messages.Answer(MessageAnswer::kNo);
        Press(Qt::Key_Escape);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1509});
        QVERIFY(frame->isVisible());
        // Esc on the first page asks too; Yes closes and keeps the criteria.
        frame->Where()->FirstControl()->setFocus();
        harness.messages.Answer(MessageAnswer::kYes);
        Press(Qt::Key_Escape);
        QCOMPARE(harness.messages.ShownIds(), (std::vector<int>{1509, 1509}));
        QCOMPARE(frame->result(), static_cast<int>(QDialog::Rejected));
        QVERIFY(!frame->isVisible());
        QVERIFY(!criteria.present);
        QCOMPARE(criteria.name, std::string("Meier"));
    }

    void CommandReopensWithTheLastInputsAndNewSearchEmptiesThem() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        QVERIFY(harness.Window().Commands().Action(40050)->isEnabled());
        WhenAssistantOpens([](SearchAssistant& frame) {
            ToTownPage(frame, QStringLiteral("K\u00f6"));
            Press(Qt::Key_Return);
            TypeHere(QStringLiteral("Meier"));
            QTest::mouseClick(frame.Name()->Radio(NameMatching::kExact), Qt::LeftButton);
            Press(Qt::Key_Return);
            TypeHere(QStringLiteral("Anna"));
            Press(Qt::Key_Tab);
            TypeHere(QStringLiteral("Hau"));
            Press(Qt::Key_Return);
            QCOMPARE(frame.Flow().Page(), kReady);
            Press(Qt::Key_Return);
        });
        // Ctrl+A in an input field opens the assistant.
        harness.Edit(InputField::kTown)->setFocus();
        QTest::keyClick(harness.Edit(InputField::kTown), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in K\u00f6ln"));
        QCOMPARE(harness.Edit(InputField::kName)->text(), QStringLiteral("Meier"));
        QCOMPARE(harness.Edit(InputField::kFirstName)->text(), QStringLiteral("Anna"));
        QCOMPARE(harness.Edit(InputField::kStreet)->text(), Shown("Hauptstra\xDF"
                                                                  "e"));
        QCOMPARE(harness.Window().Inputs()->Mode(), NameMode::kExact);

        bool checked = false;
        WhenAssistantOpens([&](SearchAssistant& frame) {
            QVERIFY(frame.Where()->NewSearch()->isEnabled());
            QVERIFY(frame.TownKnown()->Yes()->isChecked());
            QCOMPARE(frame.Town()->Edit(TownChoice::kName)->text(), QStringLiteral("K\u00f6ln"));
            QCOMPARE(frame.Name()->NameEdit()->text(), QStringLiteral("Meier"));
            QVERIFY(frame.Name()->Radio(NameMatching::kExact)->isChecked());
            QCOMPARE(frame.More()->FirstNameEdit()->text(), QStringLiteral("Anna"));
            QCOMPARE(frame.More()->StreetEdit()->text(), Shown("Hauptstra\xDF"
                                                               "e"));
            // The remembered town lets the town page go on at once.
            Press(Qt::Key_Return);
            Press(Qt::Key_Return);
            QVERIFY(frame.NextButton()->isEnabled());
            Press(Qt::Key_Escape);
            Press(Qt::Key_Escape);
            frame.Where()->NewSearch()->setFocus();
            Press(Qt::Key_Space);
            QVERIFY(!frame.Where()->NewSearch()->isEnabled());
            QCOMPARE(frame.Town()->Edit(TownChoice::kName)->text(), QString());
            QCOMPARE(frame.Name()->NameEdit()->text(), QString());
            QVERIFY(frame.Name()->Radio(NameMatching::kStart)->isChecked());
            QCOMPARE(frame.More()->StreetEdit()->text(), QString());
            checked = true;
            Press(Qt::Key_Escape);
        });
        harness.Trigger(40050);
        QVERIFY(checked);
        QCOMPARE(harness.messages.ShownIds(), (std::vector<int>{1515, 1509}));
        QCOMPARE(harness.messages.Shown()[0].icon, MessageIcon::kInformation);
        // Closing left the window as it was.
        QCOMPARE(harness.Title(), QStringLiteral("Namen in K\u00f6ln"));
        QCOMPARE(harness.Edit(InputField::kName)->text(), QStringLiteral("Meier"));
    }

    void NameOverTheCountrySearchesItsTowns_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("combination");
        QTest::newRow("one town") << QStringLiteral("Weber") << QStringLiteral("Namen in Berlin")
                                  << false;
        QTest::newRow("several towns")
            << QStringLiteral("Meier") << QStringLiteral("Namen in Kombination von Orten") << true;
    }

    void NameOverTheCountrySearchesItsTowns() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(bool, combination);
        WindowHarness harness;
        WhenAssistantOpens([name](SearchAssistant&) {
            Press(Qt::Key_Return);
            Press(Qt::Key_Down);
            Press(Qt::Key_Return);
            TypeHere(name);
            Press(Qt::Key_Return);
            Press(Qt::Key_Return);
            Press(Qt::Key_Return);
        });
        harness.Trigger(40050);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Title(), title);
        QCOMPARE(harness.Lists().MultiTown(), combination);
        QCOMPARE(harness.Window().Inputs()->Mode(), NameMode::kExact);
        QVERIFY(harness.Rows() > 0);
        QCOMPARE(harness.Cell(0, 0), name);
    }

    void UnknownNameOverTheCountryStartsNothingAndSaysSo() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kPostalCodes);
        WhenAssistantOpens([](SearchAssistant& frame) {
            Press(Qt::Key_Return);
            Press(Qt::Key_Down);
            Press(Qt::Key_Return);
            TypeHere(QStringLiteral("Niemand"));
            for (int page = 5; page <= 7; ++page) Press(Qt::Key_Return);
            QCOMPARE(frame.result(), static_cast<int>(QDialog::Accepted));
        });
        harness.Trigger(40050);
        QCOMPARE(harness.Lists().Type(), ListType::kPostalCodes);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1304});
        QCOMPARE(Shown(harness.messages.Shown()[0].text),
                 QStringLiteral("Der eingegebene Name \"Niemand\" ist unbekannt."));
    }

    void InternetFillsTheInternetSearchAndStartsIt() {
        WindowHarness harness;
        LoopbackDirectory server(harness);
        QVERIFY(server.Ok());
        WhenAssistantOpens([](SearchAssistant& frame) {
            Press(Qt::Key_Down);
            Press(Qt::Key_Return);
            TypeHere(QStringLiteral("Berlin"));
            Press(Qt::Key_Return);
            TypeHere(QStringLiteral("Weber"));
            Press(Qt::Key_Return);
            TypeHere(QStringLiteral("Anna"));
            Press(Qt::Key_Return);
            frame.Ready()->Start()->click();
        });
        harness.Trigger(40050);
        QCOMPARE(harness.Lists().Type(), ListType::kInternet);
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("Berlin"));
        QCOMPARE(harness.Edit(InputField::kPostalCode)->text(), QString());
        QCOMPARE(harness.Edit(InputField::kName)->text(), QStringLiteral("Weber"));
        QCOMPARE(harness.Edit(InputField::kFirstName)->text(), QStringLiteral("Anna"));
        QCOMPARE(harness.Window().Inputs()->Mode(), NameMode::kNormal);
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.messages.Shown().empty());
        QVERIFY(harness.Rows() > 0);
        QCOMPARE(harness.Cell(0, 0).trimmed(), QStringLiteral("Weber"));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeAssistantTest() { return std::make_unique<AssistantTest>(); }

}  // namespace vendarion::test

#include "assistant_test.moc"
