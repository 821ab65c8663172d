#include "app/window/Translations.h"

#include <QApplication>
#include <QByteArray>
#include <QLocale>

#include <gtest/gtest.h>

// Widgets need an application object before the first test; the tests run without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    // The window's English as the program installs it, plural forms included.
    Translations english;
    english.install(QLocale(QLocale::English), QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
