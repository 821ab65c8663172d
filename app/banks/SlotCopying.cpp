#include "app/banks/SlotCopying.h"

#include "app/common/ShownNames.h"
#include "app/document/SourcesLetGo.h"
#include "app/document/WorkingBanks.h"
#include "audio/SlotRender.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <utility>

SlotCopying::SlotCopying(WorkingBanks& banks, QWidget& window, QMenu& menu,
                         std::function<std::optional<std::size_t>()> row, std::function<int()> slot)
    : QObject(&window)
    , m_banks(banks)
    , m_row(std::move(row))
    , m_slot(std::move(slot))
{
    m_copy = new QAction(tr("&Copy Sound"), &window);
    m_copy->setObjectName(QStringLiteral("menu_copySound"));
    m_copy->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    m_paste = new QAction(tr("&Paste Sound"), &window);
    m_paste->setObjectName(QStringLiteral("menu_pasteSound"));
    m_paste->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    m_swap = new QAction(tr("S&wap Sounds"), &window);
    m_swap->setObjectName(QStringLiteral("menu_swapSounds"));
    menu.addSeparator();
    for (QAction* item : {m_copy, m_paste, m_swap})
        menu.addAction(item);
    connect(&menu, &QMenu::aboutToShow, this, &SlotCopying::updateItems);
    // The menu shows what can be done now; with it closed, the keys always reach the items, which
    // say why where they cannot act.
    connect(&menu, &QMenu::aboutToHide, this, [this] {
        for (QAction* item : {m_copy, m_paste, m_swap})
            item->setEnabled(true);
    });
    connect(m_copy, &QAction::triggered, this, &SlotCopying::copy);
    connect(m_paste, &QAction::triggered, this, &SlotCopying::paste);
    connect(m_swap, &QAction::triggered, this, &SlotCopying::swap);
}

std::optional<SlotCopying::Place> SlotCopying::selected(bool say)
{
    const std::optional<std::size_t> row = m_row();
    const int slot = m_slot();
    if (!row || slot < 0)
        return std::nullopt;
    if (!factory::isSoundRow(*row)) {
        if (say)
            emit status(firmwareRefusal());
        return std::nullopt;
    }
    return Place{*row, static_cast<std::uint16_t>(slot)};
}

QString SlotCopying::firmwareRefusal()
{
    return tr("The firmware bank's slots hold messages, not sounds: only a sample slot's sound is copied, pasted or "
              "swapped");
}

SlotCopying::Sound SlotCopying::soundAt(const Place& place) const
{
    const IBank& bank = m_banks.bank(place.row);
    Sound sound{bank.getContent(place.slot)->getData(), bank.getContentName(place.slot), std::nullopt};
    if (const SlotSource* source = m_banks.source(place.row, place.slot))
        sound.source = *source;
    return sound;
}

SlotCopying::Sound SlotCopying::fitted(Sound sound, const Place& place) const
{
    const std::size_t length = m_banks.bank(place.row).getContent(place.slot)->getSize();
    if (sound.bytes.size() == length)
        return sound;
    if (sound.source) {
        audio::RenderedSlot rendered = audio::renderSlot(*sound.source->sound, sound.source->shape, length);
        if (!rendered.bytes.empty()) {
            sound.bytes = std::move(rendered.bytes);
            return sound;
        }
        // Its shape cannot make a slot of this length (a fit out of reach): the bytes as they are.
        sound.source.reset();
    }
    sound.bytes.resize(length, factory::kSilence);
    return sound;
}

QString SlotCopying::shownPlace(const Place& place) const
{
    return shownSlot(place.row, m_banks.bank(place.row), place.slot);
}

void SlotCopying::updateItems()
{
    const std::optional<Place> place = selected(false);
    m_copy->setEnabled(place.has_value());
    m_paste->setEnabled(place && m_copied);
    m_swap->setEnabled(place && m_copiedFrom && *m_copiedFrom != *place);
}

void SlotCopying::copy()
{
    const std::optional<Place> place = selected(true);
    if (!place)
        return;
    m_copiedFrom = place;
    m_copied = soundAt(*place);
    emit status(tr("Copied the sound of %1").arg(shownPlace(*place)));
}

void SlotCopying::paste()
{
    const std::optional<Place> place = selected(true);
    if (!place)
        return;
    if (!m_copied)
        return emit status(tr("Not pasted: copy a slot's sound first (Edit \u2192 Copy Sound)"));
    put({tr("Paste Sound"), tr("paste into %1").arg(shownPlace(*place))},
        tr("Pasted the sound copied from %1 into %2.").arg(shownPlace(*m_copiedFrom), shownPlace(*place)),
        {{*place, fitted(*m_copied, *place)}});
}

void SlotCopying::swap()
{
    const std::optional<Place> place = selected(true);
    if (!place)
        return;
    if (!m_copiedFrom || *m_copiedFrom == *place)
        return emit status(tr("Not swapped: copy another slot first, then swap it with this one"));
    const Place other = *m_copiedFrom;
    put({tr("Swap Sounds"), tr("swap of %1 and %2").arg(shownPlace(other), shownPlace(*place))},
        tr("Swapped the sounds of %1 and %2.").arg(shownPlace(other), shownPlace(*place)),
        {{*place, fitted(soundAt(other), *place)}, {other, fitted(soundAt(*place), other)}});
}

void SlotCopying::copyIntoShownBank(std::size_t fromRow, int fromSlot, int slot)
{
    const std::optional<std::size_t> row = m_row();
    const auto isSlot = [](int at) { return at >= 0 && at < factory::kSoundSlotCount; };
    if (!row || !isSlot(fromSlot) || !isSlot(slot) || (fromRow == *row && fromSlot == slot))
        return;
    if (!factory::isSoundRow(*row) || !factory::isSoundRow(fromRow))
        return emit status(firmwareRefusal());
    const Place from{fromRow, static_cast<std::uint16_t>(fromSlot)};
    const Place into{*row, static_cast<std::uint16_t>(slot)};
    put({tr("Copy Sound"), tr("copy of %1 into %2").arg(shownPlace(from), shownPlace(into))},
        tr("Copied the sound of %1 into %2.").arg(shownPlace(from), shownPlace(into)),
        {{into, fitted(soundAt(from), into)}});
}

void SlotCopying::put(const StepName& step, const QString& done, std::vector<std::pair<Place, Sound>> puts)
{
    std::vector<std::pair<std::size_t, WorkingBanks::SlotPut>> changes;
    for (auto& [place, sound] : puts)
        changes.push_back(
            {place.row, {place.slot, std::move(sound.bytes), std::move(sound.name), std::move(sound.source)}});
    const WorkingBanks::SoundPut result = m_banks.putSounds(step, changes);
    if (!result.taken)
        return emit status(tr("Not done: the bank did not take the sound."));
    QString line = done;
    if (result.sourcesLetGo > 0)
        line += QStringLiteral(" ") + SourcesLetGo::sentence(result.sourcesLetGo, m_banks.sourceBudget() >> 20);
    emit status(line);
}
