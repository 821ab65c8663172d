#pragma once

#include "audio/DecodedSound.h"
#include "audio/SlotRender.h"
#include "audio/SoundShape.h"

#include <QObject>

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Renders a slot from a source on a thread of its own, so that the window goes on answering while a
// long render runs (a fit of a long region of a many-channel source takes longer than a frame of
// the screen). Of the shapes asked for while one renders, only the last is rendered next: a drag's
// moves are not queued up behind each other. Each result comes back on the window's thread.
class SlotRenderer : public QObject {
    Q_OBJECT
public:
    explicit SlotRenderer(QObject* parent = nullptr);
    // Waits for the render under way, if any; no result comes after.
    ~SlotRenderer() override;

    // Renders the shape of the sound into a slot of slotLength bytes; ticket names the result.
    void render(std::shared_ptr<const audio::DecodedSound> sound, const audio::SoundShape& shape,
                std::size_t slotLength, unsigned ticket);

signals:
    void rendered(unsigned ticket, const audio::RenderedSlot& slot);

private:
    struct Job {
        std::shared_ptr<const audio::DecodedSound> sound;
        audio::SoundShape shape;
        std::size_t slotLength = 0;
        unsigned ticket = 0;
    };

    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_next;
    bool m_ending = false;
    std::thread m_thread;
};
