#pragma once

#include <QObject>

#include <string>
#include <vector>

class Settings;
class QAction;
class QMenu;

// File › Open Recent: the bank files last opened or saved, newest first, remembered from one run
// to the next. Choosing one asks for it to be opened; one that is no longer there is said so and
// leaves the list.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kLimit = 8;

    // The submenu goes into fileMenu before the item before; the settings and menu stay the
    // caller's and must outlive this.
    RecentFiles(Settings& settings, QMenu& fileMenu, QAction* before, QObject* parent = nullptr);

    // A bank file just opened or saved: first in the list, wherever it was before. Paths are the
    // file system's bytes, UTF-8 or not.
    void add(const std::string& path);
    std::vector<std::string> files() const;

signals:
    void openRequested(const std::string& path);
    void status(const QString& text);

private:
    void chosen(const std::string& path);
    void store(std::vector<std::string> files);
    void rebuild();

    Settings& m_settings;
    QMenu* m_menu;
    // The files' entries go above these two, which stay.
    QAction* m_separator = nullptr;
    QAction* m_clear = nullptr;
};
