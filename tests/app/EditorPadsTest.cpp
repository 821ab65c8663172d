// The pads in the window, played by real keys and clicks: what reaches the kit player is heard on
// the pads' device the test paces, and the lights follow the sounds.
#include "EditorFixture.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

constexpr std::size_t kPeriod = KitPlayer::kPeriodFrames;
constexpr int kShownRow = 4; // S05, the bank on show at start

class EditorPadsTest : public EditorFixture {
protected:
    // Lets the pads' device take frames more; all it has been given.
    std::vector<std::int16_t> hear(std::size_t frames)
    {
        const std::size_t total = pads.copy().size() + frames;
        EXPECT_TRUE(pads.grant(frames));
        EXPECT_TRUE(pads.awaitWritten(total));
        return pads.copy();
    }
    // The frames that follow those heard up to now, were the voices of these pads to sound from
    // the given places in their slots of the bank on show.
    std::vector<std::int16_t> expected(std::initializer_list<std::pair<int, std::size_t>> voices, std::size_t frames)
    {
        std::vector<std::int16_t> mix;
        for (std::size_t frame = 0; frame < frames; ++frame) {
            int sum = 0;
            for (const auto& [pad, from] : voices)
                sum += (static_cast<int>(slot(kShownRow, pad).at(from + frame)) - 0x80) * 256;
            mix.push_back(static_cast<std::int16_t>(std::clamp(sum, -32768, 32767)));
        }
        return mix;
    }
    static std::vector<std::int16_t> last(const std::vector<std::int16_t>& heard, std::size_t frames)
    {
        return {heard.end() - static_cast<std::ptrdiff_t>(frames), heard.end()};
    }
    int streams(int PacedLog::*count)
    {
        const std::lock_guard held(pads.lock);
        return pads.*count;
    }
};

TEST_F(EditorPadsTest, KeysAndClicksPlayThePadsOfTheBankOnShowAndTheLightsFollowTheirSounds)
{
    settle();
    EXPECT_FALSE(control("dock_pads").isVisible()) << "hidden at start: the device is not taken unasked";
    press(Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(control("dock_pads").isVisible());
    EXPECT_EQ(streams(&PacedLog::opened), 1);
    const auto& clap = control<QPushButton>("button_pad_2");
    const QString clapName = QString::fromStdString(slotName(kShownRow, 2));
    EXPECT_EQ(clap.text(), "CLAP\n" + clapName + "\nAlt+3");
    EXPECT_EQ(clap.accessibleName(), clapName);

    press(Qt::Key_3, Qt::AltModifier);
    EXPECT_TRUE(lit(2));
    EXPECT_EQ(hear(kPeriod), expected({{2, 0}}, kPeriod));
    QTest::mouseClick(&control<QPushButton>("button_pad_5"), Qt::LeftButton);
    EXPECT_EQ(last(hear(kPeriod), kPeriod), expected({{2, kPeriod}, {5, 0}}, kPeriod)) << "the clap rings on";
    EXPECT_TRUE(lit(5));

    // Past the clap's end the ride still sounds: only its pad stays lit once the hit's moment has passed.
    const std::size_t clapLength = slot(kShownRow, 2).size();
    hear(clapLength - 2 * kPeriod);
    tickLights(3);
    EXPECT_FALSE(lit(2));
    EXPECT_TRUE(lit(5));
    hear(slot(kShownRow, 5).size() - clapLength + kPeriod);
    tickLights(1);
    EXPECT_FALSE(lit(5));

    // Alt with a digit types nothing: in a name being typed the pad plays and the name stays; the
    // digit alone is the name's.
    auto& name = control<QLineEdit>("textfield_contentNames_0");
    QTest::mouseClick(&name, Qt::LeftButton);
    QTest::keyClick(&name, Qt::Key_End);
    const QString before = name.text();
    QTest::keyClick(&name, Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(name.text(), before);
    EXPECT_EQ(last(hear(kPeriod), kPeriod), expected({{0, 0}}, kPeriod));
    QTest::keyClick(&name, Qt::Key_1);
    EXPECT_EQ(name.text(), before + "1");
    EXPECT_EQ(last(hear(kPeriod), kPeriod), expected({{0, kPeriod}}, kPeriod)) << "no new hit";
    QTest::keyClick(&name, Qt::Key_Escape);

    // An audition sets the pads aside; a pad hit stops it and the pads play again at once.
    click("button_playContents_4");
    EXPECT_TRUE(sound.playing());
    EXPECT_EQ(streams(&PacedLog::closed), 1);
    press(Qt::Key_2, Qt::AltModifier);
    EXPECT_FALSE(sound.playing());
    EXPECT_EQ(streams(&PacedLog::opened), 2);
    EXPECT_EQ(last(hear(kPeriod), kPeriod), expected({{1, 0}}, kPeriod));

    // The firmware bank has no pads: a key says why, and nothing sounds.
    selectRow(31);
    EXPECT_FALSE(control("button_pad_0").isEnabled());
    press(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(statusLine(), "The firmware bank holds no sounds to play as pads");
    const std::vector<std::int16_t> silent = last(hear(kPeriod), kPeriod);
    EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](std::int16_t v) { return v == 0; }));

    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_FALSE(control("dock_pads").isVisible());
    EXPECT_EQ(streams(&PacedLog::closed), 2) << "hidden, the pads give the device up";
}

TEST_F(EditorPadsTest, TheChokeIsAPreferenceTheNextStartKeeps)
{
    const auto chooseChoke = [this](bool choke) {
        QDialog& dialog = preferences();
        auto& box = in<QCheckBox>(dialog, "checkbox_choke");
        const bool shown = box.isChecked();
        box.setChecked(choke);
        closeDialog(dialog, true);
        return shown;
    };
    const auto openThenClosed = [this] {
        press(Qt::Key_1, Qt::AltModifier);
        hear(kPeriod);
        press(Qt::Key_2, Qt::AltModifier);
        return last(hear(kPeriod), kPeriod);
    };
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(openThenClosed(), expected({{1, 0}}, kPeriod)) << "the closed hi-hat cuts the open one";
    EXPECT_TRUE(chooseChoke(false));
    EXPECT_EQ(openThenClosed(), expected({{0, kPeriod}, {1, 0}}, kPeriod));

    // The next run's player starts with the choke on, as every new one does; the window sets it off.
    kit.setChoke(true);
    restart();
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(openThenClosed(), expected({{0, kPeriod}, {1, 0}}, kPeriod));
    EXPECT_FALSE(chooseChoke(true));
}

} // namespace
