#include "app/banks/SoundPanel.h"

#include "app/banks/AdviceWording.h"
#include "app/common/WarningColour.h"
#include "app/common/WindowText.h"
#include "app/sounds/RegionFields.h"
#include "app/sounds/ShapeControls.h"
#include "app/sounds/SourceView.h"
#include "app/sounds/WaveformView.h"
#include "audio/DeviceRate.h"
#include "audio/ShapeReport.h"
#include "audio/SoundSnapping.h"
#include "playback/ISoundOutput.h"
#include "playback/SourceRun.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Sources of more bytes than this render on a thread of their own: a fit of the longest region a fit
// reaches, of a source this large, takes about a frame of the screen (16 ms) on one core.
constexpr std::size_t kLargestRenderedAtOnce = 8 << 20;

QPushButton* button(const QString& name, const QString& text)
{
    auto* made = new QPushButton(text);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

QString seconds(double value)
{
    return QCoreApplication::translate("SoundPanel", "%1 s").arg(QLocale().toString(value, 'f', 3));
}

// A slot's own image, as export writes it and a slot without a kept source opens: an import takes
// it back unchanged, since a second fade would wear down the end of a sound on every round trip.
bool isSlotImage(const audio::DecodedSound& sound, std::size_t slotLength)
{
    const audio::PcmFrames& frames = sound.frames;
    return frames.m_channels == 1 && frames.m_bitsPerValue == 8 && frames.m_unsigned8Bit
           && frames.m_samplerate == audio::kDeviceRate && frames.size() == slotLength;
}

audio::RenderedSlot slotImage(const audio::DecodedSound& sound, const audio::SoundShape& shape)
{
    const std::size_t length = sound.frames.size();
    audio::RenderedSlot image{{sound.frames.begin(), sound.frames.end()},
                              {audio::ImportResult::Kind::Sound, length, length}};
    image.result.options = shape;
    image.result.report = audio::ShapeReport::of(image.bytes);
    return image;
}

} // namespace

SoundPanel::SoundPanel(ISoundOutput& output, QWidget* parent)
    : QDialog(parent)
    , m_output(output)
{
    setObjectName(QStringLiteral("dialog_sound"));
    setWindowModality(Qt::WindowModal);
    m_renderTimer.setSingleShot(true);
    m_renderTimer.setInterval(0);
    connect(&m_renderTimer, &QTimer::timeout, this, &SoundPanel::render);
    connect(&m_renderer, &SlotRenderer::rendered, this, &SoundPanel::arrived);
    build();
}

SoundPanel::~SoundPanel()
{
    // After this no end notice of the panel's plays can arrive.
    m_output.stop();
}

void SoundPanel::build()
{
    m_sourceView = new SourceView;
    m_sourceView->setObjectName(QStringLiteral("view_source"));
    m_sourceView->setAccessibleName(tr("Source waveform and the window that goes into the slot"));
    m_resultView = new WaveformView(true);
    m_resultView->setObjectName(QStringLiteral("view_result"));
    m_resultView->setToolTip(tr("The slot as the shape makes it"));
    m_resultView->setAccessibleName(tr("Result in the slot"));
    m_controls = new ShapeControls;
    m_fields = new RegionFields;
    m_window = new QLabel;
    m_window->setObjectName(QStringLiteral("text_window"));
    m_warning = new QLabel;
    m_warning->setObjectName(QStringLiteral("text_warning"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("color: %1; font-weight: bold").arg(warningColour(palette()).name()));

    auto* zoomIn = button(QStringLiteral("button_zoomIn"), tr("Zoom &In"));
    auto* zoomOut = button(QStringLiteral("button_zoomOut"), tr("Zoom O&ut"));
    auto* onset = button(QStringLiteral("button_snapOnset"), tr("Snap to &Onset"));
    onset->setToolTip(tr("Move the window's start to where the sound rises above the trim threshold"));
    auto* crossing = button(QStringLiteral("button_snapZero"), tr("Snap to &Zero Crossing"));
    m_playSource = button(QStringLiteral("button_playSource"), tr("Play &Source"));
    m_playResult = button(QStringLiteral("button_playResult"), tr("Play &Result"));
    // Enter applies, Escape cancels; a value typed into a field is the shape's before Enter applies it.
    auto* cancel = button(QStringLiteral("button_cancel"), tr("Cancel"));
    m_apply = button(QStringLiteral("button_apply"), tr("&Apply"));
    m_apply->setDefault(true);

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(m_fields);
    numbers->addWidget(m_window);
    numbers->addStretch(1);
    auto* tools = new QHBoxLayout;
    tools->addWidget(onset);
    tools->addWidget(crossing);
    tools->addStretch(1);
    tools->addWidget(zoomIn);
    tools->addWidget(zoomOut);
    auto* result = new QGridLayout;
    result->addWidget(new QLabel(tr("Result in the slot:")), 0, 0);
    result->addWidget(m_resultView, 1, 0);
    result->addWidget(m_controls, 0, 1, 2, 1);
    result->setColumnStretch(0, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_playSource);
    bottom->addWidget(m_playResult);
    bottom->addStretch(1);
    bottom->addWidget(cancel);
    bottom->addWidget(m_apply);
    auto* all = new QVBoxLayout(this);
    all->addWidget(new QLabel(tr("Source:")));
    all->addWidget(m_sourceView, 1);
    all->addLayout(numbers);
    all->addLayout(tools);
    all->addLayout(result, 1);
    all->addWidget(m_warning);
    all->addLayout(bottom);

    connect(zoomIn, &QPushButton::clicked, m_sourceView, &SourceView::zoomIn);
    connect(zoomOut, &QPushButton::clicked, m_sourceView, &SourceView::zoomOut);
    connect(onset, &QPushButton::clicked, this, &SoundPanel::snapToOnset);
    connect(crossing, &QPushButton::clicked, this, &SoundPanel::snapToZeroCrossing);
    connect(m_playSource, &QPushButton::clicked, this, &SoundPanel::playSource);
    connect(m_playResult, &QPushButton::clicked, this, &SoundPanel::playResult);
    connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_controls, &ShapeControls::changed, this, &SoundPanel::shapeChanged);
    connect(m_sourceView, &SourceView::regionDragged, this, &SoundPanel::regionDragged);
    connect(m_fields, &RegionFields::startTyped, this, &SoundPanel::startTyped);
    connect(m_fields, &RegionFields::endTyped, this, &SoundPanel::endTyped);
}

void SoundPanel::start(const SlotSource& source, std::size_t slotLength, const QString& title)
{
    m_source = source;
    m_slotLength = slotLength;
    setWindowTitle(title);
    m_sourceView->setSound(m_source.sound);
    m_controls->setShape(m_source.shape);
    const QString unavailable = WindowText::of(m_output.unavailable().unavailable());
    for (QPushButton* play : {m_playSource, m_playResult}) {
        play->setEnabled(unavailable.isEmpty());
        play->setToolTip(unavailable);
    }
    showWindow();
    render();
    open();
    // The window over the source first, as the panel is about choosing it.
    m_sourceView->setFocus(Qt::OtherFocusReason);
}

double SoundPanel::rate() const
{
    return m_source.sound && m_source.sound->frames.m_samplerate > 0.0 ? m_source.sound->frames.m_samplerate
                                                                       : audio::kDeviceRate;
}

std::uint64_t SoundPanel::slotFrames() const
{
    const double frames
        = static_cast<double>(m_slotLength) * rate() / audio::kDeviceRate * std::exp2(m_source.shape.pitch / 12.0);
    return static_cast<std::uint64_t>(std::max(1.0, std::ceil(frames)));
}

std::uint64_t SoundPanel::heldFrame(double seconds) const
{
    const std::uint64_t frame = static_cast<std::uint64_t>(std::llround(std::max(0.0, seconds) * rate()));
    const std::uint64_t held = m_source.sound ? m_source.sound->firstFrame : 0;
    return frame > held ? frame - held : 0;
}

double SoundPanel::fileSeconds(std::uint64_t frame) const
{
    return static_cast<double>(frame + (m_source.sound ? m_source.sound->firstFrame : 0)) / rate();
}

audio::SourceRegion SoundPanel::windowRegion() const
{
    const audio::SoundShape& shape = m_source.shape;
    const std::uint64_t whole = m_source.sound ? m_source.sound->frames.frameCount() : 0;
    const std::uint64_t first = heldFrame(shape.start);
    // Fit takes the whole rest of the source where no end is given, as its import does.
    const std::uint64_t reach = shape.fit ? std::max(whole, first + 1) - first : slotFrames();
    const std::uint64_t last = shape.end ? heldFrame(*shape.end) : first + reach;
    return {first, std::max(last, first + 1)};
}

void SoundPanel::showWindow()
{
    const audio::SourceRegion region = windowRegion();
    m_sourceView->setRegion(region, m_source.shape.fit ? 0 : slotFrames());
    const double whole = m_source.sound ? m_source.sound->fileSeconds() : 0.0;
    // The window holds what the source holds: past the source's end there is nothing to take.
    const std::uint64_t frames = m_source.sound ? m_source.sound->frames.frameCount() : 0;
    const std::uint64_t held = std::clamp(region.last, region.first, std::max(frames, region.first));
    m_fields->showWindow(fileSeconds(region.first), fileSeconds(held), fileSeconds(frames > 0 ? frames - 1 : 0), whole);
    const QString window = tr("Window %1 to %2 of %3")
                               .arg(seconds(fileSeconds(region.first)), seconds(fileSeconds(held)), seconds(whole));
    // The slot's time the window fills at the shape's pitch; silence fills the rest.
    const double slotSeconds = static_cast<double>(m_slotLength) / audio::kDeviceRate;
    const double filled = static_cast<double>(held - region.first) / rate() / std::exp2(m_source.shape.pitch / 12.0);
    const double padding = m_source.shape.fit ? 0.0 : slotSeconds - filled;
    m_window->setText(padding < 0.0005 ? window
                                       : tr("%1, then %2 of silence to the slot's end").arg(window, seconds(padding)));
}

void SoundPanel::shapeChanged()
{
    m_source.shape = m_controls->shape(m_source.shape);
    // A window the new pitch no longer fits ends where the slot does.
    const audio::SoundShape& shape = m_source.shape;
    if (!shape.fit && shape.end && *shape.end - shape.start > static_cast<double>(slotFrames()) / rate())
        m_source.shape.end.reset();
    showWindow();
    scheduleRender();
}

void SoundPanel::regionDragged(audio::SourceRegion region)
{
    audio::SoundShape& shape = m_source.shape;
    shape.start = fileSeconds(region.first);
    // A window as long as the slot holds needs no end: the sound runs to the slot's end.
    if (shape.fit || region.length() < slotFrames())
        shape.end = fileSeconds(region.last);
    else
        shape.end.reset();
    showWindow();
    scheduleRender();
}

void SoundPanel::startTyped(double seconds)
{
    // The window moves to start there, as a drag of the whole window would: its length is kept.
    moveWindow(heldFrame(seconds));
}

void SoundPanel::endTyped(double seconds)
{
    const std::uint64_t first = windowRegion().first;
    const std::uint64_t last = heldFrame(seconds);
    // As a drag of the end: further than the slot holds, the window ends where the slot does.
    regionDragged({first, std::max(last, first + 1)});
}

void SoundPanel::moveWindow(std::uint64_t first)
{
    const audio::SourceRegion region = windowRegion();
    audio::SoundShape& shape = m_source.shape;
    shape.start = fileSeconds(first);
    if (shape.end)
        shape.end = fileSeconds(first + region.length());
    showWindow();
    scheduleRender();
}

void SoundPanel::snapToOnset()
{
    // The onset may lie past the window's end: a sound whose hit comes late is what this is for.
    if (!m_source.sound)
        return;
    if (const auto onset
        = audio::onsetFrame(*m_source.sound, windowRegion().first, m_source.shape.trimThreshold, m_source.shape.mono))
        moveWindow(*onset);
}

void SoundPanel::snapToZeroCrossing()
{
    if (m_source.sound)
        moveWindow(audio::snapToZeroCrossings(*m_source.sound, windowRegion()).first);
}

bool SoundPanel::rendersAway() const
{
    return m_source.sound && m_source.sound->frames.size() > kLargestRenderedAtOnce;
}

void SoundPanel::scheduleRender()
{
    m_stale = true;
    if (rendersAway()) {
        m_renderer.render(m_source.sound, m_source.shape, m_slotLength, ++m_ticket);
        return;
    }
    // However many moves a drag delivers before the loop comes round, one render follows them.
    if (!m_renderTimer.isActive())
        m_renderTimer.start();
}

void SoundPanel::render()
{
    m_renderTimer.stop();
    // What a thread still renders is out of date now.
    ++m_ticket;
    m_stale = false;
    const audio::DecodedSound* sound = m_source.sound.get();
    if (sound == nullptr)
        showResult({});
    else if (isSlotImage(*sound, m_slotLength) && !m_source.shape.shapes())
        showResult(slotImage(*sound, m_source.shape));
    else
        showResult(audio::renderSlot(*sound, m_source.shape, m_slotLength));
}

void SoundPanel::arrived(unsigned ticket, const audio::RenderedSlot& slot)
{
    if (ticket != m_ticket)
        return;
    m_stale = false;
    showResult(slot);
}

void SoundPanel::showResult(audio::RenderedSlot slot)
{
    m_rendered = std::move(slot);
    m_resultView->setSamples(m_rendered.bytes);
    // A stretch keeps the sound's pitch: the field shows it unmoved.
    m_controls->showFitPitch(m_rendered.result.stretch ? std::optional(0.0) : m_rendered.result.fitPitch);
    m_warning->setText(warning(m_rendered.result));
    m_apply->setEnabled(!m_rendered.bytes.empty());
    m_playResult->setEnabled(!m_rendered.bytes.empty() && !m_output.unavailable());
    if (m_rendered.bytes.empty())
        stopLooping();
}

const audio::RenderedSlot& SoundPanel::rendered()
{
    if (m_stale)
        render();
    return m_rendered;
}

QString SoundPanel::warning(const audio::ImportResult& result)
{
    if (!result) {
        if (result.refusal == audio::ImportResult::Refusal::FitOutOfReach)
            return tr("Cannot fit: %1.").arg(WindowText::of(result.detailText()));
        const QString advice = AdviceWording::refusal(result);
        return advice.isEmpty() ? tr("Nothing to put into the slot: the window holds no sound.") : advice;
    }
    QStringList warnings;
    if (const QString advice = AdviceWording::warning(result); !advice.isEmpty())
        warnings << advice;
    if (result.report.clipped)
        warnings << tr("Clipped: the gain pushes the sound past full scale, its peaks are cut flat.");
    return warnings.join(QLatin1Char(' '));
}

void SoundPanel::playSource()
{
    if (!m_source.sound)
        return;
    stopLooping();
    // What an earlier play failed with is gone with the next one.
    m_warning->setText(warning(rendered().result));
    m_output.playRun(sourceRun(*m_source.sound, windowRegion()), endOfPlay());
}

void SoundPanel::playResult()
{
    if (m_looping)
        return stopLooping();
    m_warning->setText(warning(rendered().result));
    m_looping = true;
    m_playResult->setText(tr("Stop &Result"));
    m_output.play(rendered().bytes, endOfPlay());
}

ISoundOutput::EndHandler SoundPanel::endOfPlay()
{
    const unsigned play = ++m_play;
    // The output may end a play on its own thread: the panel hears of it on its own.
    return [this, play](bool heard, const PlaybackFailure& failure) {
        QMetaObject::invokeMethod(
            this, [this, play, heard, failure] { played(play, heard, failure); }, Qt::QueuedConnection);
    };
}

void SoundPanel::stopLooping()
{
    if (!m_looping)
        return;
    m_looping = false;
    m_playResult->setText(tr("Play &Result"));
    // Its end notice, if one is still on its way, is no round of the loop.
    ++m_play;
    m_output.stop();
}

void SoundPanel::played(unsigned play, bool heard, const PlaybackFailure& failure)
{
    if (play != m_play)
        return;
    if (failure)
        m_warning->setText(tr("Could not play: %1").arg(WindowText::of(failure.text())));
    // Heard to its end, the result plays again as the shape now makes it.
    if (m_looping && heard && !rendered().bytes.empty())
        m_output.play(rendered().bytes, endOfPlay());
    else if (m_looping)
        stopLooping();
}

void SoundPanel::done(int result)
{
    // What the panel plays ends with it, whichever way it closes.
    stopLooping();
    m_output.stop();
    QDialog::done(result);
}
