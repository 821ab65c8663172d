#include "app/files/ShapeSidecarText.h"

#include "audio/ShapeNames.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

namespace {

constexpr int kFormat = 1;
// Bytes: past 2^53 a JSON number no longer holds every whole number, and no sound file is that long.
constexpr double kLargestSourceSize = 9007199254740992.0;

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
    // Only a stretch is written: a sidecar of a fit by pitch keeps the bytes it always had.
    if (shape.fitKind != audio::FitKind::Pitch)
        object.insert("fitBy", text(audio::nameOf(shape.fitKind)));
    return object;
}

// A path that is UTF-8 is kept as text, as the earlier versions kept every path. JSON holds only
// Unicode, so any other path is kept byte for byte, percent-encoded, as "sourceBytes".
void insertSource(QJsonObject& entry, const std::string& path)
{
    const QByteArray bytes = QByteArray::fromStdString(path);
    const QString unicode = QString::fromUtf8(bytes);
    if (unicode.toUtf8() == bytes)
        entry.insert("source", unicode);
    else
        entry.insert("sourceBytes", QString::fromLatin1(bytes.toPercentEncoding("/")));
}

std::optional<std::string> sourceOf(const QJsonObject& entry)
{
    const QJsonValue bytes = entry.value("sourceBytes");
    const QJsonValue unicode = entry.value("source");
    std::string path;
    if (bytes.isString())
        path = QByteArray::fromPercentEncoding(bytes.toString().toLatin1()).toStdString();
    else if (bytes.isUndefined() && unicode.isString())
        path = unicode.toString().toStdString();
    // A NUL would cut the path short where the system reads it.
    if (!std::filesystem::path(path).is_absolute() || path.find('\0') != std::string::npos)
        return std::nullopt;
    return path;
}

// A whole number in [0, below); none for anything else. The range is checked while it is still a
// double: converting one beyond the integer's range is undefined.
std::optional<std::uint64_t> wholeNumber(const QJsonValue& value, double below)
{
    const double number = value.toDouble(-1.0);
    if (!value.isDouble() || !(number >= 0.0 && number < below) || std::trunc(number) != number)
        return std::nullopt;
    return static_cast<std::uint64_t>(number);
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
    // Absent in the sidecars of before stretching: those fits are by pitch.
    const auto fitKind = choice(object, "fitBy", shape.fitKind, &audio::fitKindNamed);
    const auto normalize = flag(object, "normalize");
    const auto trim = flag(object, "trim");
    const auto reverse = flag(object, "reverse");
    const auto dc = flag(object, "dc");
    const auto fit = flag(object, "fit");
    constexpr double kLongest = 3600.0; // seconds: far past the minute of a source the editor keeps
    const auto start = number(object, "start", 0.0, kLongest, 0.0);
    const auto threshold
        = number(object, "trimThreshold", audio::lowestLevel, audio::highestLevel, shape.trimThreshold);
    const auto gain = number(object, "gain", audio::lowestGain, audio::highestGain, 0.0);
    const auto pitch = number(object, "pitch", audio::lowestPitch, audio::highestPitch, 0.0);
    const auto fadeIn = number(object, "fadeIn", 0.0, audio::longestFade, 0.0);
    const auto fadeOut = number(object, "fadeOut", 0.0, audio::longestFade, 0.0);
    if (!resampling || !mono || !phase || !dither || !fitKind || !normalize || !trim || !reverse || !dc || !fit
        || !start || !threshold || !gain || !pitch || !fadeIn || !fadeOut)
        return std::nullopt;
    shape.resampling = *resampling;
    shape.mono = *mono;
    shape.phase = *phase;
    shape.dither = *dither;
    shape.fitKind = *fitKind;
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

// 64 lowercase hex digits and nothing else (a pattern's $ would let a final line break through).
bool isHash(const QString& value)
{
    return value.size() == 64 && std::all_of(value.begin(), value.end(), [](QChar digit) {
               return (digit >= u'0' && digit <= u'9') || (digit >= u'a' && digit <= u'f');
           });
}

std::optional<ShapeSidecarText::Slot> slotOf(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const std::optional<std::uint64_t> row = wholeNumber(object.value("row"), factory::kBankCount);
    const std::optional<std::uint64_t> slot
        = row ? wholeNumber(object.value("slot"), factory::slotCount(*row)) : std::nullopt;
    const std::optional<std::uint64_t> size = wholeNumber(object.value("size"), kLargestSourceSize);
    const std::optional<std::string> source = sourceOf(object);
    const QString modified = object.value("modified").toString();
    const QString hash = object.value("hash").toString();
    const std::optional<audio::SoundShape> shape = shapeOf(object.value("shape").toObject());
    bool modifiedIsNumber = false;
    const qint64 modifiedNanoseconds = modified.toLongLong(&modifiedIsNumber);
    if (!row || !slot || !size || !source || !shape || !modifiedIsNumber || !isHash(hash))
        return std::nullopt;
    return ShapeSidecarText::Slot{*row,   static_cast<int>(*slot), *source, *size, modifiedNanoseconds,
                                  *shape, hash.toStdString()};
}

} // namespace

std::string ShapeSidecarText::write(std::string_view bankFileName, const std::vector<Slot>& shaped)
{
    QJsonArray entries;
    for (const Slot& slot : shaped) {
        QJsonObject entry{{"row", static_cast<int>(slot.row)},
                          {"slot", slot.slot},
                          {"size", static_cast<double>(slot.sourceSize)},
                          {"modified", QString::number(slot.sourceModified)},
                          {"hash", QString::fromStdString(slot.bytesHash)},
                          {"shape", shapeObject(slot.shape)}};
        insertSource(entry, slot.sourcePath);
        entries.append(entry);
    }
    const QJsonObject root{{"format", kFormat}, {"bankFile", text(bankFileName)}, {"slots", entries}};
    return QJsonDocument(root).toJson().toStdString();
}

std::vector<ShapeSidecarText::Slot> ShapeSidecarText::read(std::string_view text)
{
    const QJsonObject root
        = QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size()))).object();
    if (root.value("format").toInt() != kFormat)
        return {};
    std::vector<Slot> kept;
    for (const QJsonValue& entry : root.value("slots").toArray())
        if (std::optional<Slot> slot = slotOf(entry))
            kept.push_back(std::move(*slot));
    return kept;
}
