#pragma once

#include "audio/ImportResult.h"

#include <QCoreApplication>
#include <QString>

// The advice for a silent or late slot, or a window that holds nothing, in the window's language
// and in terms of the panel's controls; zylox words the same advice as its options.
class AdviceWording {
    Q_DECLARE_TR_FUNCTIONS(AdviceWording)

public:
    // "Silent: the next sound starts at 10.000 s; start the window at 10.000 s or trim the silence.",
    // "Late: the hit starts at 0.40 s of 0.74 s; ..."; empty for a slot that sounds from its start.
    static QString warning(const audio::ImportResult& result);
    // Why the window gave nothing to put into the slot, with what would help.
    static QString refusal(const audio::ImportResult& refused);
};
