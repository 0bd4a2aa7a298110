#pragma once

#include <string>

#include "test_files.h"
#include "test_pictures.h"
#include "theme_package.h"
#include "theme_reader.h"

// A package of `objects` objects whose pictures and positions all differ, so that a mix-up shows.
ThemePackage samplePackage(int objects);

void expectSamePackage(const ThemePackage& actual, const ThemePackage& expected);

// A program folder with one theme folder in it.
class ThemeFolder {
public:
    static constexpr const char* kName = "Meadow";

    ThemeFolder() = default;
    const std::string& programFolder() const { return m_program.path(); }
    std::string folder() const { return m_program.file(kName); }
    std::string file(const std::string& name) const { return folder() + "/" + name; }

    // Writes the package and expects every file to be written.
    void write(const ThemePackage& package) const;
    ThemeReadResult read() const;
    // The package read back; a failure to load is reported and gives an empty package.
    ThemePackage load() const;

private:
    ScratchFolder m_program;
};

// Expects the load to fail with `problem` and a message holding every one of `parts`.
void expectLoadFailure(const ThemeReadResult& result, ThemeLoadProblem problem,
                       std::initializer_list<std::string> parts);
