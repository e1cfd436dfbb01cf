#pragma once

#include <QIcon>
#include <QPixmap>

// The window's pictures, drawn at twice their size so they stay crisp on high-density screens.
class Pictures
{
public:
    static QPixmap programSymbol(); // 32 x 32
    static QPixmap device();        // 127 x 127
    // 16 x 16: 0 male, 1 female.
    static QPixmap sex(int index);
    // 16 x 16 marks of two wheel presets: 0 road, 1 mountain bike.
    static QIcon wheelMark(int index);
    // The small arrow of the menu buttons.
    static QIcon dropDown();
};
