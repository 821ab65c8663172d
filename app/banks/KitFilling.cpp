#include "app/banks/KitFilling.h"

#include "app/banks/KitDialog.h"
#include "app/banks/KitSlotRender.h"
#include "app/common/IDialogs.h"
#include "app/common/MenuItems.h"
#include "app/common/ShownNames.h"
#include "app/common/WindowText.h"
#include "app/document/SourcesLetGo.h"
#include "app/document/WorkingBanks.h"
#include "audio/SoundFileTypes.h"
#include "content/SlotContent.h"
#include "model/IBank.h"
#include "soundlibrary/LoudnessMatch.h"
#include "soundlibrary/SlotLoudness.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

namespace {

// Hidden files are left out, as the browser leaves them out.
bool isSoundFileName(const std::string& name)
{
    return !name.starts_with('.') && !audio::soundFileEnding(name).empty();
}

} // namespace

KitFilling::KitFilling(IDialogs& dialogs, WorkingBanks& banks, ISoundOutput& output, QWidget& window, QMenu& menu,
                       QAction* before, std::function<std::optional<std::size_t>()> row,
                       std::function<std::vector<std::string>()> selection)
    : QObject(&window)
    , m_dialogs(dialogs)
    , m_banks(banks)
    , m_output(output)
    , m_window(window)
    , m_row(std::move(row))
    , m_selection(std::move(selection))
{
    m_folderItem = new QAction(tr("Fill Bank from &Folder…"), &window);
    m_folderItem->setObjectName(QStringLiteral("menu_fillBank"));
    m_selectionItem = new QAction(tr("Fill Bank from Se&lected Sounds…"), &window);
    m_selectionItem->setObjectName(QStringLiteral("menu_fillBankFromSelection"));
    menu.insertAction(before, m_folderItem);
    menu.insertAction(before, m_selectionItem);
    menu.insertSeparator(before);
    connect(&menu, &QMenu::aboutToShow, this, &KitFilling::updateItems);
    connect(m_folderItem, &QAction::triggered, this, &KitFilling::chooseFolder);
    connect(m_selectionItem, &QAction::triggered, this, &KitFilling::chooseSelection);
}

KitFilling::~KitFilling()
{
    if (m_reading != nullptr) {
        m_reading->wait();
        delete m_reading;
    }
}

void KitFilling::updateItems()
{
    const std::optional<std::size_t> row = m_row();
    const QString refusal = row ? WindowText::of(KitProposal::refusalFor(*row)) : QString();
    const bool ready = row && refusal.isEmpty() && m_reading == nullptr;
    m_folderItem->setEnabled(ready);
    const bool selected = !m_selection().empty();
    m_selectionItem->setEnabled(ready && selected);
    MenuItems::setReason(*m_folderItem, refusal);
    MenuItems::setReason(*m_selectionItem, refusal.isEmpty() && !selected
                                               ? tr("Select sound files in the sound browser first")
                                               : refusal);
}

KitFilling::Found KitFilling::find(const std::string& folder)
{
    Found found;
    found.proposal = KitProposal::ofFolder(folder, found.failure);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code typeError;
        if (entry->is_regular_file(typeError) && isSoundFileName(entry->path().filename().string()))
            found.files.push_back(entry->path().string());
    }
    std::sort(found.files.begin(), found.files.end());
    return found;
}

KitFilling::Found KitFilling::findAmong(const std::vector<std::string>& paths)
{
    Found found;
    found.proposal = KitProposal::ofFiles(paths);
    std::copy_if(paths.begin(), paths.end(), std::back_inserter(found.files), [](const std::string& path) {
        return isSoundFileName(std::filesystem::path(path).filename().string());
    });
    std::sort(found.files.begin(), found.files.end());
    found.files.erase(std::unique(found.files.begin(), found.files.end()), found.files.end());
    return found;
}

void KitFilling::chooseFolder()
{
    const std::optional<std::size_t> row = m_row();
    if (!row || m_reading != nullptr)
        return;
    if (const Text refusal = KitProposal::refusalFor(*row); !refusal.empty())
        return emit status(tr("Not filled: %1").arg(WindowText::of(refusal)));
    const std::string folder = m_dialogs.runFolderPanel(tr("Fill Bank from Folder"));
    if (folder.empty())
        return;
    read(*row,
         {tr("Fill Bank from Folder"), quotedFileName(folder),
          tr("filling of %1 from a folder").arg(shownBankNumber(*row))},
         [folder] { return find(folder); });
}

void KitFilling::chooseSelection()
{
    const std::optional<std::size_t> row = m_row();
    const std::vector<std::string> paths = m_selection();
    if (!row || m_reading != nullptr || paths.empty())
        return;
    if (const Text refusal = KitProposal::refusalFor(*row); !refusal.empty())
        return emit status(tr("Not filled: %1").arg(WindowText::of(refusal)));
    const auto count = static_cast<int>(paths.size());
    read(*row,
         {tr("Fill Bank from Selected Sounds"), tr("%n selected file(s)", nullptr, count),
          tr("filling of %1 from selected files").arg(shownBankNumber(*row))},
         [paths] { return findAmong(paths); });
}

void KitFilling::read(std::size_t row, const Source& source, std::function<Found()> collect)
{
    emit status(tr("Reading the sound files of %1…").arg(source.shown));
    m_reading = QThread::create([this, row, source, collect = std::move(collect)] {
        Found found = collect();
        QMetaObject::invokeMethod(
            this, [this, row, source, found] { propose(row, source, found); }, Qt::QueuedConnection);
    });
    connect(m_reading, &QThread::finished, this, [this] {
        m_reading->deleteLater();
        m_reading = nullptr;
    });
    m_reading->start(QThread::LowPriority);
}

void KitFilling::propose(std::size_t row, const Source& source, const Found& found)
{
    if (!found.proposal)
        return emit status(tr("Not filled: %1: %2").arg(source.shown, WindowText::of(found.failure)));
    if (found.files.empty())
        return emit status(tr("Not filled: %1: %2").arg(source.shown, WindowText::of(KitProposal::emptyText())));
    emit status(QString());
    // Gone once closed, so no hidden copy of its controls lingers among the window's.
    auto* dialog = new KitDialog(source.title, *found.proposal, found.files, m_banks.bank(row), m_output, &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, row, source, dialog] { apply(row, source, *dialog); });
    dialog->open();
}

void KitFilling::apply(std::size_t row, const Source& source, const KitDialog& dialog)
{
    const IBank& bank = m_banks.bank(row);
    const auto chosen = dialog.chosen();
    std::vector<WorkingBanks::SlotPut> puts;
    QStringList said;
    std::vector<std::size_t> saidOf; // the line of said for each put
    for (std::uint16_t slot = 0; slot < chosen.size(); ++slot) {
        const QString label = QString::fromStdString(bank.getContentLabel(slot));
        if (!chosen[slot]) {
            said.push_back(label + QStringLiteral(": ") + dialog.reason(slot));
            continue;
        }
        const std::string name = shownFileName(chosen[slot]->path);
        KitSlotRender::Rendered made = KitSlotRender::render(bank, slot, *chosen[slot]);
        if (!made.result) {
            const QString why = made.readable ? WindowText::of(made.result.text(name, bank.getContentLabel(slot)))
                                              : tr("%1 could not be read.").arg(quotedFileName(chosen[slot]->path));
            return emit status(tr("Not filled: %1").arg(why));
        }
        saidOf.push_back(static_cast<std::size_t>(said.size()));
        said.push_back(label + QStringLiteral(": ") + QString::fromStdString(name) + QStringLiteral(" (")
                       + dialog.reason(slot) + QLatin1Char(')'));
        puts.push_back({slot, std::move(made.bytes), name, std::move(made.source)});
    }
    if (puts.empty())
        return emit status(tr("Not filled: every slot is left as it is."));

    if (dialog.matchesLoudness()) {
        std::vector<soundlibrary::LoudnessMatch::Slot> toMatch;
        for (const WorkingBanks::SlotPut& put : puts)
            toMatch.push_back({put.source->sound.get(), put.source->shape, bank.getContent(put.slot)->getSize()});
        const auto matched = soundlibrary::LoudnessMatch::match(toMatch, std::nullopt);
        if (!matched)
            said.push_back(WindowText::of(soundlibrary::SlotLoudness::missingLibraryText()));
        const std::optional<double> target
            = matched ? soundlibrary::LoudnessMatch::targetOf(*matched, std::nullopt) : std::nullopt;
        for (std::size_t i = 0; matched && i < puts.size(); ++i) {
            const soundlibrary::LoudnessMatch::Matched& slot = (*matched)[i];
            if (!slot.before)
                continue;
            puts[i].bytes = slot.bytes;
            puts[i].source->shape = slot.shape;
            QString& line = said[static_cast<qsizetype>(saidOf[i])];
            line += QStringLiteral("; ") + WindowText::of(soundlibrary::LoudnessMatch::matchedText(slot));
            if (slot.held && target)
                line += QStringLiteral("; ") + WindowText::of(soundlibrary::LoudnessMatch::heldText(slot, *target));
        }
    }
    const WorkingBanks::SoundPut put = m_banks.putSounds({tr("Fill Bank"), source.filling}, row, puts);
    if (!put.taken)
        return emit status(tr("Not filled: the bank did not take the sounds."));
    QString line
        = tr("Filled %1 from %2: %3.").arg(shownBankNumber(row), source.shown, said.join(QStringLiteral("; ")));
    if (put.sourcesLetGo > 0)
        line += QStringLiteral(" ") + SourcesLetGo::sentence(put.sourcesLetGo, m_banks.sourceBudget() >> 20);
    emit status(line);
}
