#include "app/banks/PadView.h"

#include "app/banks/BankSelection.h"
#include "app/common/DisabledReasons.h"
#include "app/common/WindowText.h"
#include "app/document/WorkingBanks.h"
#include "app/settings/ImportPreferences.h"
#include "model/BankPads.h"
#include "model/IBank.h"
#include "playback/ISoundOutput.h"
#include "playback/KitPlayer.h"

#include <QAction>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {

// A frame of the screen or two: the lights follow the sound without a redraw per period.
constexpr int kLightTick = 30; // ms
// A hit lights its pad for 90 ms at least, so that even a click of a sound is seen.
constexpr int kHeldTicks = 3;

QKeySequence keyOf(int pad)
{
    return QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + pad));
}

} // namespace

PadView::PadView(QMainWindow& window, QMenu& viewMenu, WorkingBanks& banks, BankSelection& selection,
                 ImportPreferences& preferences, KitPlayer& kit, ISoundOutput& auditions, bool chokes)
    : QObject(&window)
    , m_banks(banks)
    , m_selection(selection)
    , m_kit(kit)
    , m_auditions(auditions)
{
    m_dock = new QDockWidget(tr("Pads"), &window);
    m_dock->setObjectName(QStringLiteral("dock_pads"));
    m_dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_dock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    m_dock->setWidget(makePads(window));
    window.addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    // Hidden at every start: the pads take the sound device only when the user asks for them.
    m_dock->hide();
    QAction* toggle = m_dock->toggleViewAction();
    toggle->setObjectName(QStringLiteral("menu_pads"));
    toggle->setText(tr("&Pads"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    viewMenu.addAction(toggle);

    m_lights = new QTimer(this);
    m_lights->setObjectName(QStringLiteral("timer_padLights"));
    m_lights->setInterval(kLightTick);
    connect(m_lights, &QTimer::timeout, this, [this] {
        for (int& held : m_held)
            held = std::max(0, held - 1);
        light();
    });
    connect(m_dock, &QDockWidget::visibilityChanged, this, &PadView::shown);
    connect(&banks, &WorkingBanks::banksChanged, this, &PadView::showBank);
    connect(&selection, &BankSelection::rowChanged, this, &PadView::showBank);
    connect(&preferences, &ImportPreferences::chokeChosen, this, [this](bool choke) { m_kit.setChoke(choke); });
    m_kit.setChoke(chokes);
    showBank();
}

PadView::~PadView()
{
    m_kit.close();
}

QWidget* PadView::makePads(QMainWindow& window)
{
    auto* pads = new QWidget;
    auto* layout = new QHBoxLayout(pads);
    QList<QAbstractButton*> buttons;
    for (int pad = 0; pad < kPads; ++pad) {
        auto* button = m_pads[static_cast<std::size_t>(pad)] = new QPushButton(pads);
        button->setObjectName(QStringLiteral("button_pad_%1").arg(pad));
        button->setMinimumHeight(button->fontMetrics().lineSpacing() * 3 + button->fontMetrics().height());
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // At the button's going down, as a drum sounds when it is struck, not when the stick leaves it.
        connect(button, &QPushButton::pressed, this, [this, pad] { hit(pad); });
        layout->addWidget(button);
        buttons << button;

        auto* key = m_keys[static_cast<std::size_t>(pad)] = new QShortcut(keyOf(pad), &window);
        key->setObjectName(QStringLiteral("shortcut_pad_%1").arg(pad));
        // A key held down is one hit, as a pad held is.
        key->setAutoRepeat(false);
        key->setEnabled(false);
        connect(key, &QShortcut::activated, this, [this, pad] { hit(pad); });
    }
    auto* reasons = new DisabledReasons(buttons, this);
    connect(reasons, &DisabledReasons::status, this, &PadView::status);
    return pads;
}

void PadView::hit(int pad, bool heard)
{
    if (pad < 0 || pad >= kPads || !m_dock->isVisible())
        return;
    const auto index = static_cast<std::size_t>(pad);
    const QPushButton& button = *m_pads[index];
    if (!button.isEnabled()) {
        emit status(button.toolTip());
        return;
    }
    if (!heard) {
        m_auditions.stop();
        m_kit.hit(index);
    }
    m_held[index] = kHeldTicks;
    light();
}

void PadView::showBank()
{
    const int row = m_selection.currentRow();
    const IBank* bank = row >= 0 ? &m_banks.bank(static_cast<std::size_t>(row)) : nullptr;
    m_kit.setSounds(bank != nullptr ? bankPads(*bank) : KitSounds{});
    for (int pad = 0; pad < kPads; ++pad) {
        QPushButton& button = *m_pads[static_cast<std::size_t>(pad)];
        const auto slot = static_cast<std::uint16_t>(pad);
        const bool sound = bank != nullptr && slot < bank->getContentCount() && bank->isSampleContent(slot);
        const QString label = bank != nullptr ? QString::fromStdString(bank->getContentLabel(slot)) : QString();
        const QString name = bank != nullptr ? QString::fromStdString(bank->getContentName(slot)) : QString();
        const QString key = keyOf(pad).toString(QKeySequence::NativeText);
        button.setText(QStringLiteral("%1\n%2\n%3").arg(label, name, key));
        button.setAccessibleName(name.isEmpty() ? label : name);
        button.setAccessibleDescription(tr("Pad %1, %2, played by %3").arg(pad + 1).arg(label, key));
        button.setEnabled(sound);
        button.setToolTip(sound ? tr("Play %1 (%2)").arg(label, key)
                                : tr("The firmware bank holds no sounds to play as pads"));
    }
}

void PadView::shown(bool visible)
{
    for (QShortcut* key : m_keys)
        key->setEnabled(visible);
    if (!visible) {
        m_kit.close();
        m_lights->stop();
        m_held.fill(0);
        light();
        return;
    }
    const PlaybackFailure failure = m_kit.open();
    m_failureTold = static_cast<bool>(failure);
    if (failure)
        emit status(tr("The pads cannot be heard: %1").arg(WindowText::of(failure.text())));
    m_lights->start();
}

void PadView::light()
{
    const std::uint8_t sounding = m_kit.sounding();
    const QPalette normal = m_dock->palette();
    for (std::size_t pad = 0; pad < m_pads.size(); ++pad) {
        const bool lit = (sounding & (1U << pad)) != 0 || m_held[pad] > 0;
        QPalette palette = normal;
        if (lit) {
            palette.setColor(QPalette::Button, normal.color(QPalette::Highlight));
            palette.setColor(QPalette::ButtonText, normal.color(QPalette::HighlightedText));
        }
        if (m_pads[pad]->palette() != palette)
            m_pads[pad]->setPalette(palette);
    }
    // Told once: a device that went away while the pads were shown.
    const PlaybackFailure failure = m_kit.failure();
    if (failure && !m_failureTold)
        emit status(tr("The pads cannot be heard: %1").arg(WindowText::of(failure.text())));
    m_failureTold = static_cast<bool>(failure);
}
