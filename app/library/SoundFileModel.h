#pragma once

#include "audio/SoundSummary.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

// The sound files of one folder as the browser lists them: a play control, the name, and the
// length, rate and channels once the file's header has been read. Dragged, the chosen files go
// as local files, marked as chosen in the browser.
class SoundFileModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Play, Name, Length, Rate, Channels, ColumnCount };

    explicit SoundFileModel(QObject* parent = nullptr);

    // The files of a folder, none of them read yet.
    void setFiles(const QStringList& paths);
    // What the files from the first-th on hold; rows past the end are ignored.
    void setSummaries(int first, const std::vector<audio::SoundSummary>& summaries);
    // The row whose play control shows Stop; -1 for none.
    void setPlayingRow(int row);

    QString path(int row) const;
    // The row of the file at path; -1 when it is not listed.
    int rowOf(const QString& path) const;
    // Files read so far.
    int summarisedCount() const { return m_summarised; }
    // Of those, the sounds.
    int soundCount() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

    // "0.40 s", "1:05.2"; "44.1 kHz"; "mono", "stereo", "6 channels": as the list shows them.
    static QString lengthText(double seconds);
    static QString rateText(double rate);
    static QString channelsText(unsigned channels);

private:
    QVariant display(const QString& path, const std::optional<audio::SoundSummary>& summary, int column, int row) const;

    QStringList m_paths;
    std::vector<std::optional<audio::SoundSummary>> m_summaries;
    int m_summarised = 0;
    int m_playing = -1;
};
