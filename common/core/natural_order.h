#pragma once

class QString;

// Natural order ignoring letter case: runs of digits compare as numbers, so "Theme2" comes before "Theme10".
// Names equal but for case keep a fixed order.
bool naturallyBefore(const QString& a, const QString& b);
