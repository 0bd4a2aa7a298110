#pragma once

#include <string>

class RegistryStore;

// Start-up records where the game runs from, in the value "Path" of "Software\Helmwick\Vantor" under
// HKEY_LOCAL_MACHINE, every time, so the value follows the game when it is moved. The key is created first
// when the value is missing or empty, since a value is only written into a key that exists. Failures are
// silent and start-up goes on.
void recordProgramFolder(RegistryStore& store, const std::string& programFolder);
