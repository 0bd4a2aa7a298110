#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "file_system.h"

// Small file helpers for tests that build their input files byte by byte.

inline void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << "could not write " << path;
}

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The files of a folder with their bytes, by name, hidden ones too.
inline std::vector<std::pair<std::string, std::string>> filesWithBytes(const std::string& folder)
{
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::string> names = folderEntries(folder, EntryKind::Files, true);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        files.emplace_back(name, readBytes(folder + "/" + name));
    return files;
}

// A fresh temporary folder, removed with the object.
class ScratchFolder {
public:
    ScratchFolder() { EXPECT_TRUE(m_dir.isValid()); }
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    QTemporaryDir m_dir;
    std::string m_path = m_dir.path().toStdString();
};
