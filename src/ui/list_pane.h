// The right-hand side of the main window: the list's title, the status line with
// the count text (and, in the bank and foreign code lists, the search box beside
// it), and the list view itself.
#pragma once

#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QTreeView;

namespace vendarion {

class ListPane final : public QWidget {
    Q_OBJECT

public:
    explicit ListPane(QWidget* parent = nullptr);

    QTreeView* View() const { return view_; }
    QLineEdit* SearchBox() const { return search_box_; }
    QString Title() const;
    QString Status() const;

    void SetTitle(const QString& title);
    // Repaints only when the text changed.
    void SetStatus(const QString& text);
    // Shows the search box with the hint below it (string id), or hides it.
    void ShowSearchBox(bool shown, int hint_id = 0);
    // Hides the list (and the status line) for the lists without rows.
    void SetListVisible(bool visible);
    // The detailed view paints the status strip in the window colour, the compact
    // view in light grey.
    void SetDetailed(bool detailed);

    // The widths of the view's columns.
    void SetColumnWidths(const std::vector<int>& widths);
    std::vector<int> ColumnWidths() const;

signals:
    // The user changed the text of the search box.
    void SearchTextEdited();

private:
    QLabel* title_;
    QWidget* strip_;
    QLabel* status_;
    QWidget* search_area_;
    QLineEdit* search_box_;
    QLabel* search_hint_;
    QTreeView* view_;
};

}  // namespace vendarion
