// The sound browser's Library tab as a musician uses it: the folder the Folders tab shows is added
// to the library, its sounds are scanned and analysed in the background, words typed find them
// with their length, loudness and lead-in, the filters and orders narrow them, Space and Enter and
// a drag work as in the folder view, and the library outlasts a restart and a damaged index.
#include "BrowserFixture.h"

#include "app/library/LibraryResultModel.h"
#include "soundlibrary/LibraryFolders.h"
#include "soundlibrary/LibraryLocation.h"
#include "soundlibrary/LoudnessMeter.h"
#include "soundlibrary/SoundAnalysis.h"

#include <QListWidget>
#include <QTabWidget>

namespace {

class EditorLibraryTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        BrowserFixture::SetUp();
        std::filesystem::create_directory(sounds.path("Claps"));
        // White noise is bright, brown noise dark; the bright clap starts after 0.1 s of silence.
        sounds.synth("Claps/bright clap 03.wav", "-r 44100 -c 1 -b 16", "synth 0.2 whitenoise gain -6 pad 0.1 0");
        sounds.synth("Claps/dark clap 01.wav", "-r 44100 -c 1 -b 16", "synth 0.45 brownnoise gain -6");
        // A name from an old disk, in Latin-1: "hit é.wav".
        std::filesystem::copy_file(sounds.path("kick 2.wav"), sounds.path("hit \xE9.wav"));
        root = sounds.ScratchFolder::path().filename().string();
    }

    // Ctrl+Shift+F in the active window: the Library tab, with its search field focused.
    void goToSearch() { press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier); }
    // Types the words over what the field held, and waits for the rows they find.
    void search(const QString& typed)
    {
        goToSearch();
        auto& field = control<QLineEdit>("textfield_librarySearch");
        if (field.text() == typed)
            return;
        QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClicks(&field, typed);
        waitForRows();
    }
    // The folder the Folders tab shows, added with Add Shown Folder; back when every file is analysed.
    void addShownFolder()
    {
        goTo(sounds.ScratchFolder::path().string());
        goToSearch();
        click("button_addLibraryFolder");
        waitForAnalysis();
    }
    QTableView& results() { return control<QTableView>("list_library"); }
    // Each row as the list shows it: "name|folder|length|loudness|lead-in".
    Texts libraryRows() { return rowsOf(results(), {0}); }
    // The figures but the loudness, which libebur128 measures: "name|folder|length|lead-in".
    Texts withoutLoudness() { return rowsOf(results(), {0, 4}); }
    Texts sortedNames()
    {
        Texts names = rowsOf(results(), {0, 2, 3, 4, 5});
        std::sort(names.begin(), names.end());
        return names;
    }
    // Until the rows of the search asked for last are in the list.
    void waitForRows()
    {
        bool shown = false;
        const QMetaObject::Connection done = QObject::connect(qobject_cast<LibraryResultModel*>(results().model()),
                                                              &LibraryResultModel::shown, [&shown] { shown = true; });
        waitUntil([&] { return shown; });
        QObject::disconnect(done);
    }
    void waitForAnalysis()
    {
        waitUntil([this] {
            const Texts rows = libraryRows();
            return rows.size() == kEverySound.size()
                   && std::none_of(rows.begin(), rows.end(),
                                   [](const std::string& row) { return row.find("\u2026") != std::string::npos; });
        });
    }
    void choose(const QString& combo, int item) { control<QComboBox>(combo).setCurrentIndex(item); }
    // The 0.1 s of silence before the bright clap, as analysis finds where the sound starts.
    std::string brightLeadIn() const
    {
        const double seconds = soundlibrary::SoundAnalysis::of(sounds.path("Claps/bright clap 03.wav")).leadIn;
        EXPECT_NEAR(seconds, 0.1, 0.005);
        return LibraryResultModel::leadInText(seconds).toStdString();
    }
    std::string loud() const { return soundlibrary::LoudnessMeter::available() ? " LUFS" : "\u2013"; }

    // Every file named as a sound, the text file left out.
    const Texts kEverySound{"bright clap 03.wav", "dark clap 01.wav", "broken.wav", "hat.flac",   "hit \uFFFD.wav",
                            "kick 10.wav",        "kick 2.wav",       "pipe.wav",   "snare.aiff", "break.wav"};
    std::string root;
};

TEST_F(EditorLibraryTest, TypedWordsFindSoundsWithWhatAnalysisFoundAndTheFiltersAndOrdersNarrowThem)
{
    addShownFolder();
    EXPECT_EQ(control<QTabWidget>("tabs_browser").currentWidget()->objectName(), "tab_library");
    goToSearch();
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "textfield_librarySearch");

    // Each word is the start of a word of the name or its folder.
    search(QStringLiteral("clap br"));
    ASSERT_EQ(withoutLoudness(), Texts{"bright clap 03.wav|" + root + "/Claps|0.30 s|" + brightLeadIn()});
    EXPECT_THAT(libraryRows()[0], HasSubstr(loud()));
    search(QStringLiteral("clap"));
    EXPECT_EQ(libraryRows().size(), 2u);
    // Four sounds whose places differ in each order: by folder and name; by length (0.25, 0.45, 0.5
    // and 1 s); by brightness (white noise, brown noise, a sine of 80 Hz, of 60 Hz).
    search(QString());
    const auto placesOfFour = [this] {
        const Texts four{"kick 10.wav", "kick 2.wav", "snare.aiff", "dark clap 01.wav"};
        Texts names;
        for (const std::string& row : libraryRows())
            if (const std::string name = row.substr(0, row.find('|')); std::count(four.begin(), four.end(), name) != 0)
                names.push_back(name);
        return names;
    };
    EXPECT_EQ(placesOfFour(), (Texts{"kick 10.wav", "kick 2.wav", "snare.aiff", "dark clap 01.wav"}));
    choose("combo_libraryOrder", 1);
    waitForRows();
    EXPECT_EQ(placesOfFour(), (Texts{"kick 10.wav", "dark clap 01.wav", "kick 2.wav", "snare.aiff"}));
    choose("combo_libraryOrder", 2);
    waitForRows();
    EXPECT_EQ(placesOfFour(), (Texts{"snare.aiff", "dark clap 01.wav", "kick 10.wav", "kick 2.wav"}));
    choose("combo_libraryOrder", 1);
    waitForRows();

    // Up to 0.25 s counts the length after the lead-in: 0.30 s with 0.10 s of silence fits.
    // Still the shortest after its lead-in first.
    choose("combo_libraryLength", 2);
    waitForRows();
    EXPECT_EQ(withoutLoudness(), (Texts{"hat.flac|" + root + "|0.10 s|0 ms",
                                        "bright clap 03.wav|" + root + "/Claps|0.30 s|" + brightLeadIn(),
                                        "kick 10.wav|" + root + "|0.25 s|0 ms"}));
    // Stereo at 48 kHz: the kick of 0.25 s only.
    choose("combo_libraryLength", 0);
    choose("combo_libraryChannels", 2);
    choose("combo_libraryRate", 3);
    waitForRows();
    EXPECT_EQ(withoutLoudness(), Texts{"kick 10.wav|" + root + "|0.25 s|0 ms"});
    choose("combo_libraryChannels", 0);
    choose("combo_libraryRate", 0);
    choose("combo_libraryFormat", 2);
    waitForRows();
    EXPECT_EQ(withoutLoudness(), Texts{"snare.aiff|" + root + "|1.00 s|0 ms"});

    // What is no sound says so in its row, a name not in UTF-8 shows U+FFFD for what it cannot
    // show, and the line under the list counts them.
    choose("combo_libraryFormat", 0);
    search(QStringLiteral("pipe"));
    EXPECT_EQ(libraryRows(), Texts{"pipe.wav|" + root + "|unreadable|\u2013|\u2013"});
    search(QStringLiteral("hit"));
    EXPECT_EQ(withoutLoudness(), Texts{"hit \uFFFD.wav|" + root + "|0.50 s|0 ms"});
    EXPECT_EQ(textOf("text_libraryCounts"), "1 file could not be read; 1 file is not a sound; 1 name not UTF-8");
}

TEST_F(EditorLibraryTest, FitsTheSelectedSlotKeepsWhatTheSlotHoldsAfterItsLeadInAndFollowsTheSlotChosen)
{
    addShownFolder();
    // The fit takes the slot's seconds at the device's 33 kHz; what is measured against them, the
    // length after the lead-in, is LibrarySearchTest's. CLOSED HI HAT's 0.248 s leave out the kick
    // of 0.25 s that OPEN HI HAT's 0.745 s take.
    selectSlot(0);
    choose("combo_libraryLength", 1);
    waitForRows();
    EXPECT_EQ(sortedNames(), (Texts{"bright clap 03.wav", "dark clap 01.wav", "hat.flac", "hit \uFFFD.wav",
                                    "kick 10.wav", "kick 2.wav"}));
    // Back in the search field, the rows are what fits the slot chosen since.
    selectSlot(1);
    goToSearch();
    waitForRows();
    EXPECT_EQ(sortedNames(), (Texts{"bright clap 03.wav", "hat.flac"}));
}

TEST_F(EditorLibraryTest, SpacePlaysAFoundFileEnterImportsItAndADragFillsTheSlotItIsDroppedOn)
{
    addShownFolder();
    const Bytes before = slot(4, 2);
    selectSlot(2);
    // The stereo kick (the scratch folder's name holds digits: the words typed have none).
    choose("combo_libraryChannels", 2);
    search(QStringLiteral("kick"));
    ASSERT_EQ(withoutLoudness(), Texts{"kick 10.wav|" + root + "|0.25 s|0 ms"});
    // Down goes on to the list, whose first row Space plays as it is.
    goToSearch();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(QApplication::focusWidget(), &results());
    QTest::keyClick(&results(), Qt::Key_Space);
    ASSERT_EQ(sound.runs.size(), 1u);
    EXPECT_TRUE(sound.played.empty()) << "Space in the list is the library's, not the selected slot's";
    EXPECT_EQ(sound.runs[0].rate, 48000u);
    EXPECT_EQ(results().model()->data(results().model()->index(0, 0)).toString(), "\u25A0");
    QTest::keyClick(&results(), Qt::Key_Space);
    EXPECT_FALSE(sound.playing());

    // Enter: the row Down chose goes into the selected slot through the sound panel, as the folder
    // view's Enter.
    QTest::keyClick(&results(), Qt::Key_Return);
    ASSERT_NE(soundPanel(), nullptr);
    EXPECT_EQ(slot(4, 2), before) << "nothing goes in before Apply";
    clickInPanel(QStringLiteral("button_apply"));
    EXPECT_EQ(nameInS05(2), "kick 10.wav");

    // Dragged onto another row, a mono file goes to that row, through the panel as well.
    choose("combo_libraryChannels", 1);
    search(QStringLiteral("snare"));
    results().selectRow(0);
    const std::unique_ptr<QMimeData> data(results().model()->mimeData(results().selectionModel()->selectedIndexes()));
    ASSERT_TRUE(drop("textfield_contentNames_5", *data));
    clickInPanel(QStringLiteral("button_apply"));
    EXPECT_EQ(nameInS05(5), "snare.aiff");
}

TEST_F(EditorLibraryTest, AddFolderAddsTheFolderChosenInItsPanelAndCancellingItAddsNothing)
{
    goToSearch();
    const auto& folders = control<QListWidget>("list_libraryFolders");
    waitUntil([&] { return !textOf("text_libraryScan").empty(); });
    EXPECT_EQ(textOf("text_libraryScan"), "The library has no folders yet: press Add Folder\u2026 to choose one, or "
                                          "show one in the Folders tab and press Add Shown Folder");
    click("button_chooseLibraryFolder");
    EXPECT_EQ(panelTitles, std::vector<std::string>{"Add Folder to the Library"});
    EXPECT_EQ(folders.count(), 0) << "the panel was cancelled";

    // Not the folder the Folders tab shows, which holds more sounds than the claps.
    const std::string claps = sounds.path("Claps");
    ASSERT_NE(QFile::encodeName(control<QLineEdit>("textfield_browserFolder").text()).toStdString(), claps);
    paths = {claps};
    click("button_chooseLibraryFolder");
    ASSERT_EQ(folders.count(), 1);
    EXPECT_EQ(folders.item(0)->text().toStdString(), claps);
    EXPECT_EQ(statusLine(), "\u201C" + claps + "\u201D is in the library now: its sounds are being scanned");
    waitUntil([&] { return sortedNames() == Texts{"bright clap 03.wav", "dark clap 01.wav"}; });
    EXPECT_TRUE(soundlibrary::LibraryFolders::load(soundlibrary::libraryFoldersPath()).folders()
                == std::vector<std::string>{claps})
        << "the list zylox library keeps";
}

TEST_F(EditorLibraryTest, ADamagedIndexIsSetAsideWithALineInTheStatusBarAndTheLibraryWorks)
{
    const QString index = folder.filePath(QStringLiteral("cache/zylox/library.sqlite"));
    QDir().mkpath(QFileInfo(index).path());
    std::ofstream(index.toStdString()) << std::string(8192, 'x');
    goToSearch();
    waitUntil([&] { return !statusLine().empty(); });
    const std::string aside = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(QFileInfo(index).path().toStdString()))
            if (entry.path().filename().string().starts_with("library.sqlite.damaged"))
                return entry.path().string();
        return std::string("none");
    }();
    EXPECT_EQ(statusLine(),
              "The sound library's index was damaged and is being made anew; the old file is kept as " + aside);
    addShownFolder();
    search(QStringLiteral("snare"));
    EXPECT_EQ(withoutLoudness(), Texts{"snare.aiff|" + root + "|1.00 s|0 ms"});
}

TEST_F(EditorLibraryTest, TheLibraryOutlastsARestartAndFollowsFilesAddedToItsFolders)
{
    addShownFolder();
    choose("combo_libraryOrder", 1);
    choose("combo_libraryFormat", 3);
    restart();
    // Opened at the start, as the library has folders, and the tab and its choices as they were left.
    EXPECT_EQ(control<QTabWidget>("tabs_browser").currentWidget()->objectName(), "tab_library");
    EXPECT_EQ(control<QComboBox>("combo_libraryOrder").currentIndex(), 1);
    EXPECT_EQ(control<QComboBox>("combo_libraryFormat").currentIndex(), 3);
    choose("combo_libraryOrder", 0);
    choose("combo_libraryFormat", 0);
    search(QStringLiteral("snare"));
    EXPECT_EQ(withoutLoudness(), Texts{"snare.aiff|" + root + "|1.00 s|0 ms"});
    // A file copied into the folder is found without a rescan.
    std::filesystem::copy_file(sounds.path("snare.aiff"), sounds.path("snare 2.aiff"));
    waitUntil([&] { return libraryRows().size() >= 2 && libraryRows()[1].find("\u2026") == std::string::npos; });
    EXPECT_EQ(withoutLoudness(),
              (Texts{"snare.aiff|" + root + "|1.00 s|0 ms", "snare 2.aiff|" + root + "|1.00 s|0 ms"}));
}

} // namespace
