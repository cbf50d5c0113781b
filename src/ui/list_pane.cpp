#include "ui/list_pane.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/list_view.h"
#include "ui/notice_bar.h"
#include "ui/program_font.h"
#include "ui/sub_entry_delegate.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kSearchLabel = 1604;
constexpr int kSearchAreaWidth = 200;

}  // namespace

ListPane::ListPane(QWidget* parent)
    : QWidget(parent),
      title_(new QLabel(this)),
      strip_(new QWidget(this)),
      status_(new QLabel(strip_)),
      hint_(new QLabel(strip_)),
      search_area_(new QWidget(strip_)),
      search_box_(new QLineEdit(search_area_)),
      search_hint_(new QLabel(search_area_)),
      notices_(new NoticeBar(this)),
      view_(new ListView(this)),
      page_(new QLabel(this)) {
    title_->setFont(ProgramFont(13, true));
    status_->setFont(ProgramFont(11));
    status_->setMinimumWidth(1);
    search_hint_->setFont(ProgramFont(9));
    search_hint_->setAlignment(Qt::AlignRight);
    strip_->setAutoFillBackground(true);

    auto* search_layout = new QGridLayout(search_area_);
    search_layout->setContentsMargins(0, 0, 0, 0);
    search_layout->setVerticalSpacing(0);
    auto* search_label = new QLabel(UiString(kSearchLabel), search_area_);
    search_label->setBuddy(search_box_);
    search_layout->addWidget(search_label, 0, 0);
    search_layout->addWidget(search_box_, 0, 1);
    search_layout->addWidget(search_hint_, 1, 0, 1, 2);
    search_area_->setFixedWidth(kSearchAreaWidth);
    search_area_->hide();
    connect(search_box_, &QLineEdit::textEdited, this, &ListPane::SearchTextEdited);

    auto* strip_layout = new QHBoxLayout(strip_);
    strip_layout->setContentsMargins(4, 2, 4, 2);
    strip_layout->addWidget(status_, 1, Qt::AlignTop);
    hint_->setFont(ProgramFont(9));
    hint_->setForegroundRole(QPalette::PlaceholderText);
    hint_->hide();
    strip_layout->addWidget(hint_, 0, Qt::AlignTop);
    hint_expiry_.setSingleShot(true);
    connect(&hint_expiry_, &QTimer::timeout, hint_, &QLabel::hide);
    strip_layout->addWidget(search_area_);

    // The last column takes the room that is left, so the list fills the pane.
    view_->setFont(ProgramFont(9));
    view_->setItemDelegate(new SubEntryDelegate(view_));
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setItemsExpandable(false);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->header()->setStretchLastSection(true);
    view_->header()->setMinimumSectionSize(0);
    view_->header()->setSectionsMovable(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(title_);
    layout->addWidget(strip_);
    layout->addWidget(notices_);
    layout->addWidget(view_, 1);
    page_->setTextFormat(Qt::RichText);
    page_->setWordWrap(true);
    page_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    page_->setContentsMargins(4, 8, 4, 4);
    page_->hide();
    layout->addWidget(page_, 1);
    // Without the list and its page the title stays on top.
    layout->addStretch(0);
}

QString ListPane::Title() const { return title_->text(); }
QString ListPane::Status() const { return status_->text(); }
QString ListPane::Page() const { return page_->isHidden() ? QString() : page_->text(); }

void ListPane::SetTitle(const QString& title) { title_->setText(title); }

void ListPane::SetStatus(const QString& text) {
    if (status_->text() != text) status_->setText(text);
}

void ListPane::ShowHint(const QString& text, int milliseconds) {
    hint_->setText(text);
    hint_->show();
    hint_expiry_.start(milliseconds);
}

QString ListPane::Hint() const { return hint_->isHidden() ? QString() : hint_->text(); }

void ListPane::ShowSearchBox(bool shown, int hint_id) {
    search_hint_->setText(hint_id != 0 ? UiString(hint_id) : QString());
    search_area_->setVisible(shown);
}

void ListPane::SetListVisible(bool visible, const QString& page) {
    view_->setVisible(visible);
    page_->setText(visible ? QString() : page);
    page_->setVisible(!visible && !page.isEmpty());
    strip_->setVisible(visible || !status_->text().isEmpty());
}

void ListPane::SetDetailed(bool detailed) {
    strip_->setBackgroundRole(detailed ? QPalette::Window : QPalette::Midlight);
}

void ListPane::SetColumnWidths(const std::vector<int>& widths) {
    for (std::size_t i = 0; i < widths.size(); ++i) {
        view_->header()->resizeSection(static_cast<int>(i), widths[i]);
    }
    last_width_ = widths.empty() ? 0 : widths.back();
}

std::vector<int> ListPane::ColumnWidths() const {
    std::vector<int> widths;
    const QHeaderView* header = view_->header();
    for (int i = 0; i < header->count(); ++i) widths.push_back(header->sectionSize(i));
    if (!widths.empty()) widths.back() = last_width_;
    return widths;
}

}  // namespace vendarion
