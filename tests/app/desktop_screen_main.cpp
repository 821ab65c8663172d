#include <QApplication>
#include <QByteArray>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// The window on the desktop screen it was laid out for: one offscreen screen of 1280 x 800 pixels.
int main(int argc, char** argv)
{
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1280, "height": 800,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
