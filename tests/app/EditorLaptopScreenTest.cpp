// The window on a laptop's common screen, 1366 x 768, with the sound browser open beside the banks:
// the slots' name fields still show whole names, not "N HI HAT" for "OPEN HI HAT".
#include "EditorFixture.h"

#include <QPushButton>
#include <QScreen>
#include <QStyleOptionFrame>

namespace {

class EditorLaptopScreenTest : public EditorFixture {
protected:
    // The desktop's font as GNOME sets it, larger than the offscreen screen's own.
    void SetUp() override
    {
        QFont desktop = m_font;
        desktop.setPointSize(11);
        QApplication::setFont(desktop);
        EditorFixture::SetUp();
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        QApplication::setFont(m_font);
    }

private:
    const QFont m_font = QApplication::font();
};

// The pixels a line edit has for its text: its width less its frame and the margins it keeps
// inside the frame.
int textRoom(const QLineEdit& field)
{
    QStyleOptionFrame frame;
    frame.initFrom(&field);
    frame.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &field);
    constexpr int kInnerMargins = 2 * 2;
    const QMargins text = field.textMargins();
    return field.width() - field.style()->sizeFromContents(QStyle::CT_LineEdit, &frame, {}, &field).width()
           - kInnerMargins - text.left() - text.right();
}

TEST_F(EditorLaptopScreenTest, WithTheBrowserOpenEverySlotNameFieldShowsItsWholeFactoryName)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1366, 768));
    ASSERT_TRUE(control("dock_browser").isVisible()) << "a first start shows the browser on this screen";
    QCoreApplication::processEvents();
    for (const int row : {0, 14, 30}) {
        selectRow(row);
        for (int slot = 0; slot < 6; ++slot) {
            const auto& field = control<QLineEdit>("textfield_contentNames_" + QString::number(slot));
            EXPECT_LE(field.fontMetrics().horizontalAdvance(field.text()), textRoom(field))
                << "S" << row + 1 << " slot " << slot + 1 << ": " << field.text().toStdString();
        }
    }
    // The window keeps to the screen.
    EXPECT_TRUE(QRect(0, 0, 1366, 768).contains(editor->frameGeometry())) << editor->frameGeometry().width();
}

TEST_F(EditorLaptopScreenTest, ThePadsUnderTheBanksKeepTheWindowOnTheScreenAndShowTheirThreeLines)
{
    ASSERT_TRUE(control("dock_browser").isVisible());
    press(Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(control("dock_pads").isVisible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(QRect(0, 0, 1366, 768).contains(editor->frameGeometry())) << editor->frameGeometry().height();
    for (int pad = 0; pad < 6; ++pad) {
        const auto& button = control<QPushButton>("button_pad_" + QString::number(pad));
        EXPECT_GE(button.height(), button.sizeHint().height()) << pad;
        EXPECT_GE(button.width(), button.sizeHint().width()) << pad << ": " << button.text().toStdString();
    }
}

} // namespace
