// The editor on the command line: help, the version and a refused option are answered on the
// terminal as every Qt program answers them, before any window and without a display; the file
// named is taken from the folder the program started in.
#include "app/window/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

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

TEST(CommandLineTest, TheFileIsTakenFromTheStartFolderAndFilesAfterTheFirstAreNamedAsNotOpened)
{
    const QTemporaryDir folder;
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QString start = QDir::currentPath();
    const auto commandLine = [](const QStringList& arguments) {
        return CommandLine(QStringList{QStringLiteral("zylox-editor")} + arguments);
    };
    EXPECT_EQ(commandLine({}).file(), QString());
    EXPECT_EQ(commandLine({QStringLiteral("kits/a.mid")}).file(), start + QStringLiteral("/kits/a.mid"));
    EXPECT_EQ(commandLine({QStringLiteral("/srv/kit.mid")}).file(), QStringLiteral("/srv/kit.mid"));
    // After "--" an argument is a file, whatever its name.
    EXPECT_EQ(commandLine({QStringLiteral("--"), QStringLiteral("--help")}).file(), start + QStringLiteral("/--help"));
    QDir::setCurrent(home);

    CommandLine two = commandLine({QStringLiteral("a.mid"), QStringLiteral("b.mid"), QStringLiteral("c.mid")});
    EXPECT_EQ(two.leftOut(), (QStringList{QStringLiteral("b.mid"), QStringLiteral("c.mid")}));
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("zylox-editor"));
    testing::internal::CaptureStderr();
    two.answerOrExit();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "zylox-editor: opens one bank file at a time; not opened: b.mid, c.mid\n");
    QCoreApplication::setApplicationName(name);
}

// Help and the version need no display; anything else starts the window, which does.
TEST(CommandLineTest, OnlyHelpAndTheVersionAskForNoMoreThanText)
{
    const std::vector<std::pair<std::vector<const char*>, bool>> cases = {
        {{"--version"}, true},         {{"-v"}, true},
        {{"kit.mid", "--help"}, true}, {{"-?"}, true},
        {{"--help-all"}, true},        {{}, false},
        {{"kit.mid"}, false},          {{"--versions"}, false},
        {{"--", "--help"}, false},     {{"-platform", "xcb"}, false},
    };
    for (const auto& [arguments, onlyText] : cases) {
        std::vector<const char*> argv{"zylox-editor"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        EXPECT_EQ(CommandLine::asksOnlyForText(static_cast<int>(argv.size()), argv.data()), onlyText)
            << testing::PrintToString(arguments);
    }
}

} // namespace
