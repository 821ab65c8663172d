#pragma once

class Settings;
class ISoundOutput;

// How the editor's process keeps its end prompt however long it was used.

// Large blocks (decoded sources, renders, bank files being written) get pages of their own that
// go back to the system the moment they are freed. By default the C library, once a large block
// has been freed, serves later ones from its heap and keeps what they free: after long use the
// process held hundreds of megabytes it no longer used, which the system took a quarter of a
// second or more to take back at the end. Called first thing in main.
void returnLargeBlocksWhenFreed();

// Ends the process with status once its window has closed while idle (no transmission on its
// way): the sound is stopped and the settings are on the disk, and everything else (the window's
// rooms, their threads, the decoded sources, Qt's own teardown) is left to the system, which takes
// it all back at once, where taking it down piece by piece waited on every thread and freed every
// block one by one.
[[noreturn]] void endAtOnce(int status, ISoundOutput& sound, Settings& settings);
