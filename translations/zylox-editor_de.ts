<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../app/window/AboutWindow.ui" line="6"/>
        <source>About ZYLOX 515 Editor</source>
        <translation>Über ZYLOX 515 Editor</translation>
    </message>
    <message>
        <location filename="../app/window/AboutWindow.ui" line="25"/>
        <source>&lt;b&gt;ZYLOX 515 Editor&lt;/b&gt;</source>
        <translation>&lt;b&gt;ZYLOX 515 Editor&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../app/window/AboutWindow.ui" line="42"/>
        <source>Edits the sample memory of the ZYLOX 515 drum machine:
import drum sounds into its 31 sound banks, keep banks
in bank files and send them to the device over MIDI.</source>
        <translation>Bearbeitet den Sample-Speicher des Drumcomputers ZYLOX 515:
importiert Drum-Sounds in seine 31 Soundbänke, bewahrt Bänke
in Bankdateien auf und sendet sie per MIDI an das Gerät.</translation>
    </message>
    <message>
        <location filename="../app/window/AboutWindow.cpp" line="12"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AdviceWording</name>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="29"/>
        <source>start the window at %1 s or trim the silence</source>
        <translation>das Fenster bei %1 s beginnen lassen oder die Stille abschneiden</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="31"/>
        <source>start the window at %1 s</source>
        <translation>das Fenster bei %1 s beginnen lassen</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="33"/>
        <source>trim the silence</source>
        <translation>die Stille abschneiden</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="41"/>
        <source>%1; %2.</source>
        <extracomment>What is wrong with the slot, then what would help</extracomment>
        <translation>%1; %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="56"/>
        <source>Silent: %1; choose Mix for its sound.</source>
        <extracomment>What is silent, then the control that gives the sound</extracomment>
        <translation>Stumm: %1; „Mischen“ wählen, um den Sound zu erhalten.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="73"/>
        <source>Silent: %1</source>
        <extracomment>Where the sound lies, which the slot does not reach: &quot;the next sound starts at 10.000 s&quot;</extracomment>
        <translation>Stumm: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="81"/>
        <source>Silent: %1.</source>
        <extracomment>That no sound lies where the window looked: &quot;the source holds no sound above -70 dBFS&quot;</extracomment>
        <translation>Stumm: %1.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="96"/>
        <source>Late: %1</source>
        <extracomment>Where the hit starts in the slot: &quot;the hit starts at 0.40 s of 0.74 s&quot;</extracomment>
        <translation>Spät: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="58"/>
        <source>Silent: the only sound, at %1 s, falls on the slot&apos;s first byte, which is always silent</source>
        <translation>Stumm: Der einzige Sound, bei %1 s, fällt auf das erste Byte des Slots, das immer still ist</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="65"/>
        <source>Silent: the result&apos;s peak is %1, below %2 dBFS; raise the gain or normalise.</source>
        <translation>Stumm: Der Spitzenpegel des Ergebnisses ist %1, unter %2 dBFS; die Verstärkung erhöhen oder normalisieren.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="67"/>
        <source>zero</source>
        <translation>null</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="104"/>
        <source>Nothing to put into the slot: the window starts at %1 s, past the end of the %2 s source.</source>
        <translation>Nichts für den Slot: Das Fenster beginnt bei %1 s, nach dem Ende der %2 s langen Quelle.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="107"/>
        <source>Nothing to put into the slot: the window from %1 s to %2 s is shorter than one frame of the source.</source>
        <translation>Nichts für den Slot: Das Fenster von %1 s bis %2 s ist kürzer als ein Frame der Quelle.</translation>
    </message>
</context>
<context>
    <name>BankBlocks</name>
    <message>
        <location filename="../midiio/BankBlocks.cpp" line="16"/>
        <source>second block</source>
        <translation>zweiter Block</translation>
    </message>
    <message>
        <location filename="../midiio/BankBlocks.cpp" line="16"/>
        <source>first block</source>
        <translation>erster Block</translation>
    </message>
    <message>
        <location filename="../midiio/BankBlocks.cpp" line="55"/>
        <source>%1 (%2)</source>
        <extracomment>A bank of which one flash block is meant: &quot;S05 (second block)&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>BankEdits</name>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="58"/>
        <location filename="../app/banks/BankEdits.cpp" line="73"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="58"/>
        <location filename="../app/banks/BankEdits.cpp" line="73"/>
        <source>rename of %1</source>
        <translation>Umbenennen von %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="62"/>
        <location filename="../app/banks/BankEdits.cpp" line="77"/>
        <source>Renamed %1 to &quot;%2&quot;</source>
        <translation>%1 in „%2“ umbenannt</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="99"/>
        <location filename="../app/banks/BankEdits.cpp" line="108"/>
        <source>Reset to Default</source>
        <translation>Auf Werkseinstellung zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="100"/>
        <source>Don&apos;t Reset To Default any bank during sending or receiveing!</source>
        <translation>Setzen Sie während des Sendens oder Empfangens keine Bank auf die Werkseinstellung zurück!</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="91"/>
        <location filename="../app/banks/BankEdits.cpp" line="100"/>
        <location filename="../app/banks/BankEdits.cpp" line="261"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="28"/>
        <source>the new name %1</source>
        <extracomment>Why the new name is not kept: &quot;holds a zero byte (U+0000), which would end the name in a bank file&quot;</extracomment>
        <translation>der neue Name %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="30"/>
        <source>the new name is %1 bytes long; %2</source>
        <extracomment>The new name&apos;s length in bytes, then how long a name may be</extracomment>
        <translation>der neue Name ist %1 Bytes lang; %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="90"/>
        <source>%1 keeps its name: %2.</source>
        <translation>%1 behält seinen Namen: %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="91"/>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="101"/>
        <source>Not reset: %1 stays as it is while banks are being sent</source>
        <translation>Nicht zurückgesetzt: %1 bleibt unverändert, solange Bänke gesendet werden</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="104"/>
        <source>Give the bank &quot;%1&quot; back its factory name and sounds? What it holds now is replaced.</source>
        <translation>Der Bank „%1“ ihren Werksnamen und ihre Werkssounds zurückgeben? Ihr jetziger Inhalt wird ersetzt.</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="110"/>
        <location filename="../app/banks/BankEdits.cpp" line="117"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="111"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="117"/>
        <source>reset of %1</source>
        <translation>Zurücksetzen von %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="118"/>
        <source>Reset %1 to its factory name and sounds</source>
        <translation>%1 auf Werksnamen und Werkssounds zurückgesetzt</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="128"/>
        <source>Import into %1 slot %2, %3</source>
        <translation>In %1, Slot %2 importieren, %3</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="166"/>
        <location filename="../app/banks/BankEdits.cpp" line="193"/>
        <source>Not imported: %1</source>
        <translation>Nicht importiert: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="220"/>
        <source>Shape “%1” for %2</source>
        <translation>„%1“ für %2 formen</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="236"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="236"/>
        <source>import into %1</source>
        <translation>Import in %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="237"/>
        <source>Shape</source>
        <translation>Formen</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="237"/>
        <source>shape of %1</source>
        <translation>Formen von %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="260"/>
        <source>Damaged or Cut Short</source>
        <translation>Beschädigt oder unvollständig</translation>
    </message>
</context>
<context>
    <name>BankFiles</name>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="46"/>
        <location filename="../app/files/BankFiles.cpp" line="55"/>
        <source>opening another bank file</source>
        <translation>dem Öffnen einer anderen Bankdatei</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="48"/>
        <source>Open Bank File</source>
        <translation>Bankdatei öffnen</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="83"/>
        <source>Wrong File Format</source>
        <translation>Falsches Dateiformat</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="78"/>
        <location filename="../app/files/BankFiles.cpp" line="85"/>
        <location filename="../app/files/BankFiles.cpp" line="218"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="86"/>
        <source>Not opened: %1 holds no sound bank</source>
        <translation>Nicht geöffnet: %1 enthält keine Soundbank</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="125"/>
        <source>The file contains data for bank: &quot;%1&quot; (%2).
Load it into the selected bank &quot;%3&quot; (%4) or into %2? What that bank holds now is replaced.</source>
        <translation>Die Datei enthält Daten für die Bank „%1“ (%2).
In die ausgewählte Bank „%3“ (%4) oder in %2 laden? Der jetzige Inhalt dieser Bank wird ersetzt.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="84"/>
        <source>%1 holds no sound bank for a Tarvo ZYLOX 515: it is not a bank file, or it is damaged.</source>
        <translation>%1 enthält keine Soundbank für einen Tarvo ZYLOX 515: Es ist keine Bankdatei, oder sie ist beschädigt.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="77"/>
        <source>File Not Opened</source>
        <translation>Datei nicht geöffnet</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="78"/>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="79"/>
        <source>Not opened: %1: %2</source>
        <translation>Nicht geöffnet: %1: %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="102"/>
        <source>The last bank file was not opened again: %1: %2</source>
        <translation>Die letzte Bankdatei wurde nicht wieder geöffnet: %1: %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="108"/>
        <source>it holds no sound bank</source>
        <translation>sie enthält keine Soundbank</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="128"/>
        <source>The file contains data for bank: &quot;%1&quot; (%2).
Load it into the selected bank &quot;%3&quot; (%4)? What that bank holds now is replaced.</source>
        <translation>Die Datei enthält Daten für die Bank „%1“ (%2).
In die ausgewählte Bank „%3“ (%4) laden? Der jetzige Inhalt dieser Bank wird ersetzt.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="132"/>
        <location filename="../app/files/BankFiles.cpp" line="134"/>
        <source>Load into %1</source>
        <translation>In %1 laden</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="133"/>
        <source>Different Banks!</source>
        <translation>Unterschiedliche Bänke!</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="134"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="149"/>
        <location filename="../app/files/BankFiles.cpp" line="159"/>
        <location filename="../app/files/BankFiles.cpp" line="174"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="149"/>
        <source>opening %1 into %2</source>
        <translation>Öffnen von %1 in %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="151"/>
        <source>Opened %1 into %2</source>
        <translation>%1 in %2 geöffnet</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="159"/>
        <source>opening %1 (all banks)</source>
        <translation>Öffnen von %1 (alle Bänke)</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="164"/>
        <source>Opened %1 (all banks)</source>
        <translation>%1 geöffnet (alle Bänke)</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="174"/>
        <source>opening %1 from %2</source>
        <translation>Öffnen von %1 aus %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="178"/>
        <source>Opened %1 from %2</source>
        <translation>%1 aus %2 geöffnet</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="190"/>
        <source>All banks</source>
        <translation>Alle Bänke</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="216"/>
        <source>The bank file &quot;%1&quot; could not be written: %2.</source>
        <translation>Die Bankdatei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="218"/>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="219"/>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="227"/>
        <source>Saved %1 (%2)</source>
        <translation>%1 gespeichert (%2)</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="228"/>
        <source>Saved %1 (all banks)</source>
        <translation>%1 gespeichert (alle Bänke)</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="229"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankFiles.cpp" line="239"/>
        <source>%1 stay(s) unsaved: %2 does not hold them (Save As… writes them).</source>
        <translation>
            <numerusform>%1 bleibt ungespeichert: %2 enthält diese Bank nicht („Speichern unter…“ schreibt sie).</numerusform>
            <numerusform>%1 bleiben ungespeichert: %2 enthält diese Bänke nicht („Speichern unter…“ schreibt sie).</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="261"/>
        <source>The shapes of its slots could not be kept beside %1: %2</source>
        <translation>Die Formen ihrer Slots konnten nicht neben %1 aufbewahrt werden: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankFiles.cpp" line="293"/>
        <source>%n shaped slot(s) open as plain bytes: their sources changed or are gone.</source>
        <translation>
            <numerusform>%n geformter Slot öffnet sich als reine Bytes: Seine Quelle wurde geändert oder ist verschwunden.</numerusform>
            <numerusform>%n geformte Slots öffnen sich als reine Bytes: Ihre Quellen wurden geändert oder sind verschwunden.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="303"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>BankSoundFiles</name>
    <message>
        <location filename="../model/BankSoundFiles.cpp" line="62"/>
        <source>the firmware bank&apos;s slots hold messages, not sounds: only a sound bank is taken out as sounds</source>
        <translation>Die Slots der Firmware-Bank enthalten Nachrichten, keine Sounds: Nur eine Soundbank wird als Sounds exportiert</translation>
    </message>
</context>
<context>
    <name>BankSoundsExport</name>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="20"/>
        <source>E&amp;xport Bank as Sounds…</source>
        <translation>Bank als Sounds e&amp;xportieren …</translation>
    </message>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="41"/>
        <source>Not exported: %1</source>
        <translation>Nicht exportiert: %1</translation>
    </message>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="42"/>
        <source>Export Bank as Sounds</source>
        <translation>Bank als Sounds exportieren</translation>
    </message>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="47"/>
        <source>Not exported: %1: %2</source>
        <translation>Nicht exportiert: %1: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankSoundsExport.cpp" line="51"/>
        <source>(%n slot(s) written before it)</source>
        <translation>
            <numerusform>(%n Slot davor geschrieben)</numerusform>
            <numerusform>(%n Slots davor geschrieben)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankSoundsExport.cpp" line="54"/>
        <source>Exported %1 as %n sound file(s) into %2.</source>
        <translation>
            <numerusform>%1 als %n Sounddatei nach %2 exportiert.</numerusform>
            <numerusform>%1 als %n Sounddateien nach %2 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BankTableModel</name>
    <message>
        <location filename="../app/banks/BankTableModel.cpp" line="41"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankTableModel.cpp" line="47"/>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <location filename="../app/banks/BankTableModel.cpp" line="49"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>BankView</name>
    <message>
        <location filename="../app/banks/BankView.cpp" line="50"/>
        <source>%1: the device&apos;s preset memory, block %2 (%3 bytes)</source>
        <translation>%1: Presetspeicher des Geräts, Block %2 (%3 Byte)</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="52"/>
        <source>%1: the device&apos;s operating system, block %2 (%3 bytes)</source>
        <translation>%1: Betriebssystem des Geräts, Block %2 (%3 Byte)</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="183"/>
        <source>Name of slot %1, %2</source>
        <translation>Name von Slot %1, %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="184"/>
        <source>Import into slot %1, %2</source>
        <translation>In Slot %1 importieren, %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="186"/>
        <source>Play slot %1, %2</source>
        <translation>Slot %1 abspielen, %2</translation>
    </message>
</context>
<context>
    <name>BrowserPlayer</name>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="20"/>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="22"/>
        <source>it could not be decoded: %1</source>
        <translation>sie konnte nicht dekodiert werden: %1</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="23"/>
        <source>it is not a sound this editor decodes (%1)</source>
        <translation>sie ist kein Sound, den dieser Editor dekodiert (%1)</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="60"/>
        <location filename="../app/library/BrowserPlayer.cpp" line="66"/>
        <location filename="../app/library/BrowserPlayer.cpp" line="108"/>
        <source>Could not play “%1”: %2</source>
        <translation>„%1“ konnte nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="74"/>
        <source>Could not play “%1”: it holds no sound</source>
        <translation>„%1“ konnte nicht abgespielt werden: sie enthält keinen Sound</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="80"/>
        <source>Playing “%1”</source>
        <translation>„%1“ wird abgespielt</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="80"/>
        <source>Playing “%1” as the device will sound it</source>
        <translation>„%1“ wird abgespielt, wie das Gerät sie klingen lassen wird</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="12"/>
        <source>Sample-memory editor for the ZYLOX 515 drum machine.</source>
        <translation>Sample-Editor für den Drumcomputer ZYLOX 515.</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="15"/>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="15"/>
        <source>A bank file to open, as File → Open… opens it.</source>
        <translation>Eine Bankdatei, die geöffnet wird wie mit Datei → Öffnen…</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="16"/>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="31"/>
        <source>opens one bank file at a time; not opened: %1</source>
        <translation>öffnet immer nur eine Bankdatei; nicht geöffnet: %1</translation>
    </message>
</context>
<context>
    <name>ContentImport</name>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="16"/>
        <source>“%1”</source>
        <extracomment>A file&apos;s name in quotes</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="29"/>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="42"/>
        <source>%1 is not a sound file this editor decodes (%2). Load its bytes into the slot as raw 8-bit device data?</source>
        <translation>%1 ist keine Sounddatei, die dieser Editor dekodiert (%2). Ihre Bytes als rohe 8-Bit-Gerätedaten in den Slot laden?</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="47"/>
        <source>Not a Sound</source>
        <translation>Kein Sound</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="49"/>
        <location filename="../app/banks/ContentImport.cpp" line="74"/>
        <source>Load Raw</source>
        <translation>Roh laden</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="50"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="62"/>
        <source> Open it with Open… to load its banks.</source>
        <translation> Öffnen Sie sie mit „Öffnen…“, um ihre Bänke zu laden.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="63"/>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="70"/>
        <source>%1 could not be decoded: %2.</source>
        <translation>%1 konnte nicht dekodiert werden: %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="71"/>
        <source>ZYLOX 515 Editor cannot decode the format of %1. It imports %2 sounds.</source>
        <translation>ZYLOX 515 Editor kann das Format von %1 nicht dekodieren. Er importiert Sounds im Format %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="74"/>
        <source>Wrong File Format</source>
        <translation>Falsches Dateiformat</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="74"/>
        <location filename="../app/banks/ContentImport.cpp" line="111"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="89"/>
        <location filename="../app/banks/ContentImport.cpp" line="104"/>
        <source>%1 holds no sound.</source>
        <translation>%1 enthält keinen Sound.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="92"/>
        <source>%1 cannot fill the slot: %2.</source>
        <translation>%1 kann den Slot nicht füllen: %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="111"/>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>ControllerList</name>
    <message>
        <location filename="../app/transfer/ControllerList.cpp" line="53"/>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <location filename="../app/transfer/ControllerList.cpp" line="55"/>
        <source>%1 (disconnected)</source>
        <translation>%1 (getrennt)</translation>
    </message>
</context>
<context>
    <name>DeviceContentsSaving</name>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="27"/>
        <source>Save &amp;Device Contents…</source>
        <translation>&amp;Geräteinhalt speichern…</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="35"/>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="83"/>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="124"/>
        <source>Save Device Contents</source>
        <translation>Geräteinhalt speichern</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="35"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="69"/>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="99"/>
        <source>No bank of %1 is known: a bank is known once it has been sent to the device completely.</source>
        <translation>Von %1 ist keine Bank bekannt: Eine Bank ist bekannt, sobald sie vollständig an das Gerät gesendet wurde.</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="77"/>
        <source>%1 (known: %2)</source>
        <translation>%1 (bekannt: %2)</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="67"/>
        <source>No bank of any device is known: a bank is known once it has been sent to the device completely.</source>
        <translation>Von keinem Gerät ist eine Bank bekannt: Eine Bank ist bekannt, sobald sie vollständig an das Gerät gesendet wurde.</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="81"/>
        <source>Save what is known of which device?</source>
        <translation>Den bekannten Inhalt welches Geräts sichern?</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="82"/>
        <source>No bank of %1 is known. Save what is known of which device?</source>
        <translation>Von %1 ist keine Bank bekannt. Den bekannten Inhalt welches Geräts sichern?</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="109"/>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="129"/>
        <source>Device contents</source>
        <translation>Geräteinhalt</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="105"/>
        <source>%1 could not be saved (%2).</source>
        <translation>%1 konnte nicht gespeichert werden (%2).</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="115"/>
        <source>Saved all banks of %1 to %2</source>
        <translation>Alle Bänke von %1 in %2 gespeichert</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="120"/>
        <source>Not known on %1: %2.
A bank file holds one bank or all 32: save the %n known bank(s) as one-bank files into a folder?</source>
        <translation>
            <numerusform>Auf %1 nicht bekannt: %2.
Eine Bankdatei enthält eine Bank oder alle 32: Die bekannte Bank als Datei mit einer Bank in einen Ordner speichern?</numerusform>
            <numerusform>Auf %1 nicht bekannt: %2.
Eine Bankdatei enthält eine Bank oder alle 32: Die %n bekannten Bänke als Dateien mit je einer Bank in einen Ordner speichern?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="137"/>
        <source>Saved %n bank(s) of %1 into %2</source>
        <translation>
            <numerusform>%n Bank von %1 in %2 gespeichert</numerusform>
            <numerusform>%n Bänke von %1 in %2 gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="125"/>
        <source>Save into Folder…</source>
        <translation>In Ordner speichern…</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="125"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="69"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/window/EditorWindow.cpp" line="153"/>
        <source> (%n more file(s) left out: the bank has no more slots)</source>
        <translation>
            <numerusform> (%n weitere Datei ausgelassen: Die Bank hat keine Slots mehr)</numerusform>
            <numerusform> (%n weitere Dateien ausgelassen: Die Bank hat keine Slots mehr)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="227"/>
        <source>Sto&amp;p</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="228"/>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="294"/>
        <source>quitting</source>
        <translation>dem Beenden</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="20"/>
        <source>ZYLOX 515 Editor</source>
        <translation>ZYLOX 515 Editor</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="34"/>
        <source>&amp;Banks</source>
        <translation>&amp;Bänke</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="40"/>
        <source>Banks</source>
        <translation>Bänke</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="96"/>
        <source>Current bank</source>
        <translation>Aktuelle Bank</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="105"/>
        <source>Bank &amp;name:</source>
        <translation>Bank&amp;name:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="137"/>
        <location filename="../app/window/EditorWindow.ui" line="192"/>
        <location filename="../app/window/EditorWindow.ui" line="247"/>
        <location filename="../app/window/EditorWindow.ui" line="302"/>
        <location filename="../app/window/EditorWindow.ui" line="357"/>
        <location filename="../app/window/EditorWindow.ui" line="412"/>
        <source>Name of what this slot holds</source>
        <translation>Name dessen, was dieser Slot enthält</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="147"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+1)</source>
        <translation>Eine Sounddatei (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, …) oder rohe Gerätedaten in diesen Slot importieren (Strg+1)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="150"/>
        <location filename="../app/window/EditorWindow.ui" line="205"/>
        <location filename="../app/window/EditorWindow.ui" line="260"/>
        <location filename="../app/window/EditorWindow.ui" line="315"/>
        <location filename="../app/window/EditorWindow.ui" line="370"/>
        <location filename="../app/window/EditorWindow.ui" line="425"/>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="153"/>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="166"/>
        <location filename="../app/window/EditorWindow.ui" line="221"/>
        <location filename="../app/window/EditorWindow.ui" line="276"/>
        <location filename="../app/window/EditorWindow.ui" line="331"/>
        <location filename="../app/window/EditorWindow.ui" line="386"/>
        <location filename="../app/window/EditorWindow.ui" line="441"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="202"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+2)</source>
        <translation>Eine Sounddatei (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, …) oder rohe Gerätedaten in diesen Slot importieren (Strg+2)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="208"/>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="257"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+3)</source>
        <translation>Eine Sounddatei (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, …) oder rohe Gerätedaten in diesen Slot importieren (Strg+3)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="263"/>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="312"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+4)</source>
        <translation>Eine Sounddatei (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, …) oder rohe Gerätedaten in diesen Slot importieren (Strg+4)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="318"/>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="367"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+5)</source>
        <translation>Eine Sounddatei (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, …) oder rohe Gerätedaten in diesen Slot importieren (Strg+5)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="373"/>
        <source>Ctrl+5</source>
        <translation>Ctrl+5</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="422"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+6)</source>
        <translation>Eine Sounddatei (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, …) oder rohe Gerätedaten in diesen Slot importieren (Strg+6)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="428"/>
        <source>Ctrl+6</source>
        <translation>Ctrl+6</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="483"/>
        <source>Open, save and send</source>
        <translation>Öffnen, Speichern und Senden</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="524"/>
        <source>Open a bank file (.mid) holding this bank or all banks</source>
        <translation>Eine Bankdatei (.mid) mit dieser Bank oder allen Bänken öffnen</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="527"/>
        <location filename="../app/window/EditorWindow.ui" line="788"/>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="534"/>
        <source>Save the banks into their bank file (.mid), with the banks it holds; Save As… (Ctrl+Shift+S) writes this bank or all banks to another</source>
        <translation>Die Bänke in ihre Bankdatei (.mid) speichern, mit den Bänken, die sie enthält; „Speichern unter…“ (Strg+Umschalt+S) schreibt diese Bank oder alle Bänke in eine andere</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="537"/>
        <location filename="../app/window/EditorWindow.ui" line="796"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="458"/>
        <source>Give this bank back its factory name and sounds</source>
        <translation>Dieser Bank ihren Werksnamen und ihre Werkssounds zurückgeben</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="468"/>
        <source>Bring this bank&apos;s sample slots to one loudness as the device plays them (Edit › Match Loudness…)</source>
        <translation>Die Sample-Slots dieser Bank auf eine Lautheit bringen, wie das Gerät sie spielt (Bearbeiten › Lautheit angleichen…)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="471"/>
        <source>Match Loudness…</source>
        <translation>Lautheit angleichen…</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="461"/>
        <source>&amp;Reset to Default</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="492"/>
        <source>Banks:</source>
        <translation>Bänke:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="504"/>
        <source>C&amp;urrent bank</source>
        <translation>A&amp;ktuelle Bank</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="517"/>
        <source>A&amp;ll banks</source>
        <translation>A&amp;lle Bänke</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="553"/>
        <source>MIDI ou&amp;tput:</source>
        <translation>MIDI-Aus&amp;gang:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="563"/>
        <source>MIDI output</source>
        <translation>MIDI-Ausgang</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="576"/>
        <source>&amp;Channel:</source>
        <translation>Ka&amp;nal:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="586"/>
        <source>MIDI channel</source>
        <translation>MIDI-Kanal</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="679"/>
        <source>Send the bank(s) to the ZYLOX 515 over MIDI</source>
        <translation>Die Bank bzw. Bänke per MIDI an den ZYLOX 515 senden</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="682"/>
        <source>Sen&amp;d</source>
        <translation>Sen&amp;den</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="689"/>
        <location filename="../app/window/EditorWindow.ui" line="705"/>
        <source>The MIDI controller whose notes play the pads</source>
        <translation>Der MIDI-Controller, dessen Noten die Pads spielen</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="692"/>
        <source>MIDI controller:</source>
        <translation>MIDI-Controller:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="702"/>
        <source>MIDI controller</source>
        <translation>MIDI-Controller</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="758"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="768"/>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="778"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="791"/>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="799"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="804"/>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="807"/>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="812"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="815"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="823"/>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="831"/>
        <source>&amp;Receive</source>
        <translation>&amp;Empfangen</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="834"/>
        <source>the ZYLOX 515 cannot send its memory</source>
        <translation>der ZYLOX 515 kann seinen Speicher nicht senden</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="839"/>
        <source>&amp;About ZYLOX 515 Editor</source>
        <translation>Ü&amp;ber ZYLOX 515 Editor</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <location filename="../bytes/FileFailure.cpp" line="11"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../bytes/FileFailure.cpp" line="17"/>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>FolderListing</name>
    <message>
        <location filename="../app/library/FolderListing.cpp" line="66"/>
        <source>Reading the folder…</source>
        <translation>Ordner wird gelesen…</translation>
    </message>
    <message>
        <location filename="../app/library/FolderListing.cpp" line="117"/>
        <source>Reading %1 of %2 files…</source>
        <translation>%1 von %2 Dateien werden gelesen…</translation>
    </message>
    <message>
        <location filename="../app/library/FolderListing.cpp" line="121"/>
        <source>No sound files in this folder</source>
        <translation>Keine Sound-Dateien in diesem Ordner</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="126"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n Sound</numerusform>
            <numerusform>%n Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="128"/>
        <source>, %n file(s) not sounds</source>
        <translation>
            <numerusform>, %n Datei kein Sound</numerusform>
            <numerusform>, %n Dateien keine Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="130"/>
        <source>, %n file(s) could not be read</source>
        <translation>
            <numerusform>, %n Datei konnte nicht gelesen werden</numerusform>
            <numerusform>, %n Dateien konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="132"/>
        <source>, %n name(s) not UTF-8</source>
        <translation>
            <numerusform>, %n Name nicht in UTF-8</numerusform>
            <numerusform>, %n Namen nicht in UTF-8</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../app/window/HelpMenu.cpp" line="14"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <location filename="../app/window/HelpMenu.cpp" line="16"/>
        <source>ZYLOX 515 Editor &amp;Manual</source>
        <translation>&amp;Handbuch zu ZYLOX 515 Editor</translation>
    </message>
</context>
<context>
    <name>ImportPreferences</name>
    <message>
        <location filename="../app/settings/ImportPreferences.cpp" line="25"/>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
</context>
<context>
    <name>ImportResult</name>
    <message>
        <location filename="../audio/ImportResult.cpp" line="21"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="34"/>
        <source>Clean</source>
        <translation>Sauber</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="35"/>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="37"/>
        <source>, %1 of silence trimmed</source>
        <translation>, %1 Stille abgeschnitten</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="39"/>
        <source>, no silence to trim</source>
        <translation>, keine Stille abzuschneiden</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="41"/>
        <source>, normalised %1 dB</source>
        <translation>, normalisiert %1 dB</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="52"/>
        <source>nothing imported</source>
        <translation>nichts importiert</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="55"/>
        <source>System Exclusive message of %1 bytes into %2</source>
        <translation>System-Exclusive-Nachricht mit %1 Bytes in %2</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="57"/>
        <source>System Exclusive message of %1 bytes</source>
        <translation>System-Exclusive-Nachricht mit %1 Bytes</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="63"/>
        <source>%1 bytes of raw device data</source>
        <translation>%1 Bytes rohe Gerätedaten</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="69"/>
        <source>, cut to %1 to fit %2</source>
        <translation>, auf %1 gekürzt, passend für %2</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="70"/>
        <source>, cut to %1</source>
        <translation>, auf %1 gekürzt</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="72"/>
        <source>, padded to %1 with silence</source>
        <translation>, mit Stille auf %1 aufgefüllt</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="74"/>
        <source>, fills %1 exactly</source>
        <translation>, füllt %1 genau</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="75"/>
        <source>, fills the slot exactly</source>
        <translation>, füllt den Slot genau</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="80"/>
        <source> at %1 semitones</source>
        <extracomment>The pitch a fit chose, after what the import did: &quot; at +7.02 semitones&quot;</extracomment>
        <translation> mit %1 Halbtönen</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="86"/>
        <source>, stretched to %1 times its length</source>
        <extracomment>The length a fit by stretching gave the region, after what the import did: &quot;, stretched to 0.495 times its length&quot;</extracomment>
        <translation>, auf das %1-Fache seiner Länge gedehnt</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="91"/>
        <source>%1 (%2)</source>
        <extracomment>The conversion in brackets after what the import did: &quot;Clean, normalised +6.0 dB&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="93"/>
        <source>%1; the file is damaged or cut short</source>
        <extracomment>What the import did, then that the file&apos;s sound ended before the length its header declares</extracomment>
        <translation>%1; die Datei ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="105"/>
        <source>%1, which decodes it, is not installed</source>
        <extracomment>The library&apos;s file name, as a user installs it</extracomment>
        <translation>%1, das sie dekodiert, ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="107"/>
        <source>the file is damaged or cut short</source>
        <translation>die Datei ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="109"/>
        <source>the region needs a pitch of %1 semitones to fill the slot; a fit reaches %2 to %3</source>
        <translation>der Bereich bräuchte eine Tonhöhe von %1 Halbtönen, um den Slot zu füllen; Einpassen reicht von %2 bis %3</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="114"/>
        <source>the region holds no sound to fit into the slot</source>
        <translation>der Bereich enthält keinen Sound, der sich in den Slot einpassen ließe</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="116"/>
        <source>the region needs stretching to %1 times its length to fill the slot; a stretch reaches %2 to %3 times</source>
        <translation>der Bereich müsste auf das %1-Fache seiner Länge gedehnt werden, um den Slot zu füllen; Dehnen reicht vom %2- bis zum %3-Fachen</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="122"/>
        <source>%1, which stretches a sound keeping its pitch, is not installed</source>
        <extracomment>The library&apos;s file name, as a user installs it</extracomment>
        <translation>%1, das einen Klang bei gleicher Tonhöhe dehnt, ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="131"/>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then what its import did</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="137"/>
        <source>%1, %2</source>
        <extracomment>A file&apos;s name, then what its import did to the slot named before</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>KitDialog</name>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>Why</source>
        <translation>Warum</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="57"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="60"/>
        <source>Play the file for %1</source>
        <translation>Die Datei für %1 abspielen</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="66"/>
        <source>&amp;Match loudness</source>
        <translation>Lautheit &amp;angleichen</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="68"/>
        <source>Bring the slots to the quietest one&apos;s loudness as the device plays them; a slot that would clip is held and named</source>
        <translation>Bringt die Slots auf die Lautheit des leisesten, wie das Gerät sie spielt; ein Slot, der übersteuern würde, wird gehalten und genannt</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="91"/>
        <source>File for %1</source>
        <translation>Datei für %1</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="92"/>
        <source>Leave as it is</source>
        <translation>Lassen, wie er ist</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="141"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="153"/>
        <source>your choice</source>
        <translation>Ihre Wahl</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="153"/>
        <source>left as it is</source>
        <translation>gelassen, wie er ist</translation>
    </message>
</context>
<context>
    <name>KitFilling</name>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="49"/>
        <source>Fill Bank from &amp;Folder…</source>
        <translation>Bank aus &amp;Ordner füllen …</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="51"/>
        <source>Fill Bank from Se&amp;lected Sounds…</source>
        <translation>Bank aus ausgewählten Soun&amp;ds füllen …</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="79"/>
        <source>Select sound files in the sound browser first</source>
        <translation>Wählen Sie zuerst Sounddateien im Soundbrowser aus</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="116"/>
        <location filename="../app/banks/KitFilling.cpp" line="133"/>
        <location filename="../app/banks/KitFilling.cpp" line="188"/>
        <source>Not filled: %1</source>
        <translation>Nicht gefüllt: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="117"/>
        <location filename="../app/banks/KitFilling.cpp" line="121"/>
        <source>Fill Bank from Folder</source>
        <translation>Bank aus Ordner füllen</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="136"/>
        <source>Fill Bank from Selected Sounds</source>
        <translation>Bank aus ausgewählten Sounds füllen</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/banks/KitFilling.cpp" line="136"/>
        <source>%n selected file(s)</source>
        <translation>
            <numerusform>%n ausgewählten Datei</numerusform>
            <numerusform>%n ausgewählten Dateien</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="137"/>
        <source>filling of %1 from selected files</source>
        <translation>Füllen von %1 aus ausgewählten Dateien</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="143"/>
        <source>Reading the sound files of %1…</source>
        <translation>Die Klangdateien von %1 werden gelesen …</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="159"/>
        <location filename="../app/banks/KitFilling.cpp" line="161"/>
        <source>Not filled: %1: %2</source>
        <translation>Nicht gefüllt: %1: %2</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="187"/>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="196"/>
        <source>Not filled: every slot is left as it is.</source>
        <translation>Nicht gefüllt: Jeder Slot bleibt, wie er ist.</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="219"/>
        <source>Fill Bank</source>
        <translation>Bank füllen</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="122"/>
        <source>filling of %1 from a folder</source>
        <translation>Füllen von %1 aus einem Ordner</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="221"/>
        <source>Not filled: the bank did not take the sounds.</source>
        <translation>Nicht gefüllt: Die Bank hat die Klänge nicht angenommen.</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="223"/>
        <source>Filled %1 from %2: %3.</source>
        <translation>%1 aus %2 gefüllt: %3.</translation>
    </message>
</context>
<context>
    <name>KitProposal</name>
    <message>
        <location filename="../model/KitProposal.cpp" line="116"/>
        <source>%1: not used: its name says no slot&apos;s word (as ohh, chh, clap, rim, crash or ride)</source>
        <translation>%1: nicht verwendet: Ihr Name nennt keinen Slot (wie ohh, chh, clap, rim, crash oder ride)</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="124"/>
        <source>%1: not used: it is no sound file that can be read</source>
        <translation>%1: nicht verwendet: keine lesbare Sounddatei</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="143"/>
        <source>no sound file&apos;s name here says which slot it is for (as ohh, chh, clap, rim, crash or ride)</source>
        <translation>Kein Name einer Sounddatei hier sagt, für welchen Slot sie ist (etwa ohh, chh, clap, rim, crash oder ride)</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="152"/>
        <source>the firmware bank&apos;s slots hold messages, not sounds: a kit fills a sound bank</source>
        <translation>Die Slots der Firmware-Bank enthalten Nachrichten, keine Sounds: Ein Kit füllt eine Sound-Bank</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="164"/>
        <source>left as it is: no file&apos;s name says %1</source>
        <translation>bleibt, wie er ist: Kein Dateiname nennt %1</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="166"/>
        <source>name says &apos;%1&apos;</source>
        <translation>Name sagt „%1“</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="167"/>
        <source>name says &apos;%1&apos;; its first choice, %2, went to %3</source>
        <translation>Name sagt „%1“; ihre erste Wahl, %2, ging an %3</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="173"/>
        <source>%1: not used: its name says &apos;%2&apos;, and %3 went to %4</source>
        <translation>%1: nicht verwendet: Ihr Name sagt „%2“, und %3 ging an %4</translation>
    </message>
</context>
<context>
    <name>LibraryFilters</name>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="36"/>
        <source>Library folder</source>
        <translation>Bibliotheksordner</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="37"/>
        <source>All folders</source>
        <translation>Alle Ordner</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="79"/>
        <source>Length after the lead-in</source>
        <translation>Länge nach dem Vorlauf</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="80"/>
        <source>Any length</source>
        <translation>Jede Länge</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="81"/>
        <source>Fits the selected slot</source>
        <translation>Passt in den ausgewählten Slot</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="83"/>
        <source>Up to %1</source>
        <translation>Bis %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="88"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="89"/>
        <source>Any format</source>
        <translation>Jedes Format</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="108"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="109"/>
        <source>Any channels</source>
        <translation>Beliebige Kanäle</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="112"/>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="113"/>
        <source>Any rate</source>
        <translation>Jede Rate</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="114"/>
        <source>%1 or less</source>
        <translation>%1 oder weniger</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="117"/>
        <source>%1 or more</source>
        <translation>%1 oder mehr</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="122"/>
        <source>Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="123"/>
        <source>Best match first</source>
        <translation>Beste Treffer zuerst</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="124"/>
        <source>Shortest first</source>
        <translation>Kürzeste zuerst</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="125"/>
        <source>Brightest first</source>
        <translation>Hellste zuerst</translation>
    </message>
</context>
<context>
    <name>LibraryFolderList</name>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="26"/>
        <source>Library folders</source>
        <translation>Bibliotheksordner</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="29"/>
        <source>Add Folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="31"/>
        <source>Choose a folder to add to the library, with the folders in it</source>
        <translation>Einen Ordner wählen und mit den Ordnern darin zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="32"/>
        <source>Add Shown Folder</source>
        <translation>Angezeigten Ordner hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="34"/>
        <source>Add the folder the Folders tab shows, and the folders in it, to the library</source>
        <translation>Den Ordner, den der Reiter „Ordner“ zeigt, mit den Ordnern darin zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="35"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="37"/>
        <source>Take the selected folder out of the library; its files stay where they are</source>
        <translation>Den gewählten Ordner aus der Bibliothek nehmen; seine Dateien bleiben, wo sie sind</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="38"/>
        <source>Rescan</source>
        <translation>Neu einlesen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="40"/>
        <source>Bring the library in step with its folders now</source>
        <translation>Die Bibliothek jetzt mit ihren Ordnern abgleichen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="63"/>
        <source>The library&apos;s folders could not be read: %1</source>
        <translation>Die Ordner der Bibliothek konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="81"/>
        <source>Add Folder to the Library</source>
        <translation>Ordner zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="90"/>
        <source>Not added to the library: %1</source>
        <translation>Nicht zur Bibliothek hinzugefügt: %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="93"/>
        <source>“%1” is in the library now: its sounds are being scanned</source>
        <translation>„%1“ ist jetzt in der Bibliothek: Seine Sounds werden eingelesen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="105"/>
        <source>Not removed from the library: %1</source>
        <translation>Nicht aus der Bibliothek entfernt: %1</translation>
    </message>
</context>
<context>
    <name>LibraryFolders</name>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="14"/>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="17"/>
        <source>the folder %1 cannot be opened (%2)</source>
        <extracomment>A folder, then the system&apos;s reason it cannot be opened</extracomment>
        <translation>der Ordner %1 lässt sich nicht öffnen (%2)</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="19"/>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="21"/>
        <source>the folder %1 has a line break in its name, which the list of library folders cannot keep</source>
        <translation>der Ordner %1 hat einen Zeilenumbruch im Namen, den die Liste der Bibliotheksordner nicht aufnehmen kann</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="25"/>
        <source>the folder %1 is already in the library</source>
        <translation>der Ordner %1 ist schon in der Bibliothek</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="28"/>
        <source>the folder %1 is already in the library, inside its folder %2</source>
        <extracomment>A folder, then the library folder it lies in</extracomment>
        <translation>der Ordner %1 ist schon in der Bibliothek, im Bibliotheksordner %2</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="32"/>
        <source>the folder %1 holds the library folder %2: remove that one first</source>
        <extracomment>A folder, then a library folder inside it, which the user removes before adding the larger one</extracomment>
        <translation>der Ordner %1 enthält den Bibliotheksordner %2: diesen zuerst entfernen</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="35"/>
        <source>the folder %1 is not in the library</source>
        <translation>der Ordner %1 ist nicht in der Bibliothek</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="37"/>
        <source>there is no place for the list of library folders: neither XDG_CONFIG_HOME nor HOME is set</source>
        <translation>für die Liste der Bibliotheksordner gibt es keinen Ort: weder XDG_CONFIG_HOME noch HOME ist gesetzt</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="41"/>
        <source>the list of library folders %1 could not be read (%2)</source>
        <extracomment>The file listing the library folders, then the system&apos;s reason</extracomment>
        <translation>die Liste der Bibliotheksordner %1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="43"/>
        <source>the list of library folders %1 is too large to be one</source>
        <translation>die Liste der Bibliotheksordner %1 ist zu groß, um eine solche zu sein</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="46"/>
        <source>the list of library folders %1 could not be written (%2)</source>
        <extracomment>The file listing the library folders, then why it could not be written</extracomment>
        <translation>die Liste der Bibliotheksordner %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
</context>
<context>
    <name>LibraryPanel</name>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="69"/>
        <source>Search the sound library</source>
        <translation>Soundbibliothek durchsuchen</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="70"/>
        <source>Search the library (Ctrl+Shift+F)</source>
        <translation>Bibliothek durchsuchen (Strg+Umschalt+F)</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="71"/>
        <source>Finds the sounds whose names or folders have words that start with each word typed; Down goes to the list</source>
        <translation>Findet die Sounds, in deren Namen oder Ordnern Wörter mit jedem eingegebenen Wort beginnen; Pfeil nach unten wechselt in die Liste</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="99"/>
        <source>Library sounds</source>
        <translation>Sounds der Bibliothek</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="163"/>
        <source>The library could not be searched: %1</source>
        <translation>Die Bibliothek konnte nicht durchsucht werden: %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="235"/>
        <source>The library has no folders yet: press Add Folder… to choose one, or show one in the Folders tab and press Add Shown Folder</source>
        <translation>Die Bibliothek hat noch keine Ordner: Drücken Sie „Ordner hinzufügen…“, um einen zu wählen, oder zeigen Sie einen im Reiter „Ordner“ und drücken Sie „Angezeigten Ordner hinzufügen“</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="333"/>
        <source>“%1” is no longer in its folder</source>
        <translation>„%1“ ist nicht mehr in seinem Ordner</translation>
    </message>
</context>
<context>
    <name>LibraryResultModel</name>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="180"/>
        <source>%1 after its lead-in</source>
        <translation>%1 nach dem Vorlauf</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="183"/>
        <source>Integrated loudness (EBU R128)</source>
        <translation>Integrierte Lautheit (EBU R128)</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="185"/>
        <source>Silence before the sound starts</source>
        <translation>Stille, bevor der Sound beginnt</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="199"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="203"/>
        <source>Loudness</source>
        <translation>Lautheit</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="205"/>
        <source>Lead-in</source>
        <translation>Vorlauf</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="229"/>
        <location filename="../app/library/LibraryResultModel.cpp" line="246"/>
        <source>silent</source>
        <translation>still</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="230"/>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="235"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>LibraryWords</name>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="35"/>
        <source>%1; %2</source>
        <extracomment>Two facts of the sound library one after the other</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="44"/>
        <source>%1 files could not be read</source>
        <comment>%1 file could not be read</comment>
        <translation>
            <numerusform>%1 Datei konnte nicht gelesen werden</numerusform>
            <numerusform>%1 Dateien konnten nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="53"/>
        <source>%1 names not UTF-8</source>
        <comment>%1 name not UTF-8</comment>
        <extracomment>File names whose bytes are not UTF-8: they are kept, but searched by a stand-in</extracomment>
        <translation>
            <numerusform>%1 Name nicht in UTF-8</numerusform>
            <numerusform>%1 Namen nicht in UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="64"/>
        <source>%1 library folders could not be read: %2</source>
        <comment>%1 library folder could not be read: %2</comment>
        <extracomment>How many library folders could not be listed, then their paths</extracomment>
        <translation>
            <numerusform>%1 Bibliotheksordner konnte nicht gelesen werden: %2</numerusform>
            <numerusform>%1 Bibliotheksordner konnten nicht gelesen werden: %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="77"/>
        <source>The sound library is off: its index %1 could not be opened (%2)</source>
        <extracomment>The index file, then the system&apos;s or SQLite&apos;s reason</extracomment>
        <translation>Die Soundbibliothek ist aus: Ihr Index %1 konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="85"/>
        <source>The sound library&apos;s index was locked by another program and is being made anew; the old file is kept as %1</source>
        <extracomment>The path the old index file was renamed to</extracomment>
        <translation>Der Index der Soundbibliothek war von einem anderen Programm gesperrt und wird neu angelegt; die alte Datei bleibt als %1 erhalten</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="89"/>
        <source>The sound library&apos;s index was written by a newer version of this program and is being made anew; the old file is kept as %1</source>
        <translation>Der Index der Soundbibliothek wurde von einer neueren Version dieses Programms geschrieben und wird neu angelegt; die alte Datei bleibt als %1 erhalten</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="93"/>
        <source>The sound library&apos;s index of an older version could not be brought up to date and is being made anew; the old file is kept as %1</source>
        <translation>Der Index der Soundbibliothek aus einer älteren Version ließ sich nicht aktualisieren und wird neu angelegt; die alte Datei bleibt als %1 erhalten</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="100"/>
        <source>The sound library&apos;s index was damaged and is being made anew; the old file is kept as %1</source>
        <translation>Der Index der Soundbibliothek war beschädigt und wird neu angelegt; die alte Datei bleibt als %1 erhalten</translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="108"/>
        <source>Scanning the sound library: %1 files</source>
        <comment>Scanning the sound library: %1 file</comment>
        <translation>
            <numerusform>Soundbibliothek wird eingelesen: %1 Datei</numerusform>
            <numerusform>Soundbibliothek wird eingelesen: %1 Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="120"/>
        <source>Sound library scan stopped at %1 files, %2 new, %3 changed, %4 removed</source>
        <comment>Sound library scan stopped at %1 file, %2 new, %3 changed, %4 removed</comment>
        <extracomment>Files found before the user stopped the scan, then how many were new, changed and gone</extracomment>
        <translation>
            <numerusform>Einlesen der Soundbibliothek angehalten bei %1 Datei, %2 neu, %3 geändert, %4 entfernt</numerusform>
            <numerusform>Einlesen der Soundbibliothek angehalten bei %1 Dateien, %2 neu, %3 geändert, %4 entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="126"/>
        <source>Sound library: %1 files, %2 new, %3 changed, %4 removed</source>
        <comment>Sound library: %1 file, %2 new, %3 changed, %4 removed</comment>
        <extracomment>Files found, then how many of them were new, changed, and how many were gone</extracomment>
        <translation>
            <numerusform>Soundbibliothek: %1 Datei, %2 neu, %3 geändert, %4 entfernt</numerusform>
            <numerusform>Soundbibliothek: %1 Dateien, %2 neu, %3 geändert, %4 entfernt</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="132"/>
        <source>the index could not be written (%1), so the scan stopped</source>
        <extracomment>SQLite&apos;s reason the index could not be written</extracomment>
        <translation>der Index konnte nicht geschrieben werden (%1), daher wurde das Einlesen angehalten</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="141"/>
        <source>the sound library&apos;s index could not be written (%1)</source>
        <extracomment>SQLite&apos;s reason</extracomment>
        <translation>der Index der Soundbibliothek konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="150"/>
        <source>%1 files are not sounds</source>
        <comment>%1 file is not a sound</comment>
        <extracomment>Files named as sounds that no decoder reads</extracomment>
        <translation>
            <numerusform>%1 Datei ist kein Sound</numerusform>
            <numerusform>%1 Dateien sind keine Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="154"/>
        <source>%1 files still to analyse</source>
        <comment>%1 file still to analyse</comment>
        <translation>
            <numerusform>%1 Datei noch zu analysieren</numerusform>
            <numerusform>%1 Dateien noch zu analysieren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoudnessMatch</name>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="156"/>
        <source>held at %1 dB, %2 LU over the target: quieter would be silent</source>
        <translation>bei %1 dB gehalten, %2 LU über dem Ziel: Leiser würde er verstummen</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="160"/>
        <source>held at %1 dB, %2 LU under the target: no file is kept to make it louder from</source>
        <translation>bei %1 dB gehalten, %2 LU unter dem Ziel: keine Datei ist aufbewahrt, aus der er lauter würde</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="163"/>
        <source>held at %1 dB, %2 LU under the target: the gain goes no higher</source>
        <translation>bei %1 dB gehalten, %2 LU unter dem Ziel: Die Verstärkung reicht nicht höher</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="165"/>
        <source>held at %1 dB, %2 LU under the target: louder would clip</source>
        <translation>bei %1 dB gehalten, %2 LU unter dem Ziel: Lauter würde übersteuern</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="173"/>
        <source>the firmware bank&apos;s slots hold messages, not sounds: only a sound bank&apos;s loudness is matched</source>
        <translation>die Slots der Firmware-Bank enthalten Nachrichten, keine Klänge: nur die Lautheit einer Klangbank wird angeglichen</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="178"/>
        <source>gain %1 dB: %2 (was %3)</source>
        <translation>Verstärkung %1 dB: %2 (vorher %3)</translation>
    </message>
</context>
<context>
    <name>LoudnessMatching</name>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="33"/>
        <source>Match &amp;Loudness…</source>
        <translation>&amp;Lautheit angleichen…</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="61"/>
        <location filename="../app/banks/LoudnessMatching.cpp" line="92"/>
        <source>Not matched: %1</source>
        <translation>Nicht angeglichen: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="95"/>
        <source>Not matched: every slot of %1 is silent.</source>
        <translation>Nicht angeglichen: Jeder Slot von %1 ist still.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="120"/>
        <source>%1 is at %2 already: %3.</source>
        <translation>%1 ist schon bei %2: %3.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="122"/>
        <source>Match Loudness</source>
        <translation>Lautheit angleichen</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="122"/>
        <source>loudness match of %1</source>
        <translation>Angleichen der Lautheit von %1</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="124"/>
        <source>Not matched: the bank did not take the sounds.</source>
        <translation>Nicht angeglichen: Die Bank hat die Klänge nicht angenommen.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="125"/>
        <source>Matched %1 to %2: %3.</source>
        <translation>%1 an %2 angeglichen: %3.</translation>
    </message>
</context>
<context>
    <name>LoudnessTargetDialog</name>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="24"/>
        <source>Match Loudness</source>
        <translation>Lautheit angleichen</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="26"/>
        <source>Bring the sample slots of %1 to one loudness as the device plays them; a slot that would clip is held and named.</source>
        <translation>Die Sample-Slots von %1 auf eine Lautheit bringen, wie das Gerät sie spielt; ein Slot, der übersteuern würde, wird gehalten und genannt.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="31"/>
        <source>The &amp;quietest slot&apos;s loudness</source>
        <translation>&amp;Die Lautheit des leisesten Slots</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="34"/>
        <source>&amp;Loudness:</source>
        <translation>&amp;Lautheit:</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="38"/>
        <source>Target loudness in LUFS</source>
        <translation>Ziel-Lautheit in LUFS</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="43"/>
        <source> LUFS</source>
        <translation> LUFS</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <location filename="../app/window/ManualWindow.cpp" line="14"/>
        <source>ZYLOX 515 Editor Manual</source>
        <translation>Handbuch zu ZYLOX 515 Editor</translation>
    </message>
    <message>
        <location filename="../app/window/ManualWindow.cpp" line="17"/>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>MessageSlotRefusal</name>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="29"/>
        <source>is a bank file, not a System Exclusive message</source>
        <translation>ist eine Bankdatei, keine System-Exclusive-Nachricht</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="31"/>
        <source>holds no System Exclusive message</source>
        <translation>enthält keine System-Exclusive-Nachricht</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="33"/>
        <source>holds a System Exclusive message that is not in the ZYLOX 515&apos;s own form</source>
        <translation>enthält eine System-Exclusive-Nachricht, die nicht im eigenen Format des ZYLOX 515 ist</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="36"/>
        <source>holds a flash erase message, which would leave the block empty</source>
        <translation>enthält eine Flash-Löschnachricht, die den Block leer ließe</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="38"/>
        <source>holds a flash write for another flash block</source>
        <translation>enthält einen Flash-Schreibvorgang für einen anderen Flash-Block</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="41"/>
        <source>holds the %1 message</source>
        <extracomment>The other firmware slot&apos;s label: &quot;holds the PRESETS message&quot;</extracomment>
        <translation>enthält die %1-Nachricht</translation>
    </message>
    <message numerus="yes">
        <location filename="../model/MessageSlotRefusal.cpp" line="43"/>
        <source>holds a System Exclusive message of %1 bytes</source>
        <comment>holds a System Exclusive message of %1 byte</comment>
        <translation>
            <numerusform>enthält eine System-Exclusive-Nachricht von %1 Byte</numerusform>
            <numerusform>enthält eine System-Exclusive-Nachricht von %1 Bytes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="70"/>
        <source>%1 %2</source>
        <extracomment>A firmware slot&apos;s label, then what it holds and what it takes: &quot;PRESETS holds ...; PRESETS takes ...&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="81"/>
        <source>%1; %2 takes the %2 message, which begins %3, for flash block %4</source>
        <extracomment>What the file holds, then the firmware slot&apos;s label twice and how its own message begins</extracomment>
        <translation>%1; %2 nimmt die %2-Nachricht, die mit %3 beginnt, für Flash-Block %4</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="84"/>
        <source>%1; %2 takes one ZYLOX 515 System Exclusive message of %3 to %4 bytes for flash block %5</source>
        <extracomment>What the file holds, then what the firmware slot takes</extracomment>
        <translation>%1; %2 nimmt eine System-Exclusive-Nachricht des ZYLOX 515 von %3 bis %4 Bytes für Flash-Block %5</translation>
    </message>
</context>
<context>
    <name>NameFilter</name>
    <message>
        <location filename="../app/library/NameFilter.cpp" line="24"/>
        <source>Filter the files by name</source>
        <translation>Dateien nach Namen filtern</translation>
    </message>
    <message>
        <location filename="../app/library/NameFilter.cpp" line="25"/>
        <source>Filter by name (Ctrl+F)</source>
        <translation>Nach Namen filtern (Strg+F)</translation>
    </message>
    <message>
        <location filename="../app/library/NameFilter.cpp" line="26"/>
        <source>Shows only the files whose names hold what is typed here; Down goes to the list</source>
        <translation>Zeigt nur die Dateien, deren Namen das hier Eingegebene enthalten; Pfeil nach unten wechselt in die Liste</translation>
    </message>
</context>
<context>
    <name>NameRefusal</name>
    <message>
        <location filename="../model/NameRefusal.cpp" line="16"/>
        <source>holds a zero byte (U+0000), which would end the name in a bank file</source>
        <translation>enthält ein Null-Byte (U+0000), das den Namen in einer Bankdatei beenden würde</translation>
    </message>
    <message>
        <location filename="../model/NameRefusal.cpp" line="21"/>
        <source>%1 bytes long; %2</source>
        <extracomment>The name&apos;s length, then how long a name may be</extracomment>
        <translation>%1 Bytes lang; %2</translation>
    </message>
    <message>
        <location filename="../model/NameRefusal.cpp" line="27"/>
        <source>a bank or slot name holds at most %1 bytes of UTF-8, as a file&apos;s name does</source>
        <translation>ein Bank- oder Slotname fasst wie ein Dateiname höchstens %1 Bytes UTF-8</translation>
    </message>
</context>
<context>
    <name>OutputList</name>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="53"/>
        <source>%1 (disconnected)</source>
        <translation>%1 (getrennt)</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="70"/>
        <source>%1 is disconnected: plug it in again or choose another output</source>
        <translation>%1 ist getrennt: Schließen Sie es wieder an oder wählen Sie einen anderen Ausgang</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="77"/>
        <source>no MIDI system (the ALSA sequencer is not available: is the snd-seq module loaded?)</source>
        <translation>kein MIDI-System (der ALSA-Sequencer ist nicht verfügbar: Ist das Modul snd-seq geladen?)</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="79"/>
        <source>no MIDI output: plug in your interface</source>
        <translation>kein MIDI-Ausgang: Schließen Sie Ihr Interface an</translation>
    </message>
</context>
<context>
    <name>OutputSettings</name>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="21"/>
        <source>pieces of %1 bytes, no gap</source>
        <translation>Stücke von %1 Byte, ohne Pause</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="23"/>
        <source>pieces of %1 bytes, %2 ms after each</source>
        <translation>Stücke von %1 Byte, %2 ms nach jedem</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="36"/>
        <source>&amp;Output Settings…</source>
        <translation>&amp;Ausgangseinstellungen…</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="60"/>
        <location filename="../app/transfer/OutputSettings.cpp" line="84"/>
        <source>Output Settings</source>
        <translation>Ausgangseinstellungen</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="60"/>
        <location filename="../app/transfer/OutputSettings.cpp" line="84"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="83"/>
        <source>The output settings were not changed: %1.</source>
        <translation>Die Ausgangseinstellungen wurden nicht geändert: %1.</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="88"/>
        <source>Output settings of %1: %2</source>
        <translation>Ausgangseinstellungen von %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="13"/>
        <source>Output Settings</source>
        <translation>Ausgangseinstellungen</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="18"/>
        <source> bytes</source>
        <translation> Byte</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="23"/>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="26"/>
        <source>How messages go to %1. Some USB MIDI interfaces drop bytes of long messages: smaller pieces with a gap after each bring them through, at the cost of a longer send. 256 bytes and no gap keep to the wire&apos;s own pace.</source>
        <translation>Wie Nachrichten an %1 gehen. Manche USB-MIDI-Interfaces verlieren Bytes langer Nachrichten: Kleinere Stücke mit einer Pause nach jedem bringen sie durch, auf Kosten eines längeren Sendens. 256 Byte ohne Pause halten das eigene Tempo der Leitung.</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="32"/>
        <source>Largest &amp;piece:</source>
        <translation>Größtes &amp;Stück:</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="34"/>
        <source>&amp;Gap after each piece:</source>
        <translation>&amp;Pause nach jedem Stück:</translation>
    </message>
</context>
<context>
    <name>PadTeaching</name>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="34"/>
        <source>&amp;Teach a Pad</source>
        <translation>Einem Pad eine Note &amp;beibringen</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="56"/>
        <source>Choose a MIDI controller first: a pad learns its note from it</source>
        <translation>Wählen Sie zuerst einen MIDI-Controller: Ein Pad lernt seine Note von ihm</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="64"/>
        <source>Play the note for %1 on %2 (Escape cancels)</source>
        <translation>Spielen Sie die Note für %1 auf %2 (Escape bricht ab)</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="73"/>
        <source>%1 keeps its note</source>
        <translation>%1 behält seine Note</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="83"/>
        <source>%1 now plays from note %2</source>
        <translation>%1 spielt jetzt auf Note %2</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="91"/>
        <source>%1 (note %2)</source>
        <translation>%1 (Note %2)</translation>
    </message>
</context>
<context>
    <name>PadView</name>
    <message>
        <location filename="../app/banks/PadView.cpp" line="47"/>
        <source>Pads</source>
        <translation>Pads</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="57"/>
        <source>&amp;Pads</source>
        <translation>&amp;Pads</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="141"/>
        <source>Pad %1, %2, played by %3</source>
        <translation>Pad %1, %2, gespielt mit %3</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="143"/>
        <source>Play %1 (%2)</source>
        <translation>%1 spielen (%2)</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="144"/>
        <source>The firmware bank holds no sounds to play as pads</source>
        <translation>Die Firmware-Bank enthält keine Sounds, die sich als Pads spielen lassen</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="162"/>
        <location filename="../app/banks/PadView.cpp" line="183"/>
        <source>The pads cannot be heard: %1</source>
        <translation>Die Pads sind nicht zu hören: %1</translation>
    </message>
</context>
<context>
    <name>PcmFormat</name>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="16"/>
        <source>16-bit</source>
        <translation>16-Bit</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="16"/>
        <source>8-bit</source>
        <translation>8-Bit</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="17"/>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="18"/>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="19"/>
        <source>%1-channel</source>
        <translation>%1-Kanal</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="21"/>
        <source>%1 %2 at %3 frames per second</source>
        <extracomment>A sound&apos;s sample width, its channels and its rate: &quot;16-bit stereo at 44100 frames per second&quot;</extracomment>
        <translation>%1 %2 mit %3 Frames pro Sekunde</translation>
    </message>
</context>
<context>
    <name>PlaybackFailure</name>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="12"/>
        <source>the ALSA device &quot;%1&quot; cannot be opened (%2)</source>
        <translation>das ALSA-Gerät „%1“ lässt sich nicht öffnen (%2)</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="14"/>
        <source>the ALSA device &quot;%1&quot; cannot play %2 (%3)</source>
        <translation>das ALSA-Gerät „%1“ kann %2 nicht abspielen (%3)</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="17"/>
        <source>the ALSA device &quot;%1&quot; failed (%2)</source>
        <translation>das ALSA-Gerät „%1“ ist ausgefallen (%2)</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="19"/>
        <source>a sound of %1 channels cannot be played, only mono or stereo</source>
        <translation>ein Sound mit %1 Kanälen kann nicht abgespielt werden, nur Mono oder Stereo</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="22"/>
        <source>a sound at %1 frames per second cannot be played, only at %2 to %3</source>
        <translation>ein Sound mit %1 Frames pro Sekunde kann nicht abgespielt werden, nur mit %2 bis %3</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="26"/>
        <source>the sound to play holds no frames</source>
        <translation>der abzuspielende Sound enthält keine Frames</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="28"/>
        <source>the sound to play ends in half a stereo frame</source>
        <translation>der abzuspielende Sound endet mit einem halben Stereo-Frame</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="35"/>
        <source>No sound output: %1</source>
        <translation>Keine Tonausgabe: %1</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="16"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="20"/>
        <source>Classic: as slots have always been made</source>
        <translation>Klassisch: wie Slots schon immer erstellt wurden</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="22"/>
        <source>Linear interpolation to 33,000 Hz and truncation to 8 bits. Sound above 16.5 kHz folds back into the slot as lower tones.</source>
        <translation>Lineare Interpolation auf 33.000 Hz und Abschneiden auf 8 Bit. Klanganteile über 16,5 kHz falten sich als tiefere Töne in den Slot zurück.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="25"/>
        <source>Clean: band-limited, for bright sounds</source>
        <translation>Sauber: bandbegrenzt, für helle Sounds</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="27"/>
        <source>Band-limited resampling and rounding to 8 bits. Hi-hats and cymbals keep their highs without folded tones.</source>
        <translation>Bandbegrenzte Abtastratenwandlung und Runden auf 8 Bit. Hi-Hats und Becken behalten ihre Höhen ohne gefaltete Töne.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="31"/>
        <source>&amp;Normalise: raise the peak to full scale</source>
        <translation>&amp;Normalisieren: Spitzenpegel auf Vollaussteuerung anheben</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="34"/>
        <source>&amp;Trim the silence before the sound</source>
        <translation>S&amp;tille vor dem Sound abschneiden</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="38"/>
        <source>Con&amp;version:</source>
        <translation>&amp;Wandlung:</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="40"/>
        <source>Raw files and System Exclusive messages are always imported as they are.</source>
        <translation>Rohdateien und System-Exclusive-Nachrichten werden immer unverändert importiert.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="42"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="49"/>
        <source>Open the &amp;last bank file again</source>
        <translation>&amp;Letzte Bankdatei wieder öffnen</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="51"/>
        <source>The bank file last opened or saved as the one Save writes to. A bank file the editor is started with opens instead.</source>
        <translation>Die Bankdatei, die zuletzt als die geöffnet oder gespeichert wurde, in die „Speichern“ schreibt. Eine Bankdatei, mit der der Editor gestartet wird, öffnet sich stattdessen.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="54"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="58"/>
        <source>The closed hi-hat &amp;cuts the open one</source>
        <translation>Die geschlossene Hi-Hat &amp;beendet die offene</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="60"/>
        <source>A hit of the CLOSED HI HAT pad ends the OPEN HI HAT&apos;s sound, as a drummer&apos;s foot closes the hats.</source>
        <translation>Ein Schlag auf das Pad CLOSED HI HAT beendet den Klang von OPEN HI HAT, wie der Fuß am Schlagzeug die Hi-Hat schließt.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="63"/>
        <source>Pads</source>
        <translation>Pads</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/common/Dialogs.cpp" line="17"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../app/common/Dialogs.cpp" line="24"/>
        <source>Bank files (%1)</source>
        <translation>Bankdateien (%1)</translation>
    </message>
    <message>
        <location filename="../app/common/Dialogs.cpp" line="25"/>
        <source>Sounds (%1)</source>
        <translation>Sounds (%1)</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="29"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="35"/>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="70"/>
        <source>Not opened: %1 is no longer there; it has left Open Recent</source>
        <translation>Nicht geöffnet: %1 ist nicht mehr vorhanden und wurde aus „Zuletzt geöffnet“ entfernt</translation>
    </message>
</context>
<context>
    <name>RecordFailure</name>
    <message>
        <location filename="../midiio/record/RecordFailure.cpp" line="12"/>
        <source>the copy of the device&apos;s contents %1 could not be written (%2)</source>
        <extracomment>The file that keeps a copy of what the device holds, then why it could not be written</extracomment>
        <translation>die Kopie des Geräteinhalts %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <location filename="../midiio/record/RecordFailure.cpp" line="16"/>
        <source>the device&apos;s lock %1 could not be opened (%2)</source>
        <extracomment>The file that senders to the device lock, then why it could not be opened</extracomment>
        <translation>die Sperre des Geräts %1 konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <location filename="../midiio/record/RecordFailure.cpp" line="19"/>
        <source>the device record %1 could not be written (%2)</source>
        <extracomment>The device record&apos;s file, then why it could not be written</extracomment>
        <translation>die Aufzeichnung zum Gerät %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
</context>
<context>
    <name>RecordHandoverPrompt</name>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="20"/>
        <source>%1 has no device record yet.
Is this the same ZYLOX 515 as the one last sent to through %2?
If it is, that device&apos;s record (what it was sent, where a stopped send resumes, its output settings) moves to this socket; if not, each keeps a record of its own.</source>
        <translation>%1 hat noch keinen Geräteeintrag.
Ist dies dasselbe ZYLOX 515, an das zuletzt über %2 gesendet wurde?
Wenn ja, wandert dessen Eintrag (was es erhalten hat, wo ein angehaltenes Senden fortfährt, seine Ausgangseinstellungen) an diese Buchse; wenn nicht, behält jedes einen eigenen Eintrag.</translation>
    </message>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="25"/>
        <source>Same Device?</source>
        <translation>Dasselbe Gerät?</translation>
    </message>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="27"/>
        <source>Same Device</source>
        <translation>Dasselbe Gerät</translation>
    </message>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="28"/>
        <source>Another Device</source>
        <translation>Ein anderes Gerät</translation>
    </message>
</context>
<context>
    <name>RegionFields</name>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="29"/>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="29"/>
        <location filename="../app/sounds/RegionFields.cpp" line="30"/>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="30"/>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="32"/>
        <source>Seconds into the source where the window starts; the window keeps its length</source>
        <translation>Sekunden in der Quelle, bei denen das Fenster beginnt; das Fenster behält seine Länge</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="33"/>
        <source>Seconds into the source where the window ends; no further than the slot holds</source>
        <translation>Sekunden in der Quelle, bei denen das Fenster endet; nicht weiter, als der Slot fasst</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="34"/>
        <source>S&amp;tart:</source>
        <translation>An&amp;fang:</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="36"/>
        <source>&amp;End:</source>
        <translation>En&amp;de:</translation>
    </message>
</context>
<context>
    <name>SendChoice</name>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="59"/>
        <source>Send Bank</source>
        <translation>Bank senden</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="60"/>
        <source>%1: the %2 differs from what this device was last sent; the other is as it was sent.

This program keeps its own record of what it sent; it cannot see the device. If the device was changed by other means since, send the whole bank.</source>
        <translation>%1: Der %2 weicht von dem ab, was zuletzt an dieses Gerät gesendet wurde; der andere ist so, wie er gesendet wurde.

Dieses Programm führt selbst Buch darüber, was es gesendet hat; in das Gerät sieht es nicht. Wurde das Gerät seither auf anderem Weg geändert, senden Sie die ganze Bank.</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="65"/>
        <source>Send 1 Changed Block (%1)</source>
        <translation>1 geänderten Block senden (%1)</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="65"/>
        <location filename="../app/transfer/SendChoice.cpp" line="86"/>
        <location filename="../app/transfer/SendChoice.cpp" line="100"/>
        <location filename="../app/transfer/SendChoice.cpp" line="120"/>
        <location filename="../app/transfer/SendChoice.cpp" line="122"/>
        <location filename="../app/transfer/SendChoice.cpp" line="140"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="66"/>
        <source>Send Whole Bank (%1)</source>
        <translation>Ganze Bank senden (%1)</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="79"/>
        <location filename="../app/transfer/SendChoice.cpp" line="98"/>
        <location filename="../app/transfer/SendChoice.cpp" line="120"/>
        <location filename="../app/transfer/SendChoice.cpp" line="121"/>
        <source>Send All Banks</source>
        <translation>Alle Bänke senden</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="80"/>
        <source>The last transmission of all banks to this device did not finish: %n banks are left, starting with %1 (about %2).
Send the banks that are left, or all 32 banks again?</source>
        <translation>
            <numerusform>Die letzte Übertragung aller Bänke an dieses Gerät wurde nicht beendet: %n Bank fehlt noch, %1 (etwa %2).
Die fehlende Bank senden oder alle 32 Bänke erneut?</numerusform>
            <numerusform>Die letzte Übertragung aller Bänke an dieses Gerät wurde nicht beendet: %n Bänke fehlen noch, beginnend mit %1 (etwa %2).
Die fehlenden Bänke senden oder alle 32 Bänke erneut?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="86"/>
        <source>Send %n Left</source>
        <translation>
            <numerusform>%n fehlende senden</numerusform>
            <numerusform>%n fehlende senden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="86"/>
        <location filename="../app/transfer/SendChoice.cpp" line="120"/>
        <location filename="../app/transfer/SendChoice.cpp" line="122"/>
        <source>Send All 32</source>
        <translation>Alle 32 senden</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="99"/>
        <source>The sending of all banks take over 50 Minutes.
Do you want to really transmit?</source>
        <translation>Das Senden aller Bänke dauert über 50 Minuten.
Wollen Sie wirklich übertragen?</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="100"/>
        <source>Transmit</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="106"/>
        <source>All 32 banks are as this device was last sent them.</source>
        <translation>Alle 32 Bänke sind so, wie sie zuletzt an dieses Gerät gesendet wurden.</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="107"/>
        <source>%n of the 32 banks differ from what this device was last sent (%1): sending them takes about %2.</source>
        <translation>
            <numerusform>%n der 32 Bänke weicht von dem ab, was zuletzt an dieses Gerät gesendet wurde (%1): Das Senden dauert etwa %2.</numerusform>
            <numerusform>%n der 32 Bänke weichen von dem ab, was zuletzt an dieses Gerät gesendet wurde (%1): Das Senden dauert etwa %2.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="113"/>
        <source>
All 32 banks take about %1.

This program keeps its own record of what it sent; it cannot see the device. If the device was changed by other means since, send all banks.</source>
        <translation>
Alle 32 Bänke dauern etwa %1.

Dieses Programm führt selbst Buch darüber, was es gesendet hat; in das Gerät sieht es nicht. Wurde das Gerät seither auf anderem Weg geändert, senden Sie alle Bänke.</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="122"/>
        <source>Send %n Changed</source>
        <translation>
            <numerusform>%n geänderte senden</numerusform>
            <numerusform>%n geänderte senden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="137"/>
        <source>Send Firmware</source>
        <translation>Firmware senden</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="138"/>
        <source>Also rewrite the device&apos;s operating system (block 63)?

The presets are sent either way. Rewrite the operating system only to change it: if its write is cut, the device may not start.</source>
        <translation>Auch das Betriebssystem des Geräts (Block 63) neu schreiben?

Die Presets werden in jedem Fall gesendet. Schreiben Sie das Betriebssystem nur neu, um es zu ändern: Wird das Schreiben unterbrochen, startet das Gerät womöglich nicht mehr.</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="140"/>
        <source>Leave It Alone</source>
        <translation>Unverändert lassen</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="140"/>
        <source>Rewrite It</source>
        <translation>Neu schreiben</translation>
    </message>
</context>
<context>
    <name>SenderLock</name>
    <message>
        <location filename="../midiio/record/SenderLock.cpp" line="179"/>
        <source>%1 is being sent to by another program</source>
        <translation>an %1 sendet gerade ein anderes Programm</translation>
    </message>
    <message>
        <location filename="../midiio/record/SenderLock.cpp" line="181"/>
        <source>%1 is being sent to by %2, process %3</source>
        <extracomment>The device, then the program sending to it and that program&apos;s process id</extracomment>
        <translation>an %1 sendet gerade %2 (Prozess %3)</translation>
    </message>
</context>
<context>
    <name>ShapeControls</name>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="54"/>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="54"/>
        <source>Clean</source>
        <translation>Sauber</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="55"/>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="55"/>
        <source>Intermediate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="55"/>
        <source>Minimum</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="56"/>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="56"/>
        <source>Triangular (TPDF)</source>
        <translation>Dreieck (TPDF)</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="56"/>
        <source>Noise-shaped</source>
        <translation>Rauschgeformt</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="57"/>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="58"/>
        <source>Limit to</source>
        <translation>Begrenzen auf</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="59"/>
        <location filename="../app/sounds/ShapeControls.cpp" line="71"/>
        <source>dBFS</source>
        <translation>dBFS</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="60"/>
        <source>Normalise</source>
        <translation>Normalisieren</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="61"/>
        <location filename="../app/sounds/ShapeControls.cpp" line="62"/>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="63"/>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="64"/>
        <source>semitones</source>
        <translation>Halbtöne</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="65"/>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="66"/>
        <source>by pitch</source>
        <translation>über die Tonhöhe</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="66"/>
        <source>by stretching</source>
        <translation>durch Dehnen</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Mix</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="68"/>
        <source>Remove DC offset</source>
        <translation>Gleichanteil entfernen</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="69"/>
        <source>Trim silence below</source>
        <translation>Stille abschneiden unter</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="73"/>
        <source>Makes the whole window fill the slot</source>
        <translation>Lässt das ganze Fenster den Slot füllen</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="74"/>
        <source>By pitch the device plays the window higher or lower; by stretching it keeps its pitch and is made shorter or longer</source>
        <translation>Über die Tonhöhe spielt das Gerät das Fenster höher oder tiefer; durch Dehnen behält es seine Tonhöhe und wird kürzer oder länger</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="78"/>
        <source>Gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="79"/>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="80"/>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="81"/>
        <source>Fade out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="82"/>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="83"/>
        <source>Fit by</source>
        <translation>Einpassen durch</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="84"/>
        <source>Trim threshold</source>
        <translation>Schwelle zum Abschneiden</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="89"/>
        <source>Gain:</source>
        <translation>Verstärkung:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="91"/>
        <source>Fade in:</source>
        <translation>Einblenden:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="92"/>
        <source>Fade out:</source>
        <translation>Ausblenden:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="93"/>
        <source>Pitch:</source>
        <translation>Tonhöhe:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="94"/>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="96"/>
        <source>Conversion:</source>
        <translation>Wandlung:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="97"/>
        <source>Filter phase:</source>
        <translation>Filterphase:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="98"/>
        <source>Dither:</source>
        <translation>Dither:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="190"/>
        <source>no fit</source>
        <translation>nicht einpassbar</translation>
    </message>
</context>
<context>
    <name>ShapeSidecar</name>
    <message>
        <location filename="../app/files/ShapeSidecar.cpp" line="82"/>
        <source>could not remove %1</source>
        <translation>%1 konnte nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="42"/>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="45"/>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="46"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="46"/>
        <source>What they do</source>
        <translation>Was sie tun</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="60"/>
        <location filename="../app/window/ShortcutsWindow.cpp" line="62"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="61"/>
        <source>Import a sound into slot 1 to 6 of the selected bank</source>
        <translation>Einen Sound in Slot 1 bis 6 der ausgewählten Bank importieren</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="66"/>
        <source>Open the selected slot&apos;s sound panel</source>
        <translation>Das Soundfenster des ausgewählten Slots öffnen</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="67"/>
        <source>With a slot&apos;s waveform focused: select the slot above or below</source>
        <translation>Bei fokussierter Wellenform eines Slots: den Slot darüber oder darunter auswählen</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="65"/>
        <source>Play the selected slot, or stop it; in the sound browser&apos;s lists, the selected file</source>
        <translation>Den ausgewählten Slot abspielen oder anhalten; in den Listen des Sound-Browsers die ausgewählte Datei</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="63"/>
        <source>With the pads shown: play pad 1 to 6, a slot of the bank on show</source>
        <translation>Bei angezeigten Pads: Pad 1 bis 6 spielen, einen Slot der angezeigten Bank</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="69"/>
        <source>With a slot&apos;s waveform focused: open its sound panel; in the sound browser&apos;s lists: import the selected files from the selected slot on</source>
        <translation>Bei fokussierter Wellenform eines Slots: sein Soundfenster öffnen; in den Listen des Sound-Browsers: die ausgewählten Dateien ab dem ausgewählten Slot importieren</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="71"/>
        <source>S05, 5, FW</source>
        <translation>S05, 5, FW</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="71"/>
        <source>Typed in the bank table: select that bank</source>
        <translation>In der Banktabelle getippt: diese Bank auswählen</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="72"/>
        <source>Go to the sound browser&apos;s filter over the names of the files listed</source>
        <translation>Zum Filter des Sound-Browsers über die Namen der angezeigten Dateien wechseln</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="73"/>
        <source>Go to the search field of the sound browser&apos;s library</source>
        <translation>Zum Suchfeld der Bibliothek des Sound-Browsers wechseln</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="74"/>
        <source>kick</source>
        <translation>kick</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="74"/>
        <source>Typed in the sound browser&apos;s list: select the file whose name starts so</source>
        <translation>In der Liste des Sound-Browsers getippt: die Datei auswählen, deren Name so beginnt</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="75"/>
        <source>In the sound panel, with the source focused: move the window (with Shift, further)</source>
        <translation>Im Soundfenster bei fokussierter Quelle: das Fenster verschieben (mit Umschalt weiter)</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="78"/>
        <source>In the sound panel, with the source focused: move the window to the source&apos;s start</source>
        <translation>Im Soundfenster bei fokussierter Quelle: das Fenster an den Anfang der Quelle setzen</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="79"/>
        <source>In the sound panel: Apply, Cancel</source>
        <translation>Im Soundfenster: Anwenden, Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="80"/>
        <source>While a pad waits for its note from the MIDI controller: stop waiting</source>
        <translation>Während ein Pad auf seine Note vom MIDI-Controller wartet: nicht mehr warten</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="81"/>
        <source>In the favourite folders: remove the selected folder</source>
        <translation>In den Lieblingsordnern: den ausgewählten Ordner entfernen</translation>
    </message>
</context>
<context>
    <name>SlotAdvice</name>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="28"/>
        <source>the side of a mono sound is silence</source>
        <translation>Die Seite eines Monosounds ist Stille</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="29"/>
        <source>the side of this sound is silence: its left and right are the same</source>
        <translation>Die Seite dieses Sounds ist Stille: Links und rechts sind gleich</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="31"/>
        <source>the left channel holds no sound above %1 dBFS</source>
        <translation>Der linke Kanal enthält keinen Sound über %1 dBFS</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="36"/>
        <source>the right channel holds no sound above %1 dBFS</source>
        <translation>Der rechte Kanal enthält keinen Sound über %1 dBFS</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="50"/>
        <source>the next sound starts at %1 s</source>
        <translation>Der nächste Sound beginnt bei %1 s</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="52"/>
        <source>there is no sound after %1 s; the sound starts at %2 s</source>
        <translation>Nach %1 s kommt kein Sound mehr; der Sound beginnt bei %2 s</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="61"/>
        <source>no sound above %1 dBFS lies near %2 s</source>
        <translation>In der Nähe von %2 s liegt kein Sound über %1 dBFS</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="63"/>
        <source>the source holds no sound above %1 dBFS</source>
        <translation>Die Quelle enthält keinen Sound über %1 dBFS</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="77"/>
        <source>the hit starts at %1 s of %2 s</source>
        <translation>Der Schlag beginnt bei %1 s von %2 s</translation>
    </message>
</context>
<context>
    <name>SlotCopying</name>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="25"/>
        <source>&amp;Copy Sound</source>
        <translation>Sound &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="28"/>
        <source>&amp;Paste Sound</source>
        <translation>Sound &amp;einfügen</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="31"/>
        <source>S&amp;wap Sounds</source>
        <translation>Sounds &amp;tauschen</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="64"/>
        <source>The firmware bank&apos;s slots hold messages, not sounds: only a sample slot&apos;s sound is copied, pasted or swapped</source>
        <translation>Die Slots der Firmware-Bank enthalten Nachrichten, keine Sounds: Nur der Sound eines Sample-Slots wird kopiert, eingefügt oder getauscht</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="115"/>
        <source>Copied the sound of %1</source>
        <translation>Sound von %1 kopiert</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="124"/>
        <source>Not pasted: copy a slot&apos;s sound first (Edit → Copy Sound)</source>
        <translation>Nicht eingefügt: Kopieren Sie zuerst den Sound eines Slots (Bearbeiten → Sound kopieren)</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="125"/>
        <source>Paste Sound</source>
        <translation>Sound einfügen</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="125"/>
        <source>paste into %1</source>
        <translation>Einfügen in %1</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="126"/>
        <source>Pasted the sound copied from %1 into %2.</source>
        <translation>Den von %1 kopierten Sound in %2 eingefügt.</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="136"/>
        <source>Not swapped: copy another slot first, then swap it with this one</source>
        <translation>Nicht getauscht: Kopieren Sie zuerst einen anderen Slot und tauschen Sie ihn dann mit diesem</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="138"/>
        <source>Swap Sounds</source>
        <translation>Sounds tauschen</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="138"/>
        <source>swap of %1 and %2</source>
        <translation>Tausch von %1 und %2</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="139"/>
        <source>Swapped the sounds of %1 and %2.</source>
        <translation>Die Sounds von %1 und %2 getauscht.</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="153"/>
        <source>Copy Sound</source>
        <translation>Sound kopieren</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="153"/>
        <source>copy of %1 into %2</source>
        <translation>Kopie von %1 in %2</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="154"/>
        <source>Copied the sound of %1 into %2.</source>
        <translation>Den Sound von %1 in %2 kopiert.</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="166"/>
        <source>Not done: the bank did not take the sound.</source>
        <translation>Nicht ausgeführt: Die Bank hat den Sound nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>SlotLoudness</name>
    <message>
        <location filename="../soundlibrary/SlotLoudness.cpp" line="41"/>
        <source>silent</source>
        <translation>still</translation>
    </message>
    <message>
        <location filename="../soundlibrary/SlotLoudness.cpp" line="42"/>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <location filename="../soundlibrary/SlotLoudness.cpp" line="47"/>
        <source>%1, which measures loudness, is not installed</source>
        <translation>%1, das die Lautheit misst, ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>SlotLoudnessColumn</name>
    <message>
        <location filename="../app/sounds/SlotLoudnessColumn.cpp" line="29"/>
        <source>How loud the device plays this slot: EBU R128 integrated loudness of its 8-bit sound, in LUFS</source>
        <translation>Wie laut das Gerät diesen Slot spielt: integrierte Lautheit nach EBU R128 seines 8-Bit-Klangs, in LUFS</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotLoudnessColumn.cpp" line="78"/>
        <source>being measured</source>
        <translation>wird gemessen</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotLoudnessColumn.cpp" line="80"/>
        <source>Loudness of slot %1, %2: %3</source>
        <translation>Lautheit von Slot %1, %2: %3</translation>
    </message>
</context>
<context>
    <name>SlotPlayer</name>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="55"/>
        <source>Play this slot as the ZYLOX 515 sounds it (Space plays the selected slot)</source>
        <translation>Diesen Slot so abspielen, wie der ZYLOX 515 ihn klingen lässt (Leertaste spielt den ausgewählten Slot)</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="56"/>
        <source>A firmware slot holds no sound</source>
        <translation>Ein Firmware-Slot enthält keinen Sound</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="72"/>
        <source>Playing &quot;%1&quot;</source>
        <translation>„%1“ wird abgespielt</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="99"/>
        <source>Could not play &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht abgespielt werden: %2</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="106"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="106"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>SlotSoundDescription</name>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="16"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="25"/>
        <source>%1: no sound</source>
        <translation>%1: kein Sound</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="28"/>
        <source>%1: %2 of silence</source>
        <translation>%1: %2 Stille</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="33"/>
        <source>%1: %2 of sound, peak %3 dBFS, %4 of silence</source>
        <translation>%1: %2 Sound, Spitzenpegel %3 dBFS, %4 Stille</translation>
    </message>
</context>
<context>
    <name>SoundBrowser</name>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="98"/>
        <source>Sound Browser</source>
        <translation>Sound-Browser</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="104"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="105"/>
        <source>The folder listed: type another and press Enter to go there</source>
        <translation>Der angezeigte Ordner: Geben Sie einen anderen ein und drücken Sie die Eingabetaste, um dorthin zu wechseln</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="109"/>
        <source>Favourite folders</source>
        <translation>Lieblingsordner</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="111"/>
        <source>&amp;Add Folder</source>
        <translation>Ordner &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="113"/>
        <source>Keep the folder listed among the favourites</source>
        <translation>Den angezeigten Ordner zu den Lieblingsordnern hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="115"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="117"/>
        <source>Take the selected folder off the favourites</source>
        <translation>Den gewählten Ordner aus den Lieblingsordnern entfernen</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="131"/>
        <source>Play as the device sounds</source>
        <translation>Wie das Gerät abspielen</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="133"/>
        <source>Space and the play controls play a file as the device will sound it (8-bit, 33 kHz, the default shape); otherwise as it is</source>
        <translation>Leertaste und die Abspielknöpfe spielen eine Datei so ab, wie das Gerät sie klingen lassen wird (8 Bit, 33 kHz, die Standardform); sonst so, wie sie ist</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="139"/>
        <source>Favourites:</source>
        <translation>Favoriten:</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="148"/>
        <source>Sound browser</source>
        <translation>Sound-Browser</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="149"/>
        <location filename="../app/library/SoundBrowser.cpp" line="168"/>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="150"/>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="183"/>
        <source>Sound files</source>
        <translation>Sound-Dateien</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="217"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="221"/>
        <source>Sound &amp;Browser</source>
        <translation>Sound-&amp;Browser</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="277"/>
        <source>No folder “%1”: the browser stays in “%2”</source>
        <translation>Kein Ordner „%1“: Der Browser bleibt in „%2“</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="367"/>
        <source>“%1” is no longer in the folder</source>
        <translation>„%1“ ist nicht mehr im Ordner</translation>
    </message>
</context>
<context>
    <name>SoundFileModel</name>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="170"/>
        <location filename="../app/library/SoundFileModel.cpp" line="265"/>
        <source>Stop (Space)</source>
        <translation>Stopp (Leertaste)</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="150"/>
        <location filename="../app/library/SoundFileModel.cpp" line="251"/>
        <location filename="../app/library/SoundFileModel.cpp" line="357"/>
        <source>not a sound</source>
        <translation>kein Sound</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="151"/>
        <location filename="../app/library/SoundFileModel.cpp" line="251"/>
        <location filename="../app/library/SoundFileModel.cpp" line="357"/>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="171"/>
        <location filename="../app/library/SoundFileModel.cpp" line="265"/>
        <source>Play the file (Space)</source>
        <translation>Die Datei abspielen (Leertaste)</translation>
    </message>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="100"/>
        <location filename="../app/library/LibraryResultModel.cpp" line="176"/>
        <location filename="../app/library/SoundFileModel.cpp" line="271"/>
        <source>The name is not UTF-8: � stands for what cannot be shown</source>
        <translation>Der Name ist nicht in UTF-8: � steht für das, was sich nicht zeigen lässt</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="197"/>
        <location filename="../app/library/SoundFileModel.cpp" line="279"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="201"/>
        <location filename="../app/library/SoundFileModel.cpp" line="281"/>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="283"/>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="285"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="328"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="339"/>
        <source>%1 kHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="345"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="347"/>
        <source>stereo</source>
        <translation>stereo</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="348"/>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
</context>
<context>
    <name>SoundPanel</name>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="44"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="91"/>
        <source>Source waveform and the window that goes into the slot</source>
        <translation>Wellenform der Quelle und das Fenster, das in den Slot kommt</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="94"/>
        <source>The slot as the shape makes it</source>
        <translation>Der Slot, wie die Form ihn macht</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="95"/>
        <source>Result in the slot</source>
        <translation>Ergebnis im Slot</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="105"/>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="106"/>
        <source>Zoom O&amp;ut</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="107"/>
        <source>Snap to &amp;Onset</source>
        <translation>Am &amp;Einsatz ausrichten</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="108"/>
        <source>Move the window&apos;s start to where the sound rises above the trim threshold</source>
        <translation>Den Anfang des Fensters dorthin verschieben, wo der Sound über die Abschneideschwelle steigt</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="109"/>
        <source>Snap to &amp;Zero Crossing</source>
        <translation>Am &amp;Nulldurchgang ausrichten</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="110"/>
        <source>Play &amp;Source</source>
        <translation>&amp;Quelle abspielen</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="111"/>
        <location filename="../app/banks/SoundPanel.cpp" line="411"/>
        <source>Play &amp;Result</source>
        <translation>E&amp;rgebnis abspielen</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="113"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="114"/>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="128"/>
        <source>Result in the slot:</source>
        <translation>Ergebnis im Slot:</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="139"/>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="225"/>
        <source>Window %1 to %2 of %3</source>
        <translation>Fenster %1 bis %2 von %3</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="232"/>
        <source>%1, then %2 of silence to the slot&apos;s end</source>
        <translation>%1, danach %2 Stille bis zum Ende des Slots</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="364"/>
        <source>Cannot fit: %1.</source>
        <translation>Einpassen nicht möglich: %1.</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="366"/>
        <source>Nothing to put into the slot: the window holds no sound.</source>
        <translation>Nichts für den Slot: Das Fenster enthält keinen Sound.</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="372"/>
        <source>Clipped: the gain pushes the sound past full scale, its peaks are cut flat.</source>
        <translation>Übersteuert: Die Verstärkung treibt den Sound über die Vollaussteuerung, seine Spitzen werden abgeschnitten.</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="392"/>
        <source>Stop &amp;Result</source>
        <translation>E&amp;rgebnis stoppen</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="422"/>
        <source>Could not play: %1</source>
        <translation>Abspielen nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>SourceView</name>
    <message>
        <location filename="../app/sounds/SourceView.cpp" line="27"/>
        <source>Drag the window to choose the part of the sound that goes into the slot; drag its ends to shorten it; the wheel zooms</source>
        <translation>Ziehen Sie das Fenster, um den Teil des Sounds zu wählen, der in den Slot kommt; ziehen Sie seine Enden, um es zu kürzen; das Mausrad zoomt</translation>
    </message>
</context>
<context>
    <name>SourcesLetGo</name>
    <message numerus="yes">
        <location filename="../app/document/SourcesLetGo.cpp" line="5"/>
        <source>To stay within %1 MB of kept sources, the %n oldest were let go: their slots are plain bytes now, and shaping them again starts from those.</source>
        <translation>
            <numerusform>Um unter %1 MB aufbewahrter Quellen zu bleiben, wurde die älteste verworfen: Ihr Slot besteht jetzt nur aus Bytes, und erneutes Formen geht von diesen aus.</numerusform>
            <numerusform>Um unter %1 MB aufbewahrter Quellen zu bleiben, wurden die %n ältesten verworfen: Ihre Slots bestehen jetzt nur aus Bytes, und erneutes Formen geht von diesen aus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Transmission</name>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="66"/>
        <location filename="../app/transfer/Transmission.cpp" line="71"/>
        <source>Nothing was sent: %1.</source>
        <translation>Nichts wurde gesendet: %1.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="91"/>
        <source>The MIDI output %1 is not connected.</source>
        <translation>Der MIDI-Ausgang %1 ist nicht verbunden.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="102"/>
        <source>sending bank (%1)...</source>
        <translation>sende Bank (%1)…</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="178"/>
        <location filename="../app/transfer/Transmission.cpp" line="181"/>
        <location filename="../app/transfer/Transmission.cpp" line="184"/>
        <location filename="../app/transfer/Transmission.cpp" line="186"/>
        <location filename="../app/transfer/Transmission.cpp" line="230"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="131"/>
        <source>stopping...</source>
        <translation>wird angehalten…</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="140"/>
        <source>Quit While Sending?</source>
        <translation>Während des Sendens beenden?</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="141"/>
        <source>Banks are being sent to the device. Stop the transmission and quit?
The bank on its way will be incomplete on the device and must be sent again.</source>
        <translation>Es werden Bänke an das Gerät gesendet. Die Übertragung anhalten und beenden?
Die Bank, die gerade unterwegs ist, bleibt auf dem Gerät unvollständig und muss erneut gesendet werden.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="143"/>
        <source>Stop and Quit</source>
        <translation>Anhalten und beenden</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="144"/>
        <source>Keep Sending</source>
        <translation>Weiter senden</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="164"/>
        <source>

To send the %n banks that did not finish, choose All banks and Send.</source>
        <translation>
            <numerusform>

Um die %n nicht fertig gesendete Bank zu senden, wählen Sie „Alle Bänke“ und „Senden“.</numerusform>
            <numerusform>

Um die %n nicht fertig gesendeten Bänke zu senden, wählen Sie „Alle Bänke“ und „Senden“.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="168"/>
        <source>

Not kept: %1; what was sent counts as unknown there.</source>
        <translation>

Nicht festgehalten: %1; das Gesendete gilt dort als unbekannt.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="174"/>
        <location filename="../app/transfer/Transmission.cpp" line="180"/>
        <location filename="../app/transfer/Transmission.cpp" line="230"/>
        <source>Transmission Failed</source>
        <translation>Übertragung fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="175"/>
        <source>%1 was not sent: %2.

</source>
        <translation>%1 wurde nicht gesendet: %2.

</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="181"/>
        <source>The MIDI output stopped accepting data.

</source>
        <translation>Der MIDI-Ausgang hat aufgehört, Daten anzunehmen.

</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="184"/>
        <source>Transmission Stopped</source>
        <translation>Übertragung angehalten</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="186"/>
        <source>Transmission Not Recorded</source>
        <translation>Übertragung nicht aufgezeichnet</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="197"/>
        <source>%p%, %1 left</source>
        <translation>%p %, noch %1</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="212"/>
        <source>all 32 banks</source>
        <translation>alle 32 Bänke</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="213"/>
        <source>%n banks (%1)</source>
        <translation>
            <numerusform>%n Bank (%1)</numerusform>
            <numerusform>%n Bänke (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="215"/>
        <source>Sent %1 to %2 in %3</source>
        <translation>%1 in %3 an %2 gesendet</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="218"/>
        <source>%1 of %n bank(s) sent</source>
        <translation>
            <numerusform>%1 von %n Bank gesendet</numerusform>
            <numerusform>%1 von %n Bänken gesendet</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="220"/>
        <source>, %1 (%2) must be sent again</source>
        <translation>, %1 (%2) muss erneut gesendet werden</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="224"/>
        <source>Stopped sending to %1 after %2: %3</source>
        <translation>Senden an %1 nach %2 angehalten: %3</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="225"/>
        <source>Sending to %1 failed after %2: %3</source>
        <translation>Senden an %1 nach %2 fehlgeschlagen: %3</translation>
    </message>
</context>
<context>
    <name>TransmissionAccount</name>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="16"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="22"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="31"/>
        <source> to </source>
        <extracomment>Two neighbouring banks are listed, &quot;S01, S02&quot;; a longer run by its ends, &quot;S01 to S05&quot;</extracomment>
        <translation> bis </translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="45"/>
        <source>Sent completely: %1.
</source>
        <translation>Vollständig gesendet: %1.
</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="47"/>
        <source>On the device: %1, %2, incomplete (its flash block was erased or partly written: send it again).
</source>
        <translation>Auf dem Gerät: %1, %2, unvollständig (sein Flash-Block wurde gelöscht oder teilweise geschrieben: erneut senden).
</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="50"/>
        <source>Incomplete on the device: none.
</source>
        <translation>Unvollständig auf dem Gerät: keine.
</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="58"/>
        <source>Not sent: %1.</source>
        <translation>Nicht gesendet: %1.</translation>
    </message>
</context>
<context>
    <name>TransmissionRun</name>
    <message>
        <location filename="../midiio/TransmissionRun.cpp" line="50"/>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionRun.cpp" line="53"/>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionRun.cpp" line="55"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="77"/>
        <source>Undid %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="85"/>
        <source>Redid %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="131"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="131"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="133"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="133"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="46"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="57"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="58"/>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/document/UnsavedChanges.cpp" line="60"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/document/UnsavedChanges.cpp" line="61"/>
        <source>The bank(s) %1 have changes that are not saved. Save them before %2?</source>
        <translation>
            <numerusform>Die Bank %1 hat ungespeicherte Änderungen. Vor %2 speichern?</numerusform>
            <numerusform>Die Bänke %1 haben ungespeicherte Änderungen. Vor %2 speichern?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <location filename="../app/sounds/WaveformView.cpp" line="27"/>
        <source>Click to select this slot; double-click to shape its sound; drag it out to save it as a WAV file</source>
        <translation>Klicken wählt diesen Slot; Doppelklicken formt seinen Sound; Herausziehen speichert ihn als WAV-Datei</translation>
    </message>
    <message>
        <location filename="../app/sounds/WaveformView.cpp" line="121"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>Waveforms</name>
    <message>
        <location filename="../app/sounds/Waveforms.cpp" line="66"/>
        <source>Waveform of slot %1, %2</source>
        <translation>Wellenform von Slot %1, %2</translation>
    </message>
    <message>
        <location filename="../app/sounds/Waveforms.cpp" line="84"/>
        <source>Waveform of the selected slot, slot %1, %2</source>
        <translation>Wellenform des ausgewählten Slots, Slot %1, %2</translation>
    </message>
</context>
</TS>
