#include "app/common/Dialogs.h"
#include "app/settings/Settings.h"
#include "app/window/CommandLine.h"
#include "app/window/EditorWindow.h"
#include "app/window/ProcessEnd.h"
#include "app/window/Translations.h"
#include "midiio/MidiContext.h"
#include "midiio/SystemClock.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "playback/AlsaSoundOutput.h"
#include "playback/AuditionOutput.h"
#include "playback/KitPlayer.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[])
{
    returnLargeBlocksWhenFreed();
    if (CommandLine::asksOnlyForText(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    Translations translations;
    translations.install(QLocale::system(), Translations::folder());
    QApplication::setApplicationName(QStringLiteral("zylox-editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZYLOX 515 Editor"));
    QApplication::setApplicationVersion(QStringLiteral(ZYLOX_VERSION));
    // Lets the desktop match the window to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zylox-editor"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zylox-editor")));
    CommandLine commandLine(QApplication::arguments());
    commandLine.answerOrExit();

    // Before the service, whose thread may still wake it while the service closes.
    SystemClock clock;
    AlsaMidiService midiService;
    MidiContext midiSystem(midiService, clock);
    Dialogs dialogs;
    Settings settings;
    AlsaSoundOutput soundOutput;
    KitPlayer kit;
    AuditionOutput auditions(soundOutput, kit);
    EditorWindow editor(dialogs, midiSystem, settings, auditions, kit);
    editor.start(commandLine.file());
    const int status = QApplication::exec();
    // Closed while idle, nothing of the session needs taking down in order.
    if (editor.applicationShouldTerminate()) {
        kit.close();
        endAtOnce(status, auditions, settings);
    }
    return status;
}
