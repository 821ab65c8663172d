#include "app/library/PassHandover.h"

#include <QElapsedTimer>
#include <QMetaObject>

namespace {

// What arrived is taken in for this long in one pass of the window's event loop at most, well
// inside a frame of the screen (16 ms); the rest waits for the next pass.
constexpr qint64 kPassShareMs = 4;

} // namespace

PassHandover::PassHandover(QObject* parent)
    : QObject(parent)
{
}

void PassHandover::post(std::function<void()> fact)
{
    const std::lock_guard<std::mutex> guard(m_lock);
    m_arrived.push_back(std::move(fact));
    if (!m_deliveryDue) {
        m_deliveryDue = true;
        QMetaObject::invokeMethod(this, &PassHandover::deliver, Qt::QueuedConnection);
    }
}

void PassHandover::clear()
{
    const std::lock_guard<std::mutex> guard(m_lock);
    m_arrived.clear();
}

void PassHandover::deliver()
{
    QElapsedTimer spent;
    spent.start();
    while (spent.elapsed() < kPassShareMs) {
        std::function<void()> fact;
        {
            const std::lock_guard<std::mutex> guard(m_lock);
            if (m_arrived.empty()) {
                m_deliveryDue = false;
                return;
            }
            fact = std::move(m_arrived.front());
            m_arrived.pop_front();
        }
        fact();
    }
    // Posted now, it waits behind what the user did meanwhile.
    QMetaObject::invokeMethod(this, &PassHandover::deliver, Qt::QueuedConnection);
}
