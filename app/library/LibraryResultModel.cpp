#include "app/library/LibraryResultModel.h"

#include "app/library/SoundFileModel.h"

#include <QFile>
#include <QLocale>
#include <QMimeData>

#include <algorithm>
#include <cmath>
#include <set>

using soundlibrary::LibraryEntry;

namespace {

QByteArray bytesOf(const std::string& path)
{
    return QByteArray(path.data(), static_cast<qsizetype>(path.size()));
}

// Shown where analysis has not looked yet, and where it found nothing to tell (a figure of a file
// that is no sound, a loudness without libebur128).
const QString kNotYet = QStringLiteral("\u2026");
const QString kNone = QStringLiteral("\u2013");

} // namespace

LibraryResultModel::LibraryResultModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void LibraryResultModel::take(const std::vector<LibraryEntry>& rows, bool first, bool last)
{
    if (first) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (!rows.empty()) {
        const int from = rowCount();
        beginInsertRows({}, from, from + static_cast<int>(rows.size()) - 1);
        m_rows.insert(m_rows.end(), rows.begin(), rows.end());
        endInsertRows();
    }
    if (last)
        emit shown();
}

bool LibraryResultModel::refresh(std::vector<LibraryEntry> rows)
{
    const bool same = rows.size() == m_rows.size()
                      && std::equal(rows.begin(), rows.end(), m_rows.begin(),
                                    [](const LibraryEntry& a, const LibraryEntry& b) { return a.path == b.path; });
    if (same) {
        m_rows = std::move(rows);
        if (!m_rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    } else {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    emit shown();
    return same;
}

void LibraryResultModel::setPlaying(const QByteArray& path)
{
    const int before = rowOf(m_playing);
    m_playing = path;
    for (const int row : {before, rowOf(path)})
        if (row >= 0)
            emit dataChanged(index(row, Play), index(row, Play));
}

QByteArray LibraryResultModel::file(int row) const
{
    return row >= 0 && row < rowCount() ? bytesOf(m_rows[static_cast<std::size_t>(row)].path) : QByteArray();
}

QString LibraryResultModel::name(int row) const
{
    return row >= 0 && row < rowCount() ? QString::fromStdString(m_rows[static_cast<std::size_t>(row)].name)
                                        : QString();
}

int LibraryResultModel::rowOf(const QByteArray& path) const
{
    if (path.isEmpty())
        return -1;
    const std::string wanted = path.toStdString();
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].path == wanted)
            return static_cast<int>(row);
    return -1;
}

QStringList LibraryResultModel::folders() const
{
    QStringList folders;
    std::set<std::string> seen;
    for (const LibraryEntry& entry : m_rows) {
        const std::string folder = entry.path.substr(0, entry.path.rfind('/'));
        if (seen.insert(folder).second)
            folders << QFile::decodeName(bytesOf(folder));
    }
    return folders;
}

int LibraryResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LibraryResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibraryResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LibraryEntry& entry = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return display(entry, index.column());
    if (role == Qt::ToolTipRole)
        return toolTip(entry, index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= Length)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LibraryResultModel::display(const LibraryEntry& entry, int column) const
{
    const bool pending = entry.kind == LibraryEntry::Kind::Pending;
    const bool sound = entry.kind == LibraryEntry::Kind::Sound;
    switch (column) {
    case Play:
        return bytesOf(entry.path) == m_playing ? QStringLiteral("\u25A0") : QStringLiteral("\u25B6");
    case Name:
        return QString::fromStdString(entry.name);
    case Folder:
        return QString::fromStdString(entry.folder);
    case Length:
        if (pending)
            return kNotYet;
        if (!sound)
            return entry.kind == LibraryEntry::Kind::NotASound ? SoundFileModel::tr("not a sound")
                                                               : SoundFileModel::tr("unreadable");
        return entry.seconds ? SoundFileModel::lengthText(*entry.seconds) : kNone;
    case Loudness:
        if (pending)
            return kNotYet;
        return sound && entry.loudness ? loudnessText(*entry.loudness) : kNone;
    case LeadIn:
        if (pending)
            return kNotYet;
        return sound && entry.leadIn ? leadInText(*entry.leadIn) : kNone;
    default:
        return {};
    }
}

QString LibraryResultModel::toolTip(const LibraryEntry& entry, int column) const
{
    switch (column) {
    case Play:
        return bytesOf(entry.path) == m_playing ? SoundFileModel::tr("Stop (Space)")
                                                : SoundFileModel::tr("Play the file (Space)");
    case Name: {
        const QString path = QFile::decodeName(bytesOf(entry.path));
        return entry.utf8 ? path
                          : path + QLatin1Char('\n')
                                + SoundFileModel::tr("The name is not UTF-8: \uFFFD stands for what cannot be shown");
    }
    case Length:
        if (const auto after = entry.soundSeconds(); after && entry.kind == LibraryEntry::Kind::Sound)
            return tr("%1 after its lead-in").arg(SoundFileModel::lengthText(std::max(*after, 0.0)));
        return {};
    case Loudness:
        return tr("Integrated loudness (EBU R128)");
    case LeadIn:
        return tr("Silence before the sound starts");
    default:
        return {};
    }
}

QVariant LibraryResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return SoundFileModel::tr("Name");
    case Folder:
        return tr("Folder");
    case Length:
        return SoundFileModel::tr("Length");
    case Loudness:
        return tr("Loudness");
    case LeadIn:
        return tr("Lead-in");
    default:
        return QString();
    }
}

Qt::ItemFlags LibraryResultModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

QStringList LibraryResultModel::mimeTypes() const
{
    return SoundFileModel::dragTypes();
}

QMimeData* LibraryResultModel::mimeData(const QModelIndexList& indexes) const
{
    return SoundFileModel::dragOf(indexes, [this](int row) { return file(row); });
}

QString LibraryResultModel::loudnessText(double lufs)
{
    if (std::isinf(lufs))
        return tr("silent");
    return tr("%1 LUFS").arg(QLocale().toString(lufs, 'f', 1));
}

QString LibraryResultModel::leadInText(double seconds)
{
    return tr("%1 ms").arg(QLocale().toString(std::llround(seconds * 1000.0)));
}

QStringList LibraryResultModel::widestTexts(int column)
{
    switch (column) {
    case Play:
        return {QStringLiteral("\u25A0"), QStringLiteral("\u25B6")};
    case Length:
        return SoundFileModel::widestTexts(SoundFileModel::Length);
    case Loudness:
        return {loudnessText(-70.0), loudnessText(-8.8), tr("silent")};
    case LeadIn:
        return {leadInText(9.999), leadInText(0.888)};
    default:
        return {};
    }
}
