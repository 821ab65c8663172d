#pragma once

#include <QString>

// A manual page's roff source as HTML for a text view: the man macros this program's page is
// written in (.TH .SH .PP .TP, the font macros .B .I .BR .RB .IR .RI .BI .IB, \f font changes
// and the usual escapes). Anything else is shown as text, never dropped.
class ManualPage {
public:
    static QString toHtml(const QString& roff);
};
