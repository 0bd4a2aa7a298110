// The whole package reader, on a theme folder made from the input: a run of files, each one byte naming it
// (modulo the list below), two bytes of length and its bytes.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "theme_reader.h"

namespace {

const char* const kFileNames[] = {"Theme.ini", "Theme2.ini", "ThemeDetails.ini", "bg.bmp",  "pS.bmp",  "pM.bmp",
                                  "ss0.bmp",   "sm0.bmp",    "cs0.bmp",          "cm0.bmp", "ss1.bmp", "sm1.bmp",
                                  "cs1.bmp",   "cm1.bmp",    "THEME.INI",        "ps.BMP"};
constexpr std::size_t kFileKinds = sizeof(kFileNames) / sizeof(kFileNames[0]);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir program;
    QDir theme(program.filePath("Fuzzed"));
    theme.removeRecursively();
    QDir(program.path()).mkdir("Fuzzed");
    std::size_t at = 0;
    while (at + 3 <= size) {
        const char* name = kFileNames[data[at] % kFileKinds];
        const std::size_t length = std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        QFile file(theme.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(reinterpret_cast<const char*>(data + at + 3), static_cast<qint64>(length));
        at += 3 + length;
    }
    readThemePackage(program.path().toStdString(), "Fuzzed");
    return 0;
}
