#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Settings;
class QAbstractButton;
class QListWidget;

// The folders the user keeps at hand in the sound browser: added (the folder on show) and removed
// with their buttons (or Delete in the list), remembered from one run to the next, and a click or Enter on one goes
// there.
class FavouriteFolders : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; shownFolder tells which folder Add adds.
    FavouriteFolders(Settings& settings, QListWidget& list, QAbstractButton& add, QAbstractButton& remove,
                     std::function<QString()> shownFolder, QObject* parent);

signals:
    void chosen(const QString& folder);

protected:
    // Delete in the list removes the selected favourite, as Remove does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void add();
    void remove();
    void show(const QStringList& folders);
    QStringList folders() const;

    Settings& m_settings;
    QListWidget& m_list;
    QAbstractButton& m_remove;
    std::function<QString()> m_shownFolder;
};
