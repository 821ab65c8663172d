#include "tests/support/SoundLevel.h"

#include "audio/PcmFileReader.h"
#include "bytes/SourceFile.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sound_level {

double ofFile(const std::string& path)
{
    const SourceFile source(path, 64 * 1024 * 1024);
    PcmFileReader reader(source.bytes());
    audio::PcmFrames s;
    if (!reader.isPcmFile() || reader.read(s, 0) == 0 || s.frameCount() == 0)
        return 0.0;
    const double fullScale = std::ldexp(1.0, s.m_bitsPerValue - 1);
    double sum = 0.0;
    for (std::uint64_t frame = 0; frame < s.frameCount(); ++frame) {
        double mean = 0.0;
        for (std::uint16_t channel = 0; channel < s.m_channels; ++channel)
            mean += static_cast<double>(s.getValue(frame, channel));
        mean /= s.m_channels * fullScale;
        sum += mean * mean;
    }
    return std::sqrt(sum / static_cast<double>(s.frameCount()));
}

double ofDeviceBytes(const std::vector<std::uint8_t>& bytes, std::size_t edge)
{
    if (bytes.size() <= 2 * edge)
        return 0.0;
    const double sum
        = std::accumulate(bytes.begin() + edge, bytes.end() - edge, 0.0, [](double total, std::uint8_t byte) {
              const double value = (byte - 128.0) / 128.0;
              return total + value * value;
          });
    return std::sqrt(sum / static_cast<double>(bytes.size() - 2 * edge));
}

double changeInDecibels(double source, double converted)
{
    return 20.0 * std::log10(converted / source);
}

double correlation(const std::vector<std::uint8_t>& delayed, const std::vector<std::uint8_t>& other, std::size_t lag)
{
    const std::size_t count = std::min(delayed.size() - lag, other.size());
    const auto a = delayed.begin() + static_cast<std::ptrdiff_t>(lag);
    const auto b = other.begin();
    const double n = static_cast<double>(count);
    const double meanA = std::accumulate(a, a + static_cast<std::ptrdiff_t>(count), 0.0) / n;
    const double meanB = std::accumulate(b, b + static_cast<std::ptrdiff_t>(count), 0.0) / n;
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        ab += (a[i] - meanA) * (b[i] - meanB);
        aa += (a[i] - meanA) * (a[i] - meanA);
        bb += (b[i] - meanB) * (b[i] - meanB);
    }
    return ab / std::sqrt(aa * bb);
}

} // namespace sound_level
