// The editor on the command line: help, the version and a refused option are answered on the
// terminal as every Qt program answers them, before any window and without a display; and which
// of the files named it opens.
#include "app/window/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The built program, on no display unless platform names one, in the language given.
ProgramRun runEditor(const QStringList& arguments, const QString& language, const QString& platform = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), language);
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZYLOX_EDITOR_PROGRAM), arguments);
    if (!program.waitForFinished(-1))
        return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            program.readAllStandardOutput().toStdString(), program.readAllStandardError().toStdString()};
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CommandLineTest, HelpVersionAndARefusedOptionAreAnsweredOnTheTerminalAsQtProgramsDo)
{
    const std::string usage = "Usage: " ZYLOX_EDITOR_PROGRAM " [options] [file]\n";

    const ProgramRun version = runEditor({QStringLiteral("--version")}, QStringLiteral("C.UTF-8"));
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "zylox-editor " ZYLOX_VERSION "\n");

    const ProgramRun help = runEditor({QStringLiteral("--help")}, QStringLiteral("C.UTF-8"));
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out.rfind(usage + "Sample-memory editor for the ZYLOX 515 drum machine.\n", 0), 0u) << help.out;
    EXPECT_TRUE(contains(help.out, "-v, --version")) << help.out;
    EXPECT_TRUE(contains(help.out, "  file           A bank file to open, as File \u2192 Open\u2026 opens it.\n"))
        << help.out;

    // In the window's language, as the window is.
    const ProgramRun german = runEditor({QStringLiteral("-h")}, QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(german.status, 0) << german.err;
    EXPECT_TRUE(contains(german.out, "Sample-Editor für den Drumcomputer ZYLOX 515.")) << german.out;

    // A refused option starts no window: the parser's message and the usage, status 1.
    const ProgramRun refused
        = runEditor({QStringLiteral("--bogus")}, QStringLiteral("C.UTF-8"), QStringLiteral("offscreen"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(contains(refused.err, "zylox-editor: Unknown option 'bogus'.\n\n" + usage)) << refused.err;
}

// The relative path of a file given is the editor's start test's; here what the parser makes of the rest.
TEST(CommandLineTest, AfterDashDashAnArgumentIsAFileAndFilesAfterTheFirstAreNamedAsNotOpened)
{
    const CommandLine named({QStringLiteral("zylox-editor"), QStringLiteral("--"), QStringLiteral("--help")});
    EXPECT_EQ(named.file(), QDir::current().absoluteFilePath(QStringLiteral("--help")));
    CommandLine three(
        {QStringLiteral("zylox-editor"), QStringLiteral("/a.mid"), QStringLiteral("b.mid"), QStringLiteral("c.mid")});
    EXPECT_EQ(three.file(), QStringLiteral("/a.mid"));
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("zylox-editor"));
    testing::internal::CaptureStderr();
    three.answerOrExit();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "zylox-editor: opens one bank file at a time; not opened: b.mid, c.mid\n");
    QCoreApplication::setApplicationName(name);
}

} // namespace
