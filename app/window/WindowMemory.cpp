#include "app/window/WindowMemory.h"

#include "app/settings/Settings.h"
#include "app/transfer/OutputList.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMargins>
#include <QScreen>
#include <QSplitter>

namespace {

// Before the window is first shown the desktop has not yet framed it: leave room for the title bar
// and borders of the usual desktops, in the screen's logical pixels.
const QMargins kFrame(8, 40, 8, 8);

} // namespace

WindowMemory::WindowMemory(Settings& settings, QMainWindow& window, OutputList& outputs, QComboBox& outputPopup,
                           QComboBox& channel, QButtonGroup& choice, QSplitter& splitter)
    : QObject(&window)
    , m_settings(settings)
    , m_window(window)
    , m_outputs(outputs)
    , m_outputPopup(outputPopup)
    , m_channel(channel)
    , m_choice(choice)
    , m_splitter(splitter)
{
    m_keepTimer.setParent(this);
    m_keepTimer.setObjectName(QStringLiteral("timer_keepWindowPlace"));
    m_keepTimer.setSingleShot(true);
    m_keepTimer.setInterval(kKeepAfter);
    QObject::connect(&m_keepTimer, &QTimer::timeout, this, &WindowMemory::keep);
    QObject::connect(&m_splitter, &QSplitter::splitterMoved, this, [this] { m_keepTimer.start(); });
    m_window.installEventFilter(this);
    // Only the user's own choices are remembered, not the lists being filled or restored. An entry
    // without an identity stands for no output, or for the chosen one while it is unplugged.
    QObject::connect(&m_outputPopup, &QComboBox::activated, &m_window, [this](int row) {
        const QVariant identity = m_outputPopup.itemData(row);
        if (identity.isValid())
            m_settings.setOutput(identity.toString());
    });
    QObject::connect(&m_channel, &QComboBox::activated, &m_window,
                     [this](int index) { m_settings.setChannel(index + 1); });
    QObject::connect(&m_choice, &QButtonGroup::idToggled, &m_window, [this](int id, bool checked) {
        if (checked)
            m_settings.setAllBanks(id != 0);
    });
}

void WindowMemory::restore()
{
    restoreGeometry();
    restoreControls();
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event)
{
    // Only what the user does with the window on show: not its restoring, nor its hiding at close.
    if (watched == &m_window && m_window.isVisible()
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        m_keepTimer.start();
    return QObject::eventFilter(watched, event);
}

void WindowMemory::keep()
{
    m_keepTimer.stop();
    m_settings.setGeometry(m_window.saveGeometry());
    m_settings.setSplitter(m_splitter.saveState());
}

QRect WindowMemory::firstPlace(const QRect& available, QSize preferred)
{
    const QSize frame(kFrame.left() + kFrame.right(), kFrame.top() + kFrame.bottom());
    QRect framed(QPoint(), preferred.boundedTo(available.size() - frame).expandedTo(QSize(1, 1)) + frame);
    framed.moveCenter(available.center());
    return framed - kFrame;
}

void WindowMemory::restoreGeometry()
{
    const QByteArray saved = m_settings.geometry();
    if (!saved.isEmpty() && m_window.restoreGeometry(saved)) {
        // Taken back only where the whole window, frame included, is still on one screen: a screen
        // unplugged or a resolution lowered since would otherwise hide its title bar or buttons.
        const QRect restored = m_window.geometry();
        const QScreen* screen = QGuiApplication::screenAt(restored.center());
        if (m_window.isMaximized() || (screen != nullptr && screen->availableGeometry().contains(restored + kFrame)))
            return;
        m_window.setWindowState(Qt::WindowNoState);
    }
    const QScreen* screen = m_window.screen() != nullptr ? m_window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect place = firstPlace(screen->availableGeometry(), m_window.size());
    // A screen smaller than the layout's least size still gets the whole window; it scrolls no
    // control away, it only packs them tighter.
    m_window.setMinimumSize(m_window.minimumSize().boundedTo(place.size()));
    m_window.setGeometry(place);
}

void WindowMemory::restoreControls()
{
    // Chosen again even when unplugged: the list shows it disconnected until it comes back.
    if (const auto output = MidiPortIdentity::fromString(m_settings.output().toStdString()); output && !output->empty())
        m_outputs.choose(*output);
    m_channel.setCurrentIndex(m_settings.channel() - 1);
    if (QAbstractButton* chosen = m_choice.button(m_settings.allBanks() ? 1 : 0))
        chosen->setChecked(true);
    const QByteArray splitter = m_settings.splitter();
    if (!splitter.isEmpty())
        m_splitter.restoreState(splitter);
}
