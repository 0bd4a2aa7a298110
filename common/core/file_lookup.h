#pragma once

#include <string>

// True when the file can be opened for reading (a folder is not a file).
bool fileExists(const std::string& path);

// The path of `fileName` inside `folder`: the exact name when it exists, otherwise the one entry whose name
// matches ignoring letter case (themes made on Windows name "pS.bmp" as they please), otherwise the exact
// name. Joined with "/".
std::string findInFolder(const std::string& folder, const std::string& fileName);

// folder + "/" + name, without doubling a separator the folder already ends with.
std::string joinPath(const std::string& folder, const std::string& name);
