#include "app/settings/ImportPreferences.h"

#include "app/settings/PreferencesDialog.h"
#include "app/settings/Settings.h"

#include <QAction>
#include <QMenu>

namespace {

const QString kResample = QStringLiteral("import/resample");
const QString kNormalize = QStringLiteral("import/normalize");
const QString kTrim = QStringLiteral("import/trim");
// Stored by name, as `zylox import --resample` takes it, so the file stays readable.
const QString kClean = QStringLiteral("clean");
const QString kClassic = QStringLiteral("classic");

} // namespace

ImportPreferences::ImportPreferences(Settings& settings, QWidget& window, QMenu& menu, QAction* before)
    : QObject(&window)
    , m_settings(settings)
    , m_window(window)
{
    auto* action = new QAction(tr("Pr&eferences…"), &window);
    action->setObjectName(QStringLiteral("menu_preferences"));
    action->setShortcut(QKeySequence(QStringLiteral("Ctrl+,")));
    action->setMenuRole(QAction::PreferencesRole);
    menu.insertAction(before, action);
    menu.insertSeparator(before);
    connect(action, &QAction::triggered, this, &ImportPreferences::edit);
}

audio::SoundShape ImportPreferences::options() const
{
    audio::SoundShape options;
    if (m_settings.value(kResample).toString() == kClean)
        options.resampling = audio::Resampling::Clean;
    options.normalize = m_settings.value(kNormalize, false).toBool();
    options.trim = m_settings.value(kTrim, false).toBool();
    return options;
}

void ImportPreferences::setOptions(const audio::SoundShape& options)
{
    m_settings.setValue(kResample, options.resampling == audio::Resampling::Clean ? kClean : kClassic);
    m_settings.setValue(kNormalize, options.normalize);
    m_settings.setValue(kTrim, options.trim);
}

void ImportPreferences::edit()
{
    // Gone once closed, so no hidden copy of its controls lingers among the window's.
    auto* dialog
        = new PreferencesDialog(options(), m_settings.reopensLastFile(), m_settings.chokesOpenHat(), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        setOptions(dialog->options());
        m_settings.setReopensLastFile(dialog->reopensLastFile());
        m_settings.setChokesOpenHat(dialog->chokesOpenHat());
        emit chokeChosen(dialog->chokesOpenHat());
    });
    dialog->open();
}
