#include "ui/search_assistant.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "base/messages.h"
#include "resources/assistant_picture.h"
#include "resources/string_table.h"
#include "ui/assistant_name_pages.h"
#include "ui/assistant_simple_pages.h"
#include "ui/assistant_town_page.h"
#include "ui/program_font.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kTitle = 3301;
constexpr int kBackText = 1064;
constexpr int kNextText = 1065;
constexpr int kCloseText = 1795;
constexpr int kReallyClose = 1509;
constexpr int kInputsCleared = 1515;
// The frame's size in dialog units: a quarter of the average letter width across,
// an eighth of the line height down.
constexpr int kWidthUnits = 295;
constexpr int kHeightUnits = 214;

}  // namespace

SearchAssistant::SearchAssistant(DataSet& data_set, Messages& messages, AssistantCriteria& criteria,
                                 QWidget* parent)
    : QDialog(parent), messages_(messages), criteria_(criteria) {
    setWindowTitle(UiString(kTitle));
    BuildPages(data_set);
    back_ = new QPushButton(UiString(kBackText), this);
    next_ = new QPushButton(UiString(kNextText), this);
    close_ = new QPushButton(UiString(kCloseText), this);
    for (QPushButton* button : {back_, next_, close_}) button->setAutoDefault(false);
    connect(back_, &QPushButton::clicked, this, &SearchAssistant::GoBack);
    connect(next_, &QPushButton::clicked, this, &SearchAssistant::GoNext);
    connect(close_, &QPushButton::clicked, this, &SearchAssistant::reject);

    auto* upper = new QHBoxLayout;
    upper->setSpacing(12);
    upper->addWidget(BuildPicture());
    upper->addWidget(stack_, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addSpacing(12);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);
    const double unit_x = AverageLetterWidth(font()) / 4;
    const double unit_y = fontMetrics().height() / 8.0;
    setMinimumSize(static_cast<int>(kWidthUnits * unit_x), static_cast<int>(kHeightUnits * unit_y));

    const AssistantCriteria shown = criteria_.present ? criteria_ : AssistantCriteria{};
    for (AssistantPageWidget* page : pages_) page->Load(shown);
    flow_.SetInternet(shown.internet);
    flow_.SetTownKnown(!shown.present || shown.town_book >= 0);
    ShowPage();
}

QWidget* SearchAssistant::BuildPicture() {
    auto* picture = new QLabel(this);
    QPixmap pixmap;
    if (pixmap.loadFromData(reinterpret_cast<const uchar*>(AssistantPicture().data()),
                            static_cast<uint>(AssistantPicture().size()), "PNG")) {
        picture->setPixmap(pixmap);
    }
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    picture->setFixedWidth(kAssistantPictureWidth);
    picture->setMinimumHeight(kAssistantPictureHeight);
    // A taller frame continues the picture's bottom colour.
    picture->setAutoFillBackground(true);
    QPalette palette = picture->palette();
    palette.setColor(QPalette::Window, QColor(QRgb(kAssistantPictureColour)));
    picture->setPalette(palette);
    return picture;
}

void SearchAssistant::BuildPages(DataSet& data_set) {
    stack_ = new QStackedWidget(this);
    where_ = new WherePage(stack_);
    town_known_ = new TownKnownPage(stack_);
    town_ = new TownPage(data_set, stack_);
    internet_place_ = new InternetPlacePage(stack_);
    name_ = new NamePage(stack_);
    more_ = new MorePage(data_set, stack_);
    ready_ = new ReadyPage(stack_);
    pages_ = {where_, town_known_, town_, internet_place_, name_, more_, ready_};
    for (AssistantPageWidget* page : pages_) {
        stack_->addWidget(page);
        ConnectPage(page);
    }
    connect(where_, &WherePage::InternetChosen, this,
            [this](bool internet) { flow_.SetInternet(internet); });
    connect(where_, &WherePage::NewSearchRequested, this, &SearchAssistant::NewSearch);
    connect(town_known_, &TownKnownPage::TownKnownChosen, this,
            [this](bool known) { flow_.SetTownKnown(known); });
    connect(town_, &TownPage::FoundTown, this, [this](int book) {
        flow_.SetFoundTown(book);
        RefreshButtons();
    });
    connect(ready_, &ReadyPage::StartRequested, this, &SearchAssistant::Finish);
}

void SearchAssistant::ConnectPage(AssistantPageWidget* page) {
    // Only the page shown decides; a hidden page reports while it is loaded.
    connect(page, &AssistantPageWidget::NextAllowed, this, [this, page](bool allowed) {
        if (page != Shown()) return;
        flow_.SetNextAllowed(allowed);
        RefreshButtons();
    });
    connect(page, &AssistantPageWidget::NextRequested, this, &SearchAssistant::GoNext);
    connect(page, &AssistantPageWidget::BackRequested, this, &SearchAssistant::GoBack);
}

void SearchAssistant::GoNext() {
    if (flow_.Next()) ShowPage();
}

void SearchAssistant::GoBack() {
    if (flow_.Page() == AssistantPage::kWhere) {
        reject();
    } else if (flow_.Back()) {
        ShowPage();
    }
}

void SearchAssistant::ShowPage() {
    AssistantPageWidget* page = Shown();
    for (AssistantPageWidget* other : pages_) other->setEnabled(other == page);
    stack_->setCurrentWidget(page);
    page->Enter(flow_);
    RefreshButtons();
    page->FirstControl()->setFocus(Qt::OtherFocusReason);
}

void SearchAssistant::RefreshButtons() {
    // A button that loses its enabling while it has the focus passes the focus on.
    const auto enable = [this](QPushButton* button, bool on) {
        if (!on && button->hasFocus()) focusNextChild();
        button->setEnabled(on);
    };
    enable(next_, flow_.CanGoNext());
    enable(back_, flow_.CanGoBack());
}

void SearchAssistant::NewSearch() {
    if (criteria_.present) {
        const AssistantCriteria empty;
        for (AssistantPageWidget* page : pages_) {
            if (page != where_) page->Load(empty);
        }
        flow_.SetTownKnown(true);
        criteria_.present = false;
        messages_.Show({kInputsCleared, std::string(LoadString(kInputsCleared)),
                        MessageIcon::kInformation, MessageButtons::kOk, MessageAnswer::kOk});
    }
    where_->DisableNewSearch();
}

void SearchAssistant::Finish() {
    AssistantCriteria collected;
    for (AssistantPageWidget* page : pages_) page->Store(collected);
    collected.town_book = flow_.ChosenTown();
    if (collected.town_book < 0) {
        collected.town_name.clear();
        collected.town_row = -1;
    }
    collected.present = true;
    criteria_ = std::move(collected);
    accept();
}

void SearchAssistant::reject() {
    if (messages_.Show({kReallyClose, std::string(LoadString(kReallyClose)), MessageIcon::kQuestion,
                        MessageButtons::kYesNo, MessageAnswer::kYes}) == MessageAnswer::kYes) {
        QDialog::reject();
    }
}

void SearchAssistant::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((!enter && !escape) || held != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    const bool on_page = stack_->isAncestorOf(focusWidget());
    if (enter && on_page) {
        if (flow_.Page() == AssistantPage::kReady) {
            Finish();
        } else {
            GoNext();
        }
    } else if (escape) {
        if (on_page) {
            GoBack();
        } else {
            reject();
        }
    }
}

}  // namespace vendarion
