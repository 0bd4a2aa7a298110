// icongen: draws both programs' icons, as pictures at every size the desktop asks for and as an SVG, into an
// hicolor icon folder. Run by the build; the output is the same, byte for byte, on every run.

#include <QBuffer>
#include <QDir>
#include <iostream>

#include "atomic_file.h"
#include "icon_render.h"
#include "icon_shapes.h"

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool writeIcon(const std::string& hicolor, const std::string& desktopId, const IconPicture& picture)
{
    bool written = true;
    const auto note = [&written](std::optional<std::string> failure) {
        if (failure) {
            std::cerr << "icongen: " << *failure << "\n";
            written = false;
        }
    };
    const auto folderOf = [&hicolor](const std::string& sizeName) {
        const std::string folder = hicolor + "/" + sizeName + "/apps/";
        QDir().mkpath(QString::fromStdString(folder));
        return folder;
    };
    for (int size : kIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!renderIcon(picture, size).save(&buffer, "PNG")) {
            std::cerr << "icongen: the " << size << " pixel picture of " << desktopId << " could not be encoded\n";
            return false;
        }
        const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
        note(writeFileAtomically(folderOf(sizeName) + desktopId + ".png", png.toStdString()));
    }
    note(writeFileAtomically(folderOf("scalable") + desktopId + ".svg", iconSvg(picture)));
    return written;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: icongen <hicolorFolder>\n";
        return 2;
    }
    const std::string hicolor = argv[1];
    const bool game = writeIcon(hicolor, "com.helmwick.vantor", gameIcon());
    const bool editor = writeIcon(hicolor, "com.helmwick.ornavel", editorIcon());
    return game && editor ? 0 : 1;
}
