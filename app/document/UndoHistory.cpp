#include "app/document/UndoHistory.h"

#include "content/SlotContent.h"
#include "model/IBank.h"

#include <QAction>
#include <QKeySequence>

#include <numeric>
#include <utility>

namespace {

std::size_t bytesOf(const IBank& bank)
{
    std::size_t bytes = 0;
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot)
        bytes += bank.getContent(slot)->getSize();
    return bytes;
}

} // namespace

UndoHistory::UndoHistory(Banks& banks, std::vector<RowSources>& sources, FileBinding& binding, QObject* parent)
    : QObject(parent)
    , m_banks(banks)
    , m_sources(sources)
    , m_binding(binding)
    , m_undo(new QAction(this))
    , m_redo(new QAction(this))
{
    m_undo->setObjectName(QStringLiteral("menu_undo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setObjectName(QStringLiteral("menu_redo"));
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(m_undo, &QAction::triggered, this, &UndoHistory::undo);
    connect(m_redo, &QAction::triggered, this, &UndoHistory::redo);
    updateActions();
}

UndoHistory::~UndoHistory() = default;

bool UndoHistory::perform(const StepName& name, const std::vector<std::size_t>& rows,
                          const std::function<bool()>& change, Binding binding)
{
    Step step{name, rows, {}, {}, {}, 0};
    for (const std::size_t row : rows) {
        step.other.emplace_back(m_banks.at(row)->clone());
        step.otherSources.push_back(m_sources.at(row));
        step.bytes += bytesOf(*step.other.back());
    }
    if (binding == Binding::Changed)
        step.otherBinding = m_binding;
    if (!change())
        return false;
    if (step.otherBinding) {
        // The saved banks the new binding shares with the old one cost nothing more.
        for (std::size_t row = 0; row < step.otherBinding->saved.size(); ++row)
            if (row >= m_binding.saved.size() || m_binding.saved[row] != step.otherBinding->saved[row])
                step.bytes += bytesOf(*step.otherBinding->saved[row]);
    }
    // A new step makes the undone ones unreachable.
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    m_steps.push_back(std::move(step));
    m_done = m_steps.size();
    trim();
    updateActions();
    emit banksChanged(QList<int>(rows.begin(), rows.end()));
    return true;
}

void UndoHistory::undo()
{
    emit aboutToUndoOrRedo();
    if (m_done == 0)
        return;
    swap(m_steps[--m_done], tr("Undid %1"));
}

void UndoHistory::redo()
{
    emit aboutToUndoOrRedo();
    if (m_done == m_steps.size())
        return;
    swap(m_steps[m_done++], tr("Redid %1"));
}

void UndoHistory::swap(Step& step, const QString& done)
{
    for (std::size_t i = 0; i < step.rows.size(); ++i) {
        m_banks.at(step.rows[i]).swap(step.other[i]);
        m_sources.at(step.rows[i]).swap(step.otherSources[i]);
    }
    if (step.otherBinding)
        std::swap(m_binding, *step.otherBinding);
    updateActions();
    emit banksChanged(QList<int>(step.rows.begin(), step.rows.end()));
    emit status(done.arg(step.name.said));
}

void UndoHistory::forEachSources(const std::function<void(RowSources&)>& visit)
{
    for (Step& step : m_steps)
        for (RowSources& sources : step.otherSources)
            visit(sources);
}

void UndoHistory::forEachBinding(const std::function<void(FileBinding&)>& visit)
{
    for (Step& step : m_steps)
        if (step.otherBinding)
            visit(*step.otherBinding);
}

void UndoHistory::trim()
{
    const auto total = [this] {
        return std::accumulate(m_steps.begin(), m_steps.end(), std::size_t{0},
                               [](std::size_t sum, const Step& step) { return sum + step.bytes; });
    };
    // The step just done always stays, however large.
    while (m_steps.size() > 1 && (m_steps.size() > kMostSteps || total() > kMostBytes)) {
        m_steps.pop_front();
        --m_done;
    }
}

void UndoHistory::updateActions()
{
    m_undo->setEnabled(m_done > 0);
    m_undo->setText(m_done > 0 ? tr("&Undo %1").arg(m_steps[m_done - 1].name.what) : tr("&Undo"));
    m_redo->setEnabled(m_done < m_steps.size());
    m_redo->setText(m_done < m_steps.size() ? tr("&Redo %1").arg(m_steps[m_done].name.what) : tr("&Redo"));
}
