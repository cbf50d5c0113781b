// Choosing a town and the other ways of opening a row: "Go!", double click and
// Enter; the messages for input that is not in the data; the multi-town search.
#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "gui_test_classes.h"
#include "ui/list_controller.h"
#include "ui/main_window.h"
#include "ui/navigation_tree.h"
#include "ui/window_commands.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

int RowOf(WindowHarness& harness, const QString& text) {
    for (int row = 0; row < harness.Rows(); ++row) {
        if (harness.Cell(row, 0) == text) return row;
    }
    return -1;
}

QStringList TreeChildren(QTreeWidgetItem* node) {
    QStringList captions;
    for (int i = 0; i < node->childCount(); ++i) captions.append(node->child(i)->text(0));
    return captions;
}

class GoTest : public QObject {
    Q_OBJECT

private slots:
    void DoubleClickOnATownOpensItsNames() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        const int row = RowOf(harness, QStringLiteral("Köln"));
        const QRect cell = harness.View()->visualRect(harness.View()->model()->index(row, 0));
        QTest::mouseClick(harness.View()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("Köln"));
        QTest::mouseDClick(harness.View()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Köln"));
        QCOMPARE(harness.Rows(), harness.sample.books[1].entry_count);
        QTreeWidgetItem* town = harness.Window().Tree()->Node(ListType::kTown);
        QVERIFY(town != nullptr);
        QCOMPARE(town->text(0), QStringLiteral("Köln"));
        QCOMPARE(TreeChildren(town),
                 (QStringList{QStringLiteral("Namen"), QStringLiteral("Straßen"),
                              QStringLiteral("Branchen")}));
        QCOMPARE(harness.Window().Tree()->currentItem()->text(0), QStringLiteral("Namen"));
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());
        // A district of another book replaces the town node.
        harness.ChooseInTree(ListType::kTowns);
        harness.Select({RowOf(harness, QStringLiteral("Spandau"))});
        harness.Trigger(40020);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Spandau"));
        QCOMPARE(harness.Rows(), harness.sample.books[0].entry_count);
        QCOMPARE(harness.Window().Tree()->Node(ListType::kTown)->text(0),
                 QStringLiteral("Spandau"));
    }

    void UnknownInputEndsWithItsMessage_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("argument");
        QTest::newRow("no town") << 1 << 0 << QString() << 1312 << QString();
        QTest::newRow("unknown town")
            << 1 << 0 << QStringLiteral("Xanten") << 1301 << QStringLiteral("\"Xanten\"");
        QTest::newRow("unknown postal code")
            << 6 << 2 << QStringLiteral("99999") << 1302 << QStringLiteral("\"99999\"");
        QTest::newRow("no postal code") << 6 << 2 << QString() << 1310 << QString();
        QTest::newRow("unknown area code")
            << 7 << 4 << QStringLiteral("0999") << 1303 << QStringLiteral("\"0999\"");
        QTest::newRow("no area code") << 7 << 4 << QString() << 1311 << QString();
        QTest::newRow("unknown surname")
            << 8 << 1 << QStringLiteral("Zzz") << 1304 << QStringLiteral("\"Zzz\"");
    }

    void UnknownInputEndsWithItsMessage() {
        QFETCH(int, type);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(int, message);
        QFETCH(QString, argument);
        WindowHarness harness;
        harness.ChooseInTree(static_cast<ListType>(type));
        harness.Type(static_cast<InputField>(field), QStringLiteral("x"));
        harness.Edit(static_cast<InputField>(field))->clear();
        if (!typed.isEmpty()) harness.Type(static_cast<InputField>(field), typed);
        QTest::keyClick(harness.Edit(static_cast<InputField>(field)), Qt::Key_Return);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{message});
        QVERIFY(Shown(harness.messages.Shown()[0].text).contains(argument));
        QCOMPARE(static_cast<int>(harness.Lists().Type()), type);
    }

    void APostalCodeOpensItsTown() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kPostalCodes);
        harness.Type(InputField::kPostalCode, QStringLiteral("5x1a1"));
        // Letters are refused; the digits are completed from the list.
        QCOMPARE(harness.Edit(InputField::kPostalCode)->text(), QStringLiteral("51143"));
        QCOMPARE(harness.Edit(InputField::kPostalCode)->selectedText(), QStringLiteral("43"));
        QCOMPARE(harness.Cell(harness.Lists().FocusedRow(), 0), QStringLiteral("51143"));
        QTest::keyClick(harness.Edit(InputField::kPostalCode), Qt::Key_Return);
        QVERIFY(harness.messages.Shown().empty());
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Porz"));
        QCOMPARE(harness.Rows(), harness.sample.books[1].entry_count);
    }

    void ASurnameListsItsTownsAllMarkedAndGoSearchesThemAll() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kSurnames);
        harness.Type(InputField::kName, QStringLiteral("Meier"));
        QVERIFY(!harness.Window().Commands().Action(40020)->isEnabled());
        QTest::keyClick(harness.Edit(InputField::kName), Qt::Key_Return);
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
        QCOMPARE(harness.Rows(), 3);
        QCOMPARE(harness.Status(), QStringLiteral("3 Orte wurden gefunden (3 markiert)."));
        QCOMPARE(harness.Edit(InputField::kName)->text(), QStringLiteral("Meier"));
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40020);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1504});
        QVERIFY(Shown(harness.messages.Shown()[0].text)
                    .startsWith(QStringLiteral("Möchten Sie in den 3 ")));
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Kombination von Orten"));
        QTreeWidgetItem* town = harness.Window().Tree()->Node(ListType::kTown);
        QCOMPARE(town->text(0), QStringLiteral("Kombination von Orten"));
        QCOMPARE(TreeChildren(town), QStringList{QStringLiteral("Namen")});
        QVERIFY(harness.WaitForSearches());
        // Merged by name: every Meier of the three books, main entries with their
        // sub-entries below them.
        QSet<QString> towns;
        for (int row = 0; row < harness.Rows(); ++row) {
            QCOMPARE(harness.Cell(row, 0).trimmed(), QStringLiteral("Meier"));
            towns.insert(harness.Cell(row, 7));
        }
        QVERIFY(towns.contains(QStringLiteral("Berlin")));
        QVERIFY(towns.contains(QStringLiteral("Köln")));
        QVERIFY(towns.contains(QStringLiteral("Müllheim")));
        QCOMPARE(harness.Status(), QStringLiteral("%1 Namen wurden gefunden.").arg(harness.Rows()));
        // No streets or headings across several towns.
        harness.Trigger(40030);
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        harness.ChooseInTree(ListType::kTown);
        QCOMPARE(harness.Status(), QStringLiteral("3 Orte wurden markiert."));
    }

    void DecliningTheMultiTownSearchKeepsTheTownList() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.Select({0, 1});
        harness.messages.Answer(MessageAnswer::kNo);
        harness.Trigger(40020);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1504});
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
        QVERIFY(!harness.Lists().MultiTown());
    }

    void ATownWithoutTheSurnameOffersAllTowns() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kSurnames);
        harness.Type(InputField::kName, Shown(harness.sample.surnames.back()));
        QTest::keyClick(harness.Edit(InputField::kName), Qt::Key_Return);
        QCOMPARE(harness.Rows(), 1);
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("Berlin"));
        harness.Edit(InputField::kTown)->clear();
        harness.Type(InputField::kTown, QStringLiteral("Aachen"));
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40020);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1507});
        QCOMPARE(harness.Rows(), 9);
        QCOMPARE(harness.Status(), QStringLiteral("9 Orte sind vorhanden."));
        QVERIFY(harness.Edit(InputField::kName)->text().isEmpty());
        QCOMPARE(harness.Cell(harness.Lists().FocusedRow(), 0), QStringLiteral("Aachen"));
        // The town the list is positioned at counts as chosen from it.
        QTest::keyClick(harness.Edit(InputField::kTown), Qt::Key_Return);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1507});
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Aachen"));
    }

    void TwoMarkedRowsOfOneBookOpenThatTown() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        const int koeln = RowOf(harness, QStringLiteral("Köln"));
        const int porz = RowOf(harness, QStringLiteral("Porz"));
        QVERIFY(koeln >= 0 && porz > koeln);
        harness.Select({koeln, porz});
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40020);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1504});
        QVERIFY(!harness.Lists().MultiTown());
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Köln"));
        QCOMPARE(harness.Rows(), harness.sample.books[1].entry_count);
    }

    void AStreetOfTheTownSearchesItsEntries() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.Type(InputField::kTown, QStringLiteral("Berlin"));
        harness.Trigger(40020);
        harness.Trigger(40030);
        QCOMPARE(harness.Lists().Type(), ListType::kStreets);
        QCOMPARE(harness.Title(), QStringLiteral("Straßen in Berlin"));
        QCOMPARE(harness.Status(), QStringLiteral("7 Straßen sind vorhanden."));
        harness.Type(InputField::kStreet, QStringLiteral("Kirch"));
        QCOMPARE(harness.Cell(harness.Lists().FocusedRow(), 0), QStringLiteral("Kirchweg"));
        const QPoint street = harness.View()->visualRect(harness.View()->currentIndex()).center();
        QTest::mouseClick(harness.View()->viewport(), Qt::LeftButton, {}, street);
        QTest::mouseDClick(harness.View()->viewport(), Qt::LeftButton, {}, street);
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Edit(InputField::kStreet)->text(), QStringLiteral("Kirchweg"));
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.Rows() > 0);
        for (int row = 0; row < harness.Rows(); ++row) {
            QVERIFY(harness.Cell(row, 3).startsWith(QStringLiteral("Kirchweg")));
        }
    }

    void TheInternetSearchIsNotSetUp() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kInternetTowns);
        harness.Trigger(40020);
        QCOMPARE(harness.Lists().Type(), ListType::kInternet);
        harness.Type(InputField::kName, QStringLiteral("Meier"));
        harness.Trigger(40020);
        QCOMPARE(harness.messages.ShownIds(), (std::vector<int>{1314, 1316}));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeGoTest() { return std::make_unique<GoTest>(); }

}  // namespace vendarion::test

#include "go_test.moc"
