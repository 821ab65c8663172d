#include "app/banks/CContentImport.h"

#include "audio/SoundFileTypes.h"
#include "midifile/SourceFile.h"
#include "model/IBank.h"
#include "model/MessageSlotRefusal.h"

#include <filesystem>

namespace {

// Every text names the file: after a drop of several files the user must know which one it is about.
std::string quotedName(const std::string& path)
{
    return "\u201C" + std::filesystem::path(path).filename().string() + "\u201D";
}

} // namespace

CContentImport::CContentImport(IDialogs& dialogs)
    : m_dialogs(dialogs)
{
}

void CContentImport::refuseUnreadable(const std::string& path)
{
    refuse("Import Failed", quotedName(path) + " could not be read.");
}

audio::ImportResult CContentImport::import(IBank& bank, std::uint16_t slot, const std::string& path,
                                           const SourceFile& source, audio::ImportOptions options)
{
    using Refusal = audio::ImportResult::Refusal;
    m_refusal.clear();
    if (bank.getContent(slot) == nullptr)
        return {};
    const std::string file = quotedName(path);
    audio::ImportResult result = bank.importContent(slot, source.bytes(), path, options, source.fileSize());
    if (!result && result.refusal == Refusal::NotASound) {
        const std::string question = file + " is not a sound file this editor decodes (" + audio::decodedFormatsText()
                                     + "). Load its bytes into the slot as raw 8-bit device data?";
        if (m_dialogs.runAlert({IDialogs::AlertStyle::Question, "Not a Sound", question, "Load Raw", "Cancel", {}})
            != IDialogs::AlertReply::Default)
            return {};
        return importRaw(bank, slot, source.bytes(), path, options);
    }
    if (result)
        return result;
    if (const std::string message = messageSlotRefusal(result, bank.getContentLabel(slot), slot); !message.empty()) {
        const std::string hint = result.refusal == Refusal::BankFile ? " Open it with Open\u2026 to load its banks." : "";
        refuse("Import Failed", file + " " + message + "." + hint);
        return result;
    }
    switch (result.refusal) {
    case Refusal::OtherSoundFormat:
    case Refusal::Undecodable: {
        const std::string why = result.refusal == Refusal::Undecodable
                                    ? file + " could not be decoded: " + result.detail + "."
                                    : "ZYLOX 515 Editor cannot decode the format of " + file + ". It imports "
                                          + audio::decodedFormatsText() + " sounds.";
        // Raw device data may begin with bytes that look like a sound's: the user can still take them.
        if (m_dialogs.runAlert({IDialogs::AlertStyle::Critical, audio::kWrongFileFormat, why, "OK", "Load Raw", {}})
            == IDialogs::AlertReply::Alternate)
            return importRaw(bank, slot, source.bytes(), path, options);
        m_refusal = why;
        break;
    }
    case Refusal::NoSound:
    case Refusal::NotASound:
    case Refusal::BankFile:
    case Refusal::NoMessage:
    case Refusal::ForeignMessage:
    case Refusal::EraseMessage:
    case Refusal::WrongBlock:
    case Refusal::MessageLength:
        refuse("Import Failed", file + " holds no sound.");
        break;
    case Refusal::FitOutOfReach:
        refuse("Import Failed", file + " cannot fill the slot: " + result.detail + ".");
        break;
    }
    return result;
}

audio::ImportResult CContentImport::importRaw(IBank& bank, std::uint16_t slot, std::span<const std::uint8_t> source,
                                              const std::string& path, audio::ImportOptions options)
{
    options.raw = true;
    const audio::ImportResult result = bank.importContent(slot, source, path, options);
    if (!result)
        refuse("Import Failed", quotedName(path) + " holds no sound.");
    return result;
}

void CContentImport::refuse(const std::string& title, const std::string& message)
{
    m_refusal = message;
    m_dialogs.runAlert({IDialogs::AlertStyle::Critical, title, message, "OK", {}, {}});
}
