#include "app/sounds/SlotPlayer.h"

#include "app/common/WindowText.h"
#include "content/SlotContent.h"
#include "model/IBank.h"
#include "playback/ISoundOutput.h"

#include <QKeySequence>
#include <QMetaObject>
#include <QPushButton>
#include <QShortcut>

SlotPlayer::SlotPlayer(ISoundOutput& output, const CellMatrix<QPushButton>& buttons, QWidget& window,
                       std::function<int()> selectedSlot)
    : QObject(&window)
    , m_output(output)
    , m_buttons(buttons)
    , m_selectedSlot(std::move(selectedSlot))
{
    for (QPushButton* button : m_buttons.cells()) {
        const int slot = CellMatrix<QPushButton>::tagOf(button);
        connect(button, &QPushButton::clicked, this, [this, slot] { toggle(slot); });
    }
    // Text fields take their own Space first, so typing a name never plays a sound; the window
    // lets its buttons and lists keep theirs too.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), &window);
    space->setObjectName(QStringLiteral("shortcut_play"));
    connect(space, &QShortcut::activated, this, [this] {
        // Space reaches no disabled button, so it tells what the button's tooltip would.
        const QPushButton* button = m_buttons.cellWithTag(m_selectedSlot());
        if (button != nullptr && !button->isEnabled())
            emit status(button->toolTip());
        else
            toggle(m_selectedSlot());
    });
}

SlotPlayer::~SlotPlayer()
{
    // After this no end notice can arrive from the output's thread.
    m_output.stop();
}

void SlotPlayer::show(const IBank& bank)
{
    stop();
    m_bank = &bank;
    const QString unavailable = WindowText::of(m_output.unavailable().unavailable());
    for (QPushButton* button : m_buttons.cells()) {
        const auto slot = static_cast<std::uint16_t>(CellMatrix<QPushButton>::tagOf(button));
        const SlotContent* content = bank.getContent(slot);
        const bool sound = content != nullptr && content->isSample();
        button->setEnabled(sound && unavailable.isEmpty());
        button->setToolTip(!unavailable.isEmpty() ? unavailable
                           : sound ? tr("Play this slot as the ZYLOX 515 sounds it (Space plays the selected slot)")
                                   : tr("A firmware slot holds no sound"));
    }
}

void SlotPlayer::toggle(int slot)
{
    const QPushButton* button = m_buttons.cellWithTag(slot);
    if (button == nullptr || !button->isEnabled() || m_bank == nullptr)
        return;
    if (slot == m_playing)
        return stop();
    if (m_playing >= 0)
        label(m_playing, false);
    m_playing = slot;
    label(slot, true);
    const auto played = static_cast<std::uint16_t>(slot);
    emit status(tr("Playing \"%1\"").arg(QString::fromStdString(m_bank->getContentName(played))));
    const unsigned play = ++m_play;
    // The output may end a play on its own thread: the window hears of it on its own.
    m_output.play(m_bank->getContent(played)->getData(), [this, play](bool, const PlaybackFailure& failure) {
        QMetaObject::invokeMethod(
            this, [this, play, failure] { ended(play, failure); }, Qt::QueuedConnection);
    });
}

void SlotPlayer::stop()
{
    if (m_playing < 0)
        return;
    label(m_playing, false);
    m_playing = -1;
    ++m_play;
    m_output.stop();
}

void SlotPlayer::ended(unsigned play, const PlaybackFailure& failure)
{
    if (play != m_play || m_playing < 0)
        return;
    const auto slot = static_cast<std::uint16_t>(m_playing);
    label(m_playing, false);
    m_playing = -1;
    if (failure)
        emit status(tr("Could not play \"%1\": %2")
                        .arg(QString::fromStdString(m_bank->getContentName(slot)), WindowText::of(failure.text())));
}

void SlotPlayer::label(int slot, bool playing)
{
    if (QPushButton* button = m_buttons.cellWithTag(slot))
        button->setText(playing ? tr("Stop") : tr("Play"));
}
