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
    if (!m_editor.load(locale, QStringLiteral("zylox-editor"), QStringLiteral("_"), folder))
        return false;
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
