// The lists of the main window through the tree: titles, columns, rows, count
// texts, saved column widths, marked rows and the detail card.
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QTreeView>

#include "base/setting_names.h"
#include "gui_test_classes.h"
#include "ui/detail_card.h"
#include "ui/list_controller.h"
#include "ui/list_pane.h"
#include "ui/list_view.h"
#include "ui/main_window.h"
#include "ui/navigation_tree.h"
#include "ui/program_font.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

class ListsTest : public QObject {
    Q_OBJECT

private slots:
    void StartsOnTheSearchNodeWithoutAList() {
        WindowHarness harness;
        QCOMPARE(harness.Lists().Type(), ListType::kNone);
        QCOMPARE(harness.Title(), QStringLiteral("Suchen"));
        QVERIFY(harness.View()->isHidden());
        QCOMPARE(harness.Window().Tree()->currentItem()->text(0), QStringLiteral("Suchen"));
        QVERIFY(!harness.Window().Tree()->HasTown());
    }

    void EachListShowsItsRows_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("status");
        QTest::newRow("towns") << 1 << QStringLiteral("Orte in Deutschland")
                               << QStringList{QStringLiteral("Ort"), QStringLiteral("Postleitzahl")}
                               << 9 << QStringLiteral("Aachen") << QStringLiteral("52062")
                               << QStringLiteral("9 Orte sind vorhanden.");
        QTest::newRow("postal codes")
            << 6 << QStringLiteral("Postleitzahlen in Deutschland")
            << QStringList{QStringLiteral("Postleitzahl"), QStringLiteral("Ort")} << 7
            << QStringLiteral("08056") << QStringLiteral("Zwickau")
            << QStringLiteral("7 Postleitzahlen sind vorhanden.");
        QTest::newRow("area codes") << 7 << QStringLiteral("Vorwahlen in Deutschland")
                                    << QStringList{QStringLiteral("Vorwahl"), QStringLiteral("Ort")}
                                    << 5 << QStringLiteral("02203") << QStringLiteral("Porz")
                                    << QStringLiteral("5 Vorwahlen sind vorhanden.");
        QTest::newRow("surnames") << 8 << QStringLiteral("Namen in Deutschland")
                                  << QStringList{QStringLiteral("Name")} << 86
                                  << QStringLiteral("Bauel") << QString()
                                  << QStringLiteral("86 verschiedene Namen sind vorhanden.");
        QTest::newRow("internet towns")
            << 10 << QStringLiteral("Orte in Deutschland")
            << QStringList{QStringLiteral("Ort"), QStringLiteral("Postleitzahl")} << 9
            << QStringLiteral("Aachen") << QStringLiteral("52062")
            << QStringLiteral("9 Orte sind vorhanden.");
        QTest::newRow("foreign codes")
            << 14 << QStringLiteral("Auslandsvorwahlen")
            << QStringList{QStringLiteral("Land"), QStringLiteral("Vorwahl")} << 4
            << QStringLiteral("Deutschland") << QStringLiteral("0049")
            << QStringLiteral("4 Auslandsvorwahlen sind vorhanden.");
        QTest::newRow("bank codes")
            << 15 << QStringLiteral("Bankleitzahlen in Deutschland")
            << QStringList{QStringLiteral("Bankleitzahl"), QStringLiteral("Name"),
                           QStringLiteral("PLZ"), QStringLiteral("Ort")}
            << 3 << QStringLiteral("10010010") << QStringLiteral("Postbank")
            << QStringLiteral("3 Bankleitzahlen sind vorhanden.");
        QTest::newRow("phone book without a hard-disk copy")
            << 16 << QStringLiteral("Persönliches Telefonbuch")
            << QStringList{QStringLiteral("Name"),    QStringLiteral("Vorname"),
                           QStringLiteral("Branche"), QStringLiteral("Straße"),
                           QStringLiteral("Vorwahl"), QStringLiteral("Telefon"),
                           QStringLiteral("PLZ"),     QStringLiteral("Ort")}
            << 0 << QString() << QString()
            << QStringLiteral(
                   "Nur verfügbar, wenn Vendarion zuvor auf der Festplatte installiert wurde!");
        QTest::newRow("internet")
            << 9 << QStringLiteral("Suchen über Internet")
            << QStringList{QStringLiteral("Name"),    QStringLiteral("Vorname"),
                           QStringLiteral("Branche"), QStringLiteral("Straße"),
                           QStringLiteral("Vorwahl"), QStringLiteral("Telefon"),
                           QStringLiteral("PLZ"),     QStringLiteral("Ort")}
            << 0 << QString() << QString() << QStringLiteral("Es wurden keine Namen gefunden.");
    }

    void EachListShowsItsRows() {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QStringList, headers);
        QFETCH(int, rows);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, status);
        WindowHarness harness;
        harness.ChooseInTree(static_cast<ListType>(type));
        QCOMPARE(static_cast<int>(harness.Lists().Type()), type);
        QCOMPARE(harness.Title(), title);
        QStringList shown_headers;
        QAbstractItemModel* model = harness.View()->model();
        for (int i = 0; i < model->columnCount(); ++i) {
            shown_headers.append(model->headerData(i, Qt::Horizontal).toString());
        }
        QCOMPARE(shown_headers, headers);
        QCOMPARE(harness.Rows(), rows);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Status(), status);
        if (rows > 0) {
            QCOMPARE(harness.Cell(0, 0), first);
            if (!second.isNull()) QCOMPARE(harness.Cell(0, 1), second);
            QCOMPARE(harness.Lists().FocusedRow(), 0);
        }
    }

    void StoresOfAHardDiskCopyAreListed() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        harness.ChooseInTree(ListType::kPhoneBook);
        QCOMPARE(harness.Status(), QStringLiteral("Es sind keine Einträge vorhanden."));
        harness.ChooseInTree(ListType::kNotes);
        QCOMPARE(harness.Status(),
                 QStringLiteral("Es sind keine Memolets auf dem Desktop vorhanden."));
    }

    void ColumnWidthsAreSavedPerListKey() {
        WindowHarness harness;
        (void)Write(harness.settings, setting::ColumnWidths("BLZ"), "90,x");
        harness.ChooseInTree(ListType::kBankCodes);
        QHeaderView* header = harness.View()->header();
        // The default widths grow with our font; saved ones are taken as they are.
        const double scale = FontScale(harness.View()->font());
        QVERIFY(scale > 1.0);
        QCOMPARE(header->sectionSize(0), 90);
        QCOMPARE(header->sectionSize(1), Scaled(150, scale));
        QCOMPARE(header->sectionSize(2), Scaled(60, scale));
        // The last column takes the rest of the list's width.
        QVERIFY(header->sectionSize(3) > Scaled(150, scale));
        header->resizeSection(1, 0);
        harness.ChooseInTree(ListType::kCountryCodes);
        QCOMPARE(header->sectionSize(0), Scaled(220, scale));
        const QStringList saved =
            QString::fromStdString(Read(harness.settings, setting::ColumnWidths("BLZ")))
                .split(QLatin1Char(','));
        QCOMPARE(saved.size(), 3);
        QCOMPARE(saved[0], QStringLiteral("90"));
        QCOMPARE(saved[1], QString::number(Scaled(60, scale)));
        // The last column is saved with its own width, not the stretched one.
        QCOMPARE(saved[2], QString::number(Scaled(150, scale)));
        // The narrowed column is dropped: the columns after it take the next widths.
        harness.ChooseInTree(ListType::kBankCodes);
        QCOMPARE(header->sectionSize(0), 90);
        QCOMPARE(header->sectionSize(1), Scaled(60, scale));
        QCOMPARE(header->sectionSize(2), Scaled(150, scale));
    }

    void ACommonHeadingFitsItsDefaultColumn() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.Type(InputField::kTown, QStringLiteral("Berl"));
        harness.Trigger(40020);
        auto* view = static_cast<ListView*>(harness.View());
        int row = 0;
        while (row < harness.Rows() && harness.Cell(row, 2) != QStringLiteral("Zahnärzte")) ++row;
        QVERIFY(row < harness.Rows());
        const QModelIndex heading = view->model()->index(row, 2);
        view->scrollTo(heading);
        QCOMPARE(view->CutCellText(heading), QString());
    }

    void AWidthSavedInAWideWindowFitsANarrowOne() {
        WindowHarness harness;
        harness.Window().resize(1900, 700);
        harness.ChooseInTree(ListType::kTowns);
        QTRY_VERIFY(harness.View()->header()->sectionSize(1) > 1000);
        harness.ChooseInTree(ListType::kPostalCodes);
        harness.Window().resize(900, 700);
        harness.ChooseInTree(ListType::kTowns);
        QTRY_COMPARE(harness.View()->header()->length(), harness.View()->viewport()->width());
        QVERIFY(!harness.View()->horizontalScrollBar()->isVisible());
    }

    void ACellThatIsCutShowsItsWholeText() {
        WindowHarness harness;
        (void)Write(harness.settings, setting::ColumnWidths("Ort"), "30");
        harness.ChooseInTree(ListType::kTowns);
        auto* view = static_cast<ListView*>(harness.View());
        const QModelIndex cut = view->model()->index(0, 0);
        QCOMPARE(view->CutCellText(cut), harness.Cell(0, 0).trimmed());
        // The postal code fits its column.
        QCOMPARE(view->CutCellText(view->model()->index(0, 1)), QString());
        QHelpEvent help(QEvent::ToolTip, view->visualRect(cut).center(),
                        view->viewport()->mapToGlobal(view->visualRect(cut).center()));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), harness.Cell(0, 0).trimmed());
    }

    void ListsOfOneKeyShareTheirWidths() {
        WindowHarness harness;
        (void)Write(harness.settings, setting::ColumnWidths("PLZ"), "120");
        harness.ChooseInTree(ListType::kInternetPostalCodes);
        QCOMPARE(harness.View()->header()->sectionSize(0), 120);
    }

    void SelectionModeFollowsTheList() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        QCOMPARE(harness.View()->selectionMode(), QAbstractItemView::ExtendedSelection);
        harness.ChooseInTree(ListType::kPostalCodes);
        QCOMPARE(harness.View()->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(harness.View()->selectionBehavior(), QAbstractItemView::SelectRows);
        (void)Write(harness.settings, setting::kFullRowSelect, 0);
        harness.ChooseInTree(ListType::kAreaCodes);
        QCOMPARE(harness.View()->selectionBehavior(), QAbstractItemView::SelectItems);
    }

    void MarkedTownsAreCounted() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.Select({1, 3, 4});
        QCOMPARE(harness.Status(), QStringLiteral("9 Orte sind vorhanden (3 markiert)."));
        harness.Select({2});
        QCOMPARE(harness.Status(), QStringLiteral("9 Orte sind vorhanden."));
    }

    void TheCardShowsTheFocusedBankAndCountry() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kBankCodes);
        harness.Select({1});
        QCOMPARE(harness.Window().Card()->Blocks(),
                 (QStringList{QStringLiteral("Sparkasse KölnBonn"), QStringLiteral("50667 Köln"),
                              QStringLiteral("BLZ: 37050198")}));
        harness.ChooseInTree(ListType::kCountryCodes);
        harness.Select({2});
        QCOMPARE(harness.Window().Card()->Blocks(),
                 (QStringList{QStringLiteral("Schweiz"), QStringLiteral("(0041)")}));
        harness.ChooseInTree(ListType::kTowns);
        QVERIFY(harness.Window().Card()->Blocks().isEmpty());
    }

    void TheCompactViewHasNoCard() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kBankCodes);
        QVERIFY(harness.Window().Card()->isVisible());
        harness.Trigger(40013);
        QVERIFY(!harness.Window().Card()->isVisible());
        QVERIFY(harness.Window().Card()->Blocks().isEmpty());
        harness.Trigger(40013);
        QCOMPARE(harness.Window().Card()->Blocks().size(), 3);
    }
};

}  // namespace

std::unique_ptr<QObject> MakeListsTest() { return std::make_unique<ListsTest>(); }

}  // namespace vendarion::test

#include "lists_test.moc"
