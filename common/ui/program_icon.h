#pragma once

#include <QIcon>

// The program's icon: from the desktop's icon theme when the program is installed where the desktop looks, and
// otherwise from the icon folders beside the program (../share/icons/hicolor), as a moved installation or the
// build's program folder has them.
QIcon programIcon(const QString& desktopId);
