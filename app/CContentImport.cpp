#include "app/CContentImport.h"

#include "content/CContent.h"
#include "midifile/SourceFile.h"
#include "model/IBank.h"

CContentImport::CContentImport(IDialogs& dialogs)
    : m_dialogs(dialogs)
{
}

audio::ImportResult CContentImport::import(IBank& bank, std::uint16_t slot, const std::string& path,
                                           audio::ImportOptions options)
{
    using Refusal = audio::ImportResult::Refusal;
    const CContent* content = bank.getContent(slot);
    if (content == nullptr)
        return {};
    // Read once: a FIFO or a device has nothing left for a second reading, and an endless one
    // stops at what the slot can use.
    const SourceFile source(path, content->sourceLimit());
    if (source.error() != 0) {
        refuse("Import Failed", "The file could not be read.");
        return {};
    }
    audio::ImportResult result = bank.importContent(slot, source.bytes(), path, options);
    if (!result && result.refusal == Refusal::NotASound) {
        const IDialogs::AlertReply reply = m_dialogs.runAlert(
            {IDialogs::AlertStyle::Informational, "Not a Sound",
             "This file is not a WAV or AIFF sound. Load its bytes into the slot as raw 8-bit device data?",
             "Load Raw", "Cancel", {}});
        if (reply != IDialogs::AlertReply::Default)
            return {};
        options.raw = true;
        result = bank.importContent(slot, source.bytes(), path, options);
    }
    if (result)
        return result;
    switch (result.refusal) {
    case Refusal::OtherSoundFormat:
        refuse("Wrong File Format", "ZYLOX 515 Editor cannot decode this sound's format. It imports WAV, AIFF, "
                                    "AIFF-C, FLAC, Ogg Vorbis, Opus, MP3, AU, CAF and W64 sounds.");
        break;
    case Refusal::NoMessage:
        refuse("Import Failed", "The file holds no System Exclusive message.");
        break;
    case Refusal::WrongBlock:
        refuse("Import Failed", "The file holds a flash message for another flash block than this slot's.");
        break;
    case Refusal::NoSound:
    case Refusal::NotASound:
        refuse("Import Failed", "The file holds no sound.");
        break;
    }
    return result;
}

void CContentImport::refuse(const std::string& title, const std::string& message)
{
    m_dialogs.runAlert({IDialogs::AlertStyle::Critical, title, message, "OK", {}, {}});
}
