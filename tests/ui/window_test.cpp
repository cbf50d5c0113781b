// The window around the lists: its commands and their states, the exit with its
// question, the saved placement and view settings.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidgetItemIterator>

#include "base/setting_names.h"
#include "gui_test_classes.h"
#include "ui/animated_banner.h"
#include "ui/detail_card.h"
#include "ui/list_controller.h"
#include "ui/list_pane.h"
#include "ui/list_searches.h"
#include "ui/main_window.h"
#include "ui/navigation_tree.h"
#include "ui/notice_bar.h"
#include "ui/program_font.h"
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
        const int town_width = Scaled(200, FontScale(harness.View()->font()));
        QVERIFY(QString::fromStdString(Read(harness.settings, setting::ColumnWidths("Ort")))
                    .startsWith(QString::number(town_width) + QLatin1Char(',')));
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
                                   (void)Write(settings, setting::kPos, "30,40,700,500");
                                   (void)Write(settings, setting::kToolbar, 0);
                                   (void)Write(settings, setting::kInformation, 0);
                               }});
        QCOMPARE(harness.Window().geometry(), QRect(30, 40, 700, 500));
        QVERIFY(harness.Window().Commands().ToolBar()->isHidden());
        QVERIFY(harness.Window().Card()->isHidden());
        QVERIFY(!harness.Window().Commands().Action(40013)->isChecked());
        WindowHarness zoomed({.show = false, .prepare = [](Settings& settings) {
                                  (void)Write(settings, setting::kPos, "1,2,3");
                                  (void)Write(settings, setting::kZoomed, 1);
                              }});
        QVERIFY(zoomed.Window().windowState().testFlag(Qt::WindowMaximized));

        // A placement no screen can show is brought inside the screen's area.
        const QRect area = harness.Window().screen()->availableGeometry();
        for (const char* pos : {"0,0,60000,60000", "-90000,70000,640,480", "5,5,-20,0"}) {
            WindowHarness placed({.show = false, .prepare = [pos](Settings& settings) {
                                      (void)Write(settings, setting::kPos, pos);
                                  }});
            QVERIFY2(area.contains(placed.Window().geometry()), pos);
            QVERIFY(placed.Window().width() >= std::min(200, area.width()));
        }
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

    void TheListMarksAreOneChoice() {
        WindowHarness harness;
        WindowCommands& commands = harness.Window().Commands();
        QAction* towns = commands.Action(40021);
        QAction* banks = commands.Action(40036);
        QVERIFY(towns->actionGroup() != nullptr);
        QVERIFY(towns->actionGroup()->isExclusive());
        QCOMPARE(banks->actionGroup(), towns->actionGroup());
        QCOMPARE(commands.Action(40029)->actionGroup(), towns->actionGroup());
        harness.Trigger(40021);
        QVERIFY(towns->isChecked());
        // Choosing the shown list again keeps its mark.
        harness.Trigger(40021);
        QVERIFY(towns->isChecked());
        harness.Trigger(40036);
        QVERIFY(banks->isChecked());
        QVERIFY(!towns->isChecked());
        harness.ChooseInTree(ListType::kNone);
        QCOMPARE(towns->actionGroup()->checkedAction(), commands.Action(40038));
    }

    void EveryWidgetUsesTheListsFontFamily() {
        WindowHarness harness;
        const QString family = QFontInfo(harness.View()->font()).family();
        QCOMPARE(QFontInfo(harness.Window().Tree()->font()).family(), family);
        QCOMPARE(QFontInfo(harness.Edit(InputField::kTown)->font()).family(), family);
        QCOMPARE(QFontInfo(harness.Window().menuBar()->font()).family(), family);
        QCOMPARE(harness.View()->font().pointSize(), 9);
    }

    void CharactersWithoutAByteInTheDataAreRefused() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.Type(InputField::kTown, QStringLiteral("Łódź"));
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("ód"));
        QVERIFY(harness.Window().Pane()->Hint().contains(QStringLiteral("Zeichen")));
        QVERIFY(harness.messages.Shown().empty());
        harness.Edit(InputField::kName)->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("Wałęsa"));
        harness.Edit(InputField::kName)->paste();
        QCOMPARE(harness.Edit(InputField::kName)->text(), QString());
        harness.ChooseInTree(ListType::kBankCodes);
        TypeInto(harness.Window().Pane()->SearchBox(), QStringLiteral("€ő"));
        QCOMPARE(harness.Window().Pane()->SearchBox()->text(), QStringLiteral("€"));
    }

    void TheNodesWithoutAListShowAPageAndNoCard() {
        WindowHarness harness;
        ListPane* pane = harness.Window().Pane();
        QVERIFY(!harness.View()->isVisible());
        QVERIFY(!harness.Window().Card()->isVisible());
        const QString page = pane->Page();
        QVERIFY(page.contains(QStringLiteral("Strg+G")));
        int entries = 0;
        for (const BookInfo& book : harness.sample.books) entries += book.entry_count;
        QVERIFY(page.contains(QLocale(QLocale::German).toString(entries) +
                              QStringLiteral(" Einträge in 3 Ortsnetzen")));
        harness.ChooseInTree(ListType::kTowns);
        QVERIFY(harness.View()->isVisible());
        QCOMPARE(pane->Page(), QString());
        QVERIFY(!harness.Window().Card()->isVisible());
        harness.Type(InputField::kTown, QStringLiteral("Berl"));
        harness.Trigger(40020);
        QVERIFY(harness.Window().Card()->isVisible());
        harness.ChooseInTree(ListType::kTown);
        QVERIFY(pane->Page().contains(QStringLiteral("<h3>Berlin</h3>")));
        QVERIFY(!harness.Window().Card()->isVisible());
        // The tree shows its captions whole.
        QTreeWidget* tree = harness.Window().Tree();
        const QFontMetrics metrics(tree->font());
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            const QRect rect = tree->visualItemRect(*it);
            const int needed =
                rect.left() + tree->iconSize().width() + metrics.horizontalAdvance((*it)->text(0));
            QVERIFY2(needed < tree->viewport()->width(), qPrintable((*it)->text(0)));
        }
    }

    void TheBannerPlaysBelowTheTreeAndRestsWhileMinimised() {
        WindowHarness harness;
        AnimatedBanner* banner = harness.Window().Banner();
        QTRY_VERIFY(banner->Player().Running());
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->size(), QSize(140, 69));
        QVERIFY(banner->geometry().top() > harness.Window().Tree()->geometry().bottom());
        harness.Window().setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(banner->isHidden());
        harness.Window().setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(banner->isVisible());
        // Too low a window leaves no room for it.
        harness.Window().resize(1100, 330);
        QTRY_VERIFY(banner->isHidden());
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
