#include "window_harness.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeView>

#include "base/setting_names.h"
#include "ui/field_edit.h"
#include "ui/input_panels.h"
#include "ui/list_controller.h"
#include "ui/list_pane.h"
#include "ui/list_searches.h"
#include "ui/list_view.h"
#include "ui/main_window.h"
#include "ui/name_panel.h"
#include "ui/navigation_tree.h"
#include "ui/ui_text.h"
#include "ui/window_commands.h"

namespace vendarion::test {

WindowHarness::WindowHarness(const Options& options) : WindowHarness(options, {}) {}

WindowHarness::WindowHarness(const Options& options,
                             const std::function<void(SampleDataSet&)>& change_data) {
    if (change_data) change_data(sample);
    if (!WriteSampleDataSet(sample, dir_.path()) ||
        data.Open(dir_.path()) != DataSetStep::kComplete) {
        qFatal("cannot open the sample data set");
    }
    if (options.stores) {
        (void)Write(settings, setting::kHardDiskAppPath, dir_.path() + "/");
        stores = OpenPersonalStores(settings);
    }
    if (options.prepare) options.prepare(settings);
    note_places = {notes_dir.path() + "/desktop", {}, "vendarion-memolet"};
    window_ = MainWindow::Create(
        {data, stores, settings, messages, audio, lines, printers, files, note_places});
    if (window_ == nullptr) qFatal("cannot create the main window");
    if (!settings.Has("Pos")) window_->resize(1100, 700);
    if (options.show) {
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("window not exposed");
        // Keys go to the focused widget of the active window.
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get())) qFatal("window not active");
    }
}

WindowHarness::~WindowHarness() {
    (void)WaitForSearches();
    window_.reset();
}

ListController& WindowHarness::Lists() { return window_->Lists(); }
QTreeView* WindowHarness::View() { return window_->Pane()->View(); }

void WindowHarness::ChooseInTree(ListType type) {
    NavigationTree* tree = window_->Tree();
    QTreeWidgetItem* node = tree->Node(type);
    if (node == nullptr) qFatal("no tree node for list type %d", static_cast<int>(type));
    tree->setCurrentItem(node);
}

void WindowHarness::Trigger(int command) { window_->Commands().Action(command)->trigger(); }

QLineEdit* WindowHarness::Edit(InputField field) { return window_->Inputs()->Edit(field); }

void WindowHarness::ChooseMode(NameMode mode) {
    QMenu* menu = window_->Inputs()->Names()->ModeMenu();
    menu->actions().at(static_cast<int>(mode) - 1)->trigger();
    // The choice arrives after the menu has closed.
    QCoreApplication::processEvents();
}

void WindowHarness::Type(InputField field, const QString& text) { TypeInto(Edit(field), text); }

void TypeInto(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            // Characters beyond ASCII have no key code of the test keyboard.
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

QString WindowHarness::Cell(int row, int column) {
    return View()->model()->index(row, column).data().toString();
}

int WindowHarness::Rows() { return View()->model()->rowCount(); }
QString WindowHarness::Title() { return window_->Pane()->Title(); }
QString WindowHarness::Status() { return window_->Pane()->Status(); }

void WindowHarness::Select(std::initializer_list<int> rows) {
    QItemSelectionModel* selection = View()->selectionModel();
    selection->clearSelection();
    bool first = true;
    for (const int row : rows) {
        const QModelIndex index = View()->model()->index(row, 0);
        if (first) selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        first = false;
    }
}

bool WindowHarness::WaitForSearches() {
    return QTest::qWaitFor([this] { return !Lists().Searches().SearchRunning(); }, 20000);
}

QString Shown(std::string_view cp1252) { return ToQString(cp1252); }

}  // namespace vendarion::test
