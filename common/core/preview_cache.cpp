#include "preview_cache.h"

#include <QBuffer>
#include <QByteArray>
#include <QCryptographicHash>
#include <QDataStream>
#include <QImageReader>
#include <QtGlobal>

#include <algorithm>
#include <cctype>

#include "atomic_file.h"
#include "file_lookup.h"
#include "file_system.h"
#include "theme_files.h"

namespace {

// The first line of every preview file. The number changes whenever what a preview holds or how it is drawn
// changes, so that previews made by an older program are made again.
const std::string kFileHeader = "Vantor theme preview 1\n";
const std::string kFileSuffix = ".preview";
const std::string kPictureSuffix = ".bmp";
const std::string kCacheUnderCacheHome = "vantor/previews";
const std::string kDefaultCacheHomeUnderHome = ".cache";
constexpr int kChecksumBytes = 32;
// Two small pictures and a theme's texts; a larger file is none of ours and is not even read.
constexpr std::int64_t kMostFileBytes = 8ll * 1024 * 1024;
constexpr auto kStreamVersion = QDataStream::Qt_6_0;

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "ss3.bmp", "cm12.bmp": an object's or a tube's picture or mask, as the reader looks them up, in any letter case.
bool isNumberedPicture(const std::string& lowerName)
{
    const std::size_t suffixAt = lowerName.size() - kPictureSuffix.size();
    if (lowerName.size() < 2 + 1 + kPictureSuffix.size() ||
        lowerName.compare(suffixAt, std::string::npos, kPictureSuffix) != 0)
        return false;
    const std::string prefix = lowerName.substr(0, 2);
    if (prefix != "ss" && prefix != "sm" && prefix != "cs" && prefix != "cm")
        return false;
    const std::string number = lowerName.substr(2, suffixAt - 2);
    return std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The reader finds a file by its name in any letter case, so every spelling of one counts.
bool isReadByThePreview(const std::string& name)
{
    const std::string lower = lowerAscii(name);
    for (const std::string* fixed : {&ThemeFiles::kPositions, &ThemeFiles::kBoxPosition, &ThemeFiles::kDetails,
                                     &ThemeFiles::kBackground, &ThemeFiles::kBoxPicture, &ThemeFiles::kBoxMask}) {
        if (lower == lowerAscii(*fixed))
            return true;
    }
    return isNumberedPicture(lower);
}

// A text of any bytes, newlines included, that cannot run into the next.
std::string counted(const std::string& text)
{
    return std::to_string(text.size()) + ":" + text;
}

QByteArray bytesOf(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string textOf(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray pngOf(const QImage& image)
{
    QByteArray png;
    if (image.isNull())
        return png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The picture in `png`, no larger than width x height: a null image for no bytes, nothing for anything else.
std::optional<QImage> pictureOf(const QByteArray& png, int width, int height)
{
    if (png.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(png);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > width || size.height() > height)
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        return std::nullopt;
    return image.convertToFormat(QImage::Format_RGB32);
}

std::string checksumOf(const std::string& body)
{
    return textOf(QCryptographicHash::hash(bytesOf(body), QCryptographicHash::Sha256));
}

std::string environmentVariable(const char* name)
{
    const QByteArray value = qgetenv(name);
    return std::string(value.constData(), static_cast<std::size_t>(value.size()));
}

}  // namespace

std::string previewCacheFolder(const std::string& cacheHome, const std::string& home)
{
    // A relative path is invalid in this variable and is ignored, as the XDG rules ask.
    const std::string base =
        !cacheHome.empty() && cacheHome.front() == '/' ? cacheHome : joinPath(home, kDefaultCacheHomeUnderHome);
    return cleanPath(joinPath(base, kCacheUnderCacheHome));
}

std::string processPreviewCacheFolder()
{
    return previewCacheFolder(environmentVariable("XDG_CACHE_HOME"), environmentVariable("HOME"));
}

std::string previewSourceKey(const std::string& themeFolder)
{
    std::vector<std::string> names = folderEntries(themeFolder, EntryKind::Files);
    names.erase(
        std::remove_if(names.begin(), names.end(), [](const std::string& name) { return !isReadByThePreview(name); }),
        names.end());
    std::sort(names.begin(), names.end());
    std::string key = "folder " + counted(themeFolder) + "\n";
    for (const std::string& name : names) {
        if (const std::optional<FileStamp> stamp = fileStamp(joinPath(themeFolder, name)))
            key += "file " + counted(name) + " " + std::to_string(stamp->size) + " " +
                   std::to_string(stamp->modifiedNs) + " " + std::to_string(stamp->fileNumber) + "\n";
    }
    return key;
}

PreviewCache::PreviewCache(std::string folder) : m_folder(std::move(folder)) {}

std::string PreviewCache::fileFor(const std::string& themeFolder) const
{
    const QByteArray name = QCryptographicHash::hash(bytesOf(themeFolder), QCryptographicHash::Sha256).toHex();
    return joinPath(m_folder, textOf(name) + kFileSuffix);
}

std::optional<ThemePreview> PreviewCache::find(const std::string& themeFolder, const std::string& key,
                                               bool withPicture) const
{
    const Result<std::string> file = readFileBytes(fileFor(themeFolder), kMostFileBytes);
    if (!file)
        return std::nullopt;
    const std::string& bytes = file.value();
    const std::size_t bodyStart = kFileHeader.size() + kChecksumBytes;
    if (bytes.size() < bodyStart || bytes.compare(0, kFileHeader.size(), kFileHeader) != 0)
        return std::nullopt;
    const std::string body = bytes.substr(bodyStart);
    if (checksumOf(body) != bytes.substr(kFileHeader.size(), kChecksumBytes))
        return std::nullopt;
    return parsePreviewBody(body, key, withPicture);
}

void PreviewCache::store(const std::string& themeFolder, const std::string& key, const ThemePreview& preview) const
{
    const std::string body = previewBody(key, preview);
    const std::string file = kFileHeader + checksumOf(body) + body;
    if (static_cast<std::int64_t>(file.size()) > kMostFileBytes)
        return;
    // A cache that cannot be written costs only time: the preview is made again at the next opening.
    if (!makeFolders(m_folder))
        writeFileAtomically(fileFor(themeFolder), file);
}

std::optional<ThemePreview> parsePreviewBody(const std::string& body, const std::string& key, bool withPicture)
{
    QDataStream in(bytesOf(body));
    in.setVersion(kStreamVersion);
    QByteArray storedKey, description, dateLine, damage, thumbnailPng, picturePng;
    qint32 objectCount = 0;
    bool hasDetails = false, detailsCutShort = false, damaged = false;
    in >> storedKey;
    // A file of another folder, or of files since changed, is stale whatever else it holds.
    if (in.status() != QDataStream::Ok || storedKey != bytesOf(key))
        return std::nullopt;
    in >> objectCount >> hasDetails >> description >> dateLine >> detailsCutShort >> damaged >> damage >>
        thumbnailPng >> picturePng;
    if (in.status() != QDataStream::Ok || !in.atEnd() || objectCount < 0 || objectCount > ThemeFiles::kMaxObjects)
        return std::nullopt;

    ThemePreview preview;
    const std::optional<QImage> thumbnail = pictureOf(thumbnailPng, kThumbnailWidth, kThumbnailHeight);
    if (!thumbnail)
        return std::nullopt;
    preview.thumbnail = *thumbnail;
    if (withPicture) {
        const std::optional<QImage> picture = pictureOf(picturePng, kPreviewPictureWidth, kPreviewPictureHeight);
        if (!picture)
            return std::nullopt;
        preview.picture = *picture;
    }
    preview.objectCount = objectCount;
    preview.hasDetails = hasDetails;
    preview.description = textOf(description);
    preview.dateLine = textOf(dateLine);
    preview.detailsCutShort = detailsCutShort;
    if (damaged)
        preview.damage = textOf(damage);
    return preview;
}

std::string previewBody(const std::string& key, const ThemePreview& preview)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << bytesOf(key) << static_cast<qint32>(preview.objectCount) << preview.hasDetails
        << bytesOf(preview.description) << bytesOf(preview.dateLine) << preview.detailsCutShort
        << preview.damage.has_value() << bytesOf(preview.damage.value_or(std::string())) << pngOf(preview.thumbnail)
        << pngOf(preview.picture);
    return textOf(body);
}

FoundPreview findOrMakePreview(const PreviewCache& cache, const std::string& folder, const std::string& name,
                               bool withPicture)
{
    const std::string key = previewSourceKey(folder);
    if (std::optional<ThemePreview> stored = cache.find(folder, key, withPicture))
        return {std::move(*stored), true};
    ThemePreview made = makeThemePreview(folder, name);
    cache.store(folder, key, made);
    return {std::move(made), false};
}
