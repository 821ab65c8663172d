#pragma once

#include "app/library/ListedFile.h"
#include "audio/SoundSummary.h"

#include <QAbstractTableModel>
#include <QHash>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The sound files of one folder as the browser lists them: a play control, the name, and the
// length, rate and channels once the file's header has been read. Dragged, the chosen files go
// as local files, marked as chosen in the browser.
class SoundFileModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Play, Name, Length, Rate, Channels, ColumnCount };

    explicit SoundFileModel(QObject* parent = nullptr);

    void clear();
    // Files listed after those the list holds, none of them read yet.
    void append(const std::vector<ListedFile>& files);
    // The folder as it is now, in the same order: files gone leave, new ones come in their place,
    // and a file changed since its header was read is read again. What did not change stays as it
    // was, the row chosen in the list too.
    void merge(const std::vector<ListedFile>& files);
    void remove(int row);
    // What the files at these paths hold; paths not listed are ignored.
    void setSummaries(const std::vector<std::pair<QByteArray, audio::SoundSummary>>& summaries);
    // The file whose play control shows Stop; empty for none.
    void setPlaying(const QByteArray& path);

    // The file as the file system names it; empty past the end.
    QByteArray file(int row) const;
    QString name(int row) const;
    // The row of the file at path; -1 when it is not listed.
    int rowOf(const QByteArray& path) const;
    // The files read, with their stamps then.
    KnownFiles summarised() const;

    // Files read so far, and of those the sounds, those that could not be read; and names not in UTF-8.
    int summarisedCount() const;
    int soundCount() const { return count(audio::SoundSummary::Kind::Sound); }
    int unreadableCount() const { return count(audio::SoundSummary::Kind::Unreadable); }
    int notUtf8Count() const;

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
    // The widest texts the column shows, to size it by.
    static QStringList widestTexts(int column);
    // What a drag of the rows of indexes from a list of the browser carries: each row's file (the
    // file system's bytes, fileOf(row)) once, in the list's order, and that they were chosen in the
    // browser. Every column of a row is among the indexes.
    static QMimeData* dragOf(const QModelIndexList& indexes, const std::function<QByteArray(int)>& fileOf);
    // The kinds of data that drag carries.
    static QStringList dragTypes();

private:
    struct Row {
        ListedFile file;
        std::optional<audio::SoundSummary> summary;
    };

    QVariant display(const Row& row, int column) const;
    QString toolTip(const Row& row, int column) const;
    int count(audio::SoundSummary::Kind kind) const;
    // The rows from first on have moved: the index of paths is made again when next asked.
    void rowsMoved(int first);
    // Whether the listing's order of the files that stay is the list's: if not, merge starts anew.
    bool keepsOrder(const std::vector<ListedFile>& files) const;
    void removeGone(const std::vector<ListedFile>& files);
    void insertNew(const std::vector<ListedFile>& files);

    std::vector<Row> m_rows;
    // Row by path, for the rows before m_indexedUpTo.
    mutable QHash<QByteArray, int> m_index;
    mutable int m_indexedUpTo = 0;
    QByteArray m_playing;
};
