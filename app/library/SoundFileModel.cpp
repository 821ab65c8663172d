#include "app/library/SoundFileModel.h"

#include "app/banks/SlotDrops.h"

#include <QFileInfo>
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

void SoundFileModel::setFiles(const QStringList& paths)
{
    beginResetModel();
    m_paths = paths;
    m_summaries.assign(static_cast<std::size_t>(paths.size()), std::nullopt);
    m_summarised = 0;
    m_playing = -1;
    endResetModel();
}

void SoundFileModel::setSummaries(int first, const std::vector<audio::SoundSummary>& summaries)
{
    const int last = std::min(first + static_cast<int>(summaries.size()), rowCount()) - 1;
    if (first < 0 || last < first)
        return;
    for (int row = first; row <= last; ++row) {
        auto& kept = m_summaries[static_cast<std::size_t>(row)];
        m_summarised += kept ? 0 : 1;
        kept = summaries[static_cast<std::size_t>(row - first)];
    }
    emit dataChanged(index(first, Length), index(last, Channels));
}

void SoundFileModel::setPlayingRow(int row)
{
    const int before = m_playing;
    m_playing = row;
    for (const int changed : {before, row})
        if (changed >= 0 && changed < rowCount())
            emit dataChanged(index(changed, Play), index(changed, Play));
}

QString SoundFileModel::path(int row) const
{
    return row >= 0 && row < m_paths.size() ? m_paths[row] : QString();
}

int SoundFileModel::rowOf(const QString& path) const
{
    return static_cast<int>(m_paths.indexOf(path));
}

int SoundFileModel::soundCount() const
{
    return static_cast<int>(std::count_if(m_summaries.begin(), m_summaries.end(), [](const auto& summary) {
        return summary && summary->kind == audio::SoundSummary::Kind::Sound;
    }));
}

int SoundFileModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_paths.size());
}

int SoundFileModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SoundFileModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const auto& summary = m_summaries[static_cast<std::size_t>(row)];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return display(m_paths[row], summary, index.column(), row);
    if (role == Qt::ToolTipRole && index.column() == Play)
        return row == m_playing ? tr("Stop (Space)") : tr("Play the file as it is (Space)");
    if (role == Qt::ToolTipRole && index.column() == Name)
        return m_paths[row];
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SoundFileModel::display(const QString& path, const std::optional<audio::SoundSummary>& summary, int column,
                                 int row) const
{
    using Kind = audio::SoundSummary::Kind;
    switch (column) {
    case Play:
        return row == m_playing ? QStringLiteral("\u25A0") : QStringLiteral("\u25B6");
    case Name:
        return QFileInfo(path).fileName();
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
    return {QStringLiteral("text/uri-list"), QString::fromLatin1(SlotDrops::kChosenInBrowser)};
}

QMimeData* SoundFileModel::mimeData(const QModelIndexList& indexes) const
{
    // Every column of a row is among the indexes; each file goes once, in the list's order.
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        rows.insert(index.row());
    QList<QUrl> urls;
    for (const int row : rows)
        urls << QUrl::fromLocalFile(path(row));
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
