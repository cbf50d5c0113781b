// The right-hand side of the main window: the list's title, the status line with
// the count text (and, in the bank and foreign code lists, the search box beside
// it), the notice bar, and the list view itself; in place of the list, for the
// nodes without rows, a short page of text.
#pragma once

#include <QTimer>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;

namespace vendarion {

class ListView;
class NoticeBar;

class ListPane final : public QWidget {
    Q_OBJECT

public:
    explicit ListPane(QWidget* parent = nullptr);

    ListView* View() const { return view_; }
    QLineEdit* SearchBox() const { return search_box_; }
    NoticeBar* Notices() const { return notices_; }
    QString Title() const;
    QString Status() const;
    // The page shown instead of the list (rich text), empty for none.
    QString Page() const;

    void SetTitle(const QString& title);
    // Repaints only when the text changed.
    void SetStatus(const QString& text);
    // A short hint beside the count text, gone after the given time.
    void ShowHint(const QString& text, int milliseconds);
    QString Hint() const;
    // Shows the search box with the hint below it (string id), or hides it.
    void ShowSearchBox(bool shown, int hint_id = 0);
    // Hides the list (and the status line) for the lists without rows; the page
    // (rich text, may be empty) takes its place.
    void SetListVisible(bool visible, const QString& page = {});
    // The detailed view paints the status strip in the window colour, the compact
    // view in light grey.
    void SetDetailed(bool detailed);

    // The widths of the view's columns. The last column stretches over the room
    // that is left; ColumnWidths gives it the width it was set to, not the
    // stretched one, so that a width saved in a wide window does not carry over.
    void SetColumnWidths(const std::vector<int>& widths);
    std::vector<int> ColumnWidths() const;

signals:
    // The user changed the text of the search box.
    void SearchTextEdited();

private:
    QLabel* title_;
    QWidget* strip_;
    QLabel* status_;
    QLabel* hint_;
    QTimer hint_expiry_;
    QWidget* search_area_;
    QLineEdit* search_box_;
    QLabel* search_hint_;
    NoticeBar* notices_;
    ListView* view_;
    QLabel* page_;
    int last_width_ = 0;
};

}  // namespace vendarion
