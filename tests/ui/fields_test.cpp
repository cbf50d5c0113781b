// The input fields above the list: completion, the keys of a field, the lists that
// entering a field or Enter leads to, the name mode menu, the fields menu, clearing
// the fields, and their layout; all through real key and mouse events.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "base/setting_names.h"
#include "gui_test_classes.h"
#include "ui/field_edit.h"
#include "ui/input_panels.h"
#include "ui/list_controller.h"
#include "ui/list_pane.h"
#include "ui/list_searches.h"
#include "ui/main_window.h"
#include "ui/name_mode_box.h"
#include "ui/name_panel.h"
#include "ui/navigation_tree.h"
#include "ui/window_commands.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

// Clicks into a field as the user does: the field gains the focus, and what
// entering it does has happened when this returns.
void ClickInto(QLineEdit* edit) {
    QTest::mouseClick(edit, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// A key to whatever has the focus, as the keyboard sends it.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // The window takes the focus when it has been activated.
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused, key, modifiers);
    QCoreApplication::processEvents();
}

void TypeToFocus(const QString& text) {
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QWidget* focused = QApplication::focusWidget();
    TypeInto(focused, text);
    QCoreApplication::processEvents();
}

void OpenBerlin(WindowHarness& harness) {
    harness.ChooseInTree(ListType::kTowns);
    harness.Type(InputField::kTown, QStringLiteral("Berl"));
    harness.Trigger(40020);
    QCOMPARE(harness.Lists().Type(), ListType::kNames);
}

class FieldsTest : public QObject {
    Q_OBJECT

private slots:
    void TypingCompletesFromTheList() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        QLineEdit* town = harness.Edit(InputField::kTown);
        harness.Type(InputField::kTown, QStringLiteral("ber"));
        QCOMPARE(town->text(), QStringLiteral("Berlin"));
        QCOMPARE(town->selectedText(), QStringLiteral("lin"));
        const int berlin = harness.Lists().FocusedRow();
        QCOMPARE(harness.Cell(berlin, 0), QStringLiteral("Berlin"));
        // Backspace takes the completed part and the last typed letter, and the
        // lookup completes again.
        QTest::keyClick(town, Qt::Key_Backspace);
        QCOMPARE(town->text().left(2), QStringLiteral("Be"));
        QCOMPARE(town->selectionStart(), 2);
        QVERIFY(harness.Cell(harness.Lists().FocusedRow(), 0).startsWith(town->text()));
        // A text that starts no row stays as typed, the row before it selected.
        town->clear();
        harness.Type(InputField::kTown, QStringLiteral("Berlin"));
        QCOMPARE(town->text(), QStringLiteral("Berlin"));
        QVERIFY(!town->hasSelectedText());
        harness.Type(InputField::kTown, QStringLiteral("x"));
        QCOMPARE(town->text(), QStringLiteral("Berlinx"));
        QCOMPARE(harness.Lists().FocusedRow(), berlin);
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
    }

    void CodeFieldsTakeNumberPadDigitsAndNoLetters() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kAreaCodes);
        QLineEdit* area = harness.Edit(InputField::kAreaCode);
        QTest::keyClick(area, Qt::Key_0, Qt::KeypadModifier);
        QTest::keyClick(area, Qt::Key_A);
        QTest::keyClick(area, Qt::Key_2, Qt::KeypadModifier);
        QVERIFY(area->text().startsWith(QStringLiteral("02")));
        QCOMPARE(area->cursorPosition() - static_cast<int>(area->selectedText().size()), 2);
    }

    void ControlKeysInAFieldAreCommands() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        QLineEdit* town = harness.Edit(InputField::kTown);
        town->setFocus();
        harness.Type(InputField::kTown, QStringLiteral("Berlin"));
        QTest::keyClick(town, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(town->cursorPosition(), 0);
        QTest::keyClick(town, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(town->cursorPosition(), 6);
        // Copy belongs to no command here: it does nothing (Ctrl+A opens the search
        // assistant, which its own test drives).
        QApplication::clipboard()->setText(QStringLiteral("Xanten"));
        QTest::keyClick(town, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!town->hasSelectedText());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Xanten"));
        // Ctrl+V opens the area codes instead of pasting.
        QTest::keyClick(town, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(harness.Lists().Type(), ListType::kAreaCodes);
        QVERIFY(!town->text().contains(QStringLiteral("Xanten")));
    }

    void TabGoesRoundTheUsableFieldsAndEscLeavesThem() {
        // Straße hidden: Tab skips it, and it skips the disabled fields.
        WindowHarness harness({.stores = false, .show = true, .prepare = [](Settings& settings) {
                                   (void)Write(settings, setting::kInputFlags, 63 & ~8);
                               }});
        harness.ChooseInTree(ListType::kTowns);
        harness.Type(InputField::kTown, QStringLiteral("Berl"));
        harness.Trigger(40020);
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        // Names of a town: Name with Vorname and Branche are usable and shown.
        const auto focused = [&harness](InputField field) {
            return harness.Edit(field)->hasFocus();
        };
        harness.Edit(InputField::kName)->setFocus();
        QTest::keyClick(harness.Edit(InputField::kName), Qt::Key_Tab);
        QVERIFY(focused(InputField::kFirstName));
        QTest::keyClick(harness.Edit(InputField::kFirstName), Qt::Key_Tab);
        QVERIFY(focused(InputField::kHeading));
        QTest::keyClick(harness.Edit(InputField::kHeading), Qt::Key_Tab);
        QVERIFY(focused(InputField::kName));
        // Backwards the Name field is entered at Vorname.
        QTest::keyClick(harness.Edit(InputField::kName), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(focused(InputField::kHeading));
        QTest::keyClick(harness.Edit(InputField::kHeading), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(focused(InputField::kFirstName));
        QTest::keyClick(harness.Edit(InputField::kFirstName), Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(focused(InputField::kName));
        harness.Edit(InputField::kFirstName)->setFocus();
        // Esc leaves the field for the list of names; elsewhere for the tree.
        QTest::keyClick(harness.Edit(InputField::kFirstName), Qt::Key_Escape);
        QVERIFY(harness.View()->hasFocus());
        harness.ChooseInTree(ListType::kTowns);
        harness.Edit(InputField::kTown)->setFocus();
        QTest::keyClick(harness.Edit(InputField::kTown), Qt::Key_Escape);
        QVERIFY(harness.Window().Tree()->hasFocus());
    }

    void TheNavigationKeysOfAFieldMoveTheList() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        harness.Type(InputField::kTown, QStringLiteral("Berl"));
        QLineEdit* town = harness.Edit(InputField::kTown);
        town->setFocus();
        const int berlin = harness.Lists().FocusedRow();
        QTest::keyClick(town, Qt::Key_Down);
        QCOMPARE(harness.Lists().FocusedRow(), berlin + 1);
        QCOMPARE(town->text(), harness.Cell(berlin + 1, 0));
        QCOMPARE(harness.Lists().SelectedRows(), std::vector<int>{berlin + 1});
        QTest::keyClick(town, Qt::Key_Up);
        QCOMPARE(town->text(), QStringLiteral("Berlin"));
        QTest::keyClick(town, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(harness.Lists().FocusedRow(), harness.Rows() - 1);
        QTest::keyClick(town, Qt::Key_PageUp);
        QVERIFY(harness.Lists().FocusedRow() < harness.Rows() - 1);
        QTest::keyClick(town, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(harness.Lists().FocusedRow(), 0);
        QCOMPARE(town->text(), harness.Cell(0, 0));
        QVERIFY(town->hasFocus());
        // Home alone still moves the caret.
        QTest::keyClick(town, Qt::Key_Home);
        QCOMPARE(town->cursorPosition(), 0);
        QCOMPARE(harness.Lists().FocusedRow(), 0);

        // In the whole book of a town the street field does not move the list.
        harness.Trigger(40020);
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        const int first = harness.Lists().FocusedRow();
        QTest::keyClick(harness.Edit(InputField::kStreet), Qt::Key_Down);
        QCOMPARE(harness.Lists().FocusedRow(), first);
        QTest::keyClick(harness.Edit(InputField::kName), Qt::Key_Down);
        QCOMPARE(harness.Lists().FocusedRow(), first + 1);
    }

    void EnteringAFieldOfTheInternetSearchShowsItsList() {
        WindowHarness harness;
        harness.Trigger(40034);
        QCOMPARE(harness.Lists().Type(), ListType::kInternet);
        QVERIFY(harness.Window().Tree()->hasFocus());
        const std::pair<InputField, ListType> steps[] = {
            {InputField::kTown, ListType::kInternetTowns},
            {InputField::kFirstName, ListType::kInternet},
            {InputField::kStreet, ListType::kInternet},
            {InputField::kName, ListType::kInternetSurnames},
            {InputField::kPostalCode, ListType::kInternetPostalCodes},
            {InputField::kAreaCode, ListType::kInternetAreaCodes},
            {InputField::kHeading, ListType::kInternet},
        };
        for (const auto& [field, list] : steps) {
            ClickInto(harness.Edit(field));
            QCOMPARE(harness.Lists().Type(), list);
            QVERIFY(harness.Edit(field)->hasFocus());
        }
        // What was typed stays through the switches of the Internet search.
        ClickInto(harness.Edit(InputField::kTown));
        harness.Type(InputField::kTown, QStringLiteral("ber"));
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("Berlin"));
        Press(Qt::Key_Tab);
        QCOMPARE(harness.Lists().Type(), ListType::kInternetSurnames);
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("Berlin"));
        // Enter in Straße leaves the fields for the tree; Enter in Ort opens its list.
        ClickInto(harness.Edit(InputField::kStreet));
        Press(Qt::Key_Return);
        QVERIFY(harness.Window().Tree()->hasFocus());
        QCOMPARE(harness.Lists().Type(), ListType::kInternet);
        harness.Edit(InputField::kTown)->setFocus(Qt::ActiveWindowFocusReason);
        Press(Qt::Key_Return);
        QCOMPARE(harness.Lists().Type(), ListType::kInternetTowns);
    }

    void DeleteCutsTheCompletionAwayInTheInternetLists() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kInternetTowns);
        QLineEdit* town = harness.Edit(InputField::kTown);
        ClickInto(town);
        harness.Type(InputField::kTown, QStringLiteral("ber"));
        const int berlin = harness.Lists().FocusedRow();
        QApplication::clipboard()->setText(QStringLiteral("alt"));
        Press(Qt::Key_Delete);
        QCOMPARE(town->text(), QStringLiteral("Ber"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("lin"));
        // The shorter text is not looked up: the list stays, nothing is completed.
        QCOMPARE(harness.Lists().FocusedRow(), berlin);
        QVERIFY(!town->hasSelectedText());
        // Elsewhere Delete only deletes, and the lookup completes again.
        harness.Trigger(40021);
        harness.Trigger(40038);
        harness.ChooseInTree(ListType::kTowns);
        ClickInto(town);
        town->clear();
        harness.Type(InputField::kTown, QStringLiteral("ber"));
        QApplication::clipboard()->setText(QStringLiteral("alt"));
        Press(Qt::Key_Delete);
        QCOMPARE(town->text(), QStringLiteral("Berlin"));
        QCOMPARE(town->selectedText(), QStringLiteral("lin"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("alt"));
    }

    void EnteringTheNameInTheTownListOpensTheTypedTown() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        // Without a town the name is one of the whole country.
        ClickInto(harness.Edit(InputField::kName));
        QCOMPARE(harness.Lists().Type(), ListType::kSurnames);
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());

        harness.Trigger(40021);
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
        QVERIFY(harness.Edit(InputField::kTown)->hasFocus());
        TypeToFocus(QStringLiteral("Berl"));
        Press(Qt::Key_Tab);
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Berlin"));
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());

        // A town that is not there is reported, and the focus goes back to it.
        harness.Trigger(40021);
        harness.Edit(InputField::kTown)->clear();
        TypeToFocus(QStringLiteral("Xanten"));
        Press(Qt::Key_Tab);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1301});
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
        QVERIFY(harness.Edit(InputField::kTown)->hasFocus());
    }

    void EnteringTheFieldsOfATownSwitchesBetweenItsLists() {
        WindowHarness harness;
        OpenBerlin(harness);
        // The whole book: entering Straße keeps the names; Enter opens the streets.
        ClickInto(harness.Edit(InputField::kStreet));
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        Press(Qt::Key_Return);
        QCOMPARE(harness.Lists().Type(), ListType::kStreets);
        ClickInto(harness.Edit(InputField::kHeading));
        QCOMPARE(harness.Lists().Type(), ListType::kHeadings);
        ClickInto(harness.Edit(InputField::kStreet));
        QCOMPARE(harness.Lists().Type(), ListType::kStreets);
        ClickInto(harness.Edit(InputField::kFirstName));
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        // Enter in the streets goes back to the names, in the street field.
        harness.Trigger(40030);
        harness.Type(InputField::kStreet, QStringLiteral("Kirch"));
        Press(Qt::Key_Return);
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QVERIFY(harness.Edit(InputField::kStreet)->hasFocus());
        QVERIFY(harness.WaitForSearches());
    }

    void ACompletionIsSelectedAgainOnceWhenTheFieldIsEnteredAgain() {
        WindowHarness harness;
        harness.Trigger(40024);
        QLineEdit* name = harness.Edit(InputField::kName);
        QVERIFY(name->hasFocus());
        harness.Type(InputField::kName, QStringLiteral("bau"));
        QCOMPARE(name->text(), QStringLiteral("Bauel"));
        harness.Window().Tree()->setFocus();
        Press(Qt::Key_Tab);
        harness.Window().Inputs()->FocusField(InputField::kName);
        QCoreApplication::processEvents();
        QCOMPARE(name->selectedText(), QStringLiteral("el"));
        harness.Window().Tree()->setFocus();
        harness.Window().Inputs()->FocusField(InputField::kName);
        QVERIFY(!name->hasSelectedText());
        QCOMPARE(name->cursorPosition(), 5);
    }

    void TheModeMenuChoosesTheNameMode() {
        WindowHarness harness;
        OpenBerlin(harness);
        NamePanel* panel = harness.Window().Inputs()->Names();
        QMenu* menu = panel->ModeMenu();
        // Without a surname there is no mode to choose.
        QVERIFY(!panel->ModeButton()->isEnabled());
        Press(Qt::Key_U, Qt::ControlModifier);
        QVERIFY(!menu->isVisible());
        TypeToFocus(QStringLiteral("Maier"));
        QVERIFY(panel->ModeButton()->isEnabled());
        QCOMPARE(panel->ModeBox()->Caption(), QStringLiteral("Normal"));
        QSignalSpy chosen(harness.Window().Inputs(), &InputFields::ModeChosen);
        // The same mode again changes nothing.
        panel->ModeButton()->click();
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->activeAction(), menu->actions().at(0));
        QTest::keyClick(menu, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(chosen.count(), 0);
        // The offscreen platform leaves the closed menu the active window.
        harness.Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&harness.Window()));
        // Ctrl+U opens it from the field; two down is "Phonetisch".
        Press(Qt::Key_U, Qt::ControlModifier);
        QVERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(!menu->isVisible());
        QTRY_COMPARE(chosen.count(), 1);
        QCOMPARE(panel->ModeBox()->Caption(), QStringLiteral("Phonetisch"));
        QCOMPARE(harness.Window().Inputs()->Mode(), NameMode::kPhonetic);
        QVERIFY(harness.WaitForSearches());
        QVERIFY(!harness.Lists().ShowsWholeBook());
        QCOMPARE(harness.Cell(0, 0), QStringLiteral("Mayer"));
        // In the names of the country the mode is not chosen.
        harness.Trigger(40024);
        TypeToFocus(QStringLiteral("Bau"));
        QVERIFY(!panel->ModeButton()->isEnabled());
        QVERIFY(!panel->ModeBox()->isEnabled());
    }

    void TheFieldsMenuShowsAndHidesFields() {
        WindowHarness harness;
        QMenu* fields = harness.Window().Commands().FieldsMenu();
        QCOMPARE(fields->actions().size(), 6);
        for (QAction* action : fields->actions()) QVERIFY(action->isChecked());
        harness.Trigger(40009);
        QWidget* street = harness.Window().Inputs()->Panel(InputField::kStreet);
        QVERIFY(street->isHidden());
        QVERIFY(!harness.Window().Commands().Action(40009)->isChecked());
        // The fields close up: Vorwahl takes the place of Straße.
        QCOMPARE(harness.Window().Inputs()->Panel(InputField::kAreaCode)->y(),
                 harness.Window().Inputs()->Panel(InputField::kPostalCode)->y());
        harness.Trigger(40009);
        QVERIFY(!street->isHidden());
        // A right click on a panel, or on the window above the tree, opens the menu.
        QWidget* town = harness.Window().Inputs()->Panel(InputField::kTown);
        QContextMenuEvent on_panel(QContextMenuEvent::Mouse, QPoint(2, 2),
                                   town->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(town, &on_panel);
        QTRY_VERIFY(fields->isVisible());
        QCOMPARE(fields->pos(), town->mapToGlobal(QPoint(2, 2)) - QPoint(8, 8));
        fields->close();
        // Inside an edit too: the fields menu, not the edit's own.
        QLineEdit* edit = harness.Edit(InputField::kName);
        QContextMenuEvent in_edit(QContextMenuEvent::Mouse, QPoint(4, 4),
                                  edit->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(edit, &in_edit);
        QTRY_VERIFY(fields->isVisible());
        fields->close();
        QWidget* central = harness.Window().centralWidget();
        const QPoint above_tree(central->width() - 4, 4);
        QContextMenuEvent on_window(QContextMenuEvent::Mouse, above_tree,
                                    central->mapToGlobal(above_tree));
        QApplication::sendEvent(central, &on_window);
        QTRY_VERIFY(fields->isVisible());
        fields->close();
        const QPoint below(4, harness.Window().Tree()->geometry().bottom() - 4);
        QContextMenuEvent on_tree(QContextMenuEvent::Mouse, below, central->mapToGlobal(below));
        QApplication::sendEvent(central, &on_tree);
        QVERIFY(!fields->isVisible());
    }

    void ClearingTheFieldsEmptiesThoseOfTheList() {
        WindowHarness harness;
        OpenBerlin(harness);
        const int book = harness.Rows();
        // With nothing typed nothing happens.
        harness.Trigger(40044);
        QVERIFY(!harness.Lists().Searches().SearchRunning());
        QCOMPARE(harness.Rows(), book);
        harness.Type(InputField::kStreet, QStringLiteral("Kirchweg"));
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.Rows() < book);
        // Ctrl+L in a field is the command.
        Press(Qt::Key_L, Qt::ControlModifier);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Edit(InputField::kStreet)->text(), QString());
        QCOMPARE(harness.Rows(), book);
        QCOMPARE(harness.Lists().FocusedRow(), 0);
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());

        // The towns of a surname: the filter goes with the name.
        harness.Trigger(40024);
        harness.Type(InputField::kName, QStringLiteral("Meier"));
        Press(Qt::Key_Return);
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
        QVERIFY(harness.Rows() < 9);
        harness.Trigger(40044);
        QCOMPARE(harness.Rows(), 9);
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QString());
        QCOMPARE(harness.Lists().SelectedRows(), std::vector<int>{0});
        QVERIFY(harness.Edit(InputField::kTown)->hasFocus());

        harness.Trigger(40023);
        harness.Type(InputField::kAreaCode, QStringLiteral("03"));
        QVERIFY(harness.Lists().FocusedRow() > 0);
        harness.Trigger(40044);
        QCOMPARE(harness.Edit(InputField::kAreaCode)->text(), QString());
        QCOMPARE(harness.Lists().FocusedRow(), 0);

        harness.Trigger(40035);
        const int countries = harness.Rows();
        TypeInto(harness.Window().Pane()->SearchBox(), QStringLiteral("Sch"));
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.Rows() < countries);
        harness.Trigger(40044);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Window().Pane()->SearchBox()->text(), QString());
        QCOMPARE(harness.Rows(), countries);

        harness.Trigger(40028);
        QVERIFY(!harness.Window().Commands().Action(40044)->isEnabled());
    }

    void AListWithoutAFieldEmptiesItOnScreenAndItsListKeepsIt() {
        WindowHarness harness;
        OpenBerlin(harness);
        harness.Type(InputField::kName, QStringLiteral("Mei"));
        harness.Type(InputField::kStreet, QStringLiteral("Kirch"));
        QVERIFY(harness.WaitForSearches());
        Press(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(harness.Lists().Type(), ListType::kPostalCodes);
        QVERIFY(harness.Edit(InputField::kPostalCode)->hasFocus());
        for (const InputField field : {InputField::kName, InputField::kFirstName,
                                       InputField::kStreet, InputField::kHeading}) {
            QCOMPARE(harness.Edit(field)->text(), QString());
            QVERIFY(!harness.Edit(field)->isEnabled());
        }
        Press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(harness.Lists().Type(), ListType::kNames);
        QCOMPARE(harness.Edit(InputField::kName)->text(), QStringLiteral("Mei"));
        QCOMPARE(harness.Edit(InputField::kStreet)->text(), QStringLiteral("Kirch"));
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());
        QVERIFY(harness.WaitForSearches());
    }

    void TheFieldsStandTwoToARowOnlyWhereTheyFit() {
        WindowHarness harness;
        harness.Window().resize(1280, 760);
        InputPanels* inputs = harness.Window().Inputs();
        QTRY_COMPARE(inputs->Columns(), 2);
        QCOMPARE(inputs->Panel(InputField::kName)->y(), inputs->Panel(InputField::kTown)->y());
        harness.ChooseInTree(ListType::kTowns);
        harness.Edit(InputField::kTown)->setFocus();
        harness.Window().resize(600, 700);
        QTRY_COMPARE(inputs->Columns(), 1);
        QVERIFY(inputs->Panel(InputField::kName)->y() > inputs->Panel(InputField::kTown)->y());
        // Every panel fits the narrow window, and the field kept its focus.
        for (const InputField field :
             {InputField::kTown, InputField::kName, InputField::kHeading}) {
            QVERIFY(inputs->Panel(field)->geometry().right() < inputs->width());
        }
        QVERIFY(harness.Edit(InputField::kTown)->hasFocus());
        QVERIFY(harness.View()->geometry().top() > 0);
    }

    void TheKeyboardAloneFindsANameThatSoundsAlikeAndGoesBack() {
        WindowHarness harness;
        harness.Window().Tree()->setFocus();
        Press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
        TypeToFocus(QStringLiteral("köl"));
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("Köln"));
        Press(Qt::Key_Return);
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Köln"));
        QVERIFY(harness.Edit(InputField::kName)->hasFocus());
        TypeToFocus(QStringLiteral("Maier"));
        Press(Qt::Key_U, Qt::ControlModifier);
        QMenu* menu = harness.Window().Inputs()->Names()->ModeMenu();
        QVERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(harness.Lists().Searches().SearchRunning() ||
                    !harness.Lists().ShowsWholeBook());
        QVERIFY(harness.WaitForSearches());
        QVERIFY(harness.Rows() > 0);
        for (int row = 0; row < harness.Rows(); ++row) {
            if (!harness.Lists().RowText(row, 10).empty()) continue;
            const QString surname = harness.Cell(row, 0);
            QVERIFY2(surname == QStringLiteral("Mayer") || surname == QStringLiteral("Meier") ||
                         surname == QStringLiteral("Mohrer"),
                     qPrintable(surname));
        }
        // Down in the name field walks the result; Esc gives the list the focus.
        Press(Qt::Key_Down);
        QCOMPARE(harness.Lists().FocusedRow(), 1);
        Press(Qt::Key_Escape);
        QVERIFY(harness.View()->hasFocus());
        // Back to the towns, in the town field with the town typed.
        Press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(harness.Lists().Type(), ListType::kTowns);
        QVERIFY(harness.Edit(InputField::kTown)->hasFocus());
        QCOMPARE(harness.Edit(InputField::kTown)->text(), QStringLiteral("Köln"));
        QCOMPARE(harness.Cell(harness.Lists().FocusedRow(), 0), QStringLiteral("Köln"));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeFieldsTest() { return std::make_unique<FieldsTest>(); }

}  // namespace vendarion::test

#include "fields_test.moc"
