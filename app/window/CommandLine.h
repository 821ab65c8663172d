#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the editor is started with: Qt's options and its own, and the bank file to open. --help,
// --help-all, --version and arguments the parser refuses are answered on the terminal and end the
// process before any window, as every Qt program's parser does; the texts are in the window's
// language.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The arguments as the application has them, its own options (-platform, -style) taken out;
    // the translations must be installed before, for the help to be in the user's language.
    explicit CommandLine(const QStringList& arguments);

    // Answers --help, --help-all or --version on the standard output and ends the process with
    // status 0; where the parser refused the arguments, gives its message and the usage on the
    // error output and ends it with status 1. Files beyond the first are named there as not
    // opened. Returns when the window is to start.
    void answerOrExit();
    // The bank file to open, absolute against the folder the program started in; empty when none
    // was given.
    QString file() const;
    // The files given after the first, as given: the editor holds one bank file at a time.
    QStringList leftOut() const;

    // Whether the arguments main() got ask only for help or the version, which need no display:
    // the program may then start on a platform without one, so that `zylox-editor --version`
    // answers over ssh and in a package build as well.
    static bool asksOnlyForText(int argc, const char* const* argv);

private:
    QCommandLineParser m_parser;
    QStringList m_arguments;
    bool m_parsed = false;
};
