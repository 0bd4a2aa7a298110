#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Vantor is not built yet: this window stands in for it."));
    window.setWindowTitle(QStringLiteral("Vantor"));
    window.setMargin(40);
    window.show();
    return app.exec();
}
