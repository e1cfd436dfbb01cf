// The floor of the start-up benchmark: the least a Qt 6 widgets program does to show a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("floor"));
    window.resize(628, 503);
    window.show();
    return app.exec();
}
