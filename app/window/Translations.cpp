#include "app/window/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::~Translations()
{
    if (m_locale)
        QLocale::setDefault(*m_locale);
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_editor);
}

QString Translations::folder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zylox-editor/translations");
}

bool Translations::install(const QLocale& locale, const QString& folder)
{
    const QString name = QStringLiteral("zylox-editor");
    const QString prefix = QStringLiteral("_");
    if (!m_editor.load(locale, name, prefix, folder) || m_editor.language().startsWith(QStringLiteral("en"))) {
        // The code's own English, with its file of plural forms, so that the window never says
        // "1 banks"; also where none of the user's languages has a file.
        if (!m_editor.isEmpty() || m_editor.load(QLocale(QLocale::English), name, prefix, folder))
            QCoreApplication::installTranslator(&m_editor);
        return false;
    }
    QCoreApplication::installTranslator(&m_editor);
    // Numbers, in the texts and the panel's fields alike, as the window's language writes them.
    m_locale = QLocale();
    QLocale::setDefault(QLocale(m_editor.language()));
    // Qt's texts only in the language the window speaks: a French file panel over an English
    // window, for a language the editor lacks, would be two languages at once.
    if (m_qt.load(QLocale(m_editor.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    return true;
}
