<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BankFiles</name>
    <message numerus="yes">
        <location filename="../app/files/BankFiles.cpp" line="239"/>
        <source>%1 stay(s) unsaved: %2 does not hold them (Save As… writes them).</source>
        <translation>
            <numerusform>%1 stays unsaved: %2 does not hold it (Save As… writes it).</numerusform>
            <numerusform>%1 stay unsaved: %2 does not hold them (Save As… writes them).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankFiles.cpp" line="293"/>
        <source>%n shaped slot(s) open as plain bytes: their sources changed or are gone.</source>
        <translation>
            <numerusform>%n shaped slot opens as plain bytes: its source changed or is gone.</numerusform>
            <numerusform>%n shaped slots open as plain bytes: their sources changed or are gone.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BankSoundsExport</name>
    <message numerus="yes">
        <location filename="../app/files/BankSoundsExport.cpp" line="51"/>
        <source>(%n slot(s) written before it)</source>
        <translation>
            <numerusform>(%n slot written before it)</numerusform>
            <numerusform>(%n slots written before it)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/files/BankSoundsExport.cpp" line="54"/>
        <source>Exported %1 as %n sound file(s) into %2.</source>
        <translation>
            <numerusform>Exported %1 as %n sound file into %2.</numerusform>
            <numerusform>Exported %1 as %n sound files into %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeviceContentsSaving</name>
    <message numerus="yes">
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="120"/>
        <source>Not known on %1: %2.
A bank file holds one bank or all 32: save the %n known bank(s) as one-bank files into a folder?</source>
        <translation>
            <numerusform>Not known on %1: %2.
A bank file holds one bank or all 32: save the known bank as a one-bank file into a folder?</numerusform>
            <numerusform>Not known on %1: %2.
A bank file holds one bank or all 32: save the %n known banks as one-bank files into a folder?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/DeviceContentsSaving.cpp" line="137"/>
        <source>Saved %n bank(s) of %1 into %2</source>
        <translation>
            <numerusform>Saved %n bank of %1 into %2</numerusform>
            <numerusform>Saved %n banks of %1 into %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message numerus="yes">
        <location filename="../app/window/EditorWindow.cpp" line="153"/>
        <source> (%n more file(s) left out: the bank has no more slots)</source>
        <translation>
            <numerusform> (%n more file left out: the bank has no more slots)</numerusform>
            <numerusform> (%n more files left out: the bank has no more slots)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderListing</name>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="126"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n sound</numerusform>
            <numerusform>%n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="128"/>
        <source>, %n file(s) not sounds</source>
        <translation>
            <numerusform>, %n file not a sound</numerusform>
            <numerusform>, %n files not sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="130"/>
        <source>, %n file(s) could not be read</source>
        <translation>
            <numerusform>, %n file could not be read</numerusform>
            <numerusform>, %n files could not be read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/library/FolderListing.cpp" line="132"/>
        <source>, %n name(s) not UTF-8</source>
        <translation>
            <numerusform>, %n name not UTF-8</numerusform>
            <numerusform>, %n names not UTF-8</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>KitFilling</name>
    <message numerus="yes">
        <location filename="../app/banks/KitFilling.cpp" line="136"/>
        <source>%n selected file(s)</source>
        <translation>
            <numerusform>%n selected file</numerusform>
            <numerusform>%n selected files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SendChoice</name>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="80"/>
        <source>The last transmission of all banks to this device did not finish: %n banks are left, starting with %1 (about %2).
Send the banks that are left, or all 32 banks again?</source>
        <translation>
            <numerusform>The last transmission of all banks to this device did not finish: %n bank is left, %1 (about %2).
Send the bank that is left, or all 32 banks again?</numerusform>
            <numerusform>The last transmission of all banks to this device did not finish: %n banks are left, starting with %1 (about %2).
Send the banks that are left, or all 32 banks again?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="86"/>
        <source>Send %n Left</source>
        <translation>
            <numerusform>Send %n Left</numerusform>
            <numerusform>Send %n Left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="107"/>
        <source>%n of the 32 banks differ from what this device was last sent (%1): sending them takes about %2.</source>
        <translation>
            <numerusform>%n of the 32 banks differs from what this device was last sent (%1): sending it takes about %2.</numerusform>
            <numerusform>%n of the 32 banks differ from what this device was last sent (%1): sending them takes about %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/SendChoice.cpp" line="122"/>
        <source>Send %n Changed</source>
        <translation>
            <numerusform>Send %n Changed</numerusform>
            <numerusform>Send %n Changed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SourcesLetGo</name>
    <message numerus="yes">
        <location filename="../app/document/SourcesLetGo.cpp" line="5"/>
        <source>To stay within %1 MB of kept sources, the %n oldest were let go: their slots are plain bytes now, and shaping them again starts from those.</source>
        <translation>
            <numerusform>To stay within %1 MB of kept sources, the oldest was let go: its slot is plain bytes now, and shaping it again starts from those.</numerusform>
            <numerusform>To stay within %1 MB of kept sources, the %n oldest were let go: their slots are plain bytes now, and shaping them again starts from those.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Transmission</name>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="164"/>
        <source>

To send the %n banks that did not finish, choose All banks and Send.</source>
        <translation>
            <numerusform>

To send the bank that did not finish, choose All banks and Send.</numerusform>
            <numerusform>

To send the %n banks that did not finish, choose All banks and Send.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="213"/>
        <source>%n banks (%1)</source>
        <translation>
            <numerusform>%n bank (%1)</numerusform>
            <numerusform>%n banks (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/transfer/Transmission.cpp" line="218"/>
        <source>%1 of %n bank(s) sent</source>
        <translation>
            <numerusform>%1 of %n bank sent</numerusform>
            <numerusform>%1 of %n banks sent</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message numerus="yes">
        <location filename="../app/document/UnsavedChanges.cpp" line="60"/>
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/document/UnsavedChanges.cpp" line="61"/>
        <source>The bank(s) %1 have changes that are not saved. Save them before %2?</source>
        <translation>
            <numerusform>The bank %1 has changes that are not saved. Save them before %2?</numerusform>
            <numerusform>The banks %1 have changes that are not saved. Save them before %2?</numerusform>
        </translation>
    </message>
</context>
</TS>
