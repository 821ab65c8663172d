#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

// The window on a screen scaled to twice its pixels, as on a high-density laptop display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qputenv("QT_SCALE_FACTOR", QByteArrayLiteral("2"));
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
