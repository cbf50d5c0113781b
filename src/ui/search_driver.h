// Runs the searches of the main window: owns the search control (and through it the
// worker thread) and brings the worker's announcements over to the user-interface
// thread as posted events, named after the window messages they stand for.
#pragma once

#include <QObject>
#include <memory>

#include "net/socket_internet_client.h"
#include "search/search_control.h"
#include "search/search_worker.h"

namespace vendarion {

class DataSet;
class Settings;

class SearchDriver final : public QObject, public SearchNotifications {
    Q_OBJECT

public:
    // The posted events: the worker took up a search, added a line, ended a search.
    static constexpr int kMsgSearchStarted = 1225;
    static constexpr int kMsgSearchFinished = 1226;
    static constexpr int kMsgLineAdded = 1227;

    // Null when the worker's readers cannot be opened over the data set. The data set
    // and the settings (read by the Internet search) must outlive the driver.
    static std::unique_ptr<SearchDriver> Create(DataSet& data_set, Settings& settings,
                                                QObject* parent = nullptr);
    ~SearchDriver() override;

    SearchControl& Control() { return *control_; }

    // Worker thread.
    void SearchStarted() override;
    void SearchFinished() override;
    void LineAdded(int row, int count) override;

signals:
    void Started();
    void Finished();
    // A line went to row of the result list.
    void LineAddedAt(int row);

protected:
    bool event(QEvent* event) override;

private:
    explicit SearchDriver(QObject* parent) : QObject(parent) {}
    void Post(int message, int row);

    SocketInternetClient internet_;  // outlives the control, whose worker uses it
    std::unique_ptr<SearchControl> control_;
};

}  // namespace vendarion
