#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

// Widgets need an application object before the first test; the tests run without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
