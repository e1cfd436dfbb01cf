#include "ui/TFOrdakSetup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavimoro Setup Tool"));
    // Wayland shells match the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.nelvo.TavimoroSetupTool"));
    TFOrdakSetup window;
    window.show();
    return QApplication::exec();
}
