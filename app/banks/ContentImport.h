#pragma once

#include "app/common/IDialogs.h"
#include "audio/ImportResult.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <span>
#include <string>

class IBank;
class SourceReader;

// Brings a file the user chose into a slot of a bank, with the question and the refusals the user
// sees on the way, each naming the file: the caller opens the file, and a file that does
// not decode as a sound goes in as raw device bytes only after the user agreed.
class ContentImport {
    Q_DECLARE_TR_FUNCTIONS(ContentImport)

public:
    explicit ContentImport(IDialogs& dialogs);

    // What the slot took of the file read from path, a sound converted as the options say; when
    // nothing, the bank is unchanged and the user was told why (or declined).
    audio::ImportResult import(IBank& bank, std::uint16_t slot, const std::string& path, SourceReader& source,
                               audio::SoundShape options);
    // Tells the user the file could not be read.
    void refuseUnreadable(const std::string& path);
    // Why the last import or refuseUnreadable took nothing; empty when it took something or the
    // user declined.
    const QString& refusal() const { return m_refusal; }

private:
    // The file's bytes as they are, after the user asked for them.
    audio::ImportResult importRaw(IBank& bank, std::uint16_t slot, SourceReader& source, const std::string& path,
                                  audio::SoundShape options);
    void refuse(const QString& message);

    IDialogs& m_dialogs;
    QString m_refusal;
};
