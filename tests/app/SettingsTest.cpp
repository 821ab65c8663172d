// Settings are written out, with the file flushed to the disk, only when something changed: a
// window closed after a session that changed nothing leaves at once instead of waiting for a disk.
#include "app/settings/Settings.h"
#include "tests/support/ScratchFolder.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>
#include <string>
#include <vector>

namespace {

class SettingsTest : public testing::Test {
protected:
    // The file is replaced whole whenever it is written: a new inode says it was.
    ino_t inode() const
    {
        struct stat status { };
        EXPECT_EQ(stat(ini.toStdString().c_str(), &status), 0) << ini.toStdString();
        return status.st_ino;
    }
    // What a session of the window remembers, in a session of its own.
    void rememberSession(int channel) const
    {
        Settings settings(ini);
        settings.setGeometry(QByteArray("\x01\xD9\xD0\xCB\x00\x03", 6));
        settings.setSplitter(QByteArray("\x00\xFF", 2));
        settings.setChannel(channel);
        settings.setAllBanks(true);
        settings.setOutput(QStringLiteral("UM-ONE:UM-ONE MIDI 1"));
        settings.rememberFile(Settings::Folder::Import, QString::fromStdString(scratch.file("kick.wav")));
        settings.setValue(QStringLiteral("import/gain"), 0.5);
        settings.setValue(QStringLiteral("import/resample"), QStringLiteral("Clean"));
    }

    const ScratchFolder scratch{"settings"};
    const QString ini = QString::fromStdString(scratch.file("zylox-editor.conf"));
};

TEST_F(SettingsTest, TheSameValuesAgainLeaveTheFileUnwrittenAndAChangeIsWritten)
{
    rememberSession(5);
    const ino_t written = inode();
    // Numbers and truth values come back from the file as text and still count as the same.
    rememberSession(5);
    EXPECT_EQ(inode(), written);
    rememberSession(6);
    EXPECT_NE(inode(), written);

    const Settings settings(ini);
    EXPECT_EQ(settings.channel(), 6);
    EXPECT_TRUE(settings.allBanks());
    EXPECT_EQ(settings.geometry(), QByteArray("\x01\xD9\xD0\xCB\x00\x03", 6));
    EXPECT_EQ(settings.folder(Settings::Folder::Import), QString::fromStdString(scratch.path().string()));
    EXPECT_EQ(settings.value(QStringLiteral("import/gain")).toDouble(), 0.5);
}

TEST_F(SettingsTest, AValueOfAnotherKindOrAFirstValueIsWritten)
{
    {
        Settings settings(ini);
        settings.setValue(QStringLiteral("import/pitch"), 0);
    }
    const ino_t written = inode();
    {
        // Text that merely reads as the same number is another value.
        Settings settings(ini);
        settings.setValue(QStringLiteral("import/pitch"), QStringLiteral("00"));
        settings.setValue(QStringLiteral("import/reverse"), false);
    }
    EXPECT_NE(inode(), written);
    const Settings settings(ini);
    EXPECT_EQ(settings.value(QStringLiteral("import/pitch")).toString(), QStringLiteral("00"));
    EXPECT_EQ(settings.value(QStringLiteral("import/reverse"), true).toBool(), false);
}

TEST_F(SettingsTest, PathsKeepEveryByteInTheFileAndTextAnOlderRunKeptStillReads)
{
    // Any bytes but NUL and the separator may name a file.
    std::mt19937 random(515);
    std::uniform_int_distribution<int> byte(1, 255);
    std::vector<std::string> paths(64, "/");
    for (std::size_t count = 0; count < paths.size(); ++count)
        for (std::size_t length = 1 + count % 24; length > 0; --length) {
            const int next = byte(random);
            paths[count] += static_cast<char>(next == '/' ? 'x' : next);
        }
    const std::string latin1 = "/kits/caf\xE9 kit.mid";
    {
        Settings settings(ini);
        settings.setLastFile(latin1);
        settings.setPaths(QStringLiteral("files/many"), paths);
        settings.setPaths(QStringLiteral("files/one"), {latin1});
        settings.setPaths(QStringLiteral("files/none"), {});
        settings.setValue(QStringLiteral("files/oldList"),
                          QStringList{QStringLiteral("/kits/caf\u00E9.mid"), QStringLiteral("/kits/ride.mid")});
        settings.setValue(QStringLiteral("files/oldOne"), QStringLiteral("/kits/caf\u00E9.mid"));
    }
    const Settings settings(ini);
    EXPECT_EQ(settings.lastFile(), latin1);
    EXPECT_EQ(settings.paths(QStringLiteral("files/many")), paths);
    EXPECT_EQ(settings.paths(QStringLiteral("files/one")), std::vector<std::string>{latin1});
    EXPECT_TRUE(settings.paths(QStringLiteral("files/none")).empty());
    EXPECT_TRUE(settings.paths(QStringLiteral("files/never")).empty());
    EXPECT_EQ(settings.paths(QStringLiteral("files/oldList")),
              (std::vector<std::string>{"/kits/caf\xC3\xA9.mid", "/kits/ride.mid"}));
    EXPECT_EQ(settings.paths(QStringLiteral("files/oldOne")), std::vector<std::string>{"/kits/caf\xC3\xA9.mid"});

    Settings older(ini);
    older.setValue(QStringLiteral("files/last"), QStringLiteral("/kits/caf\u00E9.mid"));
    EXPECT_EQ(older.lastFile(), "/kits/caf\xC3\xA9.mid");
}

} // namespace
