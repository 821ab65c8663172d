#include <QApplication>
#include <QByteArray>
#include <QTemporaryFile>

#include <gtest/gtest.h>

// The window on a laptop's small screen: one offscreen screen of 1024 x 700 pixels whose desktop
// takes nothing off the top or bottom.
int main(int argc, char** argv)
{
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1024, "height": 700,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
