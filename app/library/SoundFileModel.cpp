#include "app/library/SoundFileModel.h"

#include "app/banks/SlotDrops.h"

#include <QFile>
#include <QLocale>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <set>

SoundFileModel::SoundFileModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void SoundFileModel::clear()
{
    beginResetModel();
    m_rows.clear();
    rowsMoved(0);
    endResetModel();
}

void SoundFileModel::append(const std::vector<ListedFile>& files)
{
    if (files.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(files.size()) - 1);
    for (const ListedFile& file : files)
        m_rows.push_back({file, std::nullopt});
    // Indexed a chunk at a time, rather than 20,000 paths at the first header that arrives.
    rowOf(m_rows.back().file.path);
    endInsertRows();
}

void SoundFileModel::merge(const std::vector<ListedFile>& files)
{
    if (keepsOrder(files)) {
        removeGone(files);
        insertNew(files);
        return;
    }
    // Sorted otherwise than before (another language's collation): listed anew, keeping what was read.
    QHash<QByteArray, std::optional<audio::SoundSummary>> read;
    for (const Row& row : m_rows)
        read.insert(row.file.path, row.summary);
    beginResetModel();
    m_rows.clear();
    for (const ListedFile& file : files) {
        const auto kept = read.constFind(file.path);
        m_rows.push_back({file, kept != read.cend() ? *kept : std::nullopt});
    }
    rowsMoved(0);
    endResetModel();
}

bool SoundFileModel::keepsOrder(const std::vector<ListedFile>& files) const
{
    QHash<QByteArray, int> place;
    for (std::size_t k = 0; k < files.size(); ++k)
        place.insert(files[k].path, static_cast<int>(k));
    int last = -1;
    for (const Row& row : m_rows) {
        const int at = place.value(row.file.path, -1);
        if (at >= 0 && at < last)
            return false;
        last = std::max(last, at);
    }
    return true;
}

void SoundFileModel::removeGone(const std::vector<ListedFile>& files)
{
    std::set<QByteArray> listed;
    for (const ListedFile& file : files)
        listed.insert(file.path);
    // From the end, so that the rows of a run still to be removed keep their numbers.
    for (int last = rowCount() - 1; last >= 0; --last) {
        if (listed.count(m_rows[static_cast<std::size_t>(last)].file.path) != 0)
            continue;
        int first = last;
        while (first > 0 && listed.count(m_rows[static_cast<std::size_t>(first - 1)].file.path) == 0)
            --first;
        beginRemoveRows({}, first, last);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
        rowsMoved(first);
        endRemoveRows();
        last = first;
    }
}

void SoundFileModel::insertNew(const std::vector<ListedFile>& files)
{
    std::size_t row = 0;
    std::size_t k = 0;
    while (k < files.size()) {
        if (row < m_rows.size() && m_rows[row].file.path == files[k].path) {
            Row& kept = m_rows[row];
            if (kept.file.stamp != files[k].stamp) {
                kept.file = files[k];
                kept.summary.reset();
                emit dataChanged(index(static_cast<int>(row), Length), index(static_cast<int>(row), Channels));
            }
            ++row;
            ++k;
            continue;
        }
        std::size_t end = k;
        while (end < files.size() && (row >= m_rows.size() || files[end].path != m_rows[row].file.path))
            ++end;
        const int first = static_cast<int>(row);
        beginInsertRows({}, first, first + static_cast<int>(end - k) - 1);
        for (std::size_t each = k; each < end; ++each)
            m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row + each - k), Row{files[each], std::nullopt});
        rowsMoved(first);
        endInsertRows();
        row += end - k;
        k = end;
    }
}

void SoundFileModel::remove(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    rowsMoved(row);
    endRemoveRows();
}

void SoundFileModel::rowsMoved(int first)
{
    if (first < m_indexedUpTo) {
        m_index.clear();
        m_indexedUpTo = 0;
    }
}

void SoundFileModel::setSummaries(const std::vector<std::pair<QByteArray, audio::SoundSummary>>& summaries)
{
    int first = rowCount();
    int last = -1;
    for (const auto& [path, summary] : summaries) {
        const int row = rowOf(path);
        if (row < 0)
            continue;
        m_rows[static_cast<std::size_t>(row)].summary = summary;
        first = std::min(first, row);
        last = std::max(last, row);
    }
    if (last >= first)
        emit dataChanged(index(first, Length), index(last, Channels));
}

void SoundFileModel::setPlaying(const QByteArray& path)
{
    const QByteArray before = m_playing;
    m_playing = path;
    for (const QByteArray& changed : {before, path})
        if (const int row = rowOf(changed); row >= 0)
            emit dataChanged(index(row, Play), index(row, Play));
}

QByteArray SoundFileModel::file(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].file.path : QByteArray();
}

QString SoundFileModel::name(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].file.name : QString();
}

int SoundFileModel::rowOf(const QByteArray& path) const
{
    if (path.isEmpty())
        return -1;
    for (; m_indexedUpTo < rowCount(); ++m_indexedUpTo)
        m_index.insert(m_rows[static_cast<std::size_t>(m_indexedUpTo)].file.path, m_indexedUpTo);
    return m_index.value(path, -1);
}

KnownFiles SoundFileModel::summarised() const
{
    KnownFiles known;
    for (const Row& row : m_rows)
        if (row.summary)
            known.insert(row.file.path, row.file.stamp);
    return known;
}

int SoundFileModel::summarisedCount() const
{
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.end(), [](const Row& row) { return row.summary; }));
}

int SoundFileModel::count(audio::SoundSummary::Kind kind) const
{
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.end(),
                                          [kind](const Row& row) { return row.summary && row.summary->kind == kind; }));
}

int SoundFileModel::notUtf8Count() const
{
    return static_cast<int>(
        std::count_if(m_rows.begin(), m_rows.end(), [](const Row& row) { return !row.file.nameIsUtf8; }));
}

int SoundFileModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SoundFileModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SoundFileModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return display(row, index.column());
    if (role == Qt::ToolTipRole)
        return toolTip(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SoundFileModel::display(const Row& row, int column) const
{
    using Kind = audio::SoundSummary::Kind;
    const auto& summary = row.summary;
    switch (column) {
    case Play:
        return row.file.path == m_playing ? QStringLiteral("\u25A0") : QStringLiteral("\u25B6");
    case Name:
        return row.file.name;
    case Length:
        if (!summary)
            return QStringLiteral("\u2026");
        if (summary->kind != Kind::Sound)
            return summary->kind == Kind::NotASound ? tr("not a sound") : tr("unreadable");
        return lengthText(summary->seconds());
    case Rate:
        return summary && summary->kind == Kind::Sound ? rateText(summary->rate) : QString();
    case Channels:
        return summary && summary->kind == Kind::Sound ? channelsText(summary->channels) : QString();
    default:
        return {};
    }
}

QString SoundFileModel::toolTip(const Row& row, int column) const
{
    if (column == Play)
        return row.file.path == m_playing ? tr("Stop (Space)") : tr("Play the file (Space)");
    if (column != Name)
        return {};
    const QString path = QFile::decodeName(row.file.path);
    return row.file.nameIsUtf8
               ? path
               : path + QLatin1Char('\n') + tr("The name is not UTF-8: \uFFFD stands for what cannot be shown");
}
QVariant SoundFileModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("Name");
    case Length:
        return tr("Length");
    case Rate:
        return tr("Rate");
    case Channels:
        return tr("Channels");
    default:
        return QString();
    }
}

Qt::ItemFlags SoundFileModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

QStringList SoundFileModel::mimeTypes() const
{
    return dragTypes();
}

QMimeData* SoundFileModel::mimeData(const QModelIndexList& indexes) const
{
    return dragOf(indexes, [this](int row) { return file(row); });
}

QStringList SoundFileModel::dragTypes()
{
    return {QStringLiteral("text/uri-list"), QString::fromLatin1(SlotDrops::kChosenInBrowser)};
}

QMimeData* SoundFileModel::dragOf(const QModelIndexList& indexes, const std::function<QByteArray(int)>& fileOf)
{
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    QList<QUrl> urls;
    for (const int row : rows)
        urls << QUrl::fromEncoded("file://" + fileOf(row).toPercentEncoding("/"));
    auto* data = new QMimeData;
    data->setUrls(urls);
    data->setData(QString::fromLatin1(SlotDrops::kChosenInBrowser), QByteArrayLiteral("1"));
    return data;
}

QString SoundFileModel::lengthText(double seconds)
{
    if (seconds < 59.995)
        return tr("%1 s").arg(QLocale().toString(seconds, 'f', 2));
    const auto tenths = static_cast<long long>(std::llround(seconds * 10.0));
    return QStringLiteral("%1:%2%3%4")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(QLocale().decimalPoint())
        .arg(tenths % 10);
}

QString SoundFileModel::rateText(double rate)
{
    return tr("%1 kHz").arg(QLocale().toString(rate / 1000.0, 'g', 6));
}

QString SoundFileModel::channelsText(unsigned channels)
{
    if (channels == 1)
        return tr("mono");
    if (channels == 2)
        return tr("stereo");
    return tr("%1 channels").arg(channels);
}

QStringList SoundFileModel::widestTexts(int column)
{
    switch (column) {
    case Play:
        return {QStringLiteral("\u25A0"), QStringLiteral("\u25B6")};
    case Length:
        return {lengthText(59.99), lengthText(3599.9), tr("not a sound"), tr("unreadable")};
    case Rate:
        return {rateText(11025), rateText(192000), rateText(22050)};
    case Channels:
        return {channelsText(1), channelsText(2), channelsText(88)};
    default:
        return {};
    }
}
