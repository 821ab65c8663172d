#include "app/library/LibraryFilters.h"

#include "app/library/SoundFileModel.h"
#include "app/settings/Settings.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QWidget>

using soundlibrary::SearchQuery;

namespace {

// The length filter's item that stands for the selected slot's length.
constexpr int kFitsSlot = -1;
// The other lengths offered, in seconds after the lead-in: the device's short slots.
constexpr double kLengths[] = {0.25, 0.5, 0.75, 0.99};

QVariant ratesOf(double lowest, double highest)
{
    return QVariantList{lowest, highest};
}

} // namespace

LibraryFilters::LibraryFilters(Settings& settings, std::function<std::optional<double>()> slotSeconds, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_slotSeconds(std::move(slotSeconds))
    , m_controls(new QWidget)
{
    makeLengths();
    makeFormats();
    makeChannelsAndRates();
    m_folder = combo("combo_libraryFolder", tr("Library folder"));
    m_folder->addItem(tr("All folders"));
    makeOrders();
    remember(*m_length, QStringLiteral("library/length"));
    remember(*m_format, QStringLiteral("library/format"));
    remember(*m_channels, QStringLiteral("library/channels"));
    remember(*m_rate, QStringLiteral("library/rate"));
    remember(*m_order, QStringLiteral("library/order"));
    auto* layout = new QGridLayout(m_controls);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_length, 0, 0);
    layout->addWidget(m_format, 0, 1);
    layout->addWidget(m_channels, 0, 2);
    layout->addWidget(m_rate, 1, 0);
    layout->addWidget(m_folder, 1, 1);
    layout->addWidget(m_order, 1, 2);
}

QComboBox* LibraryFilters::combo(const char* name, const QString& accessibleName)
{
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setToolTip(accessibleName);
    // Each shows what it can of its choice where the panel is narrow, rather than widening it.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(4);
    connect(box, &QComboBox::currentIndexChanged, this, &LibraryFilters::changed);
    return box;
}

void LibraryFilters::remember(QComboBox& box, const QString& key)
{
    const int kept = m_settings.value(key, 0).toInt();
    if (kept > 0 && kept < box.count()) {
        const QSignalBlocker quiet(box);
        box.setCurrentIndex(kept);
    }
    connect(&box, &QComboBox::currentIndexChanged, this, [this, key](int chosen) { m_settings.setValue(key, chosen); });
}

void LibraryFilters::makeLengths()
{
    m_length = combo("combo_libraryLength", tr("Length after the lead-in"));
    m_length->addItem(tr("Any length"));
    m_length->addItem(tr("Fits the selected slot"), kFitsSlot);
    for (const double seconds : kLengths)
        m_length->addItem(tr("Up to %1").arg(SoundFileModel::lengthText(seconds)), seconds);
}

void LibraryFilters::makeFormats()
{
    m_format = combo("combo_libraryFormat", tr("Format"));
    m_format->addItem(tr("Any format"));
    // The formats by the names musicians know them by, each with its names' endings.
    const QList<std::pair<QString, QStringList>> formats{
        {QStringLiteral("WAV"), {QStringLiteral("wav")}},
        {QStringLiteral("AIFF"), {QStringLiteral("aif"), QStringLiteral("aiff"), QStringLiteral("aifc")}},
        {QStringLiteral("FLAC"), {QStringLiteral("flac")}},
        {QStringLiteral("Ogg Vorbis"), {QStringLiteral("ogg")}},
        {QStringLiteral("Opus"), {QStringLiteral("opus")}},
        {QStringLiteral("MP3"), {QStringLiteral("mp3")}},
        {QStringLiteral("W64"), {QStringLiteral("w64")}},
        {QStringLiteral("AU"), {QStringLiteral("au")}},
        {QStringLiteral("CAF"), {QStringLiteral("caf")}},
    };
    for (const auto& [name, endings] : formats)
        m_format->addItem(name, endings);
}

void LibraryFilters::makeChannelsAndRates()
{
    m_channels = combo("combo_libraryChannels", tr("Channels"));
    m_channels->addItem(tr("Any channels"));
    m_channels->addItem(SoundFileModel::channelsText(1), 1);
    m_channels->addItem(SoundFileModel::channelsText(2), 2);
    m_rate = combo("combo_libraryRate", tr("Rate"));
    m_rate->addItem(tr("Any rate"));
    m_rate->addItem(tr("%1 or less").arg(SoundFileModel::rateText(32000)), ratesOf(0.0, 32000.0));
    for (const double rate : {44100.0, 48000.0})
        m_rate->addItem(SoundFileModel::rateText(rate), ratesOf(rate, rate));
    m_rate->addItem(tr("%1 or more").arg(SoundFileModel::rateText(88200)), ratesOf(88200.0, 0.0));
}

void LibraryFilters::makeOrders()
{
    m_order = combo("combo_libraryOrder", tr("Order"));
    m_order->addItem(tr("Best match first"), static_cast<int>(SearchQuery::Order::Relevance));
    m_order->addItem(tr("Shortest first"), static_cast<int>(SearchQuery::Order::Length));
    m_order->addItem(tr("Brightest first"), static_cast<int>(SearchQuery::Order::Brightness));
}

void LibraryFilters::setFolders(const std::vector<std::string>& folders)
{
    const QByteArray chosen = m_folder->currentData().toByteArray();
    const QSignalBlocker quiet(m_folder);
    while (m_folder->count() > 1)
        m_folder->removeItem(1);
    for (const std::string& folder : folders) {
        const QByteArray bytes = QByteArray::fromStdString(folder);
        m_folder->addItem(QFile::decodeName(bytes), bytes);
    }
    const int again = chosen.isEmpty() ? 0 : m_folder->findData(chosen);
    m_folder->setCurrentIndex(std::max(again, 0));
    if (!chosen.isEmpty() && again < 0)
        emit changed();
}

bool LibraryFilters::followsSlot() const
{
    return m_length->currentData() == kFitsSlot;
}

void LibraryFilters::apply(SearchQuery& query) const
{
    if (followsSlot())
        query.longestSeconds = m_slotSeconds ? m_slotSeconds() : std::nullopt;
    else if (m_length->currentData().isValid())
        query.longestSeconds = m_length->currentData().toDouble();
    for (const QString& ending : m_format->currentData().toStringList())
        query.formats.push_back(ending.toStdString());
    if (m_channels->currentData().isValid())
        query.channels = m_channels->currentData().toUInt();
    if (const QVariantList rates = m_rate->currentData().toList(); rates.size() == 2) {
        if (rates[0].toDouble() > 0.0)
            query.lowestRate = rates[0].toDouble();
        if (rates[1].toDouble() > 0.0)
            query.highestRate = rates[1].toDouble();
    }
    query.folder = m_folder->currentData().toByteArray().toStdString();
    query.order = static_cast<SearchQuery::Order>(m_order->currentData().toInt());
}
