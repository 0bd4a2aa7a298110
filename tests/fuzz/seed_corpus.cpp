// Writes the seed inputs of every fuzz target: small well-formed examples of what each reader reads, made by
// our own code. Usage: seed_corpus CORPUS_FOLDER   (one subfolder per target is written)

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "crafted_archive.h"
#include "high_score_table.h"
#include "preview_cache.h"
#include "records.h"
#include "test_pictures.h"
#include "theme_archive.h"
#include "theme_builder.h"

namespace {

bool writeSeed(const QString& corpus, const char* target, const std::string& name, const std::string& bytes)
{
    QDir(corpus).mkpath(target);
    QFile file(corpus + "/" + target + "/" + QString::fromStdString(name));
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

// The package target's input: per file one byte naming it, two bytes of length, its bytes.
std::string packed(const std::vector<std::pair<int, std::string>>& files)
{
    std::string out;
    for (const auto& [kind, bytes] : files) {
        out += static_cast<char>(kind);
        out += static_cast<char>(bytes.size() & 0xFF);
        out += static_cast<char>((bytes.size() >> 8) & 0xFF);
        out += bytes;
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: seed_corpus CORPUS_FOLDER\n");
        return 2;
    }
    const QString corpus = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    const auto seed = [&](const char* target, const std::string& name, const std::string& bytes) {
        ok = writeSeed(corpus, target, name, bytes) && ok;
    };

    seed("record_reader_fuzz", "positions", numberRecord(-3) + numberRecord(7) + "12.5\r\n 4 \r\n");
    seed("record_reader_fuzz", "details", textRecord("Two\r\nlines, and a comma") + textRecord("On the 1st"));
    seed("record_reader_fuzz", "box_one_line", "17, -4\r\n");

    const ThemeObject object = makeRowTheme(1, 4, 12, 10).objects[0];
    seed("bitmap_fuzz", "24bit", bitmapOf(object.picture));
    BitmapLayout eightBit{5, -3, 8, 0, {kWhite, kBlack, rgb(200, 0, 0)}, {}, false};
    seed("bitmap_fuzz", "8bit_top_down", bitmapOf(eightBit, [](int x, int y) { return (x + y) % 3u; }));
    BitmapLayout core{4, 2, 4, 0, {kBlack, kWhite}, {}, true};
    seed("bitmap_fuzz", "4bit_os2", bitmapOf(core, [](int x, int) { return x % 2u; }));

    seed("metafile_header_fuzz", "ellipse", redEllipseMetafile(16, 12));
    seed("metafile_header_fuzz", "ellipse_1440", redEllipseMetafile(20, 10, 1440));

    HighScoreTable table;
    table[0] = {"Ann, \"Ace\"", "06/12/2026", "12.5"};
    table[1] = {"Bo", "07/12/2026", "40"};
    std::string scores;
    for (const HighScoreRow& row : table)
        scores += textRecord(row.name) + textRecord(row.date) + textRecord(row.time);
    seed("high_scores_fuzz", "table", scores);

    seed("hive_fuzz", "path",
         "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Helmwick\\Vantor]\n\"Path\"=\"/opt/vantor\"\n"
         "\"Count\"=dword:0000002a\n\"Lines\"=hex(1):41,0d,0a,42,00\n\"Quoted\"=\"say \\\"hi\\\"\"\n");

    const ThemePackage theme = makeRowTheme(1, 4, 12, 10);
    seed("theme_package_fuzz", "one_object",
         packed({{0, numberRecord(3) + numberRecord(4) + numberRecord(-2) + numberRecord(0)},
                 {1, "2\r\n1\r\n"},
                 {2, textRecord("A theme") + textRecord("On the 1st")},
                 {3, bitmapOf(*theme.background)},
                 {4, bitmapOf(theme.boxPicture)},
                 {5, bitmapOf(theme.boxMask)},
                 {6, bitmapOf(object.picture)},
                 {7, bitmapOf(object.mask)},
                 {8, bitmapOf(object.tube)},
                 {9, bitmapOf(object.tubeMask)}}));

    ThemePreview preview;
    preview.thumbnail = fitWithin(*theme.background, 8, 6);
    preview.picture = fitWithin(*theme.background, 12, 10);
    preview.objectCount = 1;
    preview.hasDetails = true;
    preview.description = "A theme";
    preview.dateLine = "On the 1st";
    seed("preview_file_fuzz", "one_object", previewBody("folder 5:Alpha\n", preview));
    ThemePreview damaged;
    damaged.damage = "\"bg.bmp\" ends inside its header";
    seed("preview_file_fuzz", "damaged", previewBody("folder 5:Alpha\n", damaged));

    // A shared theme as the editor exports it, and archives the checks refuse.
    QTemporaryDir folder;
    writeTheme(folder.path().toStdString(), "Tiny", makeRowTheme(1, 4, 12, 10));
    const std::string exported = folder.filePath("Tiny.zip").toStdString();
    ok = !writeThemeArchive(
             exported, "Tiny", folder.filePath("Tiny").toStdString(),
             {"Theme.ini", "Theme2.ini", "ss0.bmp", "sm0.bmp", "cs0.bmp", "cm0.bmp", "bg.bmp", "pS.bmp", "pM.bmp"}) &&
         ok;
    QFile archive(QString::fromStdString(exported));
    ok = archive.open(QIODevice::ReadOnly) && ok;
    seed("theme_archive_fuzz", "exported", archive.readAll().toStdString());
    seed("theme_archive_fuzz", "escaping", craftArchive({{"T/", ""}, {"T/../x", "x"}, {"T/link", "/", S_IFLNK}}));
    return ok ? 0 : 1;
}
