#include "theme_output.h"

#include <QFileInfo>

#include "atomic_file.h"
#include "file_lookup.h"
#include "high_score_defaults.h"
#include "sound_cues.h"
#include "theme_files.h"
#include "theme_reader.h"
#include "theme_writer.h"
#include "wav_file.h"

std::vector<std::string> writeShippedTheme(const std::string& programFolder, const std::string& name,
                                           const ThemePackage& package)
{
    const std::string folder = themeFolder(programFolder, name);
    std::vector<std::string> failures = writeThemePackage(folder, package);
    auto note = [&failures](std::optional<std::string> failure) {
        if (failure)
            failures.push_back(std::move(*failure));
    };

    const std::pair<std::string, std::vector<std::int16_t>> sounds[] = {
        {ThemeFiles::kPickupSound, pickupCue()},
        {ThemeFiles::kLetGoSound, letGoCue()},
        {ThemeFiles::kHitTubeSound, hitTubeCue()},
        {ThemeFiles::kPutInContSound, putInContCue()},
    };
    for (const auto& [fileName, samples] : sounds)
        note(writeFileAtomically(joinPath(folder, fileName), wavFileBytes(samples, kCueSampleRate)));

    const std::string scores = joinPath(folder, ThemeFiles::kHighScores);
    if (!QFileInfo::exists(QString::fromStdString(scores)))
        note(writeFileAtomically(scores, defaultHighScoreFile()));
    return failures;
}
