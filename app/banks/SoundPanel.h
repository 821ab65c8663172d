#pragma once

#include "app/banks/SlotRenderer.h"
#include "app/document/SlotSource.h"
#include "audio/SlotRender.h"
#include "audio/SourceRegion.h"
#include "playback/ISoundOutput.h"

#include <QDialog>
#include <QTimer>

#include <cstddef>

class RegionFields;
class ShapeControls;
class SourceView;
class WaveformView;
struct PlaybackFailure;
class QLabel;
class QPushButton;

// The sound panel: a source shaped to fit one sample slot before it goes in. The source's
// waveform with the window that goes into the slot, the shape's controls and the resulting slot's
// waveform, rendered again (once per pass of the event loop, however many moves a drag makes; from a
// long source on a thread of its own, shown as each render arrives) as they change; the window's
// start and end also take typed seconds. Play Source plays the window as it is; Play Result plays
// the very bytes Apply gives, over and over (each round the shape as it stands then) until it is
// pressed again, Play Source is pressed or the panel closes. A result that is silent or nearly so,
// or clipped by the gain, is marked. Apply accepts the dialog and leaves putting the result into
// the slot to whoever opened it; Cancel changes nothing.
class SoundPanel : public QDialog {
    Q_OBJECT
public:
    // The output stays the caller's.
    SoundPanel(ISoundOutput& output, QWidget* parent);
    ~SoundPanel() override;

    // Shows the source for a slot of slotLength bytes, starting from its shape, without waiting
    // for the user: accepted or rejected follows.
    void start(const SlotSource& source, std::size_t slotLength, const QString& title);

    // The slot's bytes and what was done, as the controls stand now.
    const audio::RenderedSlot& rendered();
    // The source with the shape the controls give it.
    const SlotSource& source() const { return m_source; }

    // What a result has that the user must hear of before it goes to the device; empty when nothing.
    static QString warning(const audio::ImportResult& result);

private:
    void build();
    void shapeChanged();
    void regionDragged(audio::SourceRegion region);
    void startTyped(double seconds);
    void endTyped(double seconds);
    // The window over the source as the shape's region and pitch make it.
    void showWindow();
    void scheduleRender();
    void render();
    // Whether the source is long enough that a render may take longer than a frame of the screen.
    bool rendersAway() const;
    void arrived(unsigned ticket, const audio::RenderedSlot& slot);
    void showResult(audio::RenderedSlot slot);
    void snapToOnset();
    void snapToZeroCrossing();
    void playSource();
    void playResult();
    void played(unsigned play, bool heard, const PlaybackFailure& failure);
    // What a play of the panel's does when it ends: a number for it, so the end of one replaced
    // by another is not taken for the other's.
    ISoundOutput::EndHandler endOfPlay();
    void stopLooping();
    void done(int result) override;

    double rate() const;
    // Source frames one slot holds at the shape's pitch.
    std::uint64_t slotFrames() const;
    // The kept source's frame at a time in the file's seconds (the kept part may start well into
    // the file), and back.
    std::uint64_t heldFrame(double seconds) const;
    double fileSeconds(std::uint64_t frame) const;
    // The window over the kept source, in its frames.
    audio::SourceRegion windowRegion() const;
    // Moves the window to start at first, keeping its length.
    void moveWindow(std::uint64_t first);

    ISoundOutput& m_output;
    SlotSource m_source;
    std::size_t m_slotLength = 0;
    audio::RenderedSlot m_rendered;
    bool m_stale = true;
    QTimer m_renderTimer;
    SlotRenderer m_renderer;
    // The render whose result the panel waits for; any other that arrives is out of date.
    unsigned m_ticket = 0;
    unsigned m_play = 0;
    bool m_looping = false;

    SourceView* m_sourceView = nullptr;
    WaveformView* m_resultView = nullptr;
    ShapeControls* m_controls = nullptr;
    RegionFields* m_fields = nullptr;
    QLabel* m_window = nullptr;
    QLabel* m_warning = nullptr;
    QPushButton* m_playSource = nullptr;
    QPushButton* m_playResult = nullptr;
    QPushButton* m_apply = nullptr;
};
