#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

// Hands what worker threads found to the window's thread: each fact posted from any thread runs
// there in the order posted, for a few milliseconds of each pass of the window's event loop at
// most, however much waits, so that a flood of results never holds up what the user does.
class PassHandover : public QObject {
    Q_OBJECT
public:
    explicit PassHandover(QObject* parent = nullptr);

    // From any thread: fact runs on the window's thread in a later pass.
    void post(std::function<void()> fact);
    // Drops every fact not yet run.
    void clear();

private:
    void deliver();

    std::mutex m_lock;
    std::deque<std::function<void()>> m_arrived;
    bool m_deliveryDue = false;
};
