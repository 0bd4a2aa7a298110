#include "theme_archive.h"

#include <zip.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_lookup.h"
#include "file_system.h"
#include "theme_files.h"
#include "theme_name_rules.h"

namespace {

struct ZipDiscarder {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipDiscarder>;

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipEntry = std::unique_ptr<zip_file_t, ZipFileCloser>;

// One file of the theme as the archive lists it.
struct PlannedFile {
    zip_uint64_t index;
    std::string name;
    std::uint64_t size;
};

// What an archive that passed its checks unpacks to.
struct ArchivePlan {
    std::string theme;
    std::vector<PlannedFile> files;
};

using PlanResult = Result<ArchivePlan>;

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::vector<std::string> partsOf(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

// Whether the entry's path could lead anywhere but into the top folder, on this system or on Windows.
bool leavesTheTopFolder(const std::string& path)
{
    if (path.empty() || path.front() == '/' || path.find('\\') != std::string::npos)
        return true;
    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
        return true;
    for (const std::string& part : partsOf(path)) {
        if (part.empty() || part == "." || part == "..")
            return true;
    }
    return false;
}

// Only plain files and folders may be unpacked: a link could lead out of the theme's folder, a device anywhere.
bool isPlainFileOrFolder(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    if (system != ZIP_OPSYS_UNIX)
        return true;
    const mode_t type = (attributes >> 16) & S_IFMT;
    return type == 0 || type == S_IFREG || type == S_IFDIR;
}

// Whether `size` is more than kMaxPackingRatio times `packed`, without an overflow for any sizes an archive claims.
bool packedTooTightly(std::uint64_t size, std::uint64_t packed)
{
    const auto ratio = static_cast<std::uint64_t>(kMaxPackingRatio);
    return packed < size / ratio || (packed == size / ratio && size % ratio != 0);
}

// Every byte, or the system's reason.
std::optional<std::string> writeAll(int descriptor, const char* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t written = ::write(descriptor, bytes, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return std::strerror(written < 0 ? errno : ENOSPC);
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return std::nullopt;
}

PlanResult planUnpacking(zip_t* archive, const std::string& label)
{
    const auto refuse = [&](const std::string& reason) { return PlanResult::failure(reason); };
    const auto refuseEntry = [&](const std::string& entry, const std::string& reason) {
        return PlanResult::failure("In " + label + ", " + quoted(entry) + " " + reason);
    };
    const zip_int64_t entries = zip_get_num_entries(archive, 0);
    if (entries > kMaxArchiveEntries)
        return refuse(label + " holds " + std::to_string(entries) + " entries; a theme's archive holds at most " +
                      std::to_string(kMaxArchiveEntries) + ".");
    ArchivePlan plan;
    std::set<std::string> names;
    std::uint64_t total = 0;
    for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(entries); ++index) {
        zip_stat_t entry;
        zip_stat_init(&entry);
        if (zip_stat_index(archive, index, 0, &entry) != 0 || !(entry.valid & ZIP_STAT_NAME))
            return refuse(label + " is damaged: " + zip_strerror(archive) + ".");
        const std::string path = entry.name;
        if (leavesTheTopFolder(path))
            return refuseEntry(path, "leads out of the theme's folder.");
        if (!isPlainFileOrFolder(archive, index))
            return refuseEntry(path, "is a link or a device, not a plain file.");
        if ((entry.valid & ZIP_STAT_ENCRYPTION_METHOD) && entry.encryption_method != ZIP_EM_NONE)
            return refuseEntry(path, "is encrypted.");
        const bool isFolder = path.back() == '/';
        const std::vector<std::string> parts = partsOf(path);
        if (plan.theme.empty()) {
            if (const std::optional<std::string> problem = themeNameProblem(parts.front()))
                return refuseEntry(parts.front(), "cannot be a theme's folder: " + *problem);
            plan.theme = parts.front();
        }
        if (parts.front() != plan.theme || parts.size() != (isFolder ? 1u : 2u))
            return refuse(label + " does not hold one theme folder with its files: " + quoted(path) +
                          " lies elsewhere.");
        if (isFolder)
            continue;
        const std::string& name = parts.back();
        if (const std::optional<std::string> problem = themeNameProblem(name))
            return refuseEntry(path, "is not a name a theme's file may have: " + *problem);
        if (!names.insert(name).second)
            return refuseEntry(path, "is in the archive twice.");
        if (!(entry.valid & ZIP_STAT_SIZE) || !(entry.valid & ZIP_STAT_COMP_SIZE))
            return refuseEntry(path, "has no size in the archive.");
        total += entry.size;
        if (total > static_cast<std::uint64_t>(kMaxUnpackedBytes))
            return refuse(label + " would unpack to more than " + pictureBudgetText() + ".");
        if (packedTooTightly(entry.size, entry.comp_size))
            return refuseEntry(
                path, "would unpack to more than " + std::to_string(kMaxPackingRatio) + " times its packed size.");
        // A player's scores belong to the player's own copy of a theme, not to the theme shared.
        if (name != ThemeFiles::kHighScores)
            plan.files.push_back({index, name, entry.size});
    }
    if (plan.theme.empty())
        return refuse(label + " does not hold one theme folder with its files: it is empty.");
    return PlanResult::success(std::move(plan));
}

// Unpacks one planned file; what comes out is counted, whatever the archive said its size was.
std::optional<std::string> unpackFile(zip_t* archive, const PlannedFile& file, const std::string& label,
                                      const std::string& into)
{
    ZipEntry entry(zip_fopen_index(archive, file.index, 0));
    if (!entry)
        return label + " is damaged: " + zip_strerror(archive) + ".";
    const std::string path = joinPath(into, file.name);
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return "Cannot write " + quoted(path) + ": " + std::strerror(errno);
    std::optional<std::string> problem;
    std::uint64_t unpacked = 0;
    char buffer[65536];
    for (;;) {
        const zip_int64_t count = zip_fread(entry.get(), buffer, sizeof buffer);
        if (count < 0) {
            problem = label + " is damaged or cut short: " + zip_file_strerror(entry.get()) + ".";
            break;
        }
        if (count == 0)
            break;
        unpacked += static_cast<std::uint64_t>(count);
        if (unpacked > file.size) {
            problem = "In " + label + ", " + quoted(file.name) + " unpacks to more than the archive says.";
            break;
        }
        if (const std::optional<std::string> reason = writeAll(descriptor, buffer, static_cast<std::size_t>(count))) {
            problem = "Cannot write " + quoted(path) + ": " + *reason;
            break;
        }
    }
    if (::close(descriptor) != 0 && !problem)
        problem = "Cannot write " + quoted(path) + ": " + std::strerror(errno);
    if (!problem && unpacked != file.size)
        problem = label + " is damaged or cut short: " + quoted(file.name) + " ends early.";
    return problem;
}

Result<std::string> unpackOpened(zip_t* archive, const std::string& label, const std::string& into)
{
    PlanResult plan = planUnpacking(archive, label);
    if (!plan)
        return Result<std::string>::failure(plan.error());
    for (const PlannedFile& file : plan.value().files) {
        if (std::optional<std::string> problem = unpackFile(archive, file, label, into))
            return Result<std::string>::failure(*problem);
    }
    return Result<std::string>::success(plan.value().theme);
}

// An archive cut short loses its directory, which is at its end: the library then sees no archive at all, but one
// that begins as an archive does is told as cut short.
std::string openProblem(const std::string& label, zip_error_t* error, const std::string& firstBytes)
{
    const bool beginsAsArchive = firstBytes.rfind(std::string("PK\x03\x04", 4), 0) == 0;
    if (zip_error_code_zip(error) == ZIP_ER_NOZIP && !beginsAsArchive)
        return label + " is not a zip archive.";
    return label + " is damaged or cut short: " + zip_error_strerror(error) + ".";
}

}  // namespace

Result<std::string> unpackThemeArchive(const std::string& archivePath, const std::string& into)
{
    const std::string label = quoted(archivePath);
    int code = 0;
    ZipArchive archive(zip_open(archivePath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string problem = openProblem(label, &error, readFileHead(archivePath, 4).value_or(std::string()));
        zip_error_fini(&error);
        return Result<std::string>::failure(problem);
    }
    return unpackOpened(archive.get(), label, into);
}

Result<std::string> unpackThemeArchiveBytes(const std::string& bytes, const std::string& label, const std::string& into)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    ZipArchive archive(source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr);
    if (!archive) {
        zip_source_free(source);
        std::string problem = openProblem(quoted(label), &error, bytes.substr(0, 4));
        zip_error_fini(&error);
        return Result<std::string>::failure(problem);
    }
    zip_error_fini(&error);
    return unpackOpened(archive.get(), quoted(label), into);
}

std::optional<std::string> writeThemeArchive(const std::string& archivePath, const std::string& name,
                                             const std::string& folder, const std::vector<std::string>& fileNames)
{
    const std::string label = quoted(archivePath);
    std::vector<std::string> contents;
    contents.reserve(fileNames.size());
    for (const std::string& fileName : fileNames) {
        const std::string path = findInFolder(folder, fileName);
        Result<std::string> bytes = readFileBytes(path, kMaxUnpackedBytes);
        if (!bytes)
            return "Cannot read " + quoted(path) + ": " + bytes.error();
        contents.push_back(std::move(bytes.value()));
    }
    int code = 0;
    // The archive goes to a temporary file of the library's, renamed over `archivePath` when it is closed.
    zip_t* archive = zip_open(archivePath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string problem = "Cannot write " + label + ": " + zip_error_strerror(&error);
        zip_error_fini(&error);
        return problem;
    }
    const auto failed = [&]() {
        std::string problem = "Cannot write " + label + ": " + zip_strerror(archive);
        zip_discard(archive);
        return problem;
    };
    if (zip_dir_add(archive, (name + "/").c_str(), ZIP_FL_ENC_GUESS) < 0)
        return failed();
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        zip_source_t* source = zip_source_buffer(archive, contents[i].data(), contents[i].size(), 0);
        if (!source)
            return failed();
        if (zip_file_add(archive, (name + "/" + fileNames[i]).c_str(), source, ZIP_FL_ENC_GUESS) < 0) {
            zip_source_free(source);
            return failed();
        }
    }
    if (zip_close(archive) != 0)
        return failed();
    return std::nullopt;
}
