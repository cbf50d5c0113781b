#include "ui/search_driver.h"

#include <QCoreApplication>
#include <QEvent>

namespace vendarion {
namespace {

// A worker announcement; the event type is QEvent::User plus the message id.
class SearchMessage final : public QEvent {
public:
    SearchMessage(int message, int row)
        : QEvent(static_cast<QEvent::Type>(QEvent::User + message)), row_(row) {}
    int Row() const { return row_; }

private:
    int row_;
};

QEvent::Type TypeOf(int message) { return static_cast<QEvent::Type>(QEvent::User + message); }

}  // namespace

std::unique_ptr<SearchDriver> SearchDriver::Create(DataSet& data_set, Settings& settings,
                                                   QObject* parent) {
    std::unique_ptr<SearchDriver> driver(new SearchDriver(parent));
    driver->control_ = SearchControl::Create(data_set, *driver);
    if (driver->control_ == nullptr) return nullptr;
    driver->control_->AttachInternet(driver->internet_, settings);
    return driver;
}

// The control goes first: its worker thread ends before this object stops taking
// announcements.
SearchDriver::~SearchDriver() { control_.reset(); }

void SearchDriver::SearchStarted() { Post(kMsgSearchStarted, -1); }
void SearchDriver::SearchFinished() { Post(kMsgSearchFinished, -1); }
void SearchDriver::LineAdded(int row, int) { Post(kMsgLineAdded, row); }

void SearchDriver::Post(int message, int row) {
    QCoreApplication::postEvent(this, new SearchMessage(message, row));
}

bool SearchDriver::event(QEvent* event) {
    if (event->type() == TypeOf(kMsgSearchStarted)) {
        emit Started();
    } else if (event->type() == TypeOf(kMsgSearchFinished)) {
        emit Finished();
    } else if (event->type() == TypeOf(kMsgLineAdded)) {
        emit LineAddedAt(static_cast<SearchMessage*>(event)->Row());
    } else {
        return QObject::event(event);
    }
    return true;
}

}  // namespace vendarion
