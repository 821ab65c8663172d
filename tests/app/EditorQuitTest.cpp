// Quitting waits on nothing: the window's place is kept a moment after the user moves it, so
// Ctrl+Q writes nothing to the disk, whose flushes on a busy disk kept the program alive for
// seconds after long use; and the process then ends at once, with its settings on the disk.
#include "EditorFixture.h"

#include "app/window/ProcessEnd.h"

#include <QSettings>
#include <QTimer>

#include <filesystem>
#include <iterator>

namespace {

using EditorQuitTest = EditorFixture;

TEST_F(EditorQuitTest, TheWindowsPlaceIsKeptWhileInUseAndCtrlQWritesNothing)
{
    const std::string ini = path("settings.ini");
    const auto fileNow = [&ini] {
        std::ifstream in(ini, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return std::make_pair(std::filesystem::last_write_time(ini), bytes);
    };
    auto& keep = control<QTimer>("timer_keepWindowPlace");
    settle();
    keep.stop();

    editor->resize(editor->width() - 40, editor->height() - 30);
    ASSERT_TRUE(keep.isActive()) << "the place is kept once the user has stopped moving the window";
    // The moment has passed.
    keep.start(0);
    while (keep.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();
    ASSERT_TRUE(std::filesystem::exists(ini));
    const QByteArray place = editor->saveGeometry();
    EXPECT_EQ(QSettings(QString::fromStdString(ini), QSettings::IniFormat).value("window/geometry").toByteArray(),
              place);

    const auto before = fileNow();
    press(Qt::Key_Q, Qt::ControlModifier);
    ASSERT_FALSE(editor->isVisible());
    settle();
    EXPECT_FALSE(keep.isActive());
    EXPECT_TRUE(fileNow() == before) << "the quit wrote the settings again";
}

TEST(ProcessEndTest, EndingAtOnceLeavesTheSettingsOnTheDiskAndEndsWithTheStatus)
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("settings.ini"));
    Settings settings(ini);
    RecordingSoundOutput sound;
    // Stored a moment ago: the settings would write it a moment later, or when they go.
    settings.setAllBanks(true);
    EXPECT_EXIT(endAtOnce(3, sound, settings), testing::ExitedWithCode(3), "");
    EXPECT_TRUE(QSettings(ini, QSettings::IniFormat).value("banks/all").toBool());
}

} // namespace
