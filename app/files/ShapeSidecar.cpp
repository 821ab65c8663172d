#include "app/files/ShapeSidecar.h"

#include "app/common/WindowText.h"
#include "bytes/AtomicFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

// Far more than 32 banks of six slots take: a larger file is no sidecar of ours.
constexpr std::size_t kLargestSidecar = 1 << 20;

// The bytes of a regular file no larger than kLargestSidecar; none for anything else. The open
// does not block, so a FIFO in the sidecar's place is refused instead of waited on.
std::optional<std::string> sidecarText(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return std::nullopt;
    struct stat status { };
    std::optional<std::string> text;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)
        && static_cast<std::uint64_t>(status.st_size) <= kLargestSidecar) {
        // One byte more than allowed, to see a file that grew since fstat.
        text.emplace(kLargestSidecar + 1, '\0');
        std::size_t held = 0;
        while (held < text->size()) {
            const ssize_t got = ::read(descriptor, text->data() + held, text->size() - held);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            held += static_cast<std::size_t>(got);
        }
        text->resize(held);
    }
    ::close(descriptor);
    if (text && text->size() > kLargestSidecar)
        return std::nullopt;
    return text;
}

} // namespace

std::string ShapeSidecar::pathFor(const std::string& bankFile)
{
    std::string base = bankFile;
    if (base.size() >= 4
        && QString::fromStdString(base.substr(base.size() - 4)).compare(".mid", Qt::CaseInsensitive) == 0)
        base.resize(base.size() - 4);
    return base + ".zylox.json";
}

std::string ShapeSidecar::hashOf(std::span<const std::uint8_t> bytes)
{
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().toStdString();
}

bool ShapeSidecar::write(const std::string& bankFile, const std::vector<Slot>& shaped, QString& error)
{
    // The path's own bytes throughout: a name that is not UTF-8 would not survive a QString.
    const std::string path = pathFor(bankFile);
    if (shaped.empty()) {
        std::error_code failure;
        // No sidecar there is no failure.
        std::filesystem::remove(path, failure);
        if (!failure)
            return true;
        error = QCoreApplication::translate("ShapeSidecar", "could not remove %1")
                    .arg(QFile::decodeName(QByteArray::fromStdString(path)));
        return false;
    }
    AtomicFile file(path);
    if (file.temporaryPath().empty()) {
        error = WindowText::of(file.failure().text());
        return false;
    }
    errno = 0;
    std::ofstream out(file.temporaryPath(), std::ios::binary | std::ios::trunc);
    out << ShapeSidecarText::write(std::filesystem::path(bankFile).filename().string(), shaped);
    out.close();
    if (!out) {
        error = WindowText::of(FileFailure::fromErrno(errno).text());
        return false;
    }
    if (!file.commit()) {
        error = WindowText::of(file.failure().text());
        return false;
    }
    return true;
}

std::vector<ShapeSidecar::Slot> ShapeSidecar::read(const std::string& bankFile)
{
    const std::optional<std::string> text = sidecarText(pathFor(bankFile));
    return text ? ShapeSidecarText::read(*text) : std::vector<Slot>{};
}
