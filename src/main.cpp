#include "ui/TFOrdakSetup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimoro Setup Tool"));
    TFOrdakSetup window;
    window.show();
    return QApplication::exec();
}
