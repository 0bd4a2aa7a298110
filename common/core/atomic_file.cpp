#include "atomic_file.h"

#include <QBuffer>
#include <QImage>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string cannotWrite(const std::string& path, const std::string& reason)
{
    return "Cannot write \"" + path + "\": " + reason;
}

std::string systemReason()
{
    return std::strerror(errno);
}

// Every byte, or why not: a write cut short by a full disk or a file size limit is a failure, never a short file.
std::optional<std::string> writeAll(int descriptor, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? systemReason() : std::strerror(ENOSPC);
        written += static_cast<std::size_t>(count);
    }
    return std::nullopt;
}

// A new file gets the permissions any file the user makes gets; a replaced one keeps its own.
mode_t permissionsFor(const std::string& path)
{
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

struct WriteProblem {
    std::string reason;
    bool temporaryMade;
};

// Writes a temporary file beside the target, then renames it over the target; the temporary file never stays.
std::optional<WriteProblem> writeThroughTemporary(const std::string& path, const std::string& bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return WriteProblem{systemReason(), false};
    std::optional<std::string> problem = writeAll(descriptor, bytes);
    if (!problem && ::fchmod(descriptor, permissionsFor(path)) != 0)
        problem = systemReason();
    if (!problem && ::fsync(descriptor) != 0)
        problem = systemReason();
    if (::close(descriptor) != 0 && !problem)
        problem = systemReason();
    if (!problem && ::rename(temporary.c_str(), path.c_str()) != 0)
        problem = systemReason();
    if (!problem)
        return std::nullopt;
    ::unlink(temporary.c_str());
    return WriteProblem{*problem, true};
}

}  // namespace

std::optional<std::string> writeFileAtomically(const std::string& path, const std::string& bytes)
{
    if (const std::optional<WriteProblem> problem = writeThroughTemporary(path, bytes))
        return cannotWrite(path, problem->reason);
    return std::nullopt;
}

std::optional<std::string> writeFileAtomicallyOrInPlace(const std::string& path, const std::string& bytes)
{
    const std::optional<WriteProblem> atomic = writeThroughTemporary(path, bytes);
    if (!atomic)
        return std::nullopt;
    // Only where the temporary file could not even be made, and only over a file that is there already: a
    // write cut short must leave the old file whole.
    const int descriptor = atomic->temporaryMade ? -1 : ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (descriptor < 0)
        return cannotWrite(path, atomic->reason);
    std::optional<std::string> problem = writeAll(descriptor, bytes);
    if (::close(descriptor) != 0 && !problem)
        problem = systemReason();
    if (problem)
        return cannotWrite(path, *problem);
    return std::nullopt;
}

std::optional<std::string> writeBitmapAtomically(const std::string& path, const QImage& image)
{
    // Qt writes paletted images at 1 or 4 bits; the theme format's readers expect what we always wrote.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!rgb.save(&buffer, "BMP"))
        return cannotWrite(path, "the picture could not be encoded");
    return writeFileAtomically(path, encoded.toStdString());
}
