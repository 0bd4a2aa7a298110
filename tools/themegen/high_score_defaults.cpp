#include "high_score_defaults.h"

#include "records.h"

std::string defaultHighScoreFile()
{
    const int rows = 10;
    std::string text;
    for (int i = 0; i < rows; ++i)
        text += textRecord("Nobody") + textRecord("00/00/00") + textRecord("100");
    return text;
}
