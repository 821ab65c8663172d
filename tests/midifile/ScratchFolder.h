#pragma once

// Until the editor's tests include tests/support/ScratchFolder.h themselves; then this goes.
#include "tests/support/ScratchFolder.h"
