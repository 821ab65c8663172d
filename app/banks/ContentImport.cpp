#include "app/banks/ContentImport.h"

#include "app/common/WindowText.h"
#include "audio/SoundFileTypes.h"
#include "model/IBank.h"
#include "model/MessageSlotRefusal.h"

#include <filesystem>

namespace {

// Every text names the file: after a drop of several files the user must know which one it is about.
QString quotedName(const std::string& path)
{
    //: A file's name in quotes
    return ContentImport::tr("\u201C%1\u201D")
        .arg(QString::fromStdString(std::filesystem::path(path).filename().string()));
}

} // namespace

ContentImport::ContentImport(IDialogs& dialogs)
    : m_dialogs(dialogs)
{
}

void ContentImport::refuseUnreadable(const std::string& path)
{
    refuse(tr("%1 could not be read.").arg(quotedName(path)));
}

audio::ImportResult ContentImport::import(IBank& bank, std::uint16_t slot, const std::string& path,
                                          SourceReader& source, audio::SoundShape options)
{
    using Refusal = audio::ImportResult::Refusal;
    m_refusal.clear();
    if (bank.getContent(slot) == nullptr)
        return {};
    const QString file = quotedName(path);
    audio::ImportResult result = bank.importContent(slot, source, path, options);
    if (!result && result.refusal == Refusal::NotASound) {
        const QString question = tr("%1 is not a sound file this editor decodes (%2). Load its bytes into the slot "
                                    "as raw 8-bit device data?")
                                     .arg(file, WindowText::list(audio::decodedFormats()));
        // Enter cancels: a key pressed once too often must not put a text file's bytes into a slot.
        if (m_dialogs.runAlert({IDialogs::AlertStyle::Question,
                                tr("Not a Sound"),
                                question,
                                tr("Load Raw"),
                                tr("Cancel"),
                                {},
                                IDialogs::AlertReply::Alternate})
            != IDialogs::AlertReply::Default)
            return {};
        return importRaw(bank, slot, source, path, options);
    }
    if (result)
        return result;
    if (const QString message = WindowText::of(messageSlotRefusalText(result, bank.getContentLabel(slot), slot));
        !message.isEmpty()) {
        const QString hint
            = result.refusal == Refusal::BankFile ? tr(" Open it with Open\u2026 to load its banks.") : QString();
        refuse(tr("%1 %2.").arg(file, message) + hint);
        return result;
    }
    switch (result.refusal) {
    case Refusal::OtherSoundFormat:
    case Refusal::Undecodable: {
        const QString why = result.refusal == Refusal::Undecodable
                                ? tr("%1 could not be decoded: %2.").arg(file, WindowText::of(result.detailText()))
                                : tr("ZYLOX 515 Editor cannot decode the format of %1. It imports %2 sounds.")
                                      .arg(file, WindowText::list(audio::decodedFormats()));
        // Raw device data may begin with bytes that look like a sound's: the user can still take them.
        if (m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Wrong File Format"), why, tr("OK"), tr("Load Raw")})
            == IDialogs::AlertReply::Alternate)
            return importRaw(bank, slot, source, path, options);
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
    case Refusal::OtherSlotMessage:
    case Refusal::MessageLength:
        refuse(tr("%1 holds no sound.").arg(file));
        break;
    case Refusal::FitOutOfReach:
        refuse(tr("%1 cannot fill the slot: %2.").arg(file, WindowText::of(result.detailText())));
        break;
    }
    return result;
}

audio::ImportResult ContentImport::importRaw(IBank& bank, std::uint16_t slot, SourceReader& source,
                                             const std::string& path, audio::SoundShape options)
{
    options.raw = true;
    const audio::ImportResult result = bank.importContent(slot, source, path, options);
    if (!result)
        refuse(tr("%1 holds no sound.").arg(quotedName(path)));
    return result;
}

void ContentImport::refuse(const QString& message)
{
    m_refusal = message;
    m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Import Failed"), m_refusal, tr("OK")});
}
