// The searches behind the window: names in a town in every mode, the whole book,
// cancelling, the pending restart, the 1000-line limit, bank and foreign codes and
// the activity display.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "base/ascii_text.h"
#include "base/setting_names.h"
#include "gui_test_classes.h"
#include "loopback_directory.h"
#include "ui/activity_display.h"
#include "ui/detail_card.h"
#include "ui/input_panels.h"
#include "ui/list_controller.h"
#include "ui/list_model.h"
#include "ui/list_pane.h"
#include "ui/list_searches.h"
#include "ui/list_view.h"
#include "ui/main_window.h"
#include "ui/notice_bar.h"
#include "ui/ui_text.h"
#include "ui/window_commands.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

// Opens the names of a town through the town list: Berlin is book 0, with every
// surname of the sample; Porz belongs to book 1 (Köln), which lacks the last five.
void OpenTown(WindowHarness& harness, const QString& town) {
    harness.ChooseInTree(ListType::kTowns);
    harness.Type(InputField::kTown, town);
    harness.Trigger(40020);
    QCOMPARE(harness.Lists().Type(), ListType::kNames);
}

void OpenBerlin(WindowHarness& harness) { OpenTown(harness, QStringLiteral("Berl")); }

int EntriesOfBook(const SampleDataSet& sample, int book) { return sample.books[book].entry_count; }

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void ATownWithoutCriteriaShowsItsWholeBook() {
        WindowHarness harness;
        OpenBerlin(harness);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Berlin"));
        const int entries = EntriesOfBook(harness.sample, 0);
        QCOMPARE(harness.Rows(), entries);
        QCOMPARE(harness.Status(), QStringLiteral("%1 Namen sind vorhanden.").arg(entries));
        QVERIFY(!harness.Lists().Searches().SearchRunning());
        QCOMPARE(harness.Cell(0, 0), Shown(harness.sample.surnames[0]));
        // A typed surname positions the book without a search.
        harness.Type(InputField::kName, QStringLiteral("Schm"));
        QVERIFY(!harness.Lists().Searches().SearchRunning());
        QCOMPARE(harness.Cell(harness.Lists().FocusedRow(), 0), QStringLiteral("Schmidt"));
        QCOMPARE(harness.Rows(), entries);
    }

    void SubEntriesAreIndentedAndTheCardShowsTheFocusedEntry() {
        WindowHarness harness;
        OpenBerlin(harness);
        int sub = -1;
        for (int row = 0; row < harness.Rows() && sub < 0; ++row) {
            if (harness.Lists().RowText(row, 10) == "2") sub = row;
        }
        QVERIFY(sub > 0);
        QVERIFY(harness.Cell(sub, 0).startsWith(QStringLiteral("  ")));
        harness.Select({sub});
        const std::optional<SubscriberEntry> entry = harness.Lists().RowEntry(sub);
        QVERIFY(entry.has_value());
        QCOMPARE(entry->level, 2);
        // The name cell is painted with a guide line per level.
        const QAbstractItemModel* model = harness.View()->model();
        QCOMPARE(model->index(sub, 0).data(ListModel::kLevelRole).toInt(), 2);
        QCOMPARE(model->index(0, 0).data(ListModel::kLevelRole).toInt(), 0);
        QVERIFY(!entry->fields[0].starts_with(' '));
        const QStringList card = harness.Window().Card()->Blocks();
        QCOMPARE(card.size(), 3);
        QCOMPARE(card[0], Shown(TrimBlanks(harness.Lists().RowText(sub, 8))));
        QVERIFY(card[2].contains(Shown(harness.Lists().RowText(sub, 9)) + QStringLiteral(": (")));
        QVERIFY(!harness.Lists().RowEntry(harness.Rows()).has_value());
    }

    void AFirstNameSearchesTheBook() {
        WindowHarness harness;
        OpenBerlin(harness);
        harness.Type(InputField::kFirstName, QStringLiteral("Anna"));
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.Rows() >= 86);
        for (int row = 0; row < harness.Rows(); ++row) {
            QCOMPARE(harness.Cell(row, 1), QStringLiteral("Anna"));
        }
        QCOMPARE(harness.Status(), QStringLiteral("%1 Namen wurden gefunden.").arg(harness.Rows()));
        QCOMPARE(harness.Lists().FocusedRow(), 0);
        harness.Select({0, 1, 2});
        QCOMPARE(harness.Status(),
                 QStringLiteral("%1 Namen wurden gefunden (3 markiert).").arg(harness.Rows()));
    }

    void EveryNameModeCanBeChosen_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("exact") << 2 << QStringLiteral("meier")
                               << QStringList{QStringLiteral("Meier")};
        QTest::newRow("phonetic") << 3 << QStringLiteral("Maier")
                                  << QStringList{QStringLiteral("Mayer"), QStringLiteral("Meier"),
                                                 QStringLiteral("Mohrer")};
        QTest::newRow("name parts")
            << 6 << QStringLiteral("hoff")
            << QStringList{QStringLiteral("Bauhoff"),   QStringLiteral("Berghoff"),
                           QStringLiteral("Brandhoff"), QStringLiteral("Dornhoff"),
                           QStringLiteral("Eichhoff"),  QStringLiteral("Feldhoff"),
                           QStringLiteral("Grafhoff"),  QStringLiteral("Hahnhoff"),
                           QStringLiteral("Hoffmann"),  QStringLiteral("Kernhoff"),
                           QStringLiteral("Langhoff"),  QStringLiteral("Mohrhoff"),
                           QStringLiteral("Rothoff"),   QStringLiteral("Steinhoff")};
    }

    void EveryNameModeCanBeChosen() {
        QFETCH(int, mode);
        QFETCH(QString, surname);
        QFETCH(QStringList, names);
        WindowHarness harness;
        OpenTown(harness, QStringLiteral("Porz"));
        harness.Type(InputField::kName, surname);
        harness.ChooseMode(static_cast<NameMode>(mode));
        QVERIFY(harness.WaitForSearches());
        QStringList found;
        for (int row = 0; row < harness.Rows(); ++row) {
            if (harness.Lists().RowText(row, 10).empty()) found.append(harness.Cell(row, 0));
        }
        found.removeDuplicates();
        QCOMPARE(found, names);
        QVERIFY(harness.messages.Shown().empty());
    }

    void TypingDuringASearchRestartsItWithTheLastText() {
        WindowHarness harness;
        OpenBerlin(harness);
        harness.Type(InputField::kFirstName, QStringLiteral("Vorname10"));
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.Rows() > 0);
        for (int row = 0; row < harness.Rows(); ++row) {
            QVERIFY(harness.Cell(row, 1).startsWith(QStringLiteral("Vorname10")));
        }
    }

    void EscKeepsTheRowsFoundSoFar() {
        WindowHarness harness;
        OpenBerlin(harness);
        harness.Type(InputField::kStreet, QStringLiteral("Kirchweg"));
        QVERIFY(harness.Lists().Searches().SearchRunning());
        QAction* cancel = harness.Window().Commands().Action(40039);
        QVERIFY(cancel->isEnabled());
        QSignalSpy cancelled(cancel, &QAction::triggered);
        QTest::keyClick(harness.View(), Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Status(),
                 harness.Rows() == 0 ? QStringLiteral("Es wurden keine Namen gefunden.")
                 : harness.Rows() == 1
                     ? QStringLiteral("Ein Name wurde gefunden.")
                     : QStringLiteral("%1 Namen wurden gefunden.").arg(harness.Rows()));
        QVERIFY(harness.messages.Shown().empty());
    }

    void MoreThanAThousandHitsAreCutWithAMessage() {
        WindowHarness harness;
        OpenBerlin(harness);
        QVERIFY(harness.Edit(InputField::kName)->isEnabled());
        harness.Type(InputField::kName, QStringLiteral("e"));
        harness.ChooseMode(NameMode::kNameParts);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Rows(), 1000);
        QCOMPARE(harness.Status(), QStringLiteral("1000 Namen wurden gefunden."));
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1336});
        QCOMPARE(harness.messages.Shown()[0].icon, MessageIcon::kInformation);
    }

    void TheLineLimitNeverInterruptsTyping() {
        WindowHarness harness;
        OpenBerlin(harness);
        harness.Type(InputField::kName, QStringLiteral("e"));
        // The mode box starts the search as a command: the limit comes as a box.
        harness.ChooseMode(NameMode::kNameParts);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1336});
        harness.messages.Clear();
        // Each keystroke searches again; now the limit is reported above the list.
        harness.Edit(InputField::kName)->setFocus();
        harness.Type(InputField::kName, QStringLiteral("r"));
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Rows(), 1000);
        QVERIFY(harness.messages.Shown().empty());
        NoticeBar* notices = harness.Window().Pane()->Notices();
        QCOMPARE(notices->Text(), UiString(1336));
        QCOMPARE(notices->focusPolicy(), Qt::NoFocus);
        harness.Type(InputField::kName, QStringLiteral("x"));
        QCOMPARE(harness.Edit(InputField::kName)->text(), QStringLiteral("erx"));
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.messages.Shown().empty());
        // A whole book shown instead takes the notice away.
        harness.Window().Inputs()->SetMode(NameMode::kNormal);
        harness.Type(InputField::kName, QStringLiteral("y"));
        QVERIFY(harness.Lists().ShowsWholeBook());
        QCOMPARE(notices->Text(), QString());
        // Enter starts the search as a command: the box is shown.
        harness.Edit(InputField::kName)->setText(QStringLiteral("e"));
        harness.Window().Inputs()->SetMode(NameMode::kNameParts);
        QTest::keyClick(harness.Edit(InputField::kName), Qt::Key_Return);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1336});
        QCOMPARE(notices->Text(), QString());
    }

    void LettersTypedIntoABookPositionItThroughTheLookup() {
        WindowHarness harness;
        OpenBerlin(harness);
        auto* view = static_cast<ListView*>(harness.View());
        QSignalSpy typed(view, &ListView::TypeAhead);
        view->setFocus();
        QTest::keyClicks(view, QStringLiteral("sch"));
        QCOMPARE(typed.count(), 3);
        QCOMPARE(typed.last().at(0).toString(), QStringLiteral("sch"));
        const int row = harness.Lists().FocusedRow();
        QCOMPARE(row, harness.Lists().Sources().For(ListType::kNames).FindRow("sch"));
        QVERIFY(harness.Cell(row, 0).startsWith(QStringLiteral("Sch")));
        // As a click: the row's surname goes into the name field.
        QCOMPARE(harness.Edit(InputField::kName)->text(), harness.Cell(row, 0).trimmed());
        // Letters that start no surname leave the list where it is.
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(view, QStringLiteral("qqq"));
        QCOMPARE(typed.last().at(0).toString(), QStringLiteral("qqq"));
        QCOMPARE(harness.Lists().FocusedRow(), row);
    }

    void TheActivityDisplayTurnsOnlyWhileSearching() {
        WindowHarness harness;
        OpenBerlin(harness);
        ActivityDisplay* activity = harness.Window().Activity();
        harness.Type(InputField::kStreet, QStringLiteral("Haupt"));
        QTRY_VERIFY(activity->Turning() || !harness.Lists().Searches().SearchRunning());
        QVERIFY(harness.WaitForSearches());
        QVERIFY(!activity->Turning());
        QCOMPARE(activity->Frame(), 0);

        (void)Write(harness.settings, setting::kActivityDisplay, 0);
        harness.Type(InputField::kStreet, QStringLiteral("s"));
        QVERIFY(!activity->Turning());
        QVERIFY(harness.WaitForSearches());
        QVERIFY(!activity->Turning());
    }

    void BankCodesAreSearchedInTheSearchBox() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kBankCodes);
        QLineEdit* box = harness.Window().Pane()->SearchBox();
        QVERIFY(box->isVisible());
        QTest::keyClicks(box, QStringLiteral("koeln"));
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Rows(), 1);
        QCOMPARE(harness.Cell(0, 1), QStringLiteral("Sparkasse KölnBonn"));
        QCOMPARE(harness.Status(), QStringLiteral("Eine Bankleitzahl wurde gefunden."));
        QCOMPARE(harness.Window().Card()->Blocks().value(2), QStringLiteral("BLZ: 37050198"));
        box->clear();
        QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Rows(), 3);
        QCOMPARE(harness.Status(), QStringLiteral("3 Bankleitzahlen sind vorhanden."));
        // The list keeps its search text while another is shown.
        QTest::keyClicks(box, QStringLiteral("50"));
        QVERIFY(harness.WaitForSearches());
        harness.ChooseInTree(ListType::kCountryCodes);
        QVERIFY(box->text().isEmpty());
        harness.ChooseInTree(ListType::kBankCodes);
        QCOMPARE(box->text(), QStringLiteral("50"));
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Status(), QStringLiteral("2 Bankleitzahlen wurden gefunden."));
    }

    void TheInternetListShowsTheServersHitsAndKeepsThem() {
        WindowHarness harness;
        LoopbackDirectory server(harness);
        QVERIFY(server.Ok());

        harness.ChooseInTree(ListType::kInternet);
        harness.Type(InputField::kName, QStringLiteral("Meier"));
        harness.Type(InputField::kTown, QStringLiteral("Berlin"));
        harness.Trigger(40020);
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.messages.Shown().empty());
        const int rows = harness.Rows();
        QVERIFY(rows > 50);
        for (int row = 0; row < rows; ++row) {
            QCOMPARE(harness.Cell(row, 0).trimmed(), QStringLiteral("Meier"));
            QVERIFY(harness.Cell(row, 7) == QStringLiteral("Berlin") ||
                    harness.Cell(row, 7) == QStringLiteral("Spandau"));
        }
        QCOMPARE(harness.Status(), QStringLiteral("%1 Namen wurden gefunden.").arg(rows));

        harness.ChooseInTree(ListType::kInternetTowns);
        harness.ChooseInTree(ListType::kInternet);
        QCOMPARE(harness.Rows(), rows);
        QCOMPARE(harness.Edit(InputField::kName)->text(), QStringLiteral("Meier"));
        // Another search takes the result list over.
        harness.ChooseInTree(ListType::kBankCodes);
        QTest::keyClicks(harness.Window().Pane()->SearchBox(), QStringLiteral("bank"));
        QVERIFY(harness.WaitForSearches());
        harness.ChooseInTree(ListType::kInternet);
        QCOMPARE(harness.Rows(), 0);
        QCOMPARE(harness.Status(), QStringLiteral("Es wurden keine Namen gefunden."));
    }

    void ForeignCodesAreSearchedAndNavigatedFromTheSearchBox() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kCountryCodes);
        QLineEdit* box = harness.Window().Pane()->SearchBox();
        QTest::keyClicks(box, QStringLiteral("ei"));
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Rows(), 3);
        QCOMPARE(harness.Status(), QStringLiteral("3 Auslandsvorwahlen wurden gefunden."));
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(harness.Lists().FocusedRow(), 1);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(harness.Lists().FocusedRow(), 2);
        QTest::keyClick(box, Qt::Key_PageUp);
        QCOMPARE(harness.Lists().FocusedRow(), 0);
        QCOMPARE(box->text(), QStringLiteral("ei"));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeSearchTest() { return std::make_unique<SearchTest>(); }

}  // namespace vendarion::test

#include "search_test.moc"
