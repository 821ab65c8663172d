#include "app/banks/BankEdits.h"
#include "app/document/SourcesLetGo.h"

#include "app/banks/SoundPanel.h"
#include "app/common/ShownNames.h"
#include "app/common/WindowText.h"
#include "app/document/SlotBytesSound.h"
#include "app/document/WorkingBanks.h"
#include "app/files/FilePanels.h"
#include "app/settings/ImportPreferences.h"
#include "audio/SlotImport.h"
#include "audio/SoundFileTypes.h"
#include "bytes/MemorySource.h"
#include "bytes/SourceFileReader.h"
#include "content/SlotContent.h"
#include "model/IBank.h"
#include "model/NameRefusal.h"

#include <cmath>

namespace {

// Why a name is not kept, in the window's language, from the core's reason.
QString reasonOf(const NameRefusal& refused)
{
    if (refused.why == NameRefusal::Why::ZeroByte)
        //: Why the new name is not kept: "holds a zero byte (U+0000), which would end the name in a bank file"
        return BankEdits::tr("the new name %1").arg(WindowText::of(refused.text()));
    //: The new name's length in bytes, then how long a name may be
    return BankEdits::tr("the new name is %1 bytes long; %2")
        .arg(QString::number(refused.length), WindowText::of(NameRefusal::rule()));
}

} // namespace

BankEdits::BankEdits(IDialogs& dialogs, FilePanels& panels, const ImportPreferences& preferences, WorkingBanks& banks,
                     ISoundOutput& output, QWidget& window)
    : QObject(&window)
    , m_dialogs(dialogs)
    , m_panels(panels)
    , m_preferences(preferences)
    , m_banks(banks)
    , m_output(output)
    , m_window(window)
    , m_contentImport(dialogs)
{
}

BankEdits::~BankEdits() = default;

void BankEdits::renameBank(std::size_t row, const std::string& name)
{
    if (name == m_banks.bank(row).getName())
        return;
    const QString number = shownBankNumber(row);
    if (refusesName(name, number))
        return;
    if (m_banks.edit({tr("Rename"), tr("rename of %1").arg(number)}, row, [&](IBank& bank) {
            bank.setName(name.c_str());
            return true;
        }))
        emit status(tr("Renamed %1 to \"%2\"").arg(number, QString::fromStdString(name)));
}

void BankEdits::renameSlot(std::size_t row, int slot, const std::string& name)
{
    const auto index = static_cast<std::uint16_t>(slot);
    if (name == m_banks.bank(row).getContentName(index))
        return;
    const QString slotName = slotOf(row, index);
    if (refusesName(name, slotName))
        return;
    if (m_banks.edit({tr("Rename"), tr("rename of %1").arg(slotName)}, row, [&](IBank& bank) {
            bank.setContentName(index, name.c_str());
            return true;
        })) {
        emit status(tr("Renamed %1 to \"%2\"").arg(slotName, QString::fromStdString(name)));
        emit slotChanged(slot);
    }
}

bool BankEdits::refusesName(const std::string& name, const QString& renamed)
{
    const std::optional<NameRefusal> refused = NameRefusal::of(name);
    if (!refused)
        return false;
    // The field shows the name kept before the alert takes the focus from it: leaving the field
    // then is no second rename.
    emit nameRefused();
    const QString text = tr("%1 keeps its name: %2.").arg(renamed, reasonOf(*refused));
    m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Rename Failed"), text, tr("OK")});
    emit status(text);
    return true;
}

void BankEdits::resetToFactory(std::size_t row, bool transferring)
{
    if (transferring) {
        m_dialogs.runAlert({IDialogs::AlertStyle::Informational, tr("Reset to Default"),
                            tr("Don't Reset To Default any bank during sending or receiveing!"), tr("OK")});
        emit status(tr("Not reset: %1 stays as it is while banks are being sent").arg(shownBankNumber(row)));
        return;
    }
    const QString question = tr("Give the bank \"%1\" back its factory name and sounds? What it holds now is replaced.")
                                 .arg(QString::fromStdString(m_banks.bank(row).getName()));
    // Enter keeps the bank: what it holds is lost by a slip of the key otherwise.
    if (m_dialogs.runAlert({IDialogs::AlertStyle::Question,
                            tr("Reset to Default"),
                            question,
                            tr("Reset"),
                            tr("Cancel"),
                            {},
                            IDialogs::AlertReply::Alternate})
        != IDialogs::AlertReply::Default)
        return;
    const QString number = shownBankNumber(row);
    m_banks.resetToFactory({tr("Reset"), tr("reset of %1").arg(number)}, row);
    emit status(tr("Reset %1 to its factory name and sounds").arg(number));
}

void BankEdits::chooseImport(std::size_t row, int slot)
{
    const IBank& bank = m_banks.bank(row);
    const SlotContent* content = bank.getContent(static_cast<std::uint16_t>(slot));
    if (content == nullptr)
        return;
    // The panel names the slot: with Ctrl+1 to Ctrl+6 nothing else on screen says which one it fills.
    const QString title = tr("Import into %1 slot %2, %3")
                              .arg(shownBankNumber(row))
                              .arg(slot + 1)
                              .arg(QString::fromStdString(bank.getContentLabel(static_cast<std::uint16_t>(slot))));
    // Sounds first for a sample slot; a firmware slot takes System Exclusive files of any name.
    const std::string path = m_panels.open(
        Settings::Folder::Import, content->isSample() ? audio::soundFileTypes() : std::vector<std::string>{}, title);
    if (!path.empty())
        importFile(row, static_cast<std::uint16_t>(slot), path, true);
}

void BankEdits::importChosen(std::size_t row, int slot, const std::string& path)
{
    importFile(row, static_cast<std::uint16_t>(slot), path, true);
}

void BankEdits::import(std::size_t row, int slot, const std::string& path)
{
    importFile(row, static_cast<std::uint16_t>(slot), path, false);
}

void BankEdits::importFile(std::size_t row, std::uint16_t slot, const std::string& path, bool shapeFirst)
{
    const SlotContent* content = m_banks.bank(row).getContent(slot);
    if (content == nullptr)
        return;
    // A regular file is read where the slot needs it, as often as needed. A FIFO or a device has
    // nothing left for a second reading: it is held once, and an endless one stops at what the slot
    // can use, a sample slot at a minute of source to keep.
    SourceFileReader file(path);
    const std::vector<std::uint8_t> streamed
        = file.error() != 0 || file.seekable()
              ? std::vector<std::uint8_t>{}
              : file.bytesUpTo(content->isSample() ? keptSourceLimit(content->getSize()) : content->sourceLimit());
    MemorySource held(streamed);
    SourceReader& source = file.seekable() ? static_cast<SourceReader&>(file) : held;
    if (file.error() != 0) {
        m_contentImport.refuseUnreadable(path);
        emit status(tr("Not imported: %1").arg(m_contentImport.refusal()));
        return;
    }
    const audio::SoundShape options = m_preferences.options();
    if (content->isSample()) {
        // A sound without a frame is refused as the import refuses it, not shown empty in the panel.
        if (const auto decoded = decodeKept(source, content->getSize(), options);
            *decoded && decoded->frames.frameCount() > 0) {
            const SlotSource kept{decoded, path, options, fileStampOf(path).value_or(FileStamp{})};
            if (shapeFirst)
                return openPanel(row, slot, kept, shownFileName(path), "Import");
            // Straight in, byte for byte as an import without a panel makes it.
            const std::unique_ptr<IBank> scratch(m_banks.bank(row).clone());
            if (const audio::ImportResult result = scratch->importContent(slot, source, path, options))
                return put("Import", row, slot, scratch->getContent(slot)->getData(), shownFileName(path), kept,
                           result);
        }
    }
    audio::ImportResult result;
    m_banks.edit(stepName("Import", row, slot), row, [&](IBank& bank) {
        result = m_contentImport.import(bank, slot, path, source, options);
        return static_cast<bool>(result);
    });
    if (result) {
        emit status(WindowText::of(result.text(shownFileName(path), m_banks.bank(row).getContentLabel(slot))));
        emit slotChanged(slot);
    } else if (!m_contentImport.refusal().isEmpty())
        emit status(tr("Not imported: %1").arg(m_contentImport.refusal()));
}

void BankEdits::shape(std::size_t row, int slot)
{
    const auto index = static_cast<std::uint16_t>(slot);
    const IBank& bank = m_banks.bank(row);
    if (!bank.isSampleContent(index))
        return;
    const SlotSource* kept = m_banks.source(row, index);
    openPanel(row, index,
              kept != nullptr ? *kept : SlotSource{slotBytesSound(bank.getContent(index)->getData()), {}, {}, {}},
              bank.getContentName(index), "Shape");
}

void BankEdits::openPanel(std::size_t row, std::uint16_t slot, const SlotSource& source, const std::string& name,
                          const std::string& what)
{
    if (!m_panel) {
        m_panel = std::make_unique<SoundPanel>(m_output, &m_window);
        connect(m_panel.get(), &QDialog::accepted, this, &BankEdits::applyPanel);
    }
    m_panelRow = row;
    m_panelSlot = slot;
    m_panelName = name;
    m_panelStep = what;
    const IBank& bank = m_banks.bank(row);
    const QString title = tr("Shape \u201C%1\u201D for %2")
                              .arg(QString::fromStdString(name), QString::fromStdString(bank.getContentLabel(slot)));
    m_panel->start(source, bank.getContent(slot)->getSize(), title);
}

void BankEdits::applyPanel()
{
    const audio::RenderedSlot& rendered = m_panel->rendered();
    if (!rendered.bytes.empty())
        put(m_panelStep, m_panelRow, m_panelSlot, rendered.bytes, m_panelName, m_panel->source(), rendered.result);
}

StepName BankEdits::stepName(const std::string& what, std::size_t row, std::uint16_t slot) const
{
    const QString where = slotOf(row, slot);
    if (what == "Import")
        return {tr("Import"), tr("import into %1").arg(where)};
    return {tr("Shape"), tr("shape of %1").arg(where)};
}

QString BankEdits::slotOf(std::size_t row, std::uint16_t slot) const
{
    return shownSlot(row, m_banks.bank(row), slot);
}

void BankEdits::put(const std::string& what, std::size_t row, std::uint16_t slot, std::span<const std::uint8_t> bytes,
                    const std::string& name, const SlotSource& source, const audio::ImportResult& result)
{
    const WorkingBanks::SoundPut put = m_banks.putSound(stepName(what, row, slot), row, slot, bytes, name, source);
    if (!put.taken)
        return;
    QString line = WindowText::of(result.text(name, m_banks.bank(row).getContentLabel(slot)));
    if (const QString warning = SoundPanel::warning(result); !warning.isEmpty())
        line += QStringLiteral(" ") + warning;
    if (put.sourcesLetGo > 0)
        line += QStringLiteral(" ") + SourcesLetGo::sentence(put.sourcesLetGo, m_banks.sourceBudget() >> 20);
    emit status(line);
    emit slotChanged(slot);
    // A sound that broke off is in, and the user must hear of it before taking it for the file's whole sound.
    if (result.cutShort && what == "Import")
        m_dialogs.runAlert({IDialogs::AlertStyle::Warning, tr("Damaged or Cut Short"),
                            WindowText::of(result.text(name, m_banks.bank(row).getContentLabel(slot))), tr("OK")});
}
