#include "app/transfer/PadController.h"

#include "app/transfer/ControllerList.h"
#include "app/transfer/PadTeaching.h"
#include "midiio/ControllerInput.h"
#include "midiio/MidiContext.h"
#include "model/FactoryTables.h"
#include "playback/KitPlayer.h"

#include <QMetaObject>
#include <QWidget>

#include <string>
#include <vector>

PadController::PadController(QComboBox& popup, QMenu& midiMenu, MidiContext& midi, Settings& settings, KitPlayer& kit,
                             QWidget& window)
    : QObject(&window)
{
    // The pads are a sound bank's slots, known by the labels every sound bank shares.
    std::vector<std::string> labels;
    std::vector<QString> shownLabels;
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot) {
        labels.push_back(factory::contentName(slot));
        shownLabels.push_back(QString::fromStdString(labels.back()));
    }
    // Both calls come on the service's thread: each is handed to this one, and dropped with it.
    m_input = std::make_unique<ControllerInput>(
        midi.service(), midi.sharedClient(), labels,
        [this, &kit](std::uint16_t pad) {
            const bool heard = kit.hit(pad);
            QMetaObject::invokeMethod(
                this, [this, pad, heard] { emit padHit(pad, heard); }, Qt::QueuedConnection);
        },
        [this](std::uint16_t pad, std::uint8_t note) {
            QMetaObject::invokeMethod(
                this, [this, pad, note] { m_teaching->taught(pad, note); }, Qt::QueuedConnection);
        });
    m_teaching = std::make_unique<PadTeaching>(*m_input, settings, window, midiMenu, shownLabels,
                                               [this] { return m_list->chosenName(); });
    m_list = std::make_unique<ControllerList>(popup, midi.service(), *m_input, settings);
    connect(m_list.get(), &ControllerList::connectionChanged, m_teaching.get(), &PadTeaching::setConnected);
    connect(m_teaching.get(), &PadTeaching::status, this, &PadController::status);
    m_teaching->setConnected(m_input->isConnected());
}

PadController::~PadController()
{
    m_input.reset();
}

void PadController::refresh()
{
    m_list->refresh();
}
