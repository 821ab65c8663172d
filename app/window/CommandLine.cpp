#include "app/window/CommandLine.h"

#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>

CommandLine::CommandLine(const QStringList& arguments)
    : m_arguments(arguments)
{
    m_parser.setApplicationDescription(tr("Sample-memory editor for the ZYLOX 515 drum machine."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addPositionalArgument(tr("file"), tr("A bank file to open, as File \u2192 Open\u2026 opens it."),
                                   tr("[file]"));
    m_parsed = m_parser.parse(arguments);
}

void CommandLine::answerOrExit()
{
    if (!m_parsed) {
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(m_parser.errorText()), qPrintable(m_parser.helpText()));
        std::exit(EXIT_FAILURE);
    }
    m_parser.process(m_arguments);
    if (!leftOut().isEmpty())
        std::fprintf(
            stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(tr("opens one bank file at a time; not opened: %1").arg(leftOut().join(QStringLiteral(", ")))));
}

QString CommandLine::file() const
{
    const QStringList files = m_parser.positionalArguments();
    // Made absolute now: the set's file and Open Recent must name it wherever the program is later.
    return files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath();
}

QStringList CommandLine::leftOut() const
{
    return m_parser.positionalArguments().mid(1);
}

bool CommandLine::asksOnlyForText(int argc, const char* const* argv)
{
    for (int index = 1; index < argc; ++index) {
        // After "--" every argument is a file, whatever it is called.
        if (std::strcmp(argv[index], "--") == 0)
            return false;
        for (const char* text : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[index], text) == 0)
                return true;
    }
    return false;
}
