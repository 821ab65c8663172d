#include "app/document/UnsavedChanges.h"

#include "app/common/ShownNames.h"
#include "content/SlotContent.h"
#include "model/IBank.h"

namespace {

// Names listed in the question before the rest are only counted.
constexpr std::size_t kNamesShown = 3;

bool sameBank(const IBank& a, const IBank& b)
{
    if (a.getIndex() != b.getIndex() || a.getName() != b.getName() || a.getContentNames() != b.getContentNames()
        || a.getContentCount() != b.getContentCount())
        return false;
    for (std::uint16_t slot = 0; slot < a.getContentCount(); ++slot) {
        if (a.getContent(slot)->getData() != b.getContent(slot)->getData())
            return false;
    }
    return true;
}

} // namespace

UnsavedChanges::UnsavedChanges(const WorkingBanks& banks, IDialogs& dialogs)
    : m_banks(banks)
    , m_dialogs(dialogs)
{
}

UnsavedChanges::~UnsavedChanges() = default;

std::vector<std::size_t> UnsavedChanges::changedRows() const
{
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < m_banks.size(); ++row) {
        if (!sameBank(m_banks.bank(row), *m_banks.binding().saved.at(row)))
            rows.push_back(row);
    }
    return rows;
}

QString UnsavedChanges::title() const
{
    return (filePath().empty() ? tr("Untitled") : QString::fromStdString(shownFileName(filePath())))
           + QStringLiteral("[*]");
}

UnsavedChanges::Answer UnsavedChanges::ask(const QString& before) const
{
    const std::vector<std::size_t> rows = changedRows();
    if (rows.empty())
        return Answer::Discard;
    QString names;
    for (std::size_t i = 0; i < rows.size() && i < kNamesShown; ++i)
        names += (i == 0 ? QString() : tr(", "))
                 + tr("\"%1\"").arg(QString::fromStdString(m_banks.bank(rows[i]).getName()));
    if (rows.size() > kNamesShown)
        names = tr("%1 and %n more", nullptr, static_cast<int>(rows.size() - kNamesShown)).arg(names);
    const QString message = tr("The bank(s) %1 have changes that are not saved. Save them before %2?", nullptr,
                               static_cast<int>(rows.size()))
                                .arg(names, before);
    switch (m_dialogs.runAlert(
        {IDialogs::AlertStyle::Question, tr("Save changes?"), message, tr("Save"), tr("Cancel"), tr("&Discard")})) {
    case IDialogs::AlertReply::Default:
        return Answer::Save;
    case IDialogs::AlertReply::Other:
        return Answer::Discard;
    case IDialogs::AlertReply::Alternate:
        break;
    }
    return Answer::Cancel;
}
