// The window around the lists: its commands and their states, the exit with its
// question, the saved placement and view settings.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "base/setting_names.h"
#include "gui_test_classes.h"
#include "ui/detail_card.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void ExitAsksFirstAndSavesTheWindowSettings() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.messages.Answer(MessageAnswer::kNo);
        harness.Trigger(40001);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1001});
        QCOMPARE(harness.messages.Shown()[0].buttons, MessageButtons::kYesNo);
        QVERIFY(harness.Window().isVisible());
        QVERIFY(!harness.settings.Has("Pos"));

        harness.messages.Answer(MessageAnswer::kYes);
        harness.Window().close();
        QVERIFY(!harness.Window().isVisible());
        QCOMPARE(Read(harness.settings, setting::kToolbar), 1);
        QCOMPARE(Read(harness.settings, setting::kInformation), 1);
        QCOMPARE(Read(harness.settings, setting::kInputFlags), 63);
        QCOMPARE(Read(harness.settings, setting::kZoomed), 0);
        QVERIFY(QString::fromStdString(Read(harness.settings, setting::ColumnWidths("Ort")))
                    .startsWith(QStringLiteral("200,")));
        const QStringList pos =
            QString::fromStdString(Read(harness.settings, setting::kPos)).split(QLatin1Char(','));
        QCOMPARE(pos.size(), 4);
        QCOMPARE(pos[2].toInt(), harness.Window().width());
    }

    void ClosingDuringASearchAsksOnlyAfterItEnded() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.Type(InputField::kTown, QStringLiteral("Berlin"));
        harness.Trigger(40020);
        harness.Type(InputField::kStreet, QStringLiteral("Kirchweg"));
        QVERIFY(harness.Lists().Searches().SearchRunning());
        harness.messages.Answer(MessageAnswer::kNo);
        harness.Window().close();
        QVERIFY(harness.messages.Shown().empty());
        QVERIFY(harness.WaitForSearches());
        QTRY_COMPARE(harness.messages.ShownIds(), std::vector<int>{1001});
        QVERIFY(harness.Window().isVisible());
    }

    void PlacementAndViewSettingsAreRestored() {
        WindowHarness harness({.show = false, .prepare = [](Settings& settings) {
                                   (void)Write(settings, setting::kPos, "30,40,900,650");
                                   (void)Write(settings, setting::kToolbar, 0);
                                   (void)Write(settings, setting::kInformation, 0);
                               }});
        QCOMPARE(harness.Window().geometry(), QRect(30, 40, 900, 650));
        QVERIFY(harness.Window().Commands().ToolBar()->isHidden());
        QVERIFY(harness.Window().Card()->isHidden());
        QVERIFY(!harness.Window().Commands().Action(40013)->isChecked());
        WindowHarness zoomed({.show = false, .prepare = [](Settings& settings) {
                                  (void)Write(settings, setting::kPos, "1,2,3");
                                  (void)Write(settings, setting::kZoomed, 1);
                              }});
        QVERIFY(zoomed.Window().windowState().testFlag(Qt::WindowMaximized));
    }

    void CommandsFollowTheListAndTheSearch() {
        WindowHarness harness;
        WindowCommands& commands = harness.Window().Commands();
        QVERIFY(!commands.Action(40020)->isEnabled());
        QVERIFY(!commands.Action(40039)->isEnabled());
        QVERIFY(!commands.Action(40029)->isEnabled());
        QVERIFY(commands.Action(40038)->isChecked());
        harness.ChooseInTree(ListType::kTowns);
        QVERIFY(commands.Action(40020)->isEnabled());
        QVERIFY(commands.Action(40021)->isChecked());
        QVERIFY(!commands.Action(40038)->isChecked());
        harness.Type(InputField::kTown, QStringLiteral("Berlin"));
        harness.Trigger(40020);
        QCOMPARE(commands.CurrentTownMenu()->title(), QStringLiteral("Berlin"));
        QVERIFY(commands.Action(40030)->isEnabled());
        harness.Type(InputField::kStreet, QStringLiteral("Haupt"));
        QVERIFY(commands.Action(40039)->isEnabled());
        QVERIFY(!commands.Action(40020)->isEnabled());
        QVERIFY(harness.WaitForSearches());
        QVERIFY(!commands.Action(40039)->isEnabled());
        QVERIFY(commands.Action(40020)->isEnabled());
    }

    void CtrlIAlwaysLeadsToTheOtherSearch() {
        WindowHarness harness;
        WindowCommands& commands = harness.Window().Commands();
        QCOMPARE(commands.Action(40034)->text(), QStringLiteral("Suchen über &Internet\tStrg+I"));
        QCOMPARE(commands.Action(40038)->text(), QStringLiteral("&Suchen"));
        harness.Trigger(40034);
        QCOMPARE(harness.Lists().Type(), ListType::kInternet);
        QCOMPARE(commands.Action(40038)->text(), QStringLiteral("&Suchen\tStrg+I"));
        QCOMPARE(commands.Action(40038)->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
        QVERIFY(commands.Action(40034)->shortcut().isEmpty());
        // The place commands lead to the Internet lists in Internet mode.
        harness.Trigger(40022);
        QCOMPARE(harness.Lists().Type(), ListType::kInternetPostalCodes);
        harness.Trigger(40038);
        harness.Trigger(40022);
        QCOMPARE(harness.Lists().Type(), ListType::kPostalCodes);
    }

    void TheToolbarCanBeHiddenAndStaysSo() {
        WindowHarness harness;
        QToolBar* toolbar = harness.Window().Commands().ToolBar();
        QVERIFY(toolbar->isVisible());
        harness.Trigger(59392);
        QVERIFY(!toolbar->isVisible());
        QVERIFY(!harness.Window().Commands().Action(59392)->isChecked());
        harness.Window().close();
        QCOMPARE(Read(harness.settings, setting::kToolbar), 0);
    }
};

}  // namespace

std::unique_ptr<QObject> MakeWindowTest() { return std::make_unique<WindowTest>(); }

}  // namespace vendarion::test

#include "window_test.moc"
