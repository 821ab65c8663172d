// The window on a screen smaller than the one it was laid out for: it starts inside the screen,
// takes back only geometry that still fits, and keeps every control usable at its least size.
#include "EditorFixture.h"

#include "app/window/WindowMemory.h"

#include <QScreen>

namespace {

using EditorSmallScreenTest = EditorFixture;

TEST_F(EditorSmallScreenTest, FirstStartFitsTheScreenCentredAndOnlyGeometryThatFitsComesBack)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(available, QRect(0, 0, 1024, 700));
    const QRect first = editor->geometry();
    EXPECT_EQ(first, WindowMemory::firstPlace(available, QSize(1280, 800)));
    EXPECT_EQ(first.size(), QSize(1008, 652));
    EXPECT_TRUE(available.contains(first.adjusted(-8, -40, 8, 8)));
    // No room for the sound browser beside the bank's controls: it waits in the View menu.
    EXPECT_FALSE(control("dock_browser").isVisible());

    // Left where it fits, it comes back there.
    editor->setGeometry(100, 50, 900, 600);
    restart();
    EXPECT_EQ(editor->geometry(), QRect(100, 50, 900, 600));

    // Half off this screen: brought wholly onto it at the size it had.
    editor->setGeometry(600, 300, 900, 600);
    restart();
    EXPECT_EQ(editor->size(), QSize(900, 600));
    EXPECT_TRUE(available.contains(editor->geometry().adjusted(-8, -40, 8, 8))) << editor->geometry().y();

    // Stored on a larger screen: placed as at the first start.
    editor->setGeometry(40, 60, 1280, 800);
    restart();
    EXPECT_EQ(editor->geometry(), first);
}

TEST_F(EditorSmallScreenTest, EveryControlStaysWhollyInsideTheWindowAt900By600)
{
    editor->resize(900, 600);
    ASSERT_EQ(editor->size(), QSize(900, 600));
    QCoreApplication::processEvents();
    const QRect window = editor->rect();
    for (const char* name :
         {"tableview_banks", "textfield_bankName", "textfield_contentNames_5", "button_openContents_5",
          "button_playContents_5", "button_load", "button_save", "button_reset", "radiobutton_options_1", "popup_out",
          "popup_channel", "button_send", "text_status"}) {
        const QWidget& widget = control(name);
        const QRect place(widget.mapTo(editor.get(), QPoint()), widget.size());
        EXPECT_TRUE(window.contains(place)) << name;
        EXPECT_GE(widget.height(), widget.minimumSizeHint().height()) << name;
        EXPECT_GE(widget.width(), widget.minimumSizeHint().width()) << name;
    }
    // The status line has the window's width to itself (the version is in About): a long line is
    // cut only at the window's edge.
    const QWidget& status = control("text_status");
    EXPECT_GE(status.mapTo(editor.get(), QPoint(status.width(), 0)).x(), editor->width() - 24);
    // At twice the pixels a 2560 x 1440 screen is 1280 x 720 to the window: it fits whole.
    EXPECT_EQ(WindowMemory::firstPlace(QRect(0, 0, 1280, 720), QSize(1280, 800)), QRect(8, 40, 1264, 672));
}

} // namespace
