#include <QApplication>

#include "editor_window.h"
#include "qt_pump.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornavel"));

    QtPump pump;
    EditorWindow window(QCoreApplication::applicationDirPath().toStdString(), {pump});
    window.run();
    return 0;
}
