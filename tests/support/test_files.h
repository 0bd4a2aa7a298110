#pragma once

#include <QTemporaryDir>

#include <string>

// Small file helpers for tests that build their input files byte by byte.

void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);

// A fresh temporary folder, removed with the object.
class ScratchFolder {
public:
    ScratchFolder();
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    QTemporaryDir m_dir;
    std::string m_path;
};
