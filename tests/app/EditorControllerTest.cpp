// A MIDI controller playing the pads in the window: chosen beside the output by real keys, its
// notes light and play the pads as a key does, MIDI › Teach a Pad gives a pad the next note, and
// the choice and the notes come back with the next start; over the loopback service's sources.
#include "EditorFixture.h"

namespace {

const MidiEndpointNames kPadKit{"", "Pad Kit", "Pad Kit MIDI 1"};
const std::string kPadKitName = "Pad Kit:Pad Kit MIDI 1";

class EditorControllerTest : public EditorFixture {
protected:
    Texts controllerList() { return listItems(QStringLiteral("popup_controller")); }
    // The controller sends the bytes; the window takes what they did.
    void play(const Bytes& bytes)
    {
        MidiPacketList packets(bytes.size());
        packets.add(0, bytes);
        service.emitAt(padKit, clock.nowMicroseconds() + 1000, packets);
        clock.runPending();
        settle();
    }
    // The pads lit, "-" for each that is not, once the moment of their hits has passed.
    std::string litPads()
    {
        std::string shown;
        for (int pad = 0; pad < 6; ++pad)
            shown += lit(pad) ? static_cast<char>('0' + pad) : '-';
        tickLights(10);
        return shown;
    }
    // MIDI › Teach a Pad › the pad's item, by keys.
    void teach(int pad)
    {
        QMenu& midi = openMenu(Qt::Key_M);
        QTest::keyClick(&midi, Qt::Key_T);
        auto* pads = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(pads != nullptr && pads != &midi);
        for (int down = 0; down < pad; ++down)
            QTest::keyClick(pads, Qt::Key_Down);
        QTest::keyClick(pads, Qt::Key_Return);
    }
    std::string teachItem(int pad) { return textOf(QStringLiteral("menu_teachPad_%1").arg(pad)); }

    std::size_t padKit = service.addSource(kPadKit);
};

// The controller's notes hit the kit player on the service's thread: the clap sounds in the next
// period the pads' device takes while the window's event loop has not turned once, and its pad
// lights when the loop does.
TEST_F(EditorControllerTest, ANoteSoundsWithoutWaitingForTheWindowAndItsPadLightsAfter)
{
    settle();
    press(Qt::Key_K, Qt::ControlModifier);
    auto& popup = control<QComboBox>("popup_controller");
    popup.setFocus();
    QTest::keyClick(&popup, Qt::Key_Down);
    ASSERT_EQ(controllerList(), (Texts{"None", "*" + kPadKitName}));
    const std::size_t before = pads.copy().size();

    MidiPacketList packets(3);
    packets.add(0, {0x99, 39, 0x64});
    service.emitAt(padKit, clock.nowMicroseconds() + 1000, packets);
    clock.runPending();
    constexpr std::size_t kPeriod = KitPlayer::kPeriodFrames;
    ASSERT_TRUE(pads.grant(kPeriod));
    ASSERT_TRUE(pads.awaitWritten(before + kPeriod));
    const std::vector<std::int16_t> heard = pads.copy();
    const Bytes clap = slot(4, 2);
    for (std::size_t frame = 0; frame < kPeriod; ++frame)
        EXPECT_EQ(heard[before + frame], (static_cast<int>(clap[frame]) - 0x80) * 256) << "frame " << frame;
    EXPECT_EQ(litPads(), "------") << "the window has not turned yet";
    settle();
    EXPECT_EQ(litPads(), "--2---");
}

TEST_F(EditorControllerTest, AChosenControllersNotesPlayThePadsAndATaughtNotePlaysItsPad)
{
    settle();
    press(Qt::Key_K, Qt::ControlModifier); // the pads in sight
    EXPECT_EQ(controllerList(), (Texts{"*None", kPadKitName}));
    EXPECT_FALSE(control<QAction>("menu_teachPad_2").isEnabled());
    play({0x99, 42, 0x64});
    EXPECT_EQ(litPads(), "------") << "no controller chosen";

    auto& popup = control<QComboBox>("popup_controller");
    popup.setFocus();
    QTest::keyClick(&popup, Qt::Key_Down);
    EXPECT_EQ(controllerList(), (Texts{"None", "*" + kPadKitName}));

    EXPECT_EQ(teachItem(2), "&3 CLAP (note 39)");
    teach(2);
    EXPECT_EQ(statusLine(), "Play the note for CLAP on " + kPadKitName + " (Escape cancels)");
    play({0x99, 36, 0x64});
    EXPECT_EQ(statusLine(), "CLAP now plays from note 36");
    EXPECT_EQ(litPads(), "--2---") << "the note taught plays its pad at once";
    EXPECT_EQ(teachItem(2), "&3 CLAP (note 36)");

    teach(5);
    press(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(statusLine(), "RIDE keeps its note");
    play({0x99, 38, 0x64});
    EXPECT_EQ(litPads(), "------");
    EXPECT_EQ(teachItem(5), "&6 RIDE (note 51)");

    // Unplugged, the controller stays chosen; back, wherever it is listed, it plays again.
    service.unplugSource(padKit);
    settle();
    EXPECT_EQ(controllerList(), (Texts{"None", "*" + kPadKitName + " (disconnected)"}));
    EXPECT_FALSE(control<QAction>("menu_teachPad_0").isEnabled());
    service.addDestination({"", "Midi Through", "Midi Through Port-0"});
    service.addSource({"", "Midi Through", "Midi Through Port-0"});
    padKit = service.plugInSource(kPadKit);
    settle();
    EXPECT_EQ(controllerList(), (Texts{"None", "Midi Through:Midi Through Port-0", "*" + kPadKitName}));
    play({0x99, 36, 0x64});
    EXPECT_EQ(litPads(), "--2---");

    // The next start listens to the same controller, with the notes taught.
    restart();
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(controllerList(), (Texts{"None", "Midi Through:Midi Through Port-0", "*" + kPadKitName}));
    EXPECT_EQ(teachItem(2), "&3 CLAP (note 36)");
    play({0x99, 36, 0x64});
    EXPECT_EQ(litPads(), "--2---");
}

} // namespace
