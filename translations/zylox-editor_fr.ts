<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../app/window/AboutWindow.ui" line="6"/>
        <source>About ZYLOX 515 Editor</source>
        <translation>À propos de ZYLOX 515 Editor</translation>
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
        <translation>Édite la mémoire d’échantillons de la boîte à rythmes ZYLOX 515&#xa0;:
importez des sons de batterie dans ses 31 banques, conservez les banques
dans des fichiers de banques et envoyez-les à l’appareil par MIDI.</translation>
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
        <translation>faire commencer la fenêtre à %1 s ou couper le silence</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="31"/>
        <source>start the window at %1 s</source>
        <translation>faire commencer la fenêtre à %1 s</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="33"/>
        <source>trim the silence</source>
        <translation>couper le silence</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="41"/>
        <source>%1; %2.</source>
        <extracomment>What is wrong with the slot, then what would help</extracomment>
        <translation>%1&#xa0;; %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="56"/>
        <source>Silent: %1; choose Mix for its sound.</source>
        <extracomment>What is silent, then the control that gives the sound</extracomment>
        <translation>Silencieux&#xa0;: %1&#xa0;; choisir «&#xa0;Mélange&#xa0;» pour avoir le son.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="73"/>
        <source>Silent: %1</source>
        <extracomment>Where the sound lies, which the slot does not reach: &quot;the next sound starts at 10.000 s&quot;</extracomment>
        <translation>Silencieux&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="81"/>
        <source>Silent: %1.</source>
        <extracomment>That no sound lies where the window looked: &quot;the source holds no sound above -70 dBFS&quot;</extracomment>
        <translation>Silencieux&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="96"/>
        <source>Late: %1</source>
        <extracomment>Where the hit starts in the slot: &quot;the hit starts at 0.40 s of 0.74 s&quot;</extracomment>
        <translation>En retard&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="58"/>
        <source>Silent: the only sound, at %1 s, falls on the slot&apos;s first byte, which is always silent</source>
        <translation>Silencieux&#xa0;: le seul son, à %1 s, tombe sur le premier octet de l’emplacement, qui est toujours silencieux</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="65"/>
        <source>Silent: the result&apos;s peak is %1, below %2 dBFS; raise the gain or normalise.</source>
        <translation>Silencieux&#xa0;: la crête du résultat est %1, sous %2&#xa0;dBFS&#xa0;; augmenter le gain ou normaliser.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="67"/>
        <source>zero</source>
        <translation>zéro</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="104"/>
        <source>Nothing to put into the slot: the window starts at %1 s, past the end of the %2 s source.</source>
        <translation>Rien à mettre dans l’emplacement&#xa0;: la fenêtre commence à %1 s, après la fin de la source de %2 s.</translation>
    </message>
    <message>
        <location filename="../app/banks/AdviceWording.cpp" line="107"/>
        <source>Nothing to put into the slot: the window from %1 s to %2 s is shorter than one frame of the source.</source>
        <translation>Rien à mettre dans l’emplacement&#xa0;: la fenêtre de %1 s à %2 s est plus courte qu’une trame de la source.</translation>
    </message>
</context>
<context>
    <name>BankBlocks</name>
    <message>
        <location filename="../midiio/BankBlocks.cpp" line="16"/>
        <source>second block</source>
        <translation>second bloc</translation>
    </message>
    <message>
        <location filename="../midiio/BankBlocks.cpp" line="16"/>
        <source>first block</source>
        <translation>premier bloc</translation>
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
        <translation>Renommer</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="58"/>
        <location filename="../app/banks/BankEdits.cpp" line="73"/>
        <source>rename of %1</source>
        <translation>renommage de %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="62"/>
        <location filename="../app/banks/BankEdits.cpp" line="77"/>
        <source>Renamed %1 to &quot;%2&quot;</source>
        <translation>%1 renommé en «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="99"/>
        <location filename="../app/banks/BankEdits.cpp" line="108"/>
        <source>Reset to Default</source>
        <translation>Rétablir les réglages d’usine</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="100"/>
        <source>Don&apos;t Reset To Default any bank during sending or receiveing!</source>
        <translation>Ne rétablissez aucune banque d’usine pendant un envoi ou une réception&#xa0;!</translation>
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
        <translation>le nouveau nom %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="30"/>
        <source>the new name is %1 bytes long; %2</source>
        <extracomment>The new name&apos;s length in bytes, then how long a name may be</extracomment>
        <translation>le nouveau nom fait %1&#xa0;octets&#xa0;; %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="90"/>
        <source>%1 keeps its name: %2.</source>
        <translation>%1 garde son nom&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="91"/>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="101"/>
        <source>Not reset: %1 stays as it is while banks are being sent</source>
        <translation>Non rétablie&#xa0;: %1 reste telle quelle pendant l’envoi des banques</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="104"/>
        <source>Give the bank &quot;%1&quot; back its factory name and sounds? What it holds now is replaced.</source>
        <translation>Rendre à la banque «&#xa0;%1&#xa0;» son nom et ses sons d’usine&#xa0;? Son contenu actuel sera remplacé.</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="110"/>
        <location filename="../app/banks/BankEdits.cpp" line="117"/>
        <source>Reset</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="111"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="117"/>
        <source>reset of %1</source>
        <translation>rétablissement de %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="118"/>
        <source>Reset %1 to its factory name and sounds</source>
        <translation>%1 rétablie avec son nom et ses sons d’usine</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="128"/>
        <source>Import into %1 slot %2, %3</source>
        <translation>Importer dans %1, emplacement %2, %3</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="166"/>
        <location filename="../app/banks/BankEdits.cpp" line="193"/>
        <source>Not imported: %1</source>
        <translation>Non importé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="220"/>
        <source>Shape “%1” for %2</source>
        <translation>Façonner «&#xa0;%1&#xa0;» pour %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="236"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="236"/>
        <source>import into %1</source>
        <translation>import dans %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="237"/>
        <source>Shape</source>
        <translation>Façonner</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="237"/>
        <source>shape of %1</source>
        <translation>façonnage de %1</translation>
    </message>
    <message>
        <location filename="../app/banks/BankEdits.cpp" line="260"/>
        <source>Damaged or Cut Short</source>
        <translation>Endommagé ou tronqué</translation>
    </message>
</context>
<context>
    <name>BankFiles</name>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="46"/>
        <location filename="../app/files/BankFiles.cpp" line="55"/>
        <source>opening another bank file</source>
        <translation>d’ouvrir un autre fichier de banques</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="48"/>
        <source>Open Bank File</source>
        <translation>Ouvrir un fichier de banques</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="83"/>
        <source>Wrong File Format</source>
        <translation>Format de fichier incorrect</translation>
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
        <translation>Non ouvert&#xa0;: %1 ne contient aucune banque de sons</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="125"/>
        <source>The file contains data for bank: &quot;%1&quot; (%2).
Load it into the selected bank &quot;%3&quot; (%4) or into %2? What that bank holds now is replaced.</source>
        <translation>Le fichier contient les données de la banque «&#xa0;%1&#xa0;» (%2).
Le charger dans la banque sélectionnée «&#xa0;%3&#xa0;» (%4) ou dans %2&#xa0;? Le contenu actuel de cette banque sera remplacé.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="84"/>
        <source>%1 holds no sound bank for a Tarvo ZYLOX 515: it is not a bank file, or it is damaged.</source>
        <translation>%1 ne contient aucune banque de sons pour un Tarvo ZYLOX 515&#xa0;: ce n’est pas un fichier de banques, ou il est endommagé.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="77"/>
        <source>File Not Opened</source>
        <translation>Fichier non ouvert</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="78"/>
        <source>%1 could not be opened: %2.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="79"/>
        <source>Not opened: %1: %2</source>
        <translation>Non ouvert&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="102"/>
        <source>The last bank file was not opened again: %1: %2</source>
        <translation>Le dernier fichier de banques n’a pas été rouvert&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="108"/>
        <source>it holds no sound bank</source>
        <translation>il ne contient aucune banque de sons</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="128"/>
        <source>The file contains data for bank: &quot;%1&quot; (%2).
Load it into the selected bank &quot;%3&quot; (%4)? What that bank holds now is replaced.</source>
        <translation>Le fichier contient les données de la banque «&#xa0;%1&#xa0;» (%2).
Le charger dans la banque sélectionnée «&#xa0;%3&#xa0;» (%4)&#xa0;? Le contenu actuel de cette banque sera remplacé.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="132"/>
        <location filename="../app/files/BankFiles.cpp" line="134"/>
        <source>Load into %1</source>
        <translation>Charger dans %1</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="133"/>
        <source>Different Banks!</source>
        <translation>Banques différentes&#xa0;!</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="134"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="149"/>
        <location filename="../app/files/BankFiles.cpp" line="159"/>
        <location filename="../app/files/BankFiles.cpp" line="174"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="149"/>
        <source>opening %1 into %2</source>
        <translation>ouverture de %1 dans %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="151"/>
        <source>Opened %1 into %2</source>
        <translation>%1 ouvert dans %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="159"/>
        <source>opening %1 (all banks)</source>
        <translation>ouverture de %1 (toutes les banques)</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="164"/>
        <source>Opened %1 (all banks)</source>
        <translation>%1 ouvert (toutes les banques)</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="174"/>
        <source>opening %1 from %2</source>
        <translation>ouverture de %1 depuis %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="178"/>
        <source>Opened %1 from %2</source>
        <translation>%1 ouvert depuis %2</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="190"/>
        <source>All banks</source>
        <translation>Toutes les banques</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="216"/>
        <source>The bank file &quot;%1&quot; could not be written: %2.</source>
        <translation>Le fichier de banques «&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="218"/>
        <source>Save Failed</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="219"/>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="227"/>
        <source>Saved %1 (%2)</source>
        <translation>%1 enregistré (%2)</translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="228"/>
        <source>Saved %1 (all banks)</source>
        <translation>%1 enregistré (toutes les banques)</translation>
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
            <numerusform>%1 reste non enregistrée&#xa0;: %2 ne la contient pas («&#xa0;Enregistrer sous…&#xa0;» l’écrit).</numerusform>
            <numerusform>%1 restent non enregistrées&#xa0;: %2 ne les contient pas («&#xa0;Enregistrer sous…&#xa0;» les écrit).</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/files/BankFiles.cpp" line="261"/>
        <source>The shapes of its slots could not be kept beside %1: %2</source>
        <translation>Le façonnage de ses emplacements n’a pas pu être conservé à côté de %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankFiles.cpp" line="293"/>
        <source>%n shaped slot(s) open as plain bytes: their sources changed or are gone.</source>
        <translation>
            <numerusform>%n emplacement façonné s’ouvre en simples octets&#xa0;: sa source a changé ou a disparu.</numerusform>
            <numerusform>%n emplacements façonnés s’ouvrent en simples octets&#xa0;: leurs sources ont changé ou ont disparu.</numerusform>
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
        <translation>les slots de la banque du firmware contiennent des messages, pas des sons : seule une banque de sons s’exporte en sons</translation>
    </message>
</context>
<context>
    <name>BankSoundsExport</name>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="20"/>
        <source>E&amp;xport Bank as Sounds…</source>
        <translation>E&amp;xporter la banque en sons…</translation>
    </message>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="41"/>
        <source>Not exported: %1</source>
        <translation>Non exporté&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="42"/>
        <source>Export Bank as Sounds</source>
        <translation>Exporter la banque en sons</translation>
    </message>
    <message>
        <location filename="../app/files/BankSoundsExport.cpp" line="47"/>
        <source>Not exported: %1: %2</source>
        <translation>Non exporté&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankSoundsExport.cpp" line="51"/>
        <source>(%n slot(s) written before it)</source>
        <translation>
            <numerusform>(%n slot écrit avant lui)</numerusform>
            <numerusform>(%n slots écrits avant lui)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankSoundsExport.cpp" line="54"/>
        <source>Exported %1 as %n sound file(s) into %2.</source>
        <translation>
            <numerusform>%1 exportée en %n fichier son dans %2.</numerusform>
            <numerusform>%1 exportée en %n fichiers son dans %2.</numerusform>
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
        <translation>Banque</translation>
    </message>
    <message>
        <location filename="../app/banks/BankTableModel.cpp" line="49"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>BankView</name>
    <message>
        <location filename="../app/banks/BankView.cpp" line="50"/>
        <source>%1: the device&apos;s preset memory, block %2 (%3 bytes)</source>
        <translation>%1&#xa0;: mémoire des presets de l’appareil, bloc %2 (%3&#xa0;octets)</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="52"/>
        <source>%1: the device&apos;s operating system, block %2 (%3 bytes)</source>
        <translation>%1&#xa0;: système d’exploitation de l’appareil, bloc %2 (%3&#xa0;octets)</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="183"/>
        <source>Name of slot %1, %2</source>
        <translation>Nom de l’emplacement %1, %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="184"/>
        <source>Import into slot %1, %2</source>
        <translation>Importer dans l’emplacement %1, %2</translation>
    </message>
    <message>
        <location filename="../app/banks/BankView.cpp" line="186"/>
        <source>Play slot %1, %2</source>
        <translation>Écouter l’emplacement %1, %2</translation>
    </message>
</context>
<context>
    <name>BrowserPlayer</name>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="20"/>
        <source>it could not be read</source>
        <translation>il n’a pas pu être lu</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="22"/>
        <source>it could not be decoded: %1</source>
        <translation>il n’a pas pu être décodé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="23"/>
        <source>it is not a sound this editor decodes (%1)</source>
        <translation>ce n’est pas un son que cet éditeur décode (%1)</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="60"/>
        <location filename="../app/library/BrowserPlayer.cpp" line="66"/>
        <location filename="../app/library/BrowserPlayer.cpp" line="108"/>
        <source>Could not play “%1”: %2</source>
        <translation>Impossible d’écouter «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="74"/>
        <source>Could not play “%1”: it holds no sound</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: il ne contient aucun son</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="80"/>
        <source>Playing “%1”</source>
        <translation>Écoute de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/library/BrowserPlayer.cpp" line="80"/>
        <source>Playing “%1” as the device will sound it</source>
        <translation>Lecture de «&#xa0;%1&#xa0;» tel que l’appareil le fera entendre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="12"/>
        <source>Sample-memory editor for the ZYLOX 515 drum machine.</source>
        <translation>Éditeur de la mémoire d’échantillons de la boîte à rythmes ZYLOX 515.</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="15"/>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="15"/>
        <source>A bank file to open, as File → Open… opens it.</source>
        <translation>Un fichier de banques à ouvrir, comme Fichier → Ouvrir… l’ouvre.</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="16"/>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
    <message>
        <location filename="../app/window/CommandLine.cpp" line="31"/>
        <source>opens one bank file at a time; not opened: %1</source>
        <translation>n’ouvre qu’un fichier de banques à la fois&#xa0;; non ouverts&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ContentImport</name>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="16"/>
        <source>“%1”</source>
        <extracomment>A file&apos;s name in quotes</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="29"/>
        <source>%1 could not be read.</source>
        <translation>%1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="42"/>
        <source>%1 is not a sound file this editor decodes (%2). Load its bytes into the slot as raw 8-bit device data?</source>
        <translation>%1 n’est pas un fichier son que cet éditeur sait décoder (%2). Charger ses octets dans l’emplacement comme données brutes 8&#xa0;bits de l’appareil&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="47"/>
        <source>Not a Sound</source>
        <translation>Pas un son</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="49"/>
        <location filename="../app/banks/ContentImport.cpp" line="74"/>
        <source>Load Raw</source>
        <translation>Charger brut</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="50"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="62"/>
        <source> Open it with Open… to load its banks.</source>
        <translation> Ouvrez-le avec «&#xa0;Ouvrir…&#xa0;» pour charger ses banques.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="63"/>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="70"/>
        <source>%1 could not be decoded: %2.</source>
        <translation>%1 n’a pas pu être décodé&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="71"/>
        <source>ZYLOX 515 Editor cannot decode the format of %1. It imports %2 sounds.</source>
        <translation>ZYLOX 515 Editor ne sait pas décoder le format de %1. Il importe les sons aux formats %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="74"/>
        <source>Wrong File Format</source>
        <translation>Format de fichier incorrect</translation>
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
        <translation>%1 ne contient aucun son.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="92"/>
        <source>%1 cannot fill the slot: %2.</source>
        <translation>%1 ne peut pas remplir l’emplacement&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/ContentImport.cpp" line="111"/>
        <source>Import Failed</source>
        <translation>Échec de l’import</translation>
    </message>
</context>
<context>
    <name>ControllerList</name>
    <message>
        <location filename="../app/transfer/ControllerList.cpp" line="53"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location filename="../app/transfer/ControllerList.cpp" line="55"/>
        <source>%1 (disconnected)</source>
        <translation>%1 (déconnecté)</translation>
    </message>
</context>
<context>
    <name>DeviceContentsSaving</name>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="27"/>
        <source>Save &amp;Device Contents…</source>
        <translation>Enregistrer le contenu de l’&amp;appareil…</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="35"/>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="83"/>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="124"/>
        <source>Save Device Contents</source>
        <translation>Enregistrer le contenu de l’appareil</translation>
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
        <translation>Aucune banque de %1 n’est connue&#xa0;: une banque est connue dès qu’elle a été envoyée entièrement à l’appareil.</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="77"/>
        <source>%1 (known: %2)</source>
        <translation>%1 (connues&#xa0;: %2)</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="67"/>
        <source>No bank of any device is known: a bank is known once it has been sent to the device completely.</source>
        <translation>Aucune banque d’aucun appareil n’est connue&#xa0;: une banque est connue dès qu’elle a été envoyée entièrement à l’appareil.</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="81"/>
        <source>Save what is known of which device?</source>
        <translation>De quel appareil enregistrer le contenu connu&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="82"/>
        <source>No bank of %1 is known. Save what is known of which device?</source>
        <translation>Aucune banque de %1 n’est connue. De quel appareil enregistrer le contenu connu&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="109"/>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="129"/>
        <source>Device contents</source>
        <translation>Contenu de l’appareil</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="105"/>
        <source>%1 could not be saved (%2).</source>
        <translation>%1 n’a pas pu être enregistré (%2).</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="115"/>
        <source>Saved all banks of %1 to %2</source>
        <translation>Toutes les banques de %1 enregistrées dans %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="120"/>
        <source>Not known on %1: %2.
A bank file holds one bank or all 32: save the %n known bank(s) as one-bank files into a folder?</source>
        <translation>
            <numerusform>Inconnu sur %1&#xa0;: %2.
Un fichier de banques contient une banque ou les 32&#xa0;: enregistrer la banque connue comme fichier d’une banque dans un dossier&#xa0;?</numerusform>
            <numerusform>Inconnu sur %1&#xa0;: %2.
Un fichier de banques contient une banque ou les 32&#xa0;: enregistrer les %n banques connues comme fichiers d’une banque dans un dossier&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="137"/>
        <source>Saved %n bank(s) of %1 into %2</source>
        <translation>
            <numerusform>%n banque de %1 enregistrée dans %2</numerusform>
            <numerusform>%n banques de %1 enregistrées dans %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="125"/>
        <source>Save into Folder…</source>
        <translation>Enregistrer dans un dossier…</translation>
    </message>
    <message>
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="125"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="69"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/window/EditorWindow.cpp" line="153"/>
        <source> (%n more file(s) left out: the bank has no more slots)</source>
        <translation>
            <numerusform> (%n autre fichier laissé de côté&#xa0;: la banque n’a plus d’emplacement)</numerusform>
            <numerusform> (%n autres fichiers laissés de côté&#xa0;: la banque n’a plus d’emplacement)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="227"/>
        <source>Sto&amp;p</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="228"/>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.cpp" line="294"/>
        <source>quitting</source>
        <translation>de quitter</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="20"/>
        <source>ZYLOX 515 Editor</source>
        <translation>ZYLOX 515 Editor</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="34"/>
        <source>&amp;Banks</source>
        <translation>&amp;Banques</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="40"/>
        <source>Banks</source>
        <translation>Banques</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="96"/>
        <source>Current bank</source>
        <translation>Banque actuelle</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="105"/>
        <source>Bank &amp;name:</source>
        <translation>&amp;Nom de la banque&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="137"/>
        <location filename="../app/window/EditorWindow.ui" line="192"/>
        <location filename="../app/window/EditorWindow.ui" line="247"/>
        <location filename="../app/window/EditorWindow.ui" line="302"/>
        <location filename="../app/window/EditorWindow.ui" line="357"/>
        <location filename="../app/window/EditorWindow.ui" line="412"/>
        <source>Name of what this slot holds</source>
        <translation>Nom de ce que contient cet emplacement</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="147"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+1)</source>
        <translation>Importer un fichier son (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3…) ou des données brutes de l’appareil dans cet emplacement (Ctrl+1)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="150"/>
        <location filename="../app/window/EditorWindow.ui" line="205"/>
        <location filename="../app/window/EditorWindow.ui" line="260"/>
        <location filename="../app/window/EditorWindow.ui" line="315"/>
        <location filename="../app/window/EditorWindow.ui" line="370"/>
        <location filename="../app/window/EditorWindow.ui" line="425"/>
        <source>Import…</source>
        <translation>Importer…</translation>
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
        <translation>Écouter</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="202"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+2)</source>
        <translation>Importer un fichier son (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3…) ou des données brutes de l’appareil dans cet emplacement (Ctrl+2)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="208"/>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="257"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+3)</source>
        <translation>Importer un fichier son (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3…) ou des données brutes de l’appareil dans cet emplacement (Ctrl+3)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="263"/>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="312"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+4)</source>
        <translation>Importer un fichier son (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3…) ou des données brutes de l’appareil dans cet emplacement (Ctrl+4)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="318"/>
        <source>Ctrl+4</source>
        <translation>Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="367"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+5)</source>
        <translation>Importer un fichier son (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3…) ou des données brutes de l’appareil dans cet emplacement (Ctrl+5)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="373"/>
        <source>Ctrl+5</source>
        <translation>Ctrl+5</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="422"/>
        <source>Import a sound file (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3, ...) or raw device data into this slot (Ctrl+6)</source>
        <translation>Importer un fichier son (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3…) ou des données brutes de l’appareil dans cet emplacement (Ctrl+6)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="428"/>
        <source>Ctrl+6</source>
        <translation>Ctrl+6</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="483"/>
        <source>Open, save and send</source>
        <translation>Ouvrir, enregistrer et envoyer</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="524"/>
        <source>Open a bank file (.mid) holding this bank or all banks</source>
        <translation>Ouvrir un fichier de banques (.mid) contenant cette banque ou toutes les banques</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="527"/>
        <location filename="../app/window/EditorWindow.ui" line="788"/>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="534"/>
        <source>Save the banks into their bank file (.mid), with the banks it holds; Save As… (Ctrl+Shift+S) writes this bank or all banks to another</source>
        <translation>Enregistrer les banques dans leur fichier de banques (.mid), avec les banques qu’il contient&#xa0;; «&#xa0;Enregistrer sous…&#xa0;» (Ctrl+Maj+S) écrit cette banque ou toutes les banques dans un autre</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="537"/>
        <location filename="../app/window/EditorWindow.ui" line="796"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="458"/>
        <source>Give this bank back its factory name and sounds</source>
        <translation>Rendre à cette banque son nom et ses sons d’usine</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="468"/>
        <source>Bring this bank&apos;s sample slots to one loudness as the device plays them (Edit › Match Loudness…)</source>
        <translation>Amener les slots d&apos;échantillon de cette banque à une même sonie, telle que l&apos;appareil les joue (Édition › Égaliser la sonie…)</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="471"/>
        <source>Match Loudness…</source>
        <translation>Égaliser la sonie…</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="461"/>
        <source>&amp;Reset to Default</source>
        <translation>&amp;Réglages d’usine</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="492"/>
        <source>Banks:</source>
        <translation>Banques&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="504"/>
        <source>C&amp;urrent bank</source>
        <translation>Banque ac&amp;tuelle</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="517"/>
        <source>A&amp;ll banks</source>
        <translation>To&amp;utes les banques</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="553"/>
        <source>MIDI ou&amp;tput:</source>
        <translation>Sor&amp;tie MIDI&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="563"/>
        <source>MIDI output</source>
        <translation>Sortie MIDI</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="576"/>
        <source>&amp;Channel:</source>
        <translation>&amp;Canal&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="586"/>
        <source>MIDI channel</source>
        <translation>Canal MIDI</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="679"/>
        <source>Send the bank(s) to the ZYLOX 515 over MIDI</source>
        <translation>Envoyer la ou les banques au ZYLOX 515 par MIDI</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="682"/>
        <source>Sen&amp;d</source>
        <translation>Envo&amp;yer</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="689"/>
        <location filename="../app/window/EditorWindow.ui" line="705"/>
        <source>The MIDI controller whose notes play the pads</source>
        <translation>Le contrôleur MIDI dont les notes jouent les pads</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="692"/>
        <source>MIDI controller:</source>
        <translation>Contrôleur MIDI&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="702"/>
        <source>MIDI controller</source>
        <translation>Contrôleur MIDI</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="758"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="768"/>
        <source>&amp;MIDI</source>
        <translation>&amp;MIDI</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="778"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="807"/>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="812"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="815"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="823"/>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="831"/>
        <source>&amp;Receive</source>
        <translation>&amp;Recevoir</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="834"/>
        <source>the ZYLOX 515 cannot send its memory</source>
        <translation>le ZYLOX 515 ne peut pas envoyer sa mémoire</translation>
    </message>
    <message>
        <location filename="../app/window/EditorWindow.ui" line="839"/>
        <source>&amp;About ZYLOX 515 Editor</source>
        <translation>À &amp;propos de ZYLOX 515 Editor</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <location filename="../bytes/FileFailure.cpp" line="11"/>
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../bytes/FileFailure.cpp" line="17"/>
        <source>cannot be written</source>
        <translation>impossible à écrire</translation>
    </message>
</context>
<context>
    <name>FolderListing</name>
    <message>
        <location filename="../app/library/FolderListing.cpp" line="66"/>
        <source>Reading the folder…</source>
        <translation>Lecture du dossier…</translation>
    </message>
    <message>
        <location filename="../app/library/FolderListing.cpp" line="117"/>
        <source>Reading %1 of %2 files…</source>
        <translation>Lecture de %1 fichiers sur %2…</translation>
    </message>
    <message>
        <location filename="../app/library/FolderListing.cpp" line="121"/>
        <source>No sound files in this folder</source>
        <translation>Aucun fichier son dans ce dossier</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="126"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n son</numerusform>
            <numerusform>%n sons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="128"/>
        <source>, %n file(s) not sounds</source>
        <translation>
            <numerusform>, %n fichier qui n’est pas un son</numerusform>
            <numerusform>, %n fichiers qui ne sont pas des sons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="130"/>
        <source>, %n file(s) could not be read</source>
        <translation>
            <numerusform>, %n fichier n’a pas pu être lu</numerusform>
            <numerusform>, %n fichiers n’ont pas pu être lus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="132"/>
        <source>, %n name(s) not UTF-8</source>
        <translation>
            <numerusform>, %n nom hors UTF-8</numerusform>
            <numerusform>, %n noms hors UTF-8</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../app/window/HelpMenu.cpp" line="14"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../app/window/HelpMenu.cpp" line="16"/>
        <source>ZYLOX 515 Editor &amp;Manual</source>
        <translation>&amp;Manuel de ZYLOX 515 Editor</translation>
    </message>
</context>
<context>
    <name>ImportPreferences</name>
    <message>
        <location filename="../app/settings/ImportPreferences.cpp" line="25"/>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
</context>
<context>
    <name>ImportResult</name>
    <message>
        <location filename="../audio/ImportResult.cpp" line="21"/>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="34"/>
        <source>Clean</source>
        <translation>Propre</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="35"/>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="37"/>
        <source>, %1 of silence trimmed</source>
        <translation>, %1 de silence coupé</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="39"/>
        <source>, no silence to trim</source>
        <translation>, aucun silence à couper</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="41"/>
        <source>, normalised %1 dB</source>
        <translation>, normalisé %1&#xa0;dB</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="52"/>
        <source>nothing imported</source>
        <translation>rien d’importé</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="55"/>
        <source>System Exclusive message of %1 bytes into %2</source>
        <translation>message System Exclusive de %1&#xa0;octets dans %2</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="57"/>
        <source>System Exclusive message of %1 bytes</source>
        <translation>message System Exclusive de %1&#xa0;octets</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="63"/>
        <source>%1 bytes of raw device data</source>
        <translation>%1&#xa0;octets de données brutes de l’appareil</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="69"/>
        <source>, cut to %1 to fit %2</source>
        <translation>, coupé à %1 pour tenir dans %2</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="70"/>
        <source>, cut to %1</source>
        <translation>, coupé à %1</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="72"/>
        <source>, padded to %1 with silence</source>
        <translation>, complété de silence jusqu’à %1</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="74"/>
        <source>, fills %1 exactly</source>
        <translation>, remplit exactement %1</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="75"/>
        <source>, fills the slot exactly</source>
        <translation>, remplit exactement l’emplacement</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="80"/>
        <source> at %1 semitones</source>
        <extracomment>The pitch a fit chose, after what the import did: &quot; at +7.02 semitones&quot;</extracomment>
        <translation> à %1 demi-tons</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="86"/>
        <source>, stretched to %1 times its length</source>
        <extracomment>The length a fit by stretching gave the region, after what the import did: &quot;, stretched to 0.495 times its length&quot;</extracomment>
        <translation>, étiré à %1 fois sa longueur</translation>
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
        <translation>%1&#xa0;; le fichier est endommagé ou tronqué</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="105"/>
        <source>%1, which decodes it, is not installed</source>
        <extracomment>The library&apos;s file name, as a user installs it</extracomment>
        <translation>%1, qui le décode, n’est pas installé</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="107"/>
        <source>the file is damaged or cut short</source>
        <translation>le fichier est endommagé ou tronqué</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="109"/>
        <source>the region needs a pitch of %1 semitones to fill the slot; a fit reaches %2 to %3</source>
        <translation>la zone demanderait une hauteur de %1 demi-tons pour remplir l’emplacement&#xa0;; l’ajustement va de %2 à %3</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="114"/>
        <source>the region holds no sound to fit into the slot</source>
        <translation>la zone ne contient aucun son à ajuster dans l’emplacement</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="116"/>
        <source>the region needs stretching to %1 times its length to fill the slot; a stretch reaches %2 to %3 times</source>
        <translation>la zone devrait être étirée à %1 fois sa longueur pour remplir l’emplacement&#xa0;; l’étirement va de %2 à %3 fois</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="122"/>
        <source>%1, which stretches a sound keeping its pitch, is not installed</source>
        <extracomment>The library&apos;s file name, as a user installs it</extracomment>
        <translation>%1, qui étire un son en gardant sa hauteur, n’est pas installé</translation>
    </message>
    <message>
        <location filename="../audio/ImportResult.cpp" line="131"/>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then what its import did</extracomment>
        <translation>%1&#xa0;: %2</translation>
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
        <translation>Emplacement</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="45"/>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="57"/>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="60"/>
        <source>Play the file for %1</source>
        <translation>Écouter le fichier pour %1</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="66"/>
        <source>&amp;Match loudness</source>
        <translation>É&amp;galiser la sonie</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="68"/>
        <source>Bring the slots to the quietest one&apos;s loudness as the device plays them; a slot that would clip is held and named</source>
        <translation>Amène les emplacements à la sonie du plus faible, tels que l’appareil les joue ; un emplacement qui saturerait est retenu et nommé</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="91"/>
        <source>File for %1</source>
        <translation>Fichier pour %1</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="92"/>
        <source>Leave as it is</source>
        <translation>Laisser tel quel</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="141"/>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="153"/>
        <source>your choice</source>
        <translation>votre choix</translation>
    </message>
    <message>
        <location filename="../app/banks/KitDialog.cpp" line="153"/>
        <source>left as it is</source>
        <translation>laissé tel quel</translation>
    </message>
</context>
<context>
    <name>KitFilling</name>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="49"/>
        <source>Fill Bank from &amp;Folder…</source>
        <translation>Remplir la banque depuis un &amp;dossier…</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="51"/>
        <source>Fill Bank from Se&amp;lected Sounds…</source>
        <translation>Remplir la banque depuis les sons sé&amp;lectionnés…</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="79"/>
        <source>Select sound files in the sound browser first</source>
        <translation>Sélectionnez d’abord des fichiers son dans le navigateur de sons</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="116"/>
        <location filename="../app/banks/KitFilling.cpp" line="133"/>
        <location filename="../app/banks/KitFilling.cpp" line="188"/>
        <source>Not filled: %1</source>
        <translation>Non remplie : %1</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="117"/>
        <location filename="../app/banks/KitFilling.cpp" line="121"/>
        <source>Fill Bank from Folder</source>
        <translation>Remplir la banque depuis un dossier</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="136"/>
        <source>Fill Bank from Selected Sounds</source>
        <translation>Remplir la banque depuis les sons sélectionnés</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/banks/KitFilling.cpp" line="136"/>
        <source>%n selected file(s)</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="137"/>
        <source>filling of %1 from selected files</source>
        <translation>remplissage de %1 depuis des fichiers sélectionnés</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="143"/>
        <source>Reading the sound files of %1…</source>
        <translation>Lecture des fichiers son de %1…</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="159"/>
        <location filename="../app/banks/KitFilling.cpp" line="161"/>
        <source>Not filled: %1: %2</source>
        <translation>Non remplie : %1 : %2</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="187"/>
        <source>%1 could not be read.</source>
        <translation>%1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="196"/>
        <source>Not filled: every slot is left as it is.</source>
        <translation>Non remplie : chaque emplacement est laissé tel quel.</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="219"/>
        <source>Fill Bank</source>
        <translation>Remplir la banque</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="122"/>
        <source>filling of %1 from a folder</source>
        <translation>remplissage de %1 depuis un dossier</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="221"/>
        <source>Not filled: the bank did not take the sounds.</source>
        <translation>Non remplie : la banque n’a pas pris les sons.</translation>
    </message>
    <message>
        <location filename="../app/banks/KitFilling.cpp" line="223"/>
        <source>Filled %1 from %2: %3.</source>
        <translation>%1 remplie depuis %2 : %3.</translation>
    </message>
</context>
<context>
    <name>KitProposal</name>
    <message>
        <location filename="../model/KitProposal.cpp" line="116"/>
        <source>%1: not used: its name says no slot&apos;s word (as ohh, chh, clap, rim, crash or ride)</source>
        <translation>%1 : non utilisé : son nom ne désigne aucun slot (comme ohh, chh, clap, rim, crash ou ride)</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="124"/>
        <source>%1: not used: it is no sound file that can be read</source>
        <translation>%1 : non utilisé : ce n’est pas un fichier son lisible</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="143"/>
        <source>no sound file&apos;s name here says which slot it is for (as ohh, chh, clap, rim, crash or ride)</source>
        <translation>aucun nom de fichier son ici ne dit à quel slot il est destiné (comme ohh, chh, clap, rim, crash ou ride)</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="152"/>
        <source>the firmware bank&apos;s slots hold messages, not sounds: a kit fills a sound bank</source>
        <translation>les slots de la banque du firmware contiennent des messages, pas des sons : un kit remplit une banque de sons</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="164"/>
        <source>left as it is: no file&apos;s name says %1</source>
        <translation>laissé tel quel : aucun nom de fichier ne dit %1</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="166"/>
        <source>name says &apos;%1&apos;</source>
        <translation>le nom dit « %1 »</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="167"/>
        <source>name says &apos;%1&apos;; its first choice, %2, went to %3</source>
        <translation>le nom dit « %1 » ; son premier choix, %2, est allé à %3</translation>
    </message>
    <message>
        <location filename="../model/KitProposal.cpp" line="173"/>
        <source>%1: not used: its name says &apos;%2&apos;, and %3 went to %4</source>
        <translation>%1 : non utilisé : son nom dit « %2 », et %3 est allé à %4</translation>
    </message>
</context>
<context>
    <name>LibraryFilters</name>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="36"/>
        <source>Library folder</source>
        <translation>Dossier de la bibliothèque</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="37"/>
        <source>All folders</source>
        <translation>Tous les dossiers</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="79"/>
        <source>Length after the lead-in</source>
        <translation>Durée après le silence initial</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="80"/>
        <source>Any length</source>
        <translation>Toute durée</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="81"/>
        <source>Fits the selected slot</source>
        <translation>Tient dans l’emplacement sélectionné</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="83"/>
        <source>Up to %1</source>
        <translation>Jusqu’à %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="88"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="89"/>
        <source>Any format</source>
        <translation>Tout format</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="108"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="109"/>
        <source>Any channels</source>
        <translation>Tous canaux</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="112"/>
        <source>Rate</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="113"/>
        <source>Any rate</source>
        <translation>Toute fréquence</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="114"/>
        <source>%1 or less</source>
        <translation>%1 ou moins</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="117"/>
        <source>%1 or more</source>
        <translation>%1 ou plus</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="122"/>
        <source>Order</source>
        <translation>Ordre</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="123"/>
        <source>Best match first</source>
        <translation>Meilleures correspondances d’abord</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="124"/>
        <source>Shortest first</source>
        <translation>Les plus courts d’abord</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFilters.cpp" line="125"/>
        <source>Brightest first</source>
        <translation>Les plus brillants d’abord</translation>
    </message>
</context>
<context>
    <name>LibraryFolderList</name>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="26"/>
        <source>Library folders</source>
        <translation>Dossiers de la bibliothèque</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="29"/>
        <source>Add Folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="31"/>
        <source>Choose a folder to add to the library, with the folders in it</source>
        <translation>Choisir un dossier à ajouter à la bibliothèque, avec les dossiers qu’il contient</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="32"/>
        <source>Add Shown Folder</source>
        <translation>Ajouter le dossier affiché</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="34"/>
        <source>Add the folder the Folders tab shows, and the folders in it, to the library</source>
        <translation>Ajouter à la bibliothèque le dossier qu’affiche l’onglet Dossiers, avec les dossiers qu’il contient</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="35"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="37"/>
        <source>Take the selected folder out of the library; its files stay where they are</source>
        <translation>Retirer le dossier choisi de la bibliothèque&#xa0;; ses fichiers restent où ils sont</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="38"/>
        <source>Rescan</source>
        <translation>Relire</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="40"/>
        <source>Bring the library in step with its folders now</source>
        <translation>Mettre la bibliothèque à jour avec ses dossiers maintenant</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="63"/>
        <source>The library&apos;s folders could not be read: %1</source>
        <translation>Les dossiers de la bibliothèque n’ont pas pu être lus&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="81"/>
        <source>Add Folder to the Library</source>
        <translation>Ajouter un dossier à la bibliothèque</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="90"/>
        <source>Not added to the library: %1</source>
        <translation>Pas ajouté à la bibliothèque&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="93"/>
        <source>“%1” is in the library now: its sounds are being scanned</source>
        <translation>«&#xa0;%1&#xa0;» est maintenant dans la bibliothèque&#xa0;: ses sons sont parcourus</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryFolderList.cpp" line="105"/>
        <source>Not removed from the library: %1</source>
        <translation>Pas retiré de la bibliothèque&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LibraryFolders</name>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="14"/>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="17"/>
        <source>the folder %1 cannot be opened (%2)</source>
        <extracomment>A folder, then the system&apos;s reason it cannot be opened</extracomment>
        <translation>le dossier %1 ne peut pas être ouvert (%2)</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="19"/>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="21"/>
        <source>the folder %1 has a line break in its name, which the list of library folders cannot keep</source>
        <translation>le dossier %1 a un saut de ligne dans son nom, que la liste des dossiers de la bibliothèque ne peut pas conserver</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="25"/>
        <source>the folder %1 is already in the library</source>
        <translation>le dossier %1 est déjà dans la bibliothèque</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="28"/>
        <source>the folder %1 is already in the library, inside its folder %2</source>
        <extracomment>A folder, then the library folder it lies in</extracomment>
        <translation>le dossier %1 est déjà dans la bibliothèque, dans son dossier %2</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="32"/>
        <source>the folder %1 holds the library folder %2: remove that one first</source>
        <extracomment>A folder, then a library folder inside it, which the user removes before adding the larger one</extracomment>
        <translation>le dossier %1 contient le dossier de bibliothèque %2&#xa0;: retirez d’abord celui-ci</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="35"/>
        <source>the folder %1 is not in the library</source>
        <translation>le dossier %1 n’est pas dans la bibliothèque</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="37"/>
        <source>there is no place for the list of library folders: neither XDG_CONFIG_HOME nor HOME is set</source>
        <translation>la liste des dossiers de la bibliothèque n’a pas d’emplacement&#xa0;: ni XDG_CONFIG_HOME ni HOME n’est défini</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="41"/>
        <source>the list of library folders %1 could not be read (%2)</source>
        <extracomment>The file listing the library folders, then the system&apos;s reason</extracomment>
        <translation>la liste des dossiers de la bibliothèque %1 n’a pas pu être lue (%2)</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="43"/>
        <source>the list of library folders %1 is too large to be one</source>
        <translation>la liste des dossiers de la bibliothèque %1 est trop grande pour en être une</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryFoldersFailure.cpp" line="46"/>
        <source>the list of library folders %1 could not be written (%2)</source>
        <extracomment>The file listing the library folders, then why it could not be written</extracomment>
        <translation>la liste des dossiers de la bibliothèque %1 n’a pas pu être écrite (%2)</translation>
    </message>
</context>
<context>
    <name>LibraryPanel</name>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="69"/>
        <source>Search the sound library</source>
        <translation>Chercher dans la bibliothèque de sons</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="70"/>
        <source>Search the library (Ctrl+Shift+F)</source>
        <translation>Chercher dans la bibliothèque (Ctrl+Maj+F)</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="71"/>
        <source>Finds the sounds whose names or folders have words that start with each word typed; Down goes to the list</source>
        <translation>Trouve les sons dont le nom ou les dossiers ont des mots qui commencent par chaque mot tapé&#xa0;; Flèche bas passe à la liste</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="99"/>
        <source>Library sounds</source>
        <translation>Sons de la bibliothèque</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="163"/>
        <source>The library could not be searched: %1</source>
        <translation>La recherche dans la bibliothèque a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="235"/>
        <source>The library has no folders yet: press Add Folder… to choose one, or show one in the Folders tab and press Add Shown Folder</source>
        <translation>La bibliothèque n’a pas encore de dossier&#xa0;: appuyez sur «&#xa0;Ajouter un dossier…&#xa0;» pour en choisir un, ou affichez-en un dans l’onglet Dossiers et appuyez sur «&#xa0;Ajouter le dossier affiché&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryPanel.cpp" line="333"/>
        <source>“%1” is no longer in its folder</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus dans son dossier</translation>
    </message>
</context>
<context>
    <name>LibraryResultModel</name>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="180"/>
        <source>%1 after its lead-in</source>
        <translation>%1 après le silence initial</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="183"/>
        <source>Integrated loudness (EBU R128)</source>
        <translation>Sonie intégrée (EBU R128)</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="185"/>
        <source>Silence before the sound starts</source>
        <translation>Silence avant le début du son</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="199"/>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="203"/>
        <source>Loudness</source>
        <translation>Sonie</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="205"/>
        <source>Lead-in</source>
        <translation>Silence initial</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="229"/>
        <location filename="../app/library/LibraryResultModel.cpp" line="246"/>
        <source>silent</source>
        <translation>silencieux</translation>
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
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="44"/>
        <source>%1 files could not be read</source>
        <comment>%1 file could not be read</comment>
        <translation>
            <numerusform>%1 fichier n’a pas pu être lu</numerusform>
            <numerusform>%1 fichiers n’ont pas pu être lus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="53"/>
        <source>%1 names not UTF-8</source>
        <comment>%1 name not UTF-8</comment>
        <extracomment>File names whose bytes are not UTF-8: they are kept, but searched by a stand-in</extracomment>
        <translation>
            <numerusform>%1 nom hors UTF-8</numerusform>
            <numerusform>%1 noms hors UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="64"/>
        <source>%1 library folders could not be read: %2</source>
        <comment>%1 library folder could not be read: %2</comment>
        <extracomment>How many library folders could not be listed, then their paths</extracomment>
        <translation>
            <numerusform>%1 dossier de la bibliothèque n’a pas pu être lu&#xa0;: %2</numerusform>
            <numerusform>%1 dossiers de la bibliothèque n’ont pas pu être lus&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="77"/>
        <source>The sound library is off: its index %1 could not be opened (%2)</source>
        <extracomment>The index file, then the system&apos;s or SQLite&apos;s reason</extracomment>
        <translation>La bibliothèque de sons est désactivée&#xa0;: son index %1 n’a pas pu être ouvert (%2)</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="85"/>
        <source>The sound library&apos;s index was locked by another program and is being made anew; the old file is kept as %1</source>
        <extracomment>The path the old index file was renamed to</extracomment>
        <translation>L’index de la bibliothèque de sons était verrouillé par un autre programme et est refait à neuf&#xa0;; l’ancien fichier est conservé sous %1</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="89"/>
        <source>The sound library&apos;s index was written by a newer version of this program and is being made anew; the old file is kept as %1</source>
        <translation>L’index de la bibliothèque de sons a été écrit par une version plus récente de ce programme et est refait à neuf&#xa0;; l’ancien fichier est conservé sous %1</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="93"/>
        <source>The sound library&apos;s index of an older version could not be brought up to date and is being made anew; the old file is kept as %1</source>
        <translation>L’index de la bibliothèque de sons d’une version plus ancienne n’a pas pu être mis à jour et est refait à neuf&#xa0;; l’ancien fichier est conservé sous %1</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="100"/>
        <source>The sound library&apos;s index was damaged and is being made anew; the old file is kept as %1</source>
        <translation>L’index de la bibliothèque de sons était endommagé et est refait à neuf&#xa0;; l’ancien fichier est conservé sous %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="108"/>
        <source>Scanning the sound library: %1 files</source>
        <comment>Scanning the sound library: %1 file</comment>
        <translation>
            <numerusform>Parcours de la bibliothèque de sons&#xa0;: %1 fichier</numerusform>
            <numerusform>Parcours de la bibliothèque de sons&#xa0;: %1 fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="120"/>
        <source>Sound library scan stopped at %1 files, %2 new, %3 changed, %4 removed</source>
        <comment>Sound library scan stopped at %1 file, %2 new, %3 changed, %4 removed</comment>
        <extracomment>Files found before the user stopped the scan, then how many were new, changed and gone</extracomment>
        <translation>
            <numerusform>Parcours de la bibliothèque de sons arrêté à %1 fichier, nouveaux&#xa0;: %2, modifiés&#xa0;: %3, retirés&#xa0;: %4</numerusform>
            <numerusform>Parcours de la bibliothèque de sons arrêté à %1 fichiers, nouveaux&#xa0;: %2, modifiés&#xa0;: %3, retirés&#xa0;: %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="126"/>
        <source>Sound library: %1 files, %2 new, %3 changed, %4 removed</source>
        <comment>Sound library: %1 file, %2 new, %3 changed, %4 removed</comment>
        <extracomment>Files found, then how many of them were new, changed, and how many were gone</extracomment>
        <translation>
            <numerusform>Bibliothèque de sons&#xa0;: %1 fichier, nouveaux&#xa0;: %2, modifiés&#xa0;: %3, retirés&#xa0;: %4</numerusform>
            <numerusform>Bibliothèque de sons&#xa0;: %1 fichiers, nouveaux&#xa0;: %2, modifiés&#xa0;: %3, retirés&#xa0;: %4</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="132"/>
        <source>the index could not be written (%1), so the scan stopped</source>
        <extracomment>SQLite&apos;s reason the index could not be written</extracomment>
        <translation>l’index n’a pas pu être écrit (%1), le parcours s’est donc arrêté</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LibraryWords.cpp" line="141"/>
        <source>the sound library&apos;s index could not be written (%1)</source>
        <extracomment>SQLite&apos;s reason</extracomment>
        <translation>l’index de la bibliothèque de sons n’a pas pu être écrit (%1)</translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="150"/>
        <source>%1 files are not sounds</source>
        <comment>%1 file is not a sound</comment>
        <extracomment>Files named as sounds that no decoder reads</extracomment>
        <translation>
            <numerusform>%1 fichier n’est pas un son</numerusform>
            <numerusform>%1 fichiers ne sont pas des sons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../soundlibrary/LibraryWords.cpp" line="154"/>
        <source>%1 files still to analyse</source>
        <comment>%1 file still to analyse</comment>
        <translation>
            <numerusform>%1 fichier reste à analyser</numerusform>
            <numerusform>%1 fichiers restent à analyser</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoudnessMatch</name>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="156"/>
        <source>held at %1 dB, %2 LU over the target: quieter would be silent</source>
        <translation>maintenu à %1 dB, %2 LU au-dessus de la cible : plus bas, il deviendrait silencieux</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="160"/>
        <source>held at %1 dB, %2 LU under the target: no file is kept to make it louder from</source>
        <translation>maintenu à %1 dB, %2 LU sous la cible : aucun fichier n&apos;est conservé pour le rendre plus fort</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="163"/>
        <source>held at %1 dB, %2 LU under the target: the gain goes no higher</source>
        <translation>maintenu à %1 dB, %2 LU sous la cible : le gain ne monte pas plus haut</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="165"/>
        <source>held at %1 dB, %2 LU under the target: louder would clip</source>
        <translation>maintenu à %1 dB, %2 LU sous la cible : plus fort, il écrêterait</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="173"/>
        <source>the firmware bank&apos;s slots hold messages, not sounds: only a sound bank&apos;s loudness is matched</source>
        <translation>les slots de la banque du firmware contiennent des messages, pas des sons : seule la sonie d&apos;une banque de sons est égalisée</translation>
    </message>
    <message>
        <location filename="../soundlibrary/LoudnessMatch.cpp" line="178"/>
        <source>gain %1 dB: %2 (was %3)</source>
        <translation>gain %1 dB : %2 (avant %3)</translation>
    </message>
</context>
<context>
    <name>LoudnessMatching</name>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="33"/>
        <source>Match &amp;Loudness…</source>
        <translation>Égaliser la &amp;sonie…</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="61"/>
        <location filename="../app/banks/LoudnessMatching.cpp" line="92"/>
        <source>Not matched: %1</source>
        <translation>Non égalisée : %1</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="95"/>
        <source>Not matched: every slot of %1 is silent.</source>
        <translation>Non égalisée : tous les slots de %1 sont silencieux.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="120"/>
        <source>%1 is at %2 already: %3.</source>
        <translation>%1 est déjà à %2 : %3.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="122"/>
        <source>Match Loudness</source>
        <translation>Égaliser la sonie</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="122"/>
        <source>loudness match of %1</source>
        <translation>égalisation de la sonie de %1</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="124"/>
        <source>Not matched: the bank did not take the sounds.</source>
        <translation>Non égalisée : la banque n&apos;a pas pris les sons.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessMatching.cpp" line="125"/>
        <source>Matched %1 to %2: %3.</source>
        <translation>%1 égalisée à %2 : %3.</translation>
    </message>
</context>
<context>
    <name>LoudnessTargetDialog</name>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="24"/>
        <source>Match Loudness</source>
        <translation>Égaliser la sonie</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="26"/>
        <source>Bring the sample slots of %1 to one loudness as the device plays them; a slot that would clip is held and named.</source>
        <translation>Amener les slots d&apos;échantillon de %1 à une même sonie, telle que l&apos;appareil les joue ; un slot qui écrêterait est maintenu et nommé.</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="31"/>
        <source>The &amp;quietest slot&apos;s loudness</source>
        <translation>La sonie du slot le plus &amp;faible</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="34"/>
        <source>&amp;Loudness:</source>
        <translation>&amp;Sonie :</translation>
    </message>
    <message>
        <location filename="../app/banks/LoudnessTargetDialog.cpp" line="38"/>
        <source>Target loudness in LUFS</source>
        <translation>Sonie cible en LUFS</translation>
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
        <translation>Manuel de ZYLOX 515 Editor</translation>
    </message>
    <message>
        <location filename="../app/window/ManualWindow.cpp" line="17"/>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
</context>
<context>
    <name>MessageSlotRefusal</name>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="29"/>
        <source>is a bank file, not a System Exclusive message</source>
        <translation>est un fichier de banques, pas un message System Exclusive</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="31"/>
        <source>holds no System Exclusive message</source>
        <translation>ne contient aucun message System Exclusive</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="33"/>
        <source>holds a System Exclusive message that is not in the ZYLOX 515&apos;s own form</source>
        <translation>contient un message System Exclusive qui n’est pas au format propre du ZYLOX 515</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="36"/>
        <source>holds a flash erase message, which would leave the block empty</source>
        <translation>contient un message d’effacement flash, qui laisserait le bloc vide</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="38"/>
        <source>holds a flash write for another flash block</source>
        <translation>contient une écriture flash pour un autre bloc flash</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="41"/>
        <source>holds the %1 message</source>
        <extracomment>The other firmware slot&apos;s label: &quot;holds the PRESETS message&quot;</extracomment>
        <translation>contient le message %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../model/MessageSlotRefusal.cpp" line="43"/>
        <source>holds a System Exclusive message of %1 bytes</source>
        <comment>holds a System Exclusive message of %1 byte</comment>
        <translation>
            <numerusform>contient un message System Exclusive de %1&#xa0;octet</numerusform>
            <numerusform>contient un message System Exclusive de %1&#xa0;octets</numerusform>
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
        <translation>%1&#xa0;; %2 prend le message %2, qui commence par %3, pour le bloc flash %4</translation>
    </message>
    <message>
        <location filename="../model/MessageSlotRefusal.cpp" line="84"/>
        <source>%1; %2 takes one ZYLOX 515 System Exclusive message of %3 to %4 bytes for flash block %5</source>
        <extracomment>What the file holds, then what the firmware slot takes</extracomment>
        <translation>%1&#xa0;; %2 prend un message System Exclusive du ZYLOX 515 de %3 à %4&#xa0;octets pour le bloc flash %5</translation>
    </message>
</context>
<context>
    <name>NameFilter</name>
    <message>
        <location filename="../app/library/NameFilter.cpp" line="24"/>
        <source>Filter the files by name</source>
        <translation>Filtrer les fichiers par nom</translation>
    </message>
    <message>
        <location filename="../app/library/NameFilter.cpp" line="25"/>
        <source>Filter by name (Ctrl+F)</source>
        <translation>Filtrer par nom (Ctrl+F)</translation>
    </message>
    <message>
        <location filename="../app/library/NameFilter.cpp" line="26"/>
        <source>Shows only the files whose names hold what is typed here; Down goes to the list</source>
        <translation>N’affiche que les fichiers dont le nom contient ce qui est tapé ici&#xa0;; Flèche bas passe à la liste</translation>
    </message>
</context>
<context>
    <name>NameRefusal</name>
    <message>
        <location filename="../model/NameRefusal.cpp" line="16"/>
        <source>holds a zero byte (U+0000), which would end the name in a bank file</source>
        <translation>contient un octet nul (U+0000), qui terminerait le nom dans un fichier de banques</translation>
    </message>
    <message>
        <location filename="../model/NameRefusal.cpp" line="21"/>
        <source>%1 bytes long; %2</source>
        <extracomment>The name&apos;s length, then how long a name may be</extracomment>
        <translation>%1&#xa0;octets de long&#xa0;; %2</translation>
    </message>
    <message>
        <location filename="../model/NameRefusal.cpp" line="27"/>
        <source>a bank or slot name holds at most %1 bytes of UTF-8, as a file&apos;s name does</source>
        <translation>un nom de banque ou d’emplacement tient en %1&#xa0;octets d’UTF-8 au plus, comme un nom de fichier</translation>
    </message>
</context>
<context>
    <name>OutputList</name>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="53"/>
        <source>%1 (disconnected)</source>
        <translation>%1 (déconnecté)</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="70"/>
        <source>%1 is disconnected: plug it in again or choose another output</source>
        <translation>%1 est déconnecté&#xa0;: rebranchez-le ou choisissez une autre sortie</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="77"/>
        <source>no MIDI system (the ALSA sequencer is not available: is the snd-seq module loaded?)</source>
        <translation>aucun système MIDI (le séquenceur ALSA n’est pas disponible&#xa0;: le module snd-seq est-il chargé&#xa0;?)</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputList.cpp" line="79"/>
        <source>no MIDI output: plug in your interface</source>
        <translation>aucune sortie MIDI&#xa0;: branchez votre interface</translation>
    </message>
</context>
<context>
    <name>OutputSettings</name>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="21"/>
        <source>pieces of %1 bytes, no gap</source>
        <translation>morceaux de %1&#xa0;octets, sans pause</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="23"/>
        <source>pieces of %1 bytes, %2 ms after each</source>
        <translation>morceaux de %1&#xa0;octets, %2&#xa0;ms après chacun</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="36"/>
        <source>&amp;Output Settings…</source>
        <translation>Réglages de la &amp;sortie…</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="60"/>
        <location filename="../app/transfer/OutputSettings.cpp" line="84"/>
        <source>Output Settings</source>
        <translation>Réglages de la sortie</translation>
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
        <translation>Les réglages de la sortie n’ont pas été modifiés&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettings.cpp" line="88"/>
        <source>Output settings of %1: %2</source>
        <translation>Réglages de la sortie %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>OutputSettingsDialog</name>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="13"/>
        <source>Output Settings</source>
        <translation>Réglages de la sortie</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="18"/>
        <source> bytes</source>
        <translation>&#xa0;octets</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="23"/>
        <source> ms</source>
        <translation>&#xa0;ms</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="26"/>
        <source>How messages go to %1. Some USB MIDI interfaces drop bytes of long messages: smaller pieces with a gap after each bring them through, at the cost of a longer send. 256 bytes and no gap keep to the wire&apos;s own pace.</source>
        <translation>Comment les messages vont à %1. Certaines interfaces MIDI USB perdent des octets des longs messages&#xa0;: des morceaux plus petits, avec une pause après chacun, les font passer, au prix d’un envoi plus long. 256&#xa0;octets sans pause suivent le rythme propre du câble.</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="32"/>
        <source>Largest &amp;piece:</source>
        <translation>&amp;Plus grand morceau&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/transfer/OutputSettingsDialog.cpp" line="34"/>
        <source>&amp;Gap after each piece:</source>
        <translation>Pa&amp;use après chaque morceau&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PadTeaching</name>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="34"/>
        <source>&amp;Teach a Pad</source>
        <translation>&amp;Apprendre une note à un pad</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="56"/>
        <source>Choose a MIDI controller first: a pad learns its note from it</source>
        <translation>Choisissez d’abord un contrôleur MIDI&#xa0;: un pad apprend sa note de lui</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="64"/>
        <source>Play the note for %1 on %2 (Escape cancels)</source>
        <translation>Jouez la note pour %1 sur %2 (Échap annule)</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="73"/>
        <source>%1 keeps its note</source>
        <translation>%1 garde sa note</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="83"/>
        <source>%1 now plays from note %2</source>
        <translation>%1 joue désormais sur la note %2</translation>
    </message>
    <message>
        <location filename="../app/transfer/PadTeaching.cpp" line="91"/>
        <source>%1 (note %2)</source>
        <translation>%1 (note %2)</translation>
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
        <translation>Pad %1, %2, joué par %3</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="143"/>
        <source>Play %1 (%2)</source>
        <translation>Jouer %1 (%2)</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="144"/>
        <source>The firmware bank holds no sounds to play as pads</source>
        <translation>La banque du firmware ne contient aucun son à jouer sur les pads</translation>
    </message>
    <message>
        <location filename="../app/banks/PadView.cpp" line="162"/>
        <location filename="../app/banks/PadView.cpp" line="183"/>
        <source>The pads cannot be heard: %1</source>
        <translation>Les pads ne peuvent pas être entendus&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PcmFormat</name>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="16"/>
        <source>16-bit</source>
        <translation>16 bits</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="16"/>
        <source>8-bit</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="17"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="18"/>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="19"/>
        <source>%1-channel</source>
        <translation>à %1 canaux</translation>
    </message>
    <message>
        <location filename="../playback/PcmFormat.cpp" line="21"/>
        <source>%1 %2 at %3 frames per second</source>
        <extracomment>A sound&apos;s sample width, its channels and its rate: &quot;16-bit stereo at 44100 frames per second&quot;</extracomment>
        <translation>un son %2 %1 à %3 trames par seconde</translation>
    </message>
</context>
<context>
    <name>PlaybackFailure</name>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="12"/>
        <source>the ALSA device &quot;%1&quot; cannot be opened (%2)</source>
        <translation>le périphérique ALSA «&#xa0;%1&#xa0;» ne peut pas être ouvert (%2)</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="14"/>
        <source>the ALSA device &quot;%1&quot; cannot play %2 (%3)</source>
        <translation>le périphérique ALSA «&#xa0;%1&#xa0;» ne peut pas lire %2 (%3)</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="17"/>
        <source>the ALSA device &quot;%1&quot; failed (%2)</source>
        <translation>le périphérique ALSA «&#xa0;%1&#xa0;» a échoué (%2)</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="19"/>
        <source>a sound of %1 channels cannot be played, only mono or stereo</source>
        <translation>un son à %1 canaux ne peut pas être lu, seulement en mono ou en stéréo</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="22"/>
        <source>a sound at %1 frames per second cannot be played, only at %2 to %3</source>
        <translation>un son à %1 trames par seconde ne peut pas être lu, seulement de %2 à %3</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="26"/>
        <source>the sound to play holds no frames</source>
        <translation>le son à lire ne contient aucune trame</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="28"/>
        <source>the sound to play ends in half a stereo frame</source>
        <translation>le son à lire se termine par une demi-trame stéréo</translation>
    </message>
    <message>
        <location filename="../playback/PlaybackFailure.cpp" line="35"/>
        <source>No sound output: %1</source>
        <translation>Pas de sortie son&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="16"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="20"/>
        <source>Classic: as slots have always been made</source>
        <translation>Classique&#xa0;: comme les emplacements ont toujours été faits</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="22"/>
        <source>Linear interpolation to 33,000 Hz and truncation to 8 bits. Sound above 16.5 kHz folds back into the slot as lower tones.</source>
        <translation>Interpolation linéaire à 33&#xa0;000&#xa0;Hz et troncature à 8&#xa0;bits. Le son au-dessus de 16,5&#xa0;kHz se replie dans l’emplacement en tons plus graves.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="25"/>
        <source>Clean: band-limited, for bright sounds</source>
        <translation>Propre&#xa0;: à bande limitée, pour les sons brillants</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="27"/>
        <source>Band-limited resampling and rounding to 8 bits. Hi-hats and cymbals keep their highs without folded tones.</source>
        <translation>Rééchantillonnage à bande limitée et arrondi à 8&#xa0;bits. Charleys et cymbales gardent leurs aigus sans tons repliés.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="31"/>
        <source>&amp;Normalise: raise the peak to full scale</source>
        <translation>&amp;Normaliser&#xa0;: porter la crête à pleine échelle</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="34"/>
        <source>&amp;Trim the silence before the sound</source>
        <translation>&amp;Couper le silence avant le son</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="38"/>
        <source>Con&amp;version:</source>
        <translation>Con&amp;version&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="40"/>
        <source>Raw files and System Exclusive messages are always imported as they are.</source>
        <translation>Les fichiers bruts et les messages System Exclusive sont toujours importés tels quels.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="42"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="49"/>
        <source>Open the &amp;last bank file again</source>
        <translation>Rouvrir le &amp;dernier fichier de banques</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="51"/>
        <source>The bank file last opened or saved as the one Save writes to. A bank file the editor is started with opens instead.</source>
        <translation>Le fichier de banques ouvert ou enregistré en dernier comme celui où écrit «&#xa0;Enregistrer&#xa0;». Un fichier de banques donné au démarrage de l’éditeur s’ouvre à sa place.</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="54"/>
        <source>Start</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="58"/>
        <source>The closed hi-hat &amp;cuts the open one</source>
        <translation>Le charleston &amp;fermé coupe le charleston ouvert</translation>
    </message>
    <message>
        <location filename="../app/settings/PreferencesDialog.cpp" line="60"/>
        <source>A hit of the CLOSED HI HAT pad ends the OPEN HI HAT&apos;s sound, as a drummer&apos;s foot closes the hats.</source>
        <translation>Un coup sur le pad CLOSED HI HAT arrête le son de OPEN HI HAT, comme le pied du batteur referme le charleston.</translation>
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
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../app/common/Dialogs.cpp" line="24"/>
        <source>Bank files (%1)</source>
        <translation>Fichiers de banques (%1)</translation>
    </message>
    <message>
        <location filename="../app/common/Dialogs.cpp" line="25"/>
        <source>Sounds (%1)</source>
        <translation>Sons (%1)</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="29"/>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="35"/>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="70"/>
        <source>Not opened: %1 is no longer there; it has left Open Recent</source>
        <translation>Non ouvert&#xa0;: %1 n’existe plus&#xa0;; il a été retiré des fichiers récents</translation>
    </message>
</context>
<context>
    <name>RecordFailure</name>
    <message>
        <location filename="../midiio/record/RecordFailure.cpp" line="12"/>
        <source>the copy of the device&apos;s contents %1 could not be written (%2)</source>
        <extracomment>The file that keeps a copy of what the device holds, then why it could not be written</extracomment>
        <translation>la copie du contenu de l’appareil %1 n’a pas pu être écrite (%2)</translation>
    </message>
    <message>
        <location filename="../midiio/record/RecordFailure.cpp" line="16"/>
        <source>the device&apos;s lock %1 could not be opened (%2)</source>
        <extracomment>The file that senders to the device lock, then why it could not be opened</extracomment>
        <translation>le verrou de l’appareil %1 n’a pas pu être ouvert (%2)</translation>
    </message>
    <message>
        <location filename="../midiio/record/RecordFailure.cpp" line="19"/>
        <source>the device record %1 could not be written (%2)</source>
        <extracomment>The device record&apos;s file, then why it could not be written</extracomment>
        <translation>le registre de l’appareil %1 n’a pas pu être écrit (%2)</translation>
    </message>
</context>
<context>
    <name>RecordHandoverPrompt</name>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="20"/>
        <source>%1 has no device record yet.
Is this the same ZYLOX 515 as the one last sent to through %2?
If it is, that device&apos;s record (what it was sent, where a stopped send resumes, its output settings) moves to this socket; if not, each keeps a record of its own.</source>
        <translation>Aucun registre d’appareil n’existe encore pour %1.
Est-ce le même ZYLOX 515 que celui qui a reçu les derniers envois par %2&#xa0;?
Si oui, son registre (ce qu’il a reçu, où reprend un envoi arrêté, ses réglages de sortie) passe à cette prise&#xa0;; sinon, chacun garde son propre registre.</translation>
    </message>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="25"/>
        <source>Same Device?</source>
        <translation>Même appareil&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="27"/>
        <source>Same Device</source>
        <translation>Même appareil</translation>
    </message>
    <message>
        <location filename="../app/transfer/RecordHandoverPrompt.cpp" line="28"/>
        <source>Another Device</source>
        <translation>Un autre appareil</translation>
    </message>
</context>
<context>
    <name>RegionFields</name>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="29"/>
        <source>Start</source>
        <translation>Début</translation>
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
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="32"/>
        <source>Seconds into the source where the window starts; the window keeps its length</source>
        <translation>Secondes de la source où commence la fenêtre&#xa0;; la fenêtre garde sa longueur</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="33"/>
        <source>Seconds into the source where the window ends; no further than the slot holds</source>
        <translation>Secondes de la source où finit la fenêtre&#xa0;; pas plus loin que ce que l’emplacement contient</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="34"/>
        <source>S&amp;tart:</source>
        <translation>&amp;Début&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/RegionFields.cpp" line="36"/>
        <source>&amp;End:</source>
        <translation>F&amp;in&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SendChoice</name>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="59"/>
        <source>Send Bank</source>
        <translation>Envoyer la banque</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="60"/>
        <source>%1: the %2 differs from what this device was last sent; the other is as it was sent.

This program keeps its own record of what it sent; it cannot see the device. If the device was changed by other means since, send the whole bank.</source>
        <translation>%1&#xa0;: le %2 diffère de ce qui a été envoyé à cet appareil la dernière fois&#xa0;; l’autre est tel qu’il a été envoyé.

Ce programme tient son propre registre de ce qu’il a envoyé&#xa0;; il ne voit pas l’appareil. Si l’appareil a été modifié autrement depuis, envoyez la banque entière.</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="65"/>
        <source>Send 1 Changed Block (%1)</source>
        <translation>Envoyer le bloc modifié (%1)</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="65"/>
        <location filename="../app/transfer/SendChoice.cpp" line="86"/>
        <location filename="../app/transfer/SendChoice.cpp" line="100"/>
        <location filename="../app/transfer/SendChoice.cpp" line="120"/>
        <location filename="../app/transfer/SendChoice.cpp" line="122"/>
        <location filename="../app/transfer/SendChoice.cpp" line="140"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="66"/>
        <source>Send Whole Bank (%1)</source>
        <translation>Envoyer la banque entière (%1)</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="79"/>
        <location filename="../app/transfer/SendChoice.cpp" line="98"/>
        <location filename="../app/transfer/SendChoice.cpp" line="120"/>
        <location filename="../app/transfer/SendChoice.cpp" line="121"/>
        <source>Send All Banks</source>
        <translation>Envoyer toutes les banques</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="80"/>
        <source>The last transmission of all banks to this device did not finish: %n banks are left, starting with %1 (about %2).
Send the banks that are left, or all 32 banks again?</source>
        <translation>
            <numerusform>La dernière transmission de toutes les banques à cet appareil ne s’est pas terminée&#xa0;: il reste %n banque, %1 (environ %2).
Envoyer la banque restante, ou de nouveau les 32 banques&#xa0;?</numerusform>
            <numerusform>La dernière transmission de toutes les banques à cet appareil ne s’est pas terminée&#xa0;: il reste %n banques, à partir de %1 (environ %2).
Envoyer les banques restantes, ou de nouveau les 32 banques&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="86"/>
        <source>Send %n Left</source>
        <translation>
            <numerusform>Envoyer la restante</numerusform>
            <numerusform>Envoyer les %n restantes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="86"/>
        <location filename="../app/transfer/SendChoice.cpp" line="120"/>
        <location filename="../app/transfer/SendChoice.cpp" line="122"/>
        <source>Send All 32</source>
        <translation>Envoyer les 32</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="99"/>
        <source>The sending of all banks take over 50 Minutes.
Do you want to really transmit?</source>
        <translation>L’envoi de toutes les banques prend plus de 50&#xa0;minutes.
Voulez-vous vraiment transmettre&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="100"/>
        <source>Transmit</source>
        <translation>Transmettre</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="106"/>
        <source>All 32 banks are as this device was last sent them.</source>
        <translation>Les 32 banques sont telles qu’elles ont été envoyées à cet appareil la dernière fois.</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="107"/>
        <source>%n of the 32 banks differ from what this device was last sent (%1): sending them takes about %2.</source>
        <translation>
            <numerusform>%n des 32 banques diffère de ce qui a été envoyé à cet appareil la dernière fois (%1)&#xa0;: l’envoyer prend environ %2.</numerusform>
            <numerusform>%n des 32 banques diffèrent de ce qui a été envoyé à cet appareil la dernière fois (%1)&#xa0;: les envoyer prend environ %2.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="113"/>
        <source>
All 32 banks take about %1.

This program keeps its own record of what it sent; it cannot see the device. If the device was changed by other means since, send all banks.</source>
        <translation>
Les 32 banques prennent environ %1.

Ce programme tient son propre registre de ce qu’il a envoyé&#xa0;; il ne voit pas l’appareil. Si l’appareil a été modifié autrement depuis, envoyez toutes les banques.</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="122"/>
        <source>Send %n Changed</source>
        <translation>
            <numerusform>Envoyer la modifiée</numerusform>
            <numerusform>Envoyer les %n modifiées</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="137"/>
        <source>Send Firmware</source>
        <translation>Envoyer le firmware</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="138"/>
        <source>Also rewrite the device&apos;s operating system (block 63)?

The presets are sent either way. Rewrite the operating system only to change it: if its write is cut, the device may not start.</source>
        <translation>Réécrire aussi le système d’exploitation de l’appareil (bloc 63)&#xa0;?

Les presets sont envoyés dans tous les cas. Ne réécrivez le système d’exploitation que pour le changer&#xa0;: si son écriture est interrompue, l’appareil risque de ne plus démarrer.</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="140"/>
        <source>Leave It Alone</source>
        <translation>Ne pas y toucher</translation>
    </message>
    <message>
        <location filename="../app/transfer/SendChoice.cpp" line="140"/>
        <source>Rewrite It</source>
        <translation>Le réécrire</translation>
    </message>
</context>
<context>
    <name>SenderLock</name>
    <message>
        <location filename="../midiio/record/SenderLock.cpp" line="179"/>
        <source>%1 is being sent to by another program</source>
        <translation>un autre programme envoie en ce moment à %1</translation>
    </message>
    <message>
        <location filename="../midiio/record/SenderLock.cpp" line="181"/>
        <source>%1 is being sent to by %2, process %3</source>
        <extracomment>The device, then the program sending to it and that program&apos;s process id</extracomment>
        <translation>%2 (processus %3) envoie en ce moment à %1</translation>
    </message>
</context>
<context>
    <name>ShapeControls</name>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="54"/>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="54"/>
        <source>Clean</source>
        <translation>Propre</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="55"/>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="55"/>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="55"/>
        <source>Minimum</source>
        <translation>Minimale</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="56"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="56"/>
        <source>Triangular (TPDF)</source>
        <translation>Triangulaire (TPDF)</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="56"/>
        <source>Noise-shaped</source>
        <translation>Mise en forme du bruit</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="57"/>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="58"/>
        <source>Limit to</source>
        <translation>Limiter à</translation>
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
        <translation>Normaliser</translation>
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
        <translation>Inverser</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="64"/>
        <source>semitones</source>
        <translation>demi-tons</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="65"/>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="66"/>
        <source>by pitch</source>
        <translation>par la hauteur</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="66"/>
        <source>by stretching</source>
        <translation>par étirement</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Mix</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="67"/>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="68"/>
        <source>Remove DC offset</source>
        <translation>Supprimer la composante continue</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="69"/>
        <source>Trim silence below</source>
        <translation>Couper le silence sous</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="73"/>
        <source>Makes the whole window fill the slot</source>
        <translation>Fait remplir l’emplacement par toute la fenêtre</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="74"/>
        <source>By pitch the device plays the window higher or lower; by stretching it keeps its pitch and is made shorter or longer</source>
        <translation>Par la hauteur, l’appareil joue la fenêtre plus haut ou plus bas&#xa0;; par étirement, elle garde sa hauteur et devient plus courte ou plus longue</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="78"/>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="79"/>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="80"/>
        <source>Fade in</source>
        <translation>Fondu d’entrée</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="81"/>
        <source>Fade out</source>
        <translation>Fondu de sortie</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="82"/>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="83"/>
        <source>Fit by</source>
        <translation>Ajuster par</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="84"/>
        <source>Trim threshold</source>
        <translation>Seuil de coupe</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="89"/>
        <source>Gain:</source>
        <translation>Gain&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="91"/>
        <source>Fade in:</source>
        <translation>Fondu d’entrée&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="92"/>
        <source>Fade out:</source>
        <translation>Fondu de sortie&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="93"/>
        <source>Pitch:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="94"/>
        <source>Channels:</source>
        <translation>Canaux&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="96"/>
        <source>Conversion:</source>
        <translation>Conversion&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="97"/>
        <source>Filter phase:</source>
        <translation>Phase du filtre&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="98"/>
        <source>Dither:</source>
        <translation>Dither&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/sounds/ShapeControls.cpp" line="190"/>
        <source>no fit</source>
        <translation>pas d’ajustement</translation>
    </message>
</context>
<context>
    <name>ShapeSidecar</name>
    <message>
        <location filename="../app/files/ShapeSidecar.cpp" line="82"/>
        <source>could not remove %1</source>
        <translation>impossible de supprimer %1</translation>
    </message>
</context>
<context>
    <name>ShortcutsWindow</name>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="42"/>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="45"/>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="46"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="46"/>
        <source>What they do</source>
        <translation>Ce qu’elles font</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="60"/>
        <location filename="../app/window/ShortcutsWindow.cpp" line="62"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="61"/>
        <source>Import a sound into slot 1 to 6 of the selected bank</source>
        <translation>Importer un son dans l’emplacement 1 à 6 de la banque sélectionnée</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="66"/>
        <source>Open the selected slot&apos;s sound panel</source>
        <translation>Ouvrir le panneau de son de l’emplacement sélectionné</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="67"/>
        <source>With a slot&apos;s waveform focused: select the slot above or below</source>
        <translation>Forme d’onde d’un emplacement active&#xa0;: sélectionner l’emplacement au-dessus ou au-dessous</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="65"/>
        <source>Play the selected slot, or stop it; in the sound browser&apos;s lists, the selected file</source>
        <translation>Écouter l’emplacement sélectionné, ou l’arrêter&#xa0;; dans les listes du navigateur de sons, le fichier sélectionné</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="63"/>
        <source>With the pads shown: play pad 1 to 6, a slot of the bank on show</source>
        <translation>Pads affichés&#xa0;: jouer le pad 1 à 6, un emplacement de la banque affichée</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="69"/>
        <source>With a slot&apos;s waveform focused: open its sound panel; in the sound browser&apos;s lists: import the selected files from the selected slot on</source>
        <translation>Forme d’onde d’un emplacement active&#xa0;: ouvrir son panneau de son&#xa0;; dans les listes du navigateur de sons&#xa0;: importer les fichiers sélectionnés à partir de l’emplacement sélectionné</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="71"/>
        <source>S05, 5, FW</source>
        <translation>S05, 5, FW</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="71"/>
        <source>Typed in the bank table: select that bank</source>
        <translation>Tapé dans le tableau des banques&#xa0;: sélectionner cette banque</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="72"/>
        <source>Go to the sound browser&apos;s filter over the names of the files listed</source>
        <translation>Aller au filtre du navigateur de sons sur les noms des fichiers affichés</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="73"/>
        <source>Go to the search field of the sound browser&apos;s library</source>
        <translation>Aller au champ de recherche de la bibliothèque du navigateur de sons</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="74"/>
        <source>kick</source>
        <translation>kick</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="74"/>
        <source>Typed in the sound browser&apos;s list: select the file whose name starts so</source>
        <translation>Tapé dans la liste du navigateur de sons&#xa0;: sélectionner le fichier dont le nom commence ainsi</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="75"/>
        <source>In the sound panel, with the source focused: move the window (with Shift, further)</source>
        <translation>Dans le panneau de son, la source active&#xa0;: déplacer la fenêtre (avec Maj, plus loin)</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="78"/>
        <source>In the sound panel, with the source focused: move the window to the source&apos;s start</source>
        <translation>Dans le panneau de son, la source active&#xa0;: placer la fenêtre au début de la source</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="79"/>
        <source>In the sound panel: Apply, Cancel</source>
        <translation>Dans le panneau de son&#xa0;: Appliquer, Annuler</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="80"/>
        <source>While a pad waits for its note from the MIDI controller: stop waiting</source>
        <translation>Pendant qu’un pad attend sa note du contrôleur MIDI&#xa0;: ne plus attendre</translation>
    </message>
    <message>
        <location filename="../app/window/ShortcutsWindow.cpp" line="81"/>
        <source>In the favourite folders: remove the selected folder</source>
        <translation>Dans les dossiers favoris&#xa0;: retirer le dossier sélectionné</translation>
    </message>
</context>
<context>
    <name>SlotAdvice</name>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="28"/>
        <source>the side of a mono sound is silence</source>
        <translation>le côté d’un son mono est du silence</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="29"/>
        <source>the side of this sound is silence: its left and right are the same</source>
        <translation>le côté de ce son est du silence&#xa0;: sa gauche et sa droite sont identiques</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="31"/>
        <source>the left channel holds no sound above %1 dBFS</source>
        <translation>le canal gauche ne contient aucun son au-dessus de %1&#xa0;dBFS</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="36"/>
        <source>the right channel holds no sound above %1 dBFS</source>
        <translation>le canal droit ne contient aucun son au-dessus de %1&#xa0;dBFS</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="50"/>
        <source>the next sound starts at %1 s</source>
        <translation>le son suivant commence à %1 s</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="52"/>
        <source>there is no sound after %1 s; the sound starts at %2 s</source>
        <translation>aucun son après %1 s&#xa0;; le son commence à %2 s</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="61"/>
        <source>no sound above %1 dBFS lies near %2 s</source>
        <translation>aucun son au-dessus de %1&#xa0;dBFS près de %2 s</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="63"/>
        <source>the source holds no sound above %1 dBFS</source>
        <translation>la source ne contient aucun son au-dessus de %1&#xa0;dBFS</translation>
    </message>
    <message>
        <location filename="../audio/AdviceFact.cpp" line="77"/>
        <source>the hit starts at %1 s of %2 s</source>
        <translation>la frappe commence à %1 s sur %2 s</translation>
    </message>
</context>
<context>
    <name>SlotCopying</name>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="25"/>
        <source>&amp;Copy Sound</source>
        <translation>&amp;Copier le son</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="28"/>
        <source>&amp;Paste Sound</source>
        <translation>C&amp;oller le son</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="31"/>
        <source>S&amp;wap Sounds</source>
        <translation>&amp;Échanger les sons</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="64"/>
        <source>The firmware bank&apos;s slots hold messages, not sounds: only a sample slot&apos;s sound is copied, pasted or swapped</source>
        <translation>Les slots de la banque du firmware contiennent des messages, pas des sons : seul le son d’un slot d’échantillon se copie, se colle ou s’échange</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="115"/>
        <source>Copied the sound of %1</source>
        <translation>Son de %1 copié</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="124"/>
        <source>Not pasted: copy a slot&apos;s sound first (Edit → Copy Sound)</source>
        <translation>Non collé : copiez d’abord le son d’un slot (Édition → Copier le son)</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="125"/>
        <source>Paste Sound</source>
        <translation>Coller le son</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="125"/>
        <source>paste into %1</source>
        <translation>collage dans %1</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="126"/>
        <source>Pasted the sound copied from %1 into %2.</source>
        <translation>Son copié de %1 collé dans %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="136"/>
        <source>Not swapped: copy another slot first, then swap it with this one</source>
        <translation>Non échangé : copiez d’abord un autre slot, puis échangez-le avec celui-ci</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="138"/>
        <source>Swap Sounds</source>
        <translation>Échanger les sons</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="138"/>
        <source>swap of %1 and %2</source>
        <translation>échange de %1 et %2</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="139"/>
        <source>Swapped the sounds of %1 and %2.</source>
        <translation>Sons de %1 et %2 échangés.</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="153"/>
        <source>Copy Sound</source>
        <translation>Copier le son</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="153"/>
        <source>copy of %1 into %2</source>
        <translation>copie de %1 dans %2</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="154"/>
        <source>Copied the sound of %1 into %2.</source>
        <translation>Son de %1 copié dans %2.</translation>
    </message>
    <message>
        <location filename="../app/banks/SlotCopying.cpp" line="166"/>
        <source>Not done: the bank did not take the sound.</source>
        <translation>Non fait : la banque n’a pas pris le son.</translation>
    </message>
</context>
<context>
    <name>SlotLoudness</name>
    <message>
        <location filename="../soundlibrary/SlotLoudness.cpp" line="41"/>
        <source>silent</source>
        <translation>silencieux</translation>
    </message>
    <message>
        <location filename="../soundlibrary/SlotLoudness.cpp" line="42"/>
        <source>%1 LUFS</source>
        <translation>%1 LUFS</translation>
    </message>
    <message>
        <location filename="../soundlibrary/SlotLoudness.cpp" line="47"/>
        <source>%1, which measures loudness, is not installed</source>
        <translation>%1, qui mesure la sonie, n’est pas installée</translation>
    </message>
</context>
<context>
    <name>SlotLoudnessColumn</name>
    <message>
        <location filename="../app/sounds/SlotLoudnessColumn.cpp" line="29"/>
        <source>How loud the device plays this slot: EBU R128 integrated loudness of its 8-bit sound, in LUFS</source>
        <translation>La sonie à laquelle l&apos;appareil joue ce slot : sonie intégrée EBU R128 de son son 8 bits, en LUFS</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotLoudnessColumn.cpp" line="78"/>
        <source>being measured</source>
        <translation>en cours de mesure</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotLoudnessColumn.cpp" line="80"/>
        <source>Loudness of slot %1, %2: %3</source>
        <translation>Sonie du slot %1, %2 : %3</translation>
    </message>
</context>
<context>
    <name>SlotPlayer</name>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="55"/>
        <source>Play this slot as the ZYLOX 515 sounds it (Space plays the selected slot)</source>
        <translation>Écouter cet emplacement tel que le ZYLOX 515 le joue (Espace joue l’emplacement sélectionné)</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="56"/>
        <source>A firmware slot holds no sound</source>
        <translation>Un emplacement de firmware ne contient aucun son</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="72"/>
        <source>Playing &quot;%1&quot;</source>
        <translation>Écoute de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="99"/>
        <source>Could not play &quot;%1&quot;: %2</source>
        <translation>Impossible d’écouter «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="106"/>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotPlayer.cpp" line="106"/>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
</context>
<context>
    <name>SlotSoundDescription</name>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="16"/>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="25"/>
        <source>%1: no sound</source>
        <translation>%1&#xa0;: aucun son</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="28"/>
        <source>%1: %2 of silence</source>
        <translation>%1&#xa0;: %2 de silence</translation>
    </message>
    <message>
        <location filename="../app/sounds/SlotSoundDescription.cpp" line="33"/>
        <source>%1: %2 of sound, peak %3 dBFS, %4 of silence</source>
        <translation>%1&#xa0;: %2 de son, crête %3&#xa0;dBFS, %4 de silence</translation>
    </message>
</context>
<context>
    <name>SoundBrowser</name>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="98"/>
        <source>Sound Browser</source>
        <translation>Navigateur de sons</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="104"/>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="105"/>
        <source>The folder listed: type another and press Enter to go there</source>
        <translation>Le dossier affiché&#xa0;: saisissez-en un autre et appuyez sur Entrée pour y aller</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="109"/>
        <source>Favourite folders</source>
        <translation>Dossiers favoris</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="111"/>
        <source>&amp;Add Folder</source>
        <translation>&amp;Ajouter le dossier</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="113"/>
        <source>Keep the folder listed among the favourites</source>
        <translation>Garder le dossier affiché parmi les favoris</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="115"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="117"/>
        <source>Take the selected folder off the favourites</source>
        <translation>Retirer le dossier choisi des favoris</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="131"/>
        <source>Play as the device sounds</source>
        <translation>Lire comme l’appareil</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="133"/>
        <source>Space and the play controls play a file as the device will sound it (8-bit, 33 kHz, the default shape); otherwise as it is</source>
        <translation>Espace et les boutons de lecture lisent un fichier tel que l’appareil le fera entendre (8 bits, 33 kHz, la forme par défaut)&#xa0;; sinon tel qu’il est</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="139"/>
        <source>Favourites:</source>
        <translation>Favoris&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="148"/>
        <source>Sound browser</source>
        <translation>Navigateur de sons</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="149"/>
        <location filename="../app/library/SoundBrowser.cpp" line="168"/>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="150"/>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="183"/>
        <source>Sound files</source>
        <translation>Fichiers son</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="217"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="221"/>
        <source>Sound &amp;Browser</source>
        <translation>&amp;Navigateur de sons</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="277"/>
        <source>No folder “%1”: the browser stays in “%2”</source>
        <translation>Pas de dossier «&#xa0;%1&#xa0;»&#xa0;: le navigateur reste dans «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location filename="../app/library/SoundBrowser.cpp" line="367"/>
        <source>“%1” is no longer in the folder</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus dans le dossier</translation>
    </message>
</context>
<context>
    <name>SoundFileModel</name>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="170"/>
        <location filename="../app/library/SoundFileModel.cpp" line="265"/>
        <source>Stop (Space)</source>
        <translation>Arrêter (Espace)</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="150"/>
        <location filename="../app/library/SoundFileModel.cpp" line="251"/>
        <location filename="../app/library/SoundFileModel.cpp" line="357"/>
        <source>not a sound</source>
        <translation>pas un son</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="151"/>
        <location filename="../app/library/SoundFileModel.cpp" line="251"/>
        <location filename="../app/library/SoundFileModel.cpp" line="357"/>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="171"/>
        <location filename="../app/library/SoundFileModel.cpp" line="265"/>
        <source>Play the file (Space)</source>
        <translation>Lire le fichier (Espace)</translation>
    </message>
    <message>
        <location filename="../app/files/RecentFiles.cpp" line="100"/>
        <location filename="../app/library/LibraryResultModel.cpp" line="176"/>
        <location filename="../app/library/SoundFileModel.cpp" line="271"/>
        <source>The name is not UTF-8: � stands for what cannot be shown</source>
        <translation>Le nom n’est pas en UTF-8&#xa0;: � remplace ce qui ne peut pas être affiché</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="197"/>
        <location filename="../app/library/SoundFileModel.cpp" line="279"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../app/library/LibraryResultModel.cpp" line="201"/>
        <location filename="../app/library/SoundFileModel.cpp" line="281"/>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="283"/>
        <source>Rate</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="285"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="328"/>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="339"/>
        <source>%1 kHz</source>
        <translation>%1&#xa0;kHz</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="345"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="347"/>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <location filename="../app/library/SoundFileModel.cpp" line="348"/>
        <source>%1 channels</source>
        <translation>%1&#xa0;canaux</translation>
    </message>
</context>
<context>
    <name>SoundPanel</name>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="44"/>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="91"/>
        <source>Source waveform and the window that goes into the slot</source>
        <translation>Forme d’onde de la source et la fenêtre qui va dans l’emplacement</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="94"/>
        <source>The slot as the shape makes it</source>
        <translation>L’emplacement tel que le façonnage le produit</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="95"/>
        <source>Result in the slot</source>
        <translation>Résultat dans l’emplacement</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="105"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="106"/>
        <source>Zoom O&amp;ut</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="107"/>
        <source>Snap to &amp;Onset</source>
        <translation>Caler sur l’&amp;attaque</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="108"/>
        <source>Move the window&apos;s start to where the sound rises above the trim threshold</source>
        <translation>Placer le début de la fenêtre là où le son dépasse le seuil de coupe</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="109"/>
        <source>Snap to &amp;Zero Crossing</source>
        <translation>Caler sur le passage par &amp;zéro</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="110"/>
        <source>Play &amp;Source</source>
        <translation>Écouter la &amp;source</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="111"/>
        <location filename="../app/banks/SoundPanel.cpp" line="411"/>
        <source>Play &amp;Result</source>
        <translation>Écouter le &amp;résultat</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="113"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="114"/>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="128"/>
        <source>Result in the slot:</source>
        <translation>Résultat dans l’emplacement&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="139"/>
        <source>Source:</source>
        <translation>Source&#xa0;:</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="225"/>
        <source>Window %1 to %2 of %3</source>
        <translation>Fenêtre de %1 à %2 sur %3</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="232"/>
        <source>%1, then %2 of silence to the slot&apos;s end</source>
        <translation>%1, puis %2 de silence jusqu’à la fin de l’emplacement</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="364"/>
        <source>Cannot fit: %1.</source>
        <translation>Ajustement impossible&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="366"/>
        <source>Nothing to put into the slot: the window holds no sound.</source>
        <translation>Rien à mettre dans l’emplacement&#xa0;: la fenêtre ne contient aucun son.</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="372"/>
        <source>Clipped: the gain pushes the sound past full scale, its peaks are cut flat.</source>
        <translation>Écrêté&#xa0;: le gain pousse le son au-delà de la pleine échelle, ses crêtes sont coupées.</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="392"/>
        <source>Stop &amp;Result</source>
        <translation>Arrêter le &amp;résultat</translation>
    </message>
    <message>
        <location filename="../app/banks/SoundPanel.cpp" line="422"/>
        <source>Could not play: %1</source>
        <translation>Impossible d’écouter&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SourceView</name>
    <message>
        <location filename="../app/sounds/SourceView.cpp" line="27"/>
        <source>Drag the window to choose the part of the sound that goes into the slot; drag its ends to shorten it; the wheel zooms</source>
        <translation>Faites glisser la fenêtre pour choisir la partie du son qui va dans l’emplacement&#xa0;; faites glisser ses bords pour la raccourcir&#xa0;; la molette zoome</translation>
    </message>
</context>
<context>
    <name>SourcesLetGo</name>
    <message numerus="yes">
        <location filename="../app/document/SourcesLetGo.cpp" line="5"/>
        <source>To stay within %1 MB of kept sources, the %n oldest were let go: their slots are plain bytes now, and shaping them again starts from those.</source>
        <translation>
            <numerusform>Pour rester sous %1&#xa0;Mo de sources conservées, la plus ancienne a été abandonnée&#xa0;: son emplacement ne contient plus que des octets, et un nouveau façonnage partira de ceux-ci.</numerusform>
            <numerusform>Pour rester sous %1&#xa0;Mo de sources conservées, les %n plus anciennes ont été abandonnées&#xa0;: leurs emplacements ne contiennent plus que des octets, et un nouveau façonnage partira de ceux-ci.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Transmission</name>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="66"/>
        <location filename="../app/transfer/Transmission.cpp" line="71"/>
        <source>Nothing was sent: %1.</source>
        <translation>Rien n’a été envoyé&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="91"/>
        <source>The MIDI output %1 is not connected.</source>
        <translation>La sortie MIDI %1 n’est pas connectée.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="102"/>
        <source>sending bank (%1)...</source>
        <translation>envoi de la banque (%1)…</translation>
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
        <translation>arrêt en cours…</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="140"/>
        <source>Quit While Sending?</source>
        <translation>Quitter pendant l’envoi&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="141"/>
        <source>Banks are being sent to the device. Stop the transmission and quit?
The bank on its way will be incomplete on the device and must be sent again.</source>
        <translation>Des banques sont en cours d’envoi vers l’appareil. Arrêter la transmission et quitter&#xa0;?
La banque en cours sera incomplète sur l’appareil et devra être renvoyée.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="143"/>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="144"/>
        <source>Keep Sending</source>
        <translation>Continuer l’envoi</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="164"/>
        <source>

To send the %n banks that did not finish, choose All banks and Send.</source>
        <translation>
            <numerusform>

Pour envoyer la banque inachevée, choisissez «&#xa0;Toutes les banques&#xa0;» puis «&#xa0;Envoyer&#xa0;».</numerusform>
            <numerusform>

Pour envoyer les %n banques inachevées, choisissez «&#xa0;Toutes les banques&#xa0;» puis «&#xa0;Envoyer&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="168"/>
        <source>

Not kept: %1; what was sent counts as unknown there.</source>
        <translation>

Non conservé&#xa0;: %1&#xa0;; ce qui a été envoyé y compte comme inconnu.</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="174"/>
        <location filename="../app/transfer/Transmission.cpp" line="180"/>
        <location filename="../app/transfer/Transmission.cpp" line="230"/>
        <source>Transmission Failed</source>
        <translation>Échec de la transmission</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="175"/>
        <source>%1 was not sent: %2.

</source>
        <translation>%1 n’a pas été envoyée&#xa0;: %2.

</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="181"/>
        <source>The MIDI output stopped accepting data.

</source>
        <translation>La sortie MIDI n’accepte plus de données.

</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="184"/>
        <source>Transmission Stopped</source>
        <translation>Transmission arrêtée</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="186"/>
        <source>Transmission Not Recorded</source>
        <translation>Transmission non inscrite au registre</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="197"/>
        <source>%p%, %1 left</source>
        <translation>%p&#xa0;%, encore %1</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="212"/>
        <source>all 32 banks</source>
        <translation>les 32 banques</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="213"/>
        <source>%n banks (%1)</source>
        <translation>
            <numerusform>%n banque (%1)</numerusform>
            <numerusform>%n banques (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="215"/>
        <source>Sent %1 to %2 in %3</source>
        <translation>%1 envoyé à %2 en %3</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="218"/>
        <source>%1 of %n bank(s) sent</source>
        <translation>
            <numerusform>%1 banque sur %n envoyée</numerusform>
            <numerusform>%1 banques sur %n envoyées</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="220"/>
        <source>, %1 (%2) must be sent again</source>
        <translation>, %1 (%2) doit être renvoyé</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="224"/>
        <source>Stopped sending to %1 after %2: %3</source>
        <translation>Envoi à %1 arrêté après %2&#xa0;: %3</translation>
    </message>
    <message>
        <location filename="../app/transfer/Transmission.cpp" line="225"/>
        <source>Sending to %1 failed after %2: %3</source>
        <translation>Échec de l’envoi à %1 après %2&#xa0;: %3</translation>
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
        <translation>aucune</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="31"/>
        <source> to </source>
        <extracomment>Two neighbouring banks are listed, &quot;S01, S02&quot;; a longer run by its ends, &quot;S01 to S05&quot;</extracomment>
        <translation> à </translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="45"/>
        <source>Sent completely: %1.
</source>
        <translation>Envoyées entièrement&#xa0;: %1.
</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="47"/>
        <source>On the device: %1, %2, incomplete (its flash block was erased or partly written: send it again).
</source>
        <translation>Sur l’appareil&#xa0;: %1, %2, incomplet (son bloc flash a été effacé ou écrit en partie&#xa0;: renvoyez-le).
</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="50"/>
        <source>Incomplete on the device: none.
</source>
        <translation>Incomplète sur l’appareil&#xa0;: aucune.
</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionAccount.cpp" line="58"/>
        <source>Not sent: %1.</source>
        <translation>Non envoyées&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>TransmissionRun</name>
    <message>
        <location filename="../midiio/TransmissionRun.cpp" line="50"/>
        <source>%1 h %2 min</source>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionRun.cpp" line="53"/>
        <source>%1 min %2 s</source>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
    <message>
        <location filename="../midiio/TransmissionRun.cpp" line="55"/>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="77"/>
        <source>Undid %1</source>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="85"/>
        <source>Redid %1</source>
        <translation>Rétabli&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="131"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="131"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="133"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../app/document/UndoHistory.cpp" line="133"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="46"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="57"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="58"/>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/document/UnsavedChanges.cpp" line="60"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/document/UnsavedChanges.cpp" line="61"/>
        <source>The bank(s) %1 have changes that are not saved. Save them before %2?</source>
        <translation>
            <numerusform>La banque %1 a des modifications non enregistrées. Les enregistrer avant %2&#xa0;?</numerusform>
            <numerusform>Les banques %1 ont des modifications non enregistrées. Les enregistrer avant %2&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../app/document/UnsavedChanges.cpp" line="65"/>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
</context>
<context>
    <name>WaveformView</name>
    <message>
        <location filename="../app/sounds/WaveformView.cpp" line="27"/>
        <source>Click to select this slot; double-click to shape its sound; drag it out to save it as a WAV file</source>
        <translation>Cliquez pour sélectionner cet emplacement&#xa0;; double-cliquez pour façonner son son&#xa0;; faites-le glisser dehors pour l’enregistrer en fichier WAV</translation>
    </message>
    <message>
        <location filename="../app/sounds/WaveformView.cpp" line="121"/>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
</context>
<context>
    <name>Waveforms</name>
    <message>
        <location filename="../app/sounds/Waveforms.cpp" line="66"/>
        <source>Waveform of slot %1, %2</source>
        <translation>Forme d’onde de l’emplacement %1, %2</translation>
    </message>
    <message>
        <location filename="../app/sounds/Waveforms.cpp" line="84"/>
        <source>Waveform of the selected slot, slot %1, %2</source>
        <translation>Forme d’onde de l’emplacement sélectionné, emplacement %1, %2</translation>
    </message>
</context>
</TS>
