#include "program_icon.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

}  // namespace

QIcon programIcon(const QString& desktopId)
{
    QIcon besideProgram;
    const QString hicolor = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/icons/hicolor");
    for (int size : kIconSizes) {
        const QString file = hicolor + QStringLiteral("/%1x%1/apps/").arg(size) + desktopId + QStringLiteral(".png");
        if (QFileInfo::exists(file))
            besideProgram.addFile(file, QSize(size, size));
    }
    return QIcon::fromTheme(desktopId, besideProgram);
}
