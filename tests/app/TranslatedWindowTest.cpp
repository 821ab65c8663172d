// The window in German and French, as the system's language brings them: its own texts, Qt's, the
// messages it makes as the user works, and all of it still fitting a laptop's small screen.
#include "EditorFixture.h"

#include "WaitUntil.h"
#include "app/window/Translations.h"
#include "app/window/WindowMemory.h"
#include "soundlibrary/LoudnessMeter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>

namespace {

const QString kFolder = QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER);

QString translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

TEST(TranslationsTest, TheFirstOfTheLocalesLanguagesThatHasTextsWinsWithQtsOwnInTheSameLanguage)
{
    {
        Translations translations;
        // A Canadian French system gets the French texts.
        ASSERT_TRUE(translations.install(QLocale(QStringLiteral("fr_CA")), kFolder));
        EXPECT_EQ(translated("UndoHistory", "&Redo"), QStringLiteral("&R\u00E9tablir"));
        EXPECT_EQ(translated("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    }
    // Gone with the object that installed them.
    EXPECT_EQ(translated("UndoHistory", "&Redo"), QStringLiteral("&Redo"));
    EXPECT_EQ(translated("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    // A language the editor lacks leaves everything English, Qt's dialogs too, rather than a
    // window in one language over dialogs in another.
    Translations spanish;
    EXPECT_FALSE(spanish.install(QLocale(QStringLiteral("es_ES")), kFolder));
    EXPECT_EQ(translated("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    Translations nowhere;
    EXPECT_FALSE(nowhere.install(QLocale(QStringLiteral("de_DE")), QStringLiteral("/nonexistent")));
    EXPECT_EQ(translated("UndoHistory", "&Redo"), QStringLiteral("&Redo"));
}

// The editor started under the language given, on the 1024 x 700 screen its suite is given.
class TranslatedWindowTest : public EditorFixture, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(translations.install(QLocale(QString::fromLatin1(GetParam())), kFolder));
        EditorFixture::SetUp();
    }

    Translations translations;
};

TEST_P(TranslatedWindowTest, EveryVisibleTextFitsItsControlOnASmallScreen)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(available, QRect(0, 0, 1024, 700));
    // The longest texts: the labels of a bank full of its longest names, and the Stop button.
    EXPECT_EQ(editor->geometry(), WindowMemory::firstPlace(available, QSize(1280, 800)));
    EXPECT_LE(editor->minimumSizeHint().width(), editor->width());
    EXPECT_LE(editor->minimumSizeHint().height(), editor->height());
    // The slots' loudness figures, measured beside the window, are longer than the dash they
    // replace: wait for them, so that the layout their texts ask for is the one measured.
    if (soundlibrary::LoudnessMeter::available())
        waitUntil([&] {
            for (const QLabel* figure : editor->findChildren<QLabel*>(QRegularExpression("^text_slotLoudness_")))
                if (figure->isVisibleTo(editor.get()) && figure->text() == QStringLiteral("\u2014"))
                    return false;
            return true;
        });
    QCoreApplication::processEvents();

    int checked = 0;
    const QRect window = editor->rect();
    for (QWidget* widget : editor->findChildren<QWidget*>()) {
        const bool showsText = qobject_cast<QAbstractButton*>(widget) != nullptr
                               || qobject_cast<QLabel*>(widget) != nullptr
                               || qobject_cast<QGroupBox*>(widget) != nullptr;
        // The status line shows whatever was done last and wraps or elides it.
        if (!showsText || !widget->isVisibleTo(editor.get()) || widget->objectName() == QLatin1String("text_status"))
            continue;
        const std::string name = widget->objectName().toStdString() + " \""
                                 + widget->property("text").toString().toStdString()
                                 + widget->property("title").toString().toStdString() + "\"";
        const QRect place(widget->mapTo(editor.get(), QPoint()), widget->size());
        EXPECT_TRUE(window.contains(place)) << name;
        EXPECT_GE(widget->width(), widget->minimumSizeHint().width()) << name;
        EXPECT_GE(widget->height(), widget->minimumSizeHint().height()) << name;
        ++checked;
    }
    EXPECT_GE(checked, 25);
    // Every menu title shows in the menu bar, none pushed into its overflow button.
    const auto& menus = control<QMenuBar>("menubar");
    for (QAction* menu : menus.actions())
        EXPECT_TRUE(menus.rect().contains(menus.actionGeometry(menu))) << menu->text().toStdString();
}

TEST_P(TranslatedWindowTest, TheSoundPanelWithItsNumberFieldsFitsTheSmallScreen)
{
    // The panel of the slot's own sound, opened by a double-click on its waveform.
    QTest::mouseDClick(&control("view_waveform_4"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QDialog* panel = soundPanel();
    ASSERT_NE(panel, nullptr);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(panel->minimumSizeHint().width(), available.width());
    EXPECT_LE(panel->minimumSizeHint().height(), available.height());
    for (const char* name : {"spin_start", "spin_end", "button_playResult"}) {
        const QWidget& field = panelControl(QString::fromLatin1(name));
        EXPECT_TRUE(field.isVisibleTo(panel)) << name;
        EXPECT_GE(field.width(), field.minimumSizeHint().width()) << name;
    }
    EXPECT_NE(panelControl<QAbstractButton>("button_playResult").text(), QStringLiteral("Play &Result"));
    clickInPanel("button_cancel");
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, TranslatedWindowTest, testing::Values("de_DE", "fr_FR"));

using GermanWindowTest = TranslatedWindowTest;

TEST_P(GermanWindowTest, ControlsMenusAndTheMessagesOfWorkSpeakGerman)
{
    EXPECT_EQ(textOf("button_save"), "&Speichern");
    EXPECT_EQ(textOf("button_openContents_0"), "Importieren\u2026");
    EXPECT_EQ(control<QAction>("menu_saveAs").text(), QStringLiteral("Speichern &unter\u2026"));
    EXPECT_EQ(control<QAction>("menu_undo").text(), QStringLiteral("&R\u00FCckg\u00E4ngig"));
    // The device's own labels stay as it shows them.
    EXPECT_EQ(textOf("textfield_contentLabels_1"), "CLOSED HI HAT");

    type(QStringLiteral("textfield_bankName"), QStringLiteral("KICKS"));
    EXPECT_EQ(textOf("text_status"), "S05 in \u201EKICKS\u201C umbenannt");
    EXPECT_EQ(control<QAction>("menu_undo").text(), QStringLiteral("&R\u00FCckg\u00E4ngig: Umbenennen"));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(textOf("text_status"), "R\u00FCckg\u00E4ngig gemacht: Umbenennen von S05");
    // What an import did, and the question before it, worded here with German numbers.
    const std::string notes = make("notes.txt", "head -c 2000 /dev/zero | tr '\\0' x >");
    ASSERT_TRUE(drop(QStringLiteral("textfield_contentNames_1"), {notes}));
    EXPECT_EQ(shown.back(), "question|Kein Sound|„notes.txt“ ist keine Sounddatei, die dieser Editor dekodiert "
                            "(WAV, AIFF, AIFF-C, FLAC, Ogg Vorbis, Opus, MP3, AU, CAF und W64). Ihre Bytes als rohe "
                            "8-Bit-Gerätedaten in den Slot laden?|Roh laden|Abbrechen|Enter: Abbrechen");
    EXPECT_EQ(textOf("text_status"), "notes.txt: 2.000 Bytes rohe Gerätedaten, mit Stille auf 0,25 s aufgefüllt");
    // The window's accessible descriptions come in the same language.
    EXPECT_EQ(control("view_waveform_1").accessibleName(), QStringLiteral("Wellenform von Slot 2, CLOSED HI HAT"));
    EXPECT_EQ(control("view_waveform_1").accessibleDescription().toStdString(),
              "CLOSED HI HAT: 0,06 s Sound, Spitzenpegel \u221224 dBFS, 0,19 s Stille");
    // Why nothing can be sent, what the firmware slots hold and the later menus speak German too.
    EXPECT_EQ(control<QComboBox>("popup_out").currentText(), "kein MIDI-Ausgang: Schlie\u00DFen Sie Ihr Interface an");
    EXPECT_EQ(control<QAction>("menu_outputSettings").text(), QStringLiteral("&Ausgangseinstellungen\u2026"));
    EXPECT_EQ(control<QMenu>("menu_openRecent").title(), QStringLiteral("&Zuletzt ge\u00F6ffnet"));
    selectRow(31);
    EXPECT_EQ(textOf("text_firmwareSlots"), "PRESETS: Presetspeicher des Ger\u00E4ts, Block 62 (130.950 Byte)\n"
                                            "OS: Betriebssystem des Ger\u00E4ts, Block 63 (114.182 Byte)");
}

// Why a save or a play failed, worded in German from what the core reports.
TEST_P(GermanWindowTest, WhyASaveOrAPlayFailedComesInGerman)
{
    paths = {make("fifo.mid", "mkfifo")};
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shown.back(),
              "critical|Speichern fehlgeschlagen|Die Bankdatei \u201Efifo.mid\u201C konnte nicht geschrieben "
              "werden: keine regul\u00E4re Datei.|OK|");

    RecordingSoundOutput none({PlaybackFailure::Kind::Unopenable, "default", {}, "No such file or directory"});
    editor = std::make_unique<EditorWindow>(*this, system, settings, none, kit);
    editor->show();
    EXPECT_EQ(
        control("button_playContents_2").toolTip(),
        QStringLiteral("Keine Tonausgabe: das ALSA-Ger\u00E4t \u201Edefault\u201C l\u00E4sst sich nicht \u00F6ffnen "
                       "(No such file or directory)"));
    editor.reset();
}

INSTANTIATE_TEST_SUITE_P(German, GermanWindowTest, testing::Values("de_DE"));

} // namespace
