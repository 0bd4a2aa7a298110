#pragma once

#include <string>

// The contents of a fresh "HighScores.ini": ten rows of the default name, date and time.
std::string defaultHighScoreFile();
