#include "ui/tips_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "base/messages.h"
#include "base/setting_names.h"
#include "resources/string_table.h"
#include "ui/program_font.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kTitle = 1794;
constexpr int kHeading = 1610;
constexpr int kPrevious = 1064;
constexpr int kNext = 1065;
constexpr int kClose = 1795;
constexpr int kDoNotShow = 1096;
constexpr int kNoTips = 1326;
constexpr int kPictureSize = 32;

// The sunken page with the picture, the heading and the tip.
class TipPage final : public QFrame {
public:
    TipPage(const TipsDialog& dialog, QWidget* parent) : QFrame(parent), dialog_(dialog) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        setMinimumSize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 9);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const QRect inside = rect().adjusted(2, 2, -2, -2);
        painter.fillRect(inside, palette().color(QPalette::Window));
        const QIcon picture = style()->standardIcon(QStyle::SP_MessageBoxInformation);
        painter.drawPixmap(inside.topLeft() + QPoint(10, 10),
                           picture.pixmap(kPictureSize, kPictureSize));
        QFont heading(QStringLiteral("Times New Roman"));
        heading.setPixelSize(16);
        heading.setBold(true);
        painter.setFont(heading);
        painter.setPen(QColor(0, 0, 127));
        const QPoint heading_at = inside.topLeft() + QPoint(60, 15);
        painter.drawText(QRect(heading_at, QSize(inside.width() - 80, 40)),
                         Qt::AlignLeft | Qt::AlignTop, UiString(kHeading));
        const int below = heading_at.y() + QFontMetrics(heading).height() + 5;
        const QRect text_area(heading_at.x(), below, inside.right() - 20 - heading_at.x(),
                              inside.bottom() - 5 - below);
        painter.fillRect(text_area, Qt::white);
        QFont text = ProgramFont(8);
        text.setPixelSize(11);
        painter.setFont(text);
        painter.setPen(Qt::black);
        painter.drawText(text_area.adjusted(4, 4, -4, -4),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, dialog_.Text());
    }

private:
    const TipsDialog& dialog_;
};

}  // namespace

std::unique_ptr<TipsDialog> TipsDialog::Open(std::string_view member, Settings& settings,
                                             Messages& messages, bool at_startup, QWidget* parent) {
    if (member.empty()) return nullptr;
    TipList tips(member);
    if (tips.Count() <= 0) {
        (void)Write(settings, setting::kTipsOnStartup, 0);
        messages.Show({kNoTips, std::string(LoadString(kNoTips)), MessageIcon::kInformation,
                       MessageButtons::kOk, MessageAnswer::kOk});
        return nullptr;
    }
    if (!tips.HasTipLines()) return nullptr;
    return std::unique_ptr<TipsDialog>(
        new TipsDialog(std::move(tips), settings, at_startup, parent));
}

TipsDialog::TipsDialog(TipList tips, Settings& settings, bool at_startup, QWidget* parent)
    : QDialog(parent), tips_(std::move(tips)), settings_(settings), at_startup_(at_startup) {
    setWindowTitle(UiString(kTitle));
    const int stored = Read(settings_, setting::kTATIndex);
    index_ = stored >= 0 && stored < tips_.Count() ? stored : 0;
    page_ = new TipPage(*this, this);
    do_not_show_ = new QCheckBox(UiString(kDoNotShow), this);
    do_not_show_->setVisible(at_startup_);
    auto* previous = new QPushButton(UiString(kPrevious), this);
    auto* next = new QPushButton(UiString(kNext), this);
    auto* close = new QPushButton(UiString(kClose), this);
    // Enter closes nothing: the dialog closes with its button or Esc.
    for (QPushButton* button : {previous, next, close}) button->setAutoDefault(false);
    connect(previous, &QPushButton::clicked, this, &TipsDialog::Previous);
    connect(next, &QPushButton::clicked, this, &TipsDialog::Next);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(do_not_show_);
    buttons->addStretch(1);
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page_, 1);
    layout->addLayout(buttons);
}

QString TipsDialog::Text() const { return ToQString(tips_.Tip(index_).value_or(std::string())); }

void TipsDialog::Next() {
    index_ = index_ + 1 >= tips_.Count() ? 0 : index_ + 1;
    page_->update();
}

void TipsDialog::Previous() {
    index_ = index_ == 0 ? tips_.Count() - 1 : index_ - 1;
    page_->update();
}

void TipsDialog::done(int result) {
    if (at_startup_) {
        if (do_not_show_->isChecked()) (void)Write(settings_, setting::kTipsOnStartup, 0);
        (void)Write(settings_, setting::kTATIndex, index_ + 1);
    }
    QDialog::done(result);
}

}  // namespace vendarion
