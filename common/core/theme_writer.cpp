#include "theme_writer.h"

#include "atomic_file.h"
#include "file_lookup.h"
#include "file_system.h"
#include "picture_file.h"
#include "records.h"
#include "theme_files.h"

namespace {

class PackageWriter {
public:
    explicit PackageWriter(std::string folder) : m_folder(std::move(folder)) {}

    void picture(const Surface& surface, const std::string& fileName)
    {
        note(savePictureBmp(surface, joinPath(m_folder, fileName)));
    }

    void text(const std::string& fileName, const std::string& records)
    {
        note(writeFileAtomically(joinPath(m_folder, fileName), records));
    }

    std::vector<std::string> takeFailures() { return std::move(m_failures); }

private:
    void note(std::optional<std::string> failure)
    {
        if (failure)
            m_failures.push_back(std::move(*failure));
    }

    std::string m_folder;
    std::vector<std::string> m_failures;
};

}  // namespace

std::vector<std::string> writeThemePackage(const std::string& folder, const ThemePackage& package)
{
    if (const std::optional<std::string> problem = makeFolders(folder))
        return {"Cannot create the theme folder \"" + folder + "\": " + *problem};

    PackageWriter writer(folder);
    std::string positions;
    for (std::size_t i = 0; i < package.objects.size(); ++i) {
        const ThemeObject& object = package.objects[i];
        const int index = static_cast<int>(i);
        writer.picture(object.picture, ThemeFiles::objectPicture(index));
        writer.picture(object.mask, ThemeFiles::objectMask(index));
        writer.picture(object.tube, ThemeFiles::tubePicture(index));
        writer.picture(object.tubeMask, ThemeFiles::tubeMask(index));
        if (i == 0 && package.background)
            writer.picture(*package.background, ThemeFiles::kBackground);
        positions +=
            numberRecord(object.x) + numberRecord(object.y) + numberRecord(object.tubeX) + numberRecord(object.tubeY);
    }
    writer.text(ThemeFiles::kPositions, positions);

    writer.picture(package.boxPicture, ThemeFiles::kBoxPicture);
    writer.picture(package.boxMask, ThemeFiles::kBoxMask);
    writer.text(ThemeFiles::kBoxPosition, numberRecord(package.boxX) + numberRecord(package.boxY));

    writer.text(ThemeFiles::kDetails, textRecord(package.description) + textRecord(package.dateLine));
    return writer.takeFailures();
}
