#include "app/files/CShapeSidecar.h"

#include "audio/ShapeNames.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <filesystem>
#include <optional>

namespace {

constexpr int kFormat = 1;
// Far more than 32 banks of six slots take: a larger file is no sidecar of ours.
constexpr qint64 kLargestSidecar = 1 << 20;

QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

QJsonObject shapeObject(const audio::SoundShape& shape)
{
    QJsonObject object{{"resampling", text(audio::nameOf(shape.resampling))},
                       {"normalize", shape.normalize},
                       {"trim", shape.trim},
                       {"start", shape.start},
                       {"mono", text(audio::nameOf(shape.mono))},
                       {"reverse", shape.reverse},
                       {"trimThreshold", shape.trimThreshold},
                       {"dc", shape.removeDc},
                       {"gain", shape.gain},
                       {"pitch", shape.pitch},
                       {"fit", shape.fit},
                       {"phase", text(audio::nameOf(shape.phase))},
                       {"fadeIn", shape.fadeIn},
                       {"fadeOut", shape.fadeOut},
                       {"dither", text(audio::nameOf(shape.dither))}};
    if (shape.end)
        object.insert("end", *shape.end);
    if (shape.limit)
        object.insert("limit", *shape.limit);
    return object;
}

// A number of the object within [lowest, highest]; fallback when absent; none when it is anything else.
std::optional<double> number(const QJsonObject& object, const char* key, double lowest, double highest,
                             std::optional<double> fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isDouble() || value.toDouble() < lowest || value.toDouble() > highest)
        return std::nullopt;
    return value.toDouble();
}

std::optional<bool> flag(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return false;
    return value.isBool() ? std::optional<bool>(value.toBool()) : std::nullopt;
}

template <class Choice>
std::optional<Choice> choice(const QJsonObject& object, const char* key, Choice fallback,
                             std::optional<Choice> (*named)(std::string_view))
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    return value.isString() ? named(value.toString().toStdString()) : std::nullopt;
}

std::optional<audio::SoundShape> shapeOf(const QJsonObject& object)
{
    audio::SoundShape shape;
    const auto resampling = choice(object, "resampling", shape.resampling, &audio::resamplingNamed);
    const auto mono = choice(object, "mono", shape.mono, &audio::monoSourceNamed);
    const auto phase = choice(object, "phase", shape.phase, &audio::filterPhaseNamed);
    const auto dither = choice(object, "dither", shape.dither, &audio::ditherNamed);
    const auto normalize = flag(object, "normalize");
    const auto trim = flag(object, "trim");
    const auto reverse = flag(object, "reverse");
    const auto dc = flag(object, "dc");
    const auto fit = flag(object, "fit");
    constexpr double kLongest = 3600.0;  // seconds: far past the minute of a source the editor keeps
    const auto start = number(object, "start", 0.0, kLongest, 0.0);
    const auto threshold = number(object, "trimThreshold", audio::lowestLevel, audio::highestLevel, shape.trimThreshold);
    const auto gain = number(object, "gain", audio::lowestGain, audio::highestGain, 0.0);
    const auto pitch = number(object, "pitch", audio::lowestPitch, audio::highestPitch, 0.0);
    const auto fadeIn = number(object, "fadeIn", 0.0, audio::longestFade, 0.0);
    const auto fadeOut = number(object, "fadeOut", 0.0, audio::longestFade, 0.0);
    if (!resampling || !mono || !phase || !dither || !normalize || !trim || !reverse || !dc || !fit || !start
        || !threshold || !gain || !pitch || !fadeIn || !fadeOut)
        return std::nullopt;
    shape.resampling = *resampling;
    shape.mono = *mono;
    shape.phase = *phase;
    shape.dither = *dither;
    shape.normalize = *normalize;
    shape.trim = *trim;
    shape.reverse = *reverse;
    shape.removeDc = *dc;
    shape.fit = *fit;
    shape.start = *start;
    shape.trimThreshold = *threshold;
    shape.gain = *gain;
    shape.pitch = *pitch;
    shape.fadeIn = *fadeIn;
    shape.fadeOut = *fadeOut;
    if (object.contains("end")) {
        const auto end = number(object, "end", shape.start, kLongest, std::nullopt);
        if (!end || *end <= shape.start)
            return std::nullopt;
        shape.end = end;
    }
    if (object.contains("limit")) {
        shape.limit = number(object, "limit", audio::lowestLevel, audio::highestLevel, std::nullopt);
        if (!shape.limit)
            return std::nullopt;
    }
    return shape;
}

bool isHash(const QString& value)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    return hex.match(value).hasMatch();
}

std::optional<CShapeSidecar::Slot> slotOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue row = object.value("row");
    const QJsonValue slot = object.value("slot");
    const QString source = object.value("source").toString();
    const QJsonValue size = object.value("size");
    const QString modified = object.value("modified").toString();
    const QString hash = object.value("hash").toString();
    const std::optional<audio::SoundShape> shape = shapeOf(object.value("shape").toObject());
    bool modifiedIsNumber = false;
    const qint64 modifiedNanoseconds = modified.toLongLong(&modifiedIsNumber);
    if (!row.isDouble() || !slot.isDouble() || !size.isDouble() || !shape || !modifiedIsNumber || !isHash(hash)
        || !std::filesystem::path(source.toStdString()).is_absolute())
        return std::nullopt;
    const double rowNumber = row.toDouble();
    const double slotNumber = slot.toDouble();
    if (rowNumber != static_cast<int>(rowNumber) || rowNumber < 0 || rowNumber >= factory::kBankCount
        || slotNumber != static_cast<int>(slotNumber) || slotNumber < 0
        || slotNumber >= factory::slotCount(static_cast<std::size_t>(rowNumber)) || size.toDouble() < 0)
        return std::nullopt;
    return CShapeSidecar::Slot{static_cast<std::size_t>(rowNumber), static_cast<int>(slotNumber), source.toStdString(),
                               static_cast<std::uint64_t>(size.toDouble()), modifiedNanoseconds, *shape,
                               hash.toStdString()};
}

} // namespace

std::string CShapeSidecar::pathFor(const std::string& bankFile)
{
    std::string base = bankFile;
    if (base.size() >= 4 && QString::fromStdString(base.substr(base.size() - 4)).compare(".mid", Qt::CaseInsensitive) == 0)
        base.resize(base.size() - 4);
    return base + ".zylox.json";
}

std::string CShapeSidecar::hashOf(std::span<const std::uint8_t> bytes)
{
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().toStdString();
}

bool CShapeSidecar::write(const std::string& bankFile, const std::vector<Slot>& shaped, std::string& error)
{
    const QString path = QString::fromStdString(pathFor(bankFile));
    if (shaped.empty()) {
        if (!QFile::exists(path) || QFile::remove(path))
            return true;
        error = QCoreApplication::translate("CShapeSidecar", "could not remove %1").arg(path).toStdString();
        return false;
    }
    QJsonArray entries;
    for (const Slot& slot : shaped)
        entries.append(QJsonObject{{"row", static_cast<int>(slot.row)},
                                   {"slot", slot.slot},
                                   {"source", QString::fromStdString(slot.sourcePath)},
                                   {"size", static_cast<double>(slot.sourceSize)},
                                   {"modified", QString::number(slot.sourceModified)},
                                   {"hash", QString::fromStdString(slot.bytesHash)},
                                   {"shape", shapeObject(slot.shape)}});
    const QJsonObject root{{"format", kFormat},
                           {"bankFile", QString::fromStdString(std::filesystem::path(bankFile).filename().string())},
                           {"slots", entries}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 || !file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}

std::vector<CShapeSidecar::Slot> CShapeSidecar::read(const std::string& bankFile)
{
    QFile file(QString::fromStdString(pathFor(bankFile)));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSidecar)
        return {};
    const QJsonObject root = QJsonDocument::fromJson(file.read(kLargestSidecar)).object();
    if (root.value("format").toInt() != kFormat)
        return {};
    std::vector<Slot> kept;
    for (const QJsonValue& entry : root.value("slots").toArray())
        if (std::optional<Slot> slot = slotOf(entry))
            kept.push_back(std::move(*slot));
    return kept;
}
