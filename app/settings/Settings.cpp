#include "app/settings/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariantList>

namespace {

QString folderKey(Settings::Folder which)
{
    switch (which) {
    case Settings::Folder::Open:
        return QStringLiteral("folders/open");
    case Settings::Folder::Save:
        return QStringLiteral("folders/save");
    case Settings::Folder::Import:
        break;
    }
    return QStringLiteral("folders/import");
}

// Whether writing the value would leave the settings as they are. The file gives numbers and
// truth values back as text; text is compared as text ("00" is not the number 0 stored before).
bool isStored(const QVariant& stored, const QVariant& value)
{
    if (stored.typeId() == value.typeId())
        return stored == value;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return stored.typeId() == QMetaType::QString && stored.toString() == value.toString();
    default:
        return false;
    }
}

// A path is kept as its bytes: a name need not be UTF-8, and as text it would keep U+FFFD in place
// of what is not. Older runs kept paths as text (their UTF-8), which still reads.
std::string pathOf(const QVariant& stored)
{
    return (stored.typeId() == QMetaType::QByteArray ? stored.toByteArray() : stored.toString().toUtf8()).toStdString();
}

constexpr int kFirstChannel = 1;
constexpr int kLastChannel = 16;

} // namespace

Settings::Settings()
    : m_store(std::make_unique<QSettings>(QStringLiteral("zylox"), QStringLiteral("zylox-editor")))
{
}

Settings::Settings(const QString& iniPath)
    : m_store(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

Settings::~Settings() = default;

QString Settings::folder(Folder which) const
{
    const QString folder = m_store->value(folderKey(which)).toString();
    // A folder removed or unmounted since would leave the panel wherever the toolkit falls back to.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void Settings::rememberFile(Folder which, const QString& path)
{
    if (!path.isEmpty())
        store(folderKey(which), QFileInfo(path).absoluteDir().path());
}

QString Settings::output() const
{
    return m_store->value(QStringLiteral("midi/output")).toString();
}

void Settings::setOutput(const QString& output)
{
    store(QStringLiteral("midi/output"), output);
}

int Settings::channel() const
{
    bool isNumber = false;
    const int channel = m_store->value(QStringLiteral("midi/channel")).toInt(&isNumber);
    return isNumber && channel >= kFirstChannel && channel <= kLastChannel ? channel : kFirstChannel;
}

void Settings::setChannel(int channel)
{
    if (channel >= kFirstChannel && channel <= kLastChannel)
        store(QStringLiteral("midi/channel"), channel);
}

bool Settings::allBanks() const
{
    return m_store->value(QStringLiteral("banks/all"), false).toBool();
}

void Settings::setAllBanks(bool allBanks)
{
    store(QStringLiteral("banks/all"), allBanks);
}

std::string Settings::lastFile() const
{
    return pathOf(m_store->value(QStringLiteral("files/last")));
}

void Settings::setLastFile(const std::string& path)
{
    if (!path.empty())
        store(QStringLiteral("files/last"), QByteArray::fromStdString(path));
}

bool Settings::reopensLastFile() const
{
    return m_store->value(QStringLiteral("files/reopenLast"), false).toBool();
}

void Settings::setReopensLastFile(bool reopens)
{
    store(QStringLiteral("files/reopenLast"), reopens);
}

bool Settings::chokesOpenHat() const
{
    return m_store->value(QStringLiteral("pads/choke"), true).toBool();
}

void Settings::setChokesOpenHat(bool chokes)
{
    store(QStringLiteral("pads/choke"), chokes);
}

QByteArray Settings::geometry() const
{
    return m_store->value(QStringLiteral("window/geometry")).toByteArray();
}

void Settings::setGeometry(const QByteArray& geometry)
{
    store(QStringLiteral("window/geometry"), geometry);
}

QByteArray Settings::splitter() const
{
    return m_store->value(QStringLiteral("window/splitter")).toByteArray();
}

void Settings::setSplitter(const QByteArray& state)
{
    store(QStringLiteral("window/splitter"), state);
}

QVariant Settings::value(const QString& key, const QVariant& fallback) const
{
    return m_store->value(key, fallback);
}

void Settings::sync()
{
    m_store->sync();
}

void Settings::setValue(const QString& key, const QVariant& value)
{
    store(key, value);
}

std::vector<std::string> Settings::paths(const QString& key) const
{
    const QVariant stored = m_store->value(key);
    // The file gives a list of one back as that one entry.
    const bool isList = stored.typeId() == QMetaType::QVariantList || stored.typeId() == QMetaType::QStringList;
    std::vector<std::string> paths;
    for (const QVariant& entry : isList ? stored.toList() : QVariantList{stored})
        if (std::string path = pathOf(entry); !path.empty())
            paths.push_back(std::move(path));
    return paths;
}

void Settings::setPaths(const QString& key, const std::vector<std::string>& paths)
{
    QVariantList entries;
    for (const std::string& path : paths)
        entries.push_back(QByteArray::fromStdString(path));
    store(key, entries);
}

void Settings::store(const QString& key, const QVariant& value)
{
    // A change is written out with two flushes to the disk (the lock file's and the file's), which
    // on a busy disk take a second or more: what is there already is not written again, and the
    // window's place is kept while the window is in use, so that closing it writes nothing.
    if (!isStored(m_store->value(key), value))
        m_store->setValue(key, value);
}
