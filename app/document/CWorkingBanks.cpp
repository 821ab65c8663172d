#include "app/document/CWorkingBanks.h"

#include "model/FactoryBank.h"
#include "model/IBank.h"

namespace {

CWorkingBanks::Banks copiesOf(const CWorkingBanks::Banks& banks)
{
    CWorkingBanks::Banks copies;
    for (const auto& bank : banks)
        copies.emplace_back(bank->clone());
    return copies;
}

} // namespace

CWorkingBanks::CWorkingBanks(QObject* parent)
    : QObject(parent)
    , m_factory(factory::makeBanks())
    , m_banks(copiesOf(m_factory))
    , m_history(m_banks, this)
{
    connect(&m_history, &CUndoHistory::banksChanged, this, &CWorkingBanks::banksChanged);
}

CWorkingBanks::~CWorkingBanks() = default;

CWorkingBanks::Banks CWorkingBanks::copies() const
{
    return copiesOf(m_banks);
}

bool CWorkingBanks::edit(const std::string& what, std::size_t row, const std::function<bool(IBank&)>& change)
{
    IBank& bank = *m_banks.at(row);
    return m_history.perform(what, {row}, [&] { return change(bank); });
}

void CWorkingBanks::replace(const std::string& what, const std::vector<std::size_t>& rows, Banks banks)
{
    if (banks.size() != rows.size())
        return;
    m_history.perform(what, rows, [&] {
        for (std::size_t i = 0; i < rows.size(); ++i)
            m_banks.at(rows[i]) = std::move(banks[i]);
        return true;
    });
}

void CWorkingBanks::resetToFactory(const std::string& what, std::size_t row)
{
    Banks factoryBank;
    factoryBank.emplace_back(m_factory.at(row)->clone());
    replace(what, {row}, std::move(factoryBank));
}
