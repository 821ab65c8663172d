#pragma once

#include <QCoreApplication>

#include <functional>

// Runs the event loop until done holds; no time is waited for its own sake.
inline void waitUntil(const std::function<bool()>& done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
