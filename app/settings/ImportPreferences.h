#pragma once

#include "audio/SoundShape.h"

#include <QObject>

class Settings;
class QAction;
class QMenu;
class QWidget;

// How the user wants sound files imported: kept in the settings from one run to the next, and
// changed in the Preferences dialog that its menu item opens (which also keeps whether the last bank
// file opens again at start, and whether the closed hi-hat pad cuts the open one).
class ImportPreferences : public QObject {
    Q_OBJECT
public:
    // Puts "Preferences…" into the menu before the item given; settings and window stay the caller's.
    ImportPreferences(Settings& settings, QWidget& window, QMenu& menu, QAction* before);

    // The stored choice; what was never stored, or no longer makes sense, reads as the classic import.
    audio::SoundShape options() const;
    void setOptions(const audio::SoundShape& options);

    // Opens the dialog over the window without blocking it; OK keeps all it shows.
    void edit();

signals:
    // OK was pressed: whether the closed hi-hat pad cuts the open one, as it now is.
    void chokeChosen(bool chokes);

private:
    Settings& m_settings;
    QWidget& m_window;
};
