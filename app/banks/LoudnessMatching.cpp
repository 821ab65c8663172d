#include "app/banks/LoudnessMatching.h"

#include "app/banks/LoudnessTargetDialog.h"
#include "app/common/MenuItems.h"
#include "app/common/ShownNames.h"
#include "app/common/WindowText.h"
#include "app/document/SlotBytesSound.h"
#include "app/document/SourcesLetGo.h"
#include "app/document/WorkingBanks.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"
#include "model/IBank.h"
#include "soundlibrary/LoudnessMatch.h"
#include "soundlibrary/SlotLoudness.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStringList>

using soundlibrary::LoudnessMatch;

LoudnessMatching::LoudnessMatching(WorkingBanks& banks, QWidget& window, QMenu& menu, QAbstractButton& button,
                                   QWidget& after, std::function<std::optional<std::size_t>()> row)
    : QObject(&window)
    , m_banks(banks)
    , m_window(window)
    , m_button(button)
    , m_row(std::move(row))
    , m_tip(button.toolTip())
{
    m_item = new QAction(tr("Match &Loudness…"), &window);
    m_item->setObjectName(QStringLiteral("menu_matchLoudness"));
    menu.addSeparator();
    menu.addAction(m_item);
    connect(m_item, &QAction::triggered, this, &LoudnessMatching::choose);
    connect(&m_button, &QAbstractButton::clicked, this, &LoudnessMatching::choose);
    // The slot rows set their own order before this is made: the button goes where it stands.
    QWidget::setTabOrder(&after, &m_button);
}

void LoudnessMatching::showRow(std::optional<std::size_t> row)
{
    const QString refusal
        = row && !factory::isSoundRow(*row) ? WindowText::of(LoudnessMatch::firmwareRefusal()) : QString();
    const bool enabled = row && refusal.isEmpty();
    m_item->setEnabled(enabled);
    m_button.setEnabled(enabled);
    // The reason stands where the disabled control is pointed at (DisabledReasons says it when pressed).
    MenuItems::setReason(*m_item, refusal);
    m_button.setToolTip(enabled ? m_tip : refusal);
}

void LoudnessMatching::choose()
{
    const std::optional<std::size_t> row = m_row();
    if (!row)
        return;
    if (!factory::isSoundRow(*row))
        return emit status(tr("Not matched: %1").arg(WindowText::of(LoudnessMatch::firmwareRefusal())));
    // Gone once closed, so no hidden copy of its controls lingers among the window's.
    auto* dialog = new LoudnessTargetDialog(shownBankNumber(*row), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, row = *row, dialog] { apply(row, dialog->target()); });
    dialog->open();
}

void LoudnessMatching::apply(std::size_t row, std::optional<double> target)
{
    const IBank& bank = m_banks.bank(row);
    std::vector<std::uint16_t> indices;
    std::vector<SlotSource> sources;
    std::vector<LoudnessMatch::Slot> toMatch;
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
        if (!bank.isSampleContent(slot))
            continue;
        const SlotSource* kept = m_banks.source(row, slot);
        // Without a file, the slot's own bytes are its source, as the sound panel shapes them.
        sources.push_back(kept != nullptr && kept->sound
                              ? *kept
                              : SlotSource{slotBytesSound(bank.getContent(slot)->getData()), {}, {}, {}});
        indices.push_back(slot);
    }
    for (const SlotSource& source : sources)
        toMatch.push_back({source.sound.get(), source.shape, bank.getContent(indices[toMatch.size()])->getSize(),
                           source.path.empty()});
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto matched = LoudnessMatch::match(toMatch, target);
    QApplication::restoreOverrideCursor();
    if (!matched)
        return emit status(tr("Not matched: %1").arg(WindowText::of(soundlibrary::SlotLoudness::missingLibraryText())));
    const std::optional<double> to = LoudnessMatch::targetOf(*matched, target);
    if (!to)
        return emit status(tr("Not matched: every slot of %1 is silent.").arg(shownBankNumber(row)));

    std::vector<WorkingBanks::SlotPut> puts;
    QStringList said;
    for (std::size_t i = 0; i < matched->size(); ++i) {
        const LoudnessMatch::Matched& slot = (*matched)[i];
        const QString label = QString::fromStdString(bank.getContentLabel(indices[i])) + QStringLiteral(": ");
        if (!slot.before) {
            said.push_back(label + WindowText::of(soundlibrary::SlotLoudness::text(std::nullopt)));
            continue;
        }
        QString line = label + WindowText::of(LoudnessMatch::matchedText(slot));
        if (slot.held)
            line += QStringLiteral("; ") + WindowText::of(LoudnessMatch::heldText(slot, *to));
        said.push_back(line);
        // A slot held at the gain it had stays as it is, the bytes it was made of included.
        if (slot.shape.gain == sources[i].shape.gain && slot.shape.normalize == sources[i].shape.normalize)
            continue;
        SlotSource source = sources[i];
        source.shape = slot.shape;
        puts.push_back({indices[i], slot.bytes, bank.getContentName(indices[i]), std::move(source)});
    }
    const QString where = shownBankNumber(row);
    const QString figure = WindowText::of(soundlibrary::SlotLoudness::text(to));
    if (puts.empty())
        return emit status(tr("%1 is at %2 already: %3.").arg(where, figure, said.join(QStringLiteral("; "))));
    const WorkingBanks::SoundPut put
        = m_banks.putSounds({tr("Match Loudness"), tr("loudness match of %1").arg(where)}, row, puts);
    if (!put.taken)
        return emit status(tr("Not matched: the bank did not take the sounds."));
    QString line = tr("Matched %1 to %2: %3.").arg(where, figure, said.join(QStringLiteral("; ")));
    if (put.sourcesLetGo > 0)
        line += QStringLiteral(" ") + SourcesLetGo::sentence(put.sourcesLetGo, m_banks.sourceBudget() >> 20);
    emit status(line);
}
