#include "app/banks/SlotRenderer.h"

#include <QMetaObject>

SlotRenderer::SlotRenderer(QObject* parent)
    : QObject(parent)
    , m_thread([this] { run(); })
{
}

SlotRenderer::~SlotRenderer()
{
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
        m_next.reset();
    }
    m_wake.notify_one();
    m_thread.join();
}

void SlotRenderer::render(std::shared_ptr<const audio::DecodedSound> sound, const audio::SoundShape& shape,
                          std::size_t slotLength, unsigned ticket)
{
    {
        const std::lock_guard lock(m_mutex);
        m_next = Job{std::move(sound), shape, slotLength, ticket};
    }
    m_wake.notify_one();
}

void SlotRenderer::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_ending || m_next; });
            if (m_ending)
                return;
            job = std::move(*m_next);
            m_next.reset();
        }
        auto slot = std::make_shared<audio::RenderedSlot>(
            job.sound ? audio::renderSlot(*job.sound, job.shape, job.slotLength) : audio::RenderedSlot{});
        // Queued to the window's thread; a renderer gone by then drops it.
        QMetaObject::invokeMethod(
            this, [this, ticket = job.ticket, slot] { emit rendered(ticket, *slot); }, Qt::QueuedConnection);
    }
}
