#include "app/document/WorkingBanks.h"

#include "content/SlotContent.h"
#include "model/FactoryBank.h"
#include "model/IBank.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

namespace {

WorkingBanks::Banks copiesOf(const WorkingBanks::Banks& banks)
{
    WorkingBanks::Banks copies;
    for (const auto& bank : banks)
        copies.emplace_back(bank->clone());
    return copies;
}

std::vector<std::shared_ptr<const IBank>> sharedCopiesOf(const WorkingBanks::Banks& banks)
{
    std::vector<std::shared_ptr<const IBank>> copies;
    for (const auto& bank : banks)
        copies.emplace_back(bank->clone());
    return copies;
}

// Whether two paths name one file, however each spells it.
bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    return a == b || (std::filesystem::equivalent(a, b, error) && !error);
}

} // namespace

WorkingBanks::WorkingBanks(QObject* parent, std::size_t sourceBudget)
    : QObject(parent)
    , m_factory(factory::makeBanks())
    , m_banks(copiesOf(m_factory))
    , m_sources(m_banks.size())
    , m_binding{{}, {}, sharedCopiesOf(m_factory)}
    , m_sourceBudget(sourceBudget)
    , m_history(m_banks, m_sources, m_binding, this)
{
    connect(&m_history, &UndoHistory::aboutToUndoOrRedo, this, &WorkingBanks::aboutToUndoOrRedo);
    connect(&m_history, &UndoHistory::banksChanged, this, &WorkingBanks::banksChanged);
    connect(&m_history, &UndoHistory::status, this, &WorkingBanks::status);
}

WorkingBanks::~WorkingBanks() = default;

WorkingBanks::Banks WorkingBanks::copies() const
{
    return copiesOf(m_banks);
}

const SlotSource* WorkingBanks::source(std::size_t row, std::uint16_t slot) const
{
    const RowSources& sources = m_sources.at(row);
    const auto found = sources.find(slot);
    return found != sources.end() ? &found->second : nullptr;
}

bool WorkingBanks::edit(const StepName& name, std::size_t row, const std::function<bool(IBank&)>& change)
{
    IBank& bank = *m_banks.at(row);
    RowSources& sources = m_sources.at(row);
    return m_history.perform(name, {row}, [&] {
        std::map<std::uint16_t, std::vector<std::uint8_t>> shaped;
        for (const auto& [slot, source] : sources)
            shaped[slot] = bank.getContent(slot)->getData();
        if (!change(bank))
            return false;
        // A source no longer says how the slot's bytes were made once other bytes replace them.
        for (const auto& [slot, bytes] : shaped)
            if (bank.getContent(slot) == nullptr || bank.getContent(slot)->getData() != bytes)
                sources.erase(slot);
        return true;
    });
}

void WorkingBanks::replace(const StepName& name, const std::vector<std::size_t>& rows, Banks banks)
{
    if (banks.size() != rows.size())
        return;
    m_history.perform(name, rows, [&] {
        put(rows, banks);
        return true;
    });
}

void WorkingBanks::open(const StepName& name, const std::vector<std::size_t>& rows, Banks banks,
                        const std::string& path)
{
    if (banks.size() != rows.size())
        return;
    m_history.perform(
        name, rows,
        [&] {
            put(rows, banks);
            bind(rows, path);
            return true;
        },
        UndoHistory::Binding::Changed);
}

void WorkingBanks::put(const std::vector<std::size_t>& rows, Banks& banks)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_banks.at(rows[i]) = std::move(banks[i]);
        m_sources.at(rows[i]).clear();
    }
}

void WorkingBanks::matchFile(const std::vector<std::size_t>& rows, const std::string& path)
{
    const auto rewritten
        = [&](const FileBinding& binding) { return !binding.path.empty() && sameFile(binding.path, path); };
    // The rows the file held before and holds no more are on no file now: only their factory
    // banks count as saved.
    const auto forgetRowsNotHeld = [&](FileBinding& binding) {
        for (const std::size_t row : binding.rows)
            if (std::find(rows.begin(), rows.end(), row) == rows.end())
                binding.saved.at(row).reset(m_factory.at(row)->clone());
    };
    if (rewritten(m_binding))
        forgetRowsNotHeld(m_binding);
    bind(rows, path);
    // An undone open of this file, redone, must know the file as it is now, not as it was opened:
    // else Save would write the rows it held then over those it holds now.
    m_history.forEachBinding([&](FileBinding& kept) {
        if (!rewritten(kept))
            return;
        forgetRowsNotHeld(kept);
        kept.path = path;
        kept.rows = rows;
        for (const std::size_t row : rows)
            kept.saved.at(row) = m_binding.saved.at(row);
    });
}

void WorkingBanks::bind(const std::vector<std::size_t>& rows, const std::string& path)
{
    m_binding.path = path;
    m_binding.rows = rows;
    for (const std::size_t row : rows)
        m_binding.saved.at(row).reset(m_banks.at(row)->clone());
}

void WorkingBanks::resetToFactory(const StepName& name, std::size_t row)
{
    Banks factoryBank;
    factoryBank.emplace_back(m_factory.at(row)->clone());
    replace(name, {row}, std::move(factoryBank));
}

WorkingBanks::SoundPut WorkingBanks::putSound(const StepName& step, std::size_t row, std::uint16_t slot,
                                              std::span<const std::uint8_t> bytes, const std::string& name,
                                              std::optional<SlotSource> source)
{
    return putSounds(step, row, {{slot, {bytes.begin(), bytes.end()}, name, std::move(source)}});
}

WorkingBanks::SoundPut WorkingBanks::putSounds(const StepName& step, std::size_t row, const std::vector<SlotPut>& puts)
{
    std::vector<std::pair<std::size_t, SlotPut>> placed;
    for (const SlotPut& one : puts)
        placed.emplace_back(row, one);
    return putSounds(step, placed);
}

WorkingBanks::SoundPut WorkingBanks::putSounds(const StepName& step,
                                               const std::vector<std::pair<std::size_t, SlotPut>>& puts)
{
    std::vector<std::size_t> rows;
    for (const auto& [row, one] : puts)
        if (std::find(rows.begin(), rows.end(), row) == rows.end())
            rows.push_back(row);
    SoundPut put;
    put.taken = m_history.perform(step, rows, [&] {
        // Into copies first, so a slot refused halfway leaves every bank as it was.
        std::map<std::size_t, std::unique_ptr<IBank>> changed;
        for (const auto& [row, one] : puts) {
            std::unique_ptr<IBank>& bank = changed[row];
            if (!bank)
                bank.reset(m_banks.at(row)->clone());
            if (!bank->putSound(one.slot, one.bytes, one.name))
                return false;
        }
        for (auto& [row, bank] : changed)
            m_banks.at(row) = std::move(bank);
        for (const auto& [row, one] : puts) {
            if (one.source && one.source->sound)
                m_sources.at(row)[one.slot] = *one.source;
            else
                m_sources.at(row).erase(one.slot);
        }
        return true;
    });
    if (put.taken)
        for (const auto& [row, one] : puts)
            if (one.source && one.source->sound)
                put.sourcesLetGo += keepNewest(one.source->sound);
    return put;
}

std::size_t WorkingBanks::keepSource(std::size_t row, std::uint16_t slot, SlotSource source)
{
    if (!source.sound || !m_banks.at(row)->isSampleContent(slot))
        return 0;
    const auto sound = source.sound;
    m_sources.at(row)[slot] = std::move(source);
    return keepNewest(sound);
}

std::size_t WorkingBanks::keepNewest(const std::shared_ptr<const audio::DecodedSound>& sound)
{
    // A source shaped again is the newest: the one the user works with is the last to go.
    std::erase_if(m_keptOrder, [&](const auto& old) { return old.lock() == sound; });
    m_keptOrder.push_back(sound);
    return keepWithinBudget();
}

void WorkingBanks::forEachSources(const std::function<void(RowSources&)>& visit)
{
    for (RowSources& sources : m_sources)
        visit(sources);
    m_history.forEachSources(visit);
}

std::size_t WorkingBanks::keepWithinBudget()
{
    // A source held by several slots and steps counts once.
    const auto keptBytes = [this] {
        std::set<const audio::DecodedSound*> sounds;
        forEachSources([&](RowSources& sources) {
            for (const auto& [slot, source] : sources)
                sounds.insert(source.sound.get());
        });
        std::size_t bytes = 0;
        for (const audio::DecodedSound* sound : sounds)
            bytes += sound->heldBytes();
        return bytes;
    };
    // A source no slot or step holds any more went with them.
    std::erase_if(m_keptOrder, [](const auto& sound) { return sound.expired(); });
    std::size_t letGo = 0;
    while (m_keptOrder.size() > 1 && keptBytes() > m_sourceBudget) {
        const std::shared_ptr<const audio::DecodedSound> oldest = m_keptOrder.front().lock();
        m_keptOrder.erase(m_keptOrder.begin());
        std::size_t holders = 0;
        forEachSources([&](RowSources& sources) {
            holders += std::erase_if(sources, [&](const auto& entry) { return entry.second.sound == oldest; });
        });
        // A source the panel still holds, though no slot does, was no longer kept.
        letGo += holders > 0 ? 1 : 0;
    }
    return letGo;
}
