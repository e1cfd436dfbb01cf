#pragma once

#include "ui/StyleColor.h"

// The colours one window style gives the settings panel, the menus and the status bar.
struct StylePalette {
    int style = 0;
    const char* name = "";

    // Settings panel: a vertical gradient with its border; text of the labels, boxes and group titles on it.
    StyleColor panelTop, panelBottom, panelBorder, panelText;
    // Main menu bar: a vertical gradient and its entries' text.
    StyleColor menuBarTop, menuBarBottom, menuBarText;
    // Drop-down and pop-up menus; the highlight also marks the open entry of the menu bar.
    StyleColor menuBackground, menuBorder, menuText, menuDisabledText, menuHighlight, menuHighlightText;
    // Status bar: a vertical gradient and its text.
    StyleColor statusTop, statusBottom, statusText;
};
