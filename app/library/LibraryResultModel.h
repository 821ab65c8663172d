#pragma once

#include "soundlibrary/LibraryEntry.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QStringList>

#include <vector>

// The files a search of the sound library found, as its list shows them: a play control, the
// name, its folder, and what analysis found: the length, the loudness and the lead-in (unknown
// until the file is analysed). Dragged, the chosen files go as the folder view's do.
class LibraryResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Play, Name, Folder, Length, Loudness, LeadIn, ColumnCount };

    explicit LibraryResultModel(QObject* parent = nullptr);

    // A chunk of a search's rows: first replaces what the list showed, the others follow it, last
    // ends them.
    void take(const std::vector<soundlibrary::LibraryEntry>& rows, bool first, bool last);
    // The same search's rows again once analysis found more: where the files are those shown, in
    // the same order, their figures change in place and the list's selection stays (true); else
    // the rows are replaced.
    bool refresh(std::vector<soundlibrary::LibraryEntry> rows);
    void setPlaying(const QByteArray& path);

    // The file as the file system names it; empty past the end.
    QByteArray file(int row) const;
    QString name(int row) const;
    int rowOf(const QByteArray& path) const;
    // The folders of the files shown, each once, in the list's order.
    QStringList folders() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

signals:
    // Every row of a search is in the list.
    void shown();

public:
    // "-14.2 LUFS"; "12 ms": as the list shows them.
    static QString loudnessText(double lufs);
    static QString leadInText(double seconds);
    // The widest texts the column shows, to size it by.
    static QStringList widestTexts(int column);

private:
    QVariant display(const soundlibrary::LibraryEntry& entry, int column) const;
    QString toolTip(const soundlibrary::LibraryEntry& entry, int column) const;

    std::vector<soundlibrary::LibraryEntry> m_rows;
    QByteArray m_playing;
};
