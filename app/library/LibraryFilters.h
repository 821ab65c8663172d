#pragma once

#include "soundlibrary/SearchQuery.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Settings;
class QComboBox;
class QWidget;

// The library's filters and order, as a drum musician picks sounds: what fits the selected slot
// (or at most 0.25, 0.5, 0.75 or 0.99 s after its lead-in), a format, mono or stereo, a rate, one
// library folder; the best match, the shortest or the brightest first. What was chosen but the folder
// is remembered from one run to the next.
class LibraryFilters : public QObject {
    Q_OBJECT
public:
    // slotSeconds: the selected slot's length, for "Fits the selected slot"; none without one. The
    // settings stay the caller's.
    LibraryFilters(Settings& settings, std::function<std::optional<double>()> slotSeconds, QObject* parent);

    // The controls, laid out; the caller's widget owns them from then on.
    QWidget* controls() const { return m_controls; }
    // The folders offered besides all of them; a chosen folder no longer among them goes back to all.
    void setFolders(const std::vector<std::string>& folders);
    // The query's filters and order as chosen.
    void apply(soundlibrary::SearchQuery& query) const;
    // Whether the length chosen is the selected slot's, which changes with the slot.
    bool followsSlot() const;

signals:
    void changed();

private:
    QComboBox* combo(const char* name, const QString& accessibleName);
    // The choice of the last run, and each choice from now on, under key.
    void remember(QComboBox& box, const QString& key);
    void makeLengths();
    void makeFormats();
    void makeChannelsAndRates();
    void makeOrders();

    Settings& m_settings;
    std::function<std::optional<double>()> m_slotSeconds;
    QWidget* m_controls;
    QComboBox* m_length = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_channels = nullptr;
    QComboBox* m_rate = nullptr;
    QComboBox* m_folder = nullptr;
    QComboBox* m_order = nullptr;
};
