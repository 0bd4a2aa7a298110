#include <gtest/gtest.h>

#include <unistd.h>

#include <random>

#include "crafted_archive.h"
#include "file_system.h"
#include "test_files.h"
#include "theme_builder.h"
#include "theme_export.h"
#include "theme_import.h"
#include "theme_locations.h"

namespace {

// Everything a user's theme folder holds, hidden entries too: what an addition may have left behind.
std::vector<std::string> everythingIn(const std::string& folder)
{
    std::vector<std::string> names = folderEntries(folder, EntryKind::Folders, true);
    for (const std::string& file : folderEntries(folder, EntryKind::Files, true))
        names.push_back(file);
    std::sort(names.begin(), names.end());
    return names;
}

// A program folder of the portable layout with theme `name` in it.
struct ThemesBeside {
    explicit ThemesBeside(const std::string& name = "Meadow", int objects = 2)
    {
        writeTheme(program.path(), name, makeRowTheme(objects));
    }
    ThemeLocations locations() const { return ThemeLocations::portable(program.path()); }
    ScratchFolder program;
};

const ReplaceQuestion kNeverReplace = [](const std::string&, bool) { return false; };

}  // namespace

TEST(ThemeSharing, AnExportedThemeAddsBackFileForFileWithoutItsScores)
{
    ThemesBeside from;
    writeBytes(from.program.file("Meadow/HighScores.ini"), "\"Ann\"\r\n");
    writeBytes(from.program.file("Meadow/Pickup.wav"), "RIFF a sound cue");
    const std::string archive = from.program.file("Meadow.zip");
    ASSERT_FALSE(exportTheme(from.locations(), "Meadow", archive));

    ScratchFolder to;
    const Result<ThemeAddition> added = addTheme(archive, ThemeLocations::portable(to.path()), kNeverReplace);
    ASSERT_TRUE(added) << added.error();
    EXPECT_TRUE(added.value().added);
    auto original = filesWithBytes(from.program.file("Meadow"));
    original.erase(std::remove_if(original.begin(), original.end(),
                                  [](const auto& file) { return file.first == "HighScores.ini"; }),
                   original.end());
    EXPECT_EQ(filesWithBytes(to.file("Meadow")), original);
    EXPECT_EQ(everythingIn(to.path()), std::vector<std::string>{"Meadow"});

    // A theme folder is added as an archive is, here under its own name.
    ThemesBeside folderSource("Lake", 1);
    ASSERT_TRUE(addTheme(folderSource.program.file("Lake"), ThemeLocations::portable(to.path()), kNeverReplace));
    EXPECT_EQ(filesWithBytes(to.file("Lake")), filesWithBytes(folderSource.program.file("Lake")));
}

// Every way a crafted archive could write outside the user's folder, fill the disk or leave half a theme: refused
// with its reason, and nothing stays behind.
TEST(ThemeSharing, CraftedArchivesAreRefusedAndLeaveNothingBehind)
{
    ThemesBeside source;
    std::vector<CraftedEntry> theme{{"Good/", ""}};
    for (const auto& [name, bytes] : filesWithBytes(source.program.file("Meadow")))
        theme.push_back({"Good/" + name, bytes});
    const std::string whole = craftArchive(theme);
    const auto with = [&](std::vector<CraftedEntry> extra) {
        std::vector<CraftedEntry> entries = theme;
        entries.insert(entries.end(), extra.begin(), extra.end());
        return craftArchive(entries);
    };
    std::vector<CraftedEntry> many{{"Many/", ""}};
    for (int i = 0; i < 201; ++i)
        many.push_back({"Many/f" + std::to_string(i), "x"});
    // Sizes it claims within the packing ratio of data that does not pack, and more than the budget together.
    std::mt19937 random(7);
    std::string noise(300'000, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    const std::string huge =
        withClaimedSizes(craftArchive({{"Big/", ""}, {"Big/a", noise}, {"Big/b", noise}}), 200'000'000);
    std::vector<CraftedEntry> missingPositions;
    for (const CraftedEntry& entry : theme) {
        if (entry.name != "Good/Theme.ini")
            missingPositions.push_back(entry);
    }

    const std::pair<std::string, std::string> archives[] = {
        {with({{"Good/../evil.bmp", "x"}}), "\"Good/../evil.bmp\" leads out of the theme's folder"},
        {with({{"/etc/evil", "x"}}), "\"/etc/evil\" leads out"},
        {with({{"C:/evil", "x"}}), "\"C:/evil\" leads out"},
        {with({{"Good\\evil.bmp", "x"}}), "leads out"},
        {with({{"Good/link", "/etc/passwd", S_IFLNK}}), "\"Good/link\" is a link or a device"},
        {with({{"Good/device", "", S_IFCHR}}), "is a link or a device"},
        {craftArchive(many), "holds 202 entries; a theme's archive holds at most 200"},
        {huge, "would unpack to more than 256 MiB"},
        {craftArchive({{"Big/", ""}, {"Big/zeros", std::string(2'000'000, '\0')}}),
         "would unpack to more than 1000 times its packed size"},
        {with({{"Good/what?.bmp", "x"}}), "is not a name a theme's file may have"},
        {craftArchive({{"Bad|name/", ""}}), "\"Bad|name\" cannot be a theme's folder"},
        {with({{"Other/ss0.bmp", "x"}}), "does not hold one theme folder with its files"},
        {with({{"Good/deeper/ss0.bmp", "x"}}), "does not hold one theme folder"},
        {"not an archive at all, just some text", "is not a zip archive"},
        {whole.substr(0, whole.size() / 2), "is damaged or cut short"},
        {whole.substr(0, whole.size() - 10), "is damaged or cut short"},
        {withClaimedSizes(whole, 3), "unpacks to more than the archive says"},
        {craftArchive(missingPositions), "The theme \"Good\" in"},
    };
    ScratchFolder user;
    const ThemeLocations locations = ThemeLocations::portable(user.path());
    for (const auto& [bytes, reason] : archives) {
        const std::string path = source.program.file("crafted.zip");
        writeBytes(path, bytes);
        const Result<ThemeAddition> added = addTheme(path, locations, kNeverReplace);
        ASSERT_FALSE(added) << reason;
        EXPECT_NE(added.error().find(reason), std::string::npos) << added.error();
        EXPECT_TRUE(everythingIn(user.path()).empty()) << reason;
    }
    EXPECT_FALSE(isFile("/etc/evil") && readBytes("/etc/evil") == "x");
}

TEST(ThemeSharing, AFolderWithALinkIsRefusedAndANameThereAlreadyIsReplacedOnlyWhenTheUserSays)
{
    ThemesBeside source;
    ASSERT_EQ(::symlink("/etc/passwd", source.program.file("Meadow/notes.txt").c_str()), 0);
    ThemesBeside user("Meadow", 3);
    const ThemeLocations locations = user.locations();
    const Result<ThemeAddition> linked = addTheme(source.program.file("Meadow"), locations, kNeverReplace);
    ASSERT_FALSE(linked);
    EXPECT_NE(linked.error().find("\"notes.txt\" is a link or a device"), std::string::npos) << linked.error();
    ASSERT_EQ(::unlink(source.program.file("Meadow/notes.txt").c_str()), 0);

    // The user's theme of the same name: kept when the user says no; replaced when yes, its score table set
    // aside as the new theme's objects differ; kept as it is when the same theme comes again.
    const auto kept = filesWithBytes(user.program.file("Meadow"));
    const Result<ThemeAddition> declined = addTheme(source.program.file("Meadow"), locations, kNeverReplace);
    ASSERT_TRUE(declined);
    EXPECT_FALSE(declined.value().added);
    EXPECT_EQ(filesWithBytes(user.program.file("Meadow")), kept);

    writeBytes(user.program.file("Meadow/HighScores.ini"), "\"Ann\"\r\n");
    std::vector<std::pair<std::string, bool>> asked;
    const ReplaceQuestion yes = [&](const std::string& name, bool installed) {
        asked.emplace_back(name, installed);
        return true;
    };
    ASSERT_TRUE(addTheme(source.program.file("Meadow"), locations, yes));
    EXPECT_TRUE(isFile(user.program.file("Meadow/HighScores.ini.old")));
    EXPECT_FALSE(isFile(user.program.file("Meadow/HighScores.ini")));
    ASSERT_TRUE(::rename(user.program.file("Meadow/HighScores.ini.old").c_str(),
                         user.program.file("Meadow/HighScores.ini").c_str()) == 0);
    ASSERT_TRUE(addTheme(source.program.file("Meadow"), locations, yes));
    EXPECT_EQ(readBytes(user.program.file("Meadow/HighScores.ini")), "\"Ann\"\r\n");
    // The same objects placed elsewhere are the same theme to play: its table stays, as a save keeps it.
    ThemePackage moved = makeRowTheme(2);
    moved.objects[0].x += 3;
    writeTheme(source.program.path(), "Meadow", moved);
    ASSERT_TRUE(addTheme(source.program.file("Meadow"), locations, yes));
    EXPECT_EQ(readBytes(user.program.file("Meadow/HighScores.ini")), "\"Ann\"\r\n");
    EXPECT_EQ(asked,
              (std::vector<std::pair<std::string, bool>>{{"Meadow", false}, {"Meadow", false}, {"Meadow", false}}));
    EXPECT_EQ(everythingIn(user.program.path()), std::vector<std::string>{"Meadow"});
}
