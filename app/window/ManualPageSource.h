#pragma once

// The roff source of the program's manual page (app/data/zylox-editor.1), as installed for man,
// built into the program from that file.
extern const char* const kManualPageSource;
