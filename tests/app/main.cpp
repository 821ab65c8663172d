#include "app/window/Translations.h"

#include <QApplication>
#include <QByteArray>
#include <QLocale>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// Widgets need an application object before the first test; the tests run without a display. A
// suite that names ZYLOX_SCREEN_WIDTH by ZYLOX_SCREEN_HEIGHT pixels gets one offscreen screen of
// that size whose desktop takes nothing off its edges (a laptop's small screen, or the desktop
// screen the window was laid out for); one that names ZYLOX_SCREEN_SCALE a screen scaled so, as a
// high-density display is.
int main(int argc, char** argv)
{
    QByteArray platform = QByteArrayLiteral("offscreen");
#ifdef ZYLOX_SCREEN_WIDTH
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )" + QByteArray::number(ZYLOX_SCREEN_WIDTH)
                  + R"(, "height": )" + QByteArray::number(ZYLOX_SCREEN_HEIGHT)
                  + R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    platform += ":configfile=" + screens.fileName().toLocal8Bit();
#endif
#ifdef ZYLOX_SCREEN_SCALE
    qputenv("QT_SCALE_FACTOR", QByteArray::number(ZYLOX_SCREEN_SCALE));
#endif
    qputenv("QT_QPA_PLATFORM", platform);
    QApplication application(argc, argv);
    // The window's English as the program installs it, plural forms included.
    Translations english;
    english.install(QLocale(QLocale::English), QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
