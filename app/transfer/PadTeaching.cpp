#include "app/transfer/PadTeaching.h"

#include "app/settings/Settings.h"
#include "midiio/ControllerInput.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

namespace {

// Under this group each pad's note is kept by its label: "pads/notes/CLAP".
const QString kNotesGroup = QStringLiteral("pads/notes/");

} // namespace

PadTeaching::PadTeaching(ControllerInput& input, Settings& settings, QWidget& window, QMenu& midiMenu,
                         std::vector<QString> labels, std::function<QString()> controllerName)
    : QObject(&window)
    , m_input(input)
    , m_settings(settings)
    , m_labels(std::move(labels))
    , m_controllerName(std::move(controllerName))
{
    PadNotes notes = m_input.notes();
    for (const QString& label : m_labels) {
        bool isNumber = false;
        const int kept = m_settings.value(kNotesGroup + label).toInt(&isNumber);
        if (isNumber && kept >= 0 && kept <= PadNotes::kHighestNote)
            notes.teach(label.toStdString(), static_cast<std::uint8_t>(kept));
    }
    m_input.setNotes(notes);

    m_menu = midiMenu.addMenu(tr("&Teach a Pad"));
    m_menu->setObjectName(QStringLiteral("menu_teachPad"));
    m_menu->setToolTipsVisible(true);
    for (std::size_t pad = 0; pad < m_labels.size(); ++pad) {
        QAction* item = m_menu->addAction(QString());
        item->setObjectName(QStringLiteral("menu_teachPad_%1").arg(pad));
        connect(item, &QAction::triggered, this, [this, pad] { learn(static_cast<std::uint16_t>(pad)); });
        m_items.push_back(item);
    }
    // Only while a pad waits for its note: Escape is nobody else's then.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    m_escape->setObjectName(QStringLiteral("shortcut_cancelTeaching"));
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &PadTeaching::cancel);
    showNotes();
    setConnected(false);
}

void PadTeaching::setConnected(bool connected)
{
    for (QAction* item : m_items) {
        item->setEnabled(connected);
        item->setToolTip(connected ? QString() : tr("Choose a MIDI controller first: a pad learns its note from it"));
    }
}

void PadTeaching::learn(std::uint16_t pad)
{
    m_input.learn(pad);
    m_escape->setEnabled(true);
    emit status(tr("Play the note for %1 on %2 (Escape cancels)").arg(m_labels[pad], m_controllerName()));
}

void PadTeaching::cancel()
{
    const std::optional<std::uint16_t> pad = m_input.learning();
    m_input.cancelLearning();
    m_escape->setEnabled(false);
    if (pad)
        emit status(tr("%1 keeps its note").arg(m_labels[*pad]));
}

void PadTeaching::taught(std::uint16_t pad, std::uint8_t note)
{
    if (pad >= m_labels.size())
        return;
    m_settings.setValue(kNotesGroup + m_labels[pad], note);
    m_escape->setEnabled(m_input.learning().has_value());
    showNotes();
    emit status(tr("%1 now plays from note %2").arg(m_labels[pad]).arg(note));
}

void PadTeaching::showNotes()
{
    const PadNotes notes = m_input.notes();
    for (std::size_t pad = 0; pad < m_items.size(); ++pad) {
        const std::optional<std::uint8_t> note = notes.noteOf(m_labels[pad].toStdString());
        const QString text = note ? tr("%1 (note %2)").arg(m_labels[pad]).arg(*note) : m_labels[pad];
        // Numbered as the pads are, so that each item has its key in the menu, as Open Recent's do.
        m_items[pad]->setText(QStringLiteral("&%1 %2").arg(pad + 1).arg(text));
    }
}
