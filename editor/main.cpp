#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Ornavel is not built yet: this window stands in for it."));
    window.setWindowTitle(QStringLiteral("Ornavel"));
    window.setMargin(40);
    window.show();
    return app.exec();
}
