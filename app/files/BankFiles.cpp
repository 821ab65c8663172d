#include "app/files/BankFiles.h"
#include "app/document/SourcesLetGo.h"

#include "app/common/ShownNames.h"
#include "app/common/WindowText.h"
#include "app/document/UnsavedChanges.h"
#include "app/document/WorkingBanks.h"
#include "app/files/FilePanels.h"
#include "app/files/ShapeSidecar.h"
#include "audio/SoundFileTypes.h"
#include "bankfile/BankFile.h"
#include "bankfile/BankFileOpening.h"
#include "bytes/SourceFileReader.h"
#include "content/SlotContent.h"
#include "midiio/TransmissionAccount.h"
#include "model/IBank.h"

#include <QDir>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <numeric>

namespace {

const std::vector<std::string> kBankFileTypes{"mid"};

} // namespace

BankFiles::BankFiles(IDialogs& dialogs, FilePanels& panels, WorkingBanks& banks, UnsavedChanges& unsaved,
                     QObject* parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_panels(panels)
    , m_banks(banks)
    , m_unsaved(unsaved)
    , m_file(std::make_unique<BankFile>())
{
}

BankFiles::~BankFiles() = default;

void BankFiles::open(std::size_t row, bool allBanks)
{
    if (!settle(tr("opening another bank file")))
        return;
    const std::string path = m_panels.open(Settings::Folder::Open, kBankFileTypes, tr("Open Bank File"));
    if (!path.empty())
        openFile(row, path, allBanks);
}

void BankFiles::open(std::size_t row, const std::string& path, bool allBanks)
{
    if (settle(tr("opening another bank file")))
        openFile(row, path, allBanks);
}

void BankFiles::openFile(std::size_t row, const std::string& path, bool allBanks)
{
    BankFileOpening opening = BankFileOpening::open(path, row);
    switch (opening.fills()) {
    case BankFileOpening::Fills::OneRow:
        openOne(row, opening, path);
        return;
    case BankFileOpening::Fills::AllRows:
        if (allBanks)
            openAll(opening, path);
        else
            openRowOfAll(row, opening, path);
        return;
    case BankFileOpening::Fills::Nothing:
        break;
    }
    const QString file = QString::fromStdString(shownFileName(path));
    if (opening.error() != 0) {
        m_dialogs.runAlert({IDialogs::AlertStyle::Warning, tr("File Not Opened"),
                            tr("%1 could not be opened: %2.").arg(file, refusal(opening)), tr("OK")});
        emit status(tr("Not opened: %1: %2").arg(file, refusal(opening)));
        return;
    }
    m_dialogs.runAlert(
        {IDialogs::AlertStyle::Warning, tr("Wrong File Format"),
         tr("%1 holds no sound bank for a Tarvo ZYLOX 515: it is not a bank file, or it is damaged.").arg(file),
         tr("OK")});
    emit status(tr("Not opened: %1 holds no sound bank").arg(file));
}

void BankFiles::reopen(const std::string& path)
{
    BankFileOpening opening = BankFileOpening::open(path, std::nullopt);
    switch (opening.fills()) {
    case BankFileOpening::Fills::OneRow:
        openOne(*opening.fileRow(), opening, path);
        return;
    case BankFileOpening::Fills::AllRows:
        openAll(opening, path);
        return;
    case BankFileOpening::Fills::Nothing:
        break;
    }
    emit status(tr("The last bank file was not opened again: %1: %2")
                    .arg(QDir::toNativeSeparators(QString::fromStdString(path)), refusal(opening)));
}

QString BankFiles::refusal(const BankFileOpening& opening)
{
    return opening.error() != 0 ? QString::fromLocal8Bit(std::strerror(opening.error())) : tr("it holds no sound bank");
}

void BankFiles::openOne(std::size_t row, BankFileOpening& opening, const std::string& path)
{
    std::size_t onto = row;
    if (opening.needsReaddress()) {
        const std::size_t fileIndex = *opening.fileRow();
        const bool ownRowShown = fileIndex < m_banks.size();
        // The file's own name for its bank: the row's bank here may have been renamed since.
        const std::string fileBankName = opening.oneBank()->getName();
        const QString selected = shownBankNumber(row);
        const QString own = shownBankNumber(fileIndex);
        const QString selectedName = QString::fromStdString(m_banks.bank(row).getName());
        m_dialogs.beep();
        const QString message
            = (ownRowShown
                   ? tr("The file contains data for bank: \"%1\" (%2).\nLoad it into the selected bank \"%3\" (%4) "
                        "or into %2? What that bank holds now is replaced.")
                         .arg(QString::fromStdString(fileBankName), own, selectedName, selected)
                   : tr("The file contains data for bank: \"%1\" (%2).\nLoad it into the selected bank \"%3\" (%4)? "
                        "What that bank holds now is replaced.")
                         .arg(QString::fromStdString(fileBankName), own, selectedName, selected));
        // Enter loads nothing: either load replaces a bank, and the user picks which.
        const QString other = ownRowShown ? tr("Load into %1").arg(own) : QString();
        switch (m_dialogs.runAlert({IDialogs::AlertStyle::Question, tr("Different Banks!"), message,
                                    tr("Load into %1").arg(selected), tr("Cancel"), other,
                                    IDialogs::AlertReply::Alternate})) {
        case IDialogs::AlertReply::Default:
            opening.readdress();
            break;
        case IDialogs::AlertReply::Other:
            onto = fileIndex;
            break;
        case IDialogs::AlertReply::Alternate:
            return;
        }
    }
    const std::size_t fileRow = opening.fileRow().value_or(onto);
    const QString file = QString::fromStdString(shownFileName(path));
    const QString number = shownBankNumber(onto);
    m_banks.open({tr("Open"), tr("opening %1 into %2").arg(file, number)}, {onto}, opening.takeBanks(), path);
    emit fileUsed(path);
    report(tr("Opened %1 into %2").arg(file, number), findSources({{fileRow, onto}}, path));
}

void BankFiles::openAll(BankFileOpening& opening, const std::string& path)
{
    std::vector<std::size_t> rows(m_banks.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    const QString file = QString::fromStdString(shownFileName(path));
    m_banks.open({tr("Open"), tr("opening %1 (all banks)").arg(file)}, rows, opening.takeBanks(), path);
    emit fileUsed(path);
    std::map<std::size_t, std::size_t> sameRows;
    for (const std::size_t row : rows)
        sameRows.emplace(row, row);
    report(tr("Opened %1 (all banks)").arg(file), findSources(sameRows, path));
}

void BankFiles::openRowOfAll(std::size_t row, BankFileOpening& opening, const std::string& path)
{
    WorkingBanks::Banks banks = opening.takeBanks();
    WorkingBanks::Banks one;
    one.push_back(std::move(banks.at(row)));
    const QString file = QString::fromStdString(shownFileName(path));
    const QString number = shownBankNumber(row);
    m_banks.replace({tr("Open"), tr("opening %1 from %2").arg(number, file)}, {row}, std::move(one));
    // The file stays what it was, not the set's file: a Save of the set into it would put our
    // other banks over its own.
    emit fileUsed(path);
    report(tr("Opened %1 from %2").arg(number, file), findSources({{row, row}}, path));
}

bool BankFiles::save(std::size_t row, bool allBanks)
{
    if (m_unsaved.filePath().empty())
        return saveAs(row, allBanks);
    return write(m_unsaved.fileRows(), m_unsaved.filePath());
}

bool BankFiles::saveAs(std::size_t row, bool allBanks)
{
    const QString suggested = allBanks ? tr("All banks") : shownBankNumber(row);
    const std::string path = m_panels.save(kBankFileTypes, suggested + QStringLiteral(".mid"));
    if (path.empty())
        return false;
    std::vector<std::size_t> rows{row};
    if (allBanks) {
        rows.resize(m_banks.size());
        std::iota(rows.begin(), rows.end(), std::size_t{0});
    }
    // A folder the file could not be written into is not where the next panel starts.
    if (!write(rows, path))
        return false;
    m_panels.saved(path);
    return true;
}

bool BankFiles::write(const std::vector<std::size_t>& rows, const std::string& path)
{
    // Writing builds each bank's flash dump anew, so it works on copies of the banks.
    WorkingBanks::Banks copies;
    std::vector<IBank*> banks;
    for (const std::size_t row : rows)
        banks.push_back(copies.emplace_back(m_banks.bank(row).clone()).get());
    const bool saved = m_file->saveBanks(banks, path);
    if (!saved) {
        const QString failure
            = tr("The bank file \"%1\" could not be written: %2.")
                  .arg(QString::fromStdString(shownFileName(path)), WindowText::of(m_file->saveFailure().text()));
        m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Save Failed"), failure, tr("OK")});
        emit status(tr("Not saved: %1").arg(failure));
        return false;
    }
    m_banks.matchFile(rows, path);
    emit fileUsed(path);
    const QString file = QString::fromStdString(shownFileName(path));
    const QString shapes = writeShapes(rows, path);
    const QString left = leftUnsaved(file);
    report(rows.size() == 1 ? tr("Saved %1 (%2)").arg(file, shownBankNumber(rows.front()))
                            : tr("Saved %1 (all banks)").arg(file),
           shapes.isEmpty() || left.isEmpty() ? shapes + left : tr("%1 %2").arg(shapes, left));
    return true;
}

QString BankFiles::leftUnsaved(const QString& file) const
{
    const std::vector<std::size_t> changed = m_unsaved.changedRows();
    if (changed.empty())
        return {};
    const QString rows = WindowText::of(TransmissionAccount::rows(changed));
    return tr("%1 stay(s) unsaved: %2 does not hold them (Save As\u2026 writes them).", nullptr,
              static_cast<int>(changed.size()))
        .arg(rows, file);
}

QString BankFiles::writeShapes(const std::vector<std::size_t>& rows, const std::string& path)
{
    std::vector<ShapeSidecar::Slot> shaped;
    for (const std::size_t row : rows) {
        const IBank& bank = m_banks.bank(row);
        for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
            const SlotSource* source = m_banks.source(row, slot);
            // A source changed since it was read could not be found again as it was.
            if (source == nullptr || source->path.empty() || fileStampOf(source->path) != source->stamp)
                continue;
            shaped.push_back({row, slot, std::filesystem::absolute(source->path).string(), source->stamp.size,
                              source->stamp.modified, source->shape,
                              ShapeSidecar::hashOf(bank.getContent(slot)->getData())});
        }
    }
    QString error;
    if (!ShapeSidecar::write(path, shaped, error))
        return tr("The shapes of its slots could not be kept beside %1: %2")
            .arg(QString::fromStdString(shownFileName(path)), error);
    return {};
}

QString BankFiles::findSources(const std::map<std::size_t, std::size_t>& rows, const std::string& path)
{
    std::size_t plain = 0;
    std::size_t letGo = 0;
    for (const ShapeSidecar::Slot& kept : ShapeSidecar::read(path)) {
        const auto row = rows.find(kept.row);
        if (row == rows.end())
            continue;
        const SlotContent* content = m_banks.bank(row->second).getContent(static_cast<std::uint16_t>(kept.slot));
        const FileStamp stamp{kept.sourceSize, kept.sourceModified};
        // A slot changed since by other means, or a source changed or gone, opens as plain bytes.
        if (content == nullptr || !content->isSample() || ShapeSidecar::hashOf(content->getData()) != kept.bytesHash
            || fileStampOf(kept.sourcePath) != stamp) {
            ++plain;
            continue;
        }
        SourceFileReader source(kept.sourcePath);
        const std::shared_ptr<const audio::DecodedSound> sound = decodeKept(source, content->getSize(), kept.shape);
        if (source.error() != 0 || !*sound || sound->frames.frameCount() == 0) {
            ++plain;
            continue;
        }
        letGo += m_banks.keepSource(row->second, static_cast<std::uint16_t>(kept.slot),
                                    SlotSource{sound, kept.sourcePath, kept.shape, stamp});
    }
    QString said;
    if (plain > 0)
        said = tr("%n shaped slot(s) open as plain bytes: their sources changed or are gone.", nullptr,
                  static_cast<int>(plain));
    if (letGo > 0)
        said += (said.isEmpty() ? QString() : QStringLiteral(" "))
                + SourcesLetGo::sentence(letGo, m_banks.sourceBudget() >> 20);
    return said;
}

void BankFiles::report(const QString& done, const QString& note)
{
    emit status(note.isEmpty() ? done : tr("%1. %2").arg(done, note));
}

bool BankFiles::saveChanges()
{
    const std::vector<std::size_t> changed = m_unsaved.changedRows();
    const std::vector<std::size_t>& held = m_unsaved.fileRows();
    const bool fileHoldsAChange = std::any_of(changed.begin(), changed.end(), [&held](std::size_t row) {
        return std::find(held.begin(), held.end(), row) != held.end();
    });
    if (fileHoldsAChange)
        return write(held, m_unsaved.filePath());
    return saveAs(changed.front(), changed.size() > 1);
}

bool BankFiles::settle(const QString& before)
{
    switch (m_unsaved.ask(before)) {
    case UnsavedChanges::Answer::Discard:
        return true;
    case UnsavedChanges::Answer::Save:
        // Banks the file does not hold are still unsaved: the question comes again about them.
        return saveChanges() && settle(before);
    case UnsavedChanges::Answer::Cancel:
        break;
    }
    return false;
}
