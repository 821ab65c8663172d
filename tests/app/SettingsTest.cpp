// Settings are written out, with the file flushed to the disk, only when something changed: a
// window closed after a session that changed nothing leaves at once instead of waiting for a disk.
#include "app/settings/Settings.h"
#include "tests/support/ScratchFolder.h"

#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The file is replaced whole whenever it is written: a new inode says it was.
ino_t inodeOf(const std::string& path)
{
    struct stat status { };
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

void rememberSession(Settings& settings, const ScratchFolder& scratch, int channel)
{
    settings.setGeometry(QByteArray("\x01\xD9\xD0\xCB\x00\x03", 6));
    settings.setSplitter(QByteArray("\x00\xFF", 2));
    settings.setChannel(channel);
    settings.setAllBanks(true);
    settings.setOutput(QStringLiteral("UM-ONE:UM-ONE MIDI 1"));
    settings.rememberFile(Settings::Folder::Import, QString::fromStdString(scratch.file("kick.wav")));
    settings.setValue(QStringLiteral("import/gain"), 0.5);
    settings.setValue(QStringLiteral("import/resample"), QStringLiteral("Clean"));
}

TEST(Settings, TheSameValuesAgainLeaveTheFileUnwrittenAndAChangeIsWritten)
{
    const ScratchFolder scratch("settings");
    const QString ini = QString::fromStdString(scratch.file("zylox-editor.conf"));
    {
        Settings settings(ini);
        rememberSession(settings, scratch, 5);
    }
    const ino_t written = inodeOf(ini.toStdString());
    {
        // Numbers and truth values come back from the file as text and still count as the same.
        Settings settings(ini);
        rememberSession(settings, scratch, 5);
    }
    EXPECT_EQ(inodeOf(ini.toStdString()), written);
    {
        Settings settings(ini);
        rememberSession(settings, scratch, 6);
    }
    EXPECT_NE(inodeOf(ini.toStdString()), written);

    const Settings settings(ini);
    EXPECT_EQ(settings.channel(), 6);
    EXPECT_TRUE(settings.allBanks());
    EXPECT_EQ(settings.geometry(), QByteArray("\x01\xD9\xD0\xCB\x00\x03", 6));
    EXPECT_EQ(settings.folder(Settings::Folder::Import), QString::fromStdString(scratch.path().string()));
    EXPECT_EQ(settings.value(QStringLiteral("import/gain")).toDouble(), 0.5);
}

TEST(Settings, AValueOfAnotherKindOrAFirstValueIsWritten)
{
    const ScratchFolder scratch("settings");
    const QString ini = QString::fromStdString(scratch.file("zylox-editor.conf"));
    {
        Settings settings(ini);
        settings.setValue(QStringLiteral("import/pitch"), 0);
    }
    const ino_t written = inodeOf(ini.toStdString());
    {
        // Text that merely reads as the same number is another value.
        Settings settings(ini);
        settings.setValue(QStringLiteral("import/pitch"), QStringLiteral("00"));
        settings.setValue(QStringLiteral("import/reverse"), false);
    }
    EXPECT_NE(inodeOf(ini.toStdString()), written);
    const Settings settings(ini);
    EXPECT_EQ(settings.value(QStringLiteral("import/pitch")).toString(), QStringLiteral("00"));
    EXPECT_EQ(settings.value(QStringLiteral("import/reverse"), true).toBool(), false);
}

} // namespace
