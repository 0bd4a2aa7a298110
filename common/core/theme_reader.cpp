#include "theme_reader.h"

#include <algorithm>

#include "file_lookup.h"
#include "picture_file.h"
#include "picture_size.h"
#include "records.h"
#include "text_file.h"
#include "theme_files.h"

namespace {

constexpr int kLinesPerObject = 4;

ThemeReadResult damaged(std::string message)
{
    return ThemeReadResult::failure({ThemeLoadProblem::Damaged, std::move(message)});
}

std::string lineProblem(const std::string& path, int line, const std::string& reason)
{
    return "\"" + path + "\", line " + std::to_string(line) + ": " + reason;
}

// Fills positions of every object from "Theme.ini": four number records per object, until the end.
std::optional<std::string> readPositions(const std::string& path, std::vector<ThemeObject>& objects)
{
    Result<std::string> text = readTextFile(path);
    if (!text)
        return text.error();
    RecordReader reader(std::move(text.value()));
    std::int16_t values[kLinesPerObject] = {};
    while (!reader.onlyBlankLinesLeft()) {
        if (static_cast<int>(objects.size()) == ThemeFiles::kMaxObjects)
            return "\"" + path + "\" holds more than " + std::to_string(ThemeFiles::kMaxObjects) + " objects";
        for (int k = 0; k < kLinesPerObject; ++k) {
            std::optional<std::string> line = reader.readLine();
            if (!line)
                return "\"" + path + "\" has a number of lines that is not a multiple of 4 (object " +
                       std::to_string(objects.size()) + " has " + std::to_string(k) + " of its 4 lines)";
            std::optional<std::int16_t> number = parseNumberRecord(*line);
            if (!number)
                return lineProblem(path, reader.lineNumber(), "\"" + *line + "\" is not a number from -32768 to 32767");
            values[k] = *number;
        }
        ThemeObject object;
        object.x = values[0];
        object.y = values[1];
        object.tubeX = values[2];
        object.tubeY = values[3];
        objects.push_back(std::move(object));
    }
    return std::nullopt;
}

std::optional<std::string> readBoxPosition(const std::string& path, ThemePackage& package)
{
    Result<std::string> text = readTextFile(path);
    if (!text)
        return text.error();
    RecordReader reader(std::move(text.value()));
    std::int16_t* targets[] = {&package.boxX, &package.boxY};
    for (std::int16_t* target : targets) {
        std::optional<std::string> field = reader.readField();
        if (!field)
            return "\"" + path + "\" needs two numbers, the container box's X and Y";
        std::optional<std::int16_t> number = parseNumberRecord(*field);
        if (!number)
            return lineProblem(path, reader.lineNumber(), "\"" + *field + "\" is not a number from -32768 to 32767");
        *target = *number;
    }
    return std::nullopt;
}

std::optional<std::string> readDetails(const std::string& path, ThemePackage& package)
{
    Result<std::string> text = readTextFile(path);
    if (!text)
        return text.error();
    RecordReader reader(std::move(text.value()));
    package.hasDetails = true;
    package.description = reader.readField().value_or(std::string());
    package.detailsCutShort = reader.lastFieldUnclosed();
    package.dateLine = reader.readField().value_or(std::string());
    package.detailsCutShort = package.detailsCutShort || reader.lastFieldUnclosed();
    return std::nullopt;
}

std::optional<std::string> loadInto(Surface& target, const std::string& folder, const std::string& fileName)
{
    Result<Surface> picture = loadPicture(findInFolder(folder, fileName));
    if (!picture)
        return picture.error();
    target = std::move(picture.value());
    return std::nullopt;
}

// Every picture file of the package, in the order they are read.
std::vector<std::string> pictureFiles(const ThemePackage& package)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < package.objects.size(); ++i) {
        const int index = static_cast<int>(i);
        names.insert(names.end(), {ThemeFiles::objectPicture(index), ThemeFiles::objectMask(index),
                                   ThemeFiles::tubePicture(index), ThemeFiles::tubeMask(index)});
    }
    if (!package.objects.empty())
        names.push_back(ThemeFiles::kBackground);
    names.insert(names.end(), {ThemeFiles::kBoxPicture, ThemeFiles::kBoxMask});
    return names;
}

// The sizes the headers give are added up before any picture is decoded, so a theme that would take more
// memory than any real one is refused while it has taken none.
std::optional<std::string> checkPictureBudget(const std::string& folder, const ThemePackage& package)
{
    std::int64_t total = 0;
    for (const std::string& name : pictureFiles(package)) {
        const std::string path = findInFolder(folder, name);
        if (const std::optional<PictureSize> size = pictureSizeOfFile(path))
            total += std::min(size->bytes(), kPictureMemoryBudget + 1);
        // The picture that breaks the budget is named: it is usually the one whose header claims a huge size.
        if (total > kPictureMemoryBudget)
            return "with \"" + path + "\" its pictures would take more than the " + pictureBudgetText() +
                   " of memory a theme may take";
    }
    return std::nullopt;
}

std::optional<std::string> readPictures(const std::string& folder, ThemePackage& package)
{
    if (auto problem = checkPictureBudget(folder, package))
        return problem;
    for (std::size_t i = 0; i < package.objects.size(); ++i) {
        ThemeObject& object = package.objects[i];
        const int index = static_cast<int>(i);
        for (auto [surface, name] : {std::pair{&object.picture, ThemeFiles::objectPicture(index)},
                                     std::pair{&object.mask, ThemeFiles::objectMask(index)},
                                     std::pair{&object.tube, ThemeFiles::tubePicture(index)},
                                     std::pair{&object.tubeMask, ThemeFiles::tubeMask(index)}}) {
            if (auto problem = loadInto(*surface, folder, name))
                return problem;
        }
    }
    if (!package.objects.empty()) {
        package.background.emplace();
        if (auto problem = loadInto(*package.background, folder, ThemeFiles::kBackground))
            return problem;
    }
    if (auto problem = loadInto(package.boxPicture, folder, ThemeFiles::kBoxPicture))
        return problem;
    return loadInto(package.boxMask, folder, ThemeFiles::kBoxMask);
}

ThemeReadResult readWholePackage(const std::string& folder, const std::string& name)
{
    const std::string positionsPath = findInFolder(folder, ThemeFiles::kPositions);
    const std::string boxPath = findInFolder(folder, ThemeFiles::kBoxPosition);
    if (!fileExists(positionsPath) || !fileExists(boxPath)) {
        return ThemeReadResult::failure({ThemeLoadProblem::MissingTextFile, "The theme \"" + name + "\" lacks \"" +
                                                                                ThemeFiles::kPositions + "\" or \"" +
                                                                                ThemeFiles::kBoxPosition + "\"."});
    }

    ThemePackage package;
    package.sounds = {findInFolder(folder, ThemeFiles::kHitTubeSound),
                      findInFolder(folder, ThemeFiles::kPutInContSound), findInFolder(folder, ThemeFiles::kPickupSound),
                      findInFolder(folder, ThemeFiles::kLetGoSound)};
    if (auto problem = readPositions(positionsPath, package.objects))
        return damaged(*problem);
    if (auto problem = readBoxPosition(boxPath, package))
        return damaged(*problem);
    if (auto problem = readPictures(folder, package))
        return damaged(*problem);
    const std::string detailsPath = findInFolder(folder, ThemeFiles::kDetails);
    if (fileExists(detailsPath)) {
        if (auto problem = readDetails(detailsPath, package))
            return damaged(*problem);
    }
    return ThemeReadResult::success(std::move(package));
}

}  // namespace

std::string themeFolder(const std::string& programFolder, const std::string& name)
{
    return joinPath(programFolder, name);
}

ThemeReadResult readThemePackage(const std::string& programFolder, const std::string& name)
{
    return readThemeFolder(themeFolder(programFolder, name), name);
}

ThemeReadResult readThemeFolder(const std::string& folder, const std::string& name)
{
    // Memory may run out on a loaded machine whatever the budget: the theme is then not loaded, and said so.
    try {
        return readWholePackage(folder, name);
    } catch (const std::bad_alloc&) {
        return damaged("There is not enough memory to load the theme \"" + name + "\".");
    }
}

ThemeLoadError missingTheme(const std::string& name)
{
    return {ThemeLoadProblem::MissingTextFile, "There is no theme folder \"" + name + "\"."};
}
