#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <optional>

// The editor's own texts and Qt's (its dialogs' buttons, the file panel) in the user's language,
// installed into the running application for as long as this lives.
class Translations {
public:
    Translations() = default;
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Where the compiled translations are, beside the program: <prefix>/share/zylox-editor/translations
    // for <prefix>/bin/zylox-editor, the same in the build tree.
    static QString folder();

    // Installs the editor's texts for the first of the locale's languages that has them, and Qt's
    // for that same language; false, with English (and its plural forms) in place, when that is
    // English or none has them.
    bool install(const QLocale& locale, const QString& folder);

private:
    QTranslator m_editor;
    QTranslator m_qt;
    std::optional<QLocale> m_locale; // the default before this set the window's
};
