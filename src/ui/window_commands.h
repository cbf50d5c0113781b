// The main window's menu bar, toolbar and the lists' context menus, built from the
// command table; every command reports its id through Triggered. Refresh sets
// the enabled states, the marks and the texts that change with the list.
#pragma once

#include <QObject>
#include <QString>
#include <map>

#include "ui/command_rules.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

namespace vendarion {

class WindowCommands final : public QObject {
    Q_OBJECT

public:
    // Builds the menus into window; the toolbar ends with the activity display.
    WindowCommands(QMainWindow* window, QWidget* activity);

    QAction* Action(int command) const;
    QToolBar* ToolBar() const { return toolbar_; }
    QMenu* CurrentTownMenu() const { return town_menu_; }
    // "Ansicht" / "Eingabefelder", also the pop-up menu over the input fields.
    QMenu* FieldsMenu() const { return fields_menu_; }

    // The context menu of the list of context.type, made anew with the enabled states
    // of the context; null for a list without one. It deletes itself when closed.
    QMenu* ContextMenu(const CommandContext& context, QWidget* parent);
    // town_caption: the current town's name, or the caption of a combination.
    void Refresh(const CommandContext& context, const QString& town_caption);

signals:
    void Triggered(int command);

private:
    // text_id names the menu text when it is not the command's own id.
    QAction* Add(QMenu* menu, int command, bool checkable = false, int text_id = 0);
    void BuildMenus(QMainWindow* window);
    void BuildToolBar(QMainWindow* window, QWidget* activity);

    std::map<int, QAction*> actions_;
    QMenu* town_menu_ = nullptr;
    QMenu* fields_menu_ = nullptr;
    QToolBar* toolbar_ = nullptr;
};

}  // namespace vendarion
