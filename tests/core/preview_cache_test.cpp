#include <gtest/gtest.h>

#include <functional>

#include "picture_file.h"
#include "preview_cache.h"
#include "test_files.h"
#include "theme_builder.h"

namespace {

// Themes "Alpha" and "Beta" in a program folder, and a cache beside them.
class CachedThemes : public ::testing::Test {
protected:
    CachedThemes()
    {
        writeTheme(m_program.path(), "Alpha", makeRowTheme(2));
        writeTheme(m_program.path(), "Beta", makeRowTheme(3));
    }
    std::string folder(const std::string& name) const { return m_program.file(name); }
    FoundPreview preview(const std::string& name) const { return findOrMakePreview(cache, folder(name), name, true); }

    ScratchFolder m_program;
    const PreviewCache cache{m_program.file("cache")};
};

void expectSamePreview(const ThemePreview& actual, const ThemePreview& expected)
{
    EXPECT_EQ(actual.thumbnail, expected.thumbnail);
    EXPECT_EQ(actual.picture, expected.picture);
    EXPECT_EQ(
        std::tie(actual.objectCount, actual.hasDetails, actual.description, actual.dateLine, actual.damage),
        std::tie(expected.objectCount, expected.hasDetails, expected.description, expected.dateLine, expected.damage));
}

}  // namespace

TEST_F(CachedThemes, AreReusedWhileTheirFilesStayAndMadeAgainWhenAPictureChanged)
{
    const FoundPreview made = preview("Alpha");
    ASSERT_FALSE(made.fromCache);
    ASSERT_FALSE(made.preview.thumbnail.isNull());
    const FoundPreview again = preview("Alpha");
    EXPECT_TRUE(again.fromCache);
    expectSamePreview(again.preview, made.preview);

    // A round played writes the score table, which no preview shows.
    writeBytes(folder("Alpha") + "/HighScores.ini", "\"Anna\"\r\n");
    EXPECT_TRUE(preview("Alpha").fromCache);

    ASSERT_FALSE(savePictureBmp(Surface(200, 120, rgb(0, 0, 200)), folder("Alpha") + "/bg.bmp"));
    const FoundPreview changed = preview("Alpha");
    EXPECT_FALSE(changed.fromCache);
    EXPECT_NE(changed.preview.thumbnail, made.preview.thumbnail);
    expectSamePreview(changed.preview, makeThemePreview(folder("Alpha"), "Alpha"));
    EXPECT_TRUE(preview("Alpha").fromCache);
}

TEST_F(CachedThemes, AFileCutShortAlteredOfAnotherThemeOrNotOursIsNeverReadAndIsReplaced)
{
    preview("Beta");
    const std::string betaFile = readBytes(cache.fileFor(folder("Beta")));
    const std::pair<const char*, std::function<std::string(std::string)>> damages[] = {
        {"cut short", [](std::string stored) { return stored.substr(0, stored.size() / 2); }},
        {"one byte changed in its pictures",
         [](std::string stored) {
             stored[stored.size() - 200] ^= 0x10;
             return stored;
         }},
        {"one byte changed in its texts",
         [](std::string stored) {
             stored[stored.find("A crafted theme")] = 'a';
             return stored;
         }},
        {"another theme's", [&betaFile](std::string) { return betaFile; }},
        {"empty", [](std::string) { return std::string(); }},
        {"of an older program", [](std::string stored) { return "Vantor theme preview 0" + stored.substr(22); }},
        {"not ours", [](std::string) { return std::string(5000, 'x'); }},
    };
    const ThemePreview expected = makeThemePreview(folder("Alpha"), "Alpha");
    for (const auto& [damage, damaged] : damages) {
        SCOPED_TRACE(damage);
        preview("Alpha");
        const std::string file = cache.fileFor(folder("Alpha"));
        writeBytes(file, damaged(readBytes(file)));
        const FoundPreview found = preview("Alpha");
        EXPECT_FALSE(found.fromCache);
        expectSamePreview(found.preview, expected);
        EXPECT_TRUE(preview("Alpha").fromCache);
    }
}

TEST_F(CachedThemes, ADamagedThemeIsCachedWithItsReasonAndAThemeWithoutObjectsWithoutAPicture)
{
    writeBytes(folder("Alpha") + "/bg.bmp", "BM");
    writeTheme(m_program.path(), "Gamma", makeRowTheme(0));
    for (const char* name : {"Alpha", "Gamma"}) {
        const ThemePreview made = preview(name).preview;
        EXPECT_TRUE(made.thumbnail.isNull() && made.picture.isNull());
        const FoundPreview again = preview(name);
        EXPECT_TRUE(again.fromCache);
        expectSamePreview(again.preview, made);
    }
    const std::optional<std::string> reason = preview("Alpha").preview.damage;
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find(folder("Alpha") + "/bg.bmp"), std::string::npos);
    EXPECT_EQ(preview("Gamma").preview.objectCount, 0);
}

TEST(PreviewCacheFolder, IsInTheUsersCacheFolderAnAbsoluteXdgCacheHomeOrTheDefault)
{
    const std::tuple<const char*, const char*> cacheHomeFolder[] = {
        {"", "/home/ann/.cache/vantor/previews"},
        {"/var/cache/ann/", "/var/cache/ann/vantor/previews"},
        {"relative/cache", "/home/ann/.cache/vantor/previews"},
    };
    for (const auto& [cacheHome, folder] : cacheHomeFolder)
        EXPECT_EQ(previewCacheFolder(cacheHome, "/home/ann"), folder) << cacheHome;
}
