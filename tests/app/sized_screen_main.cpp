#include "app/window/Translations.h"

#include <QApplication>
#include <QByteArray>
#include <QLocale>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// The window on one offscreen screen of the size its suite names (ZYLOX_SCREEN_WIDTH by
// ZYLOX_SCREEN_HEIGHT pixels) whose desktop takes nothing off its edges: a laptop's small screen,
// or the desktop screen the window was laid out for.
int main(int argc, char** argv)
{
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )" + QByteArray::number(ZYLOX_SCREEN_WIDTH)
                  + R"(, "height": )" + QByteArray::number(ZYLOX_SCREEN_HEIGHT)
                  + R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    // The window's English as the program installs it, plural forms included.
    Translations english;
    english.install(QLocale(QLocale::English), QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
