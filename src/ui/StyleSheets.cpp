#include "ui/StyleSheets.h"

namespace
{

std::string gradient(StyleColor top, StyleColor bottom)
{
    return "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 " + top.hex() + ", stop:1 " + bottom.hex() + ")";
}

} // namespace

namespace StyleSheets
{

std::string panelSheet(const StylePalette& p)
{
    const std::string panel = std::string("*[") + kPanelProperty + "=\"true\"]";
    return panel + " { background: " + gradient(p.panelTop, p.panelBottom) + "; border: 1px solid " +
           p.panelBorder.hex() + "; }\n" + panel + " QLabel, " + panel + " QCheckBox, " + panel +
           " QRadioButton, " + panel + " QGroupBox { color: " + p.panelText.hex() + "; }\n";
}

std::string menuSheet(const StylePalette& p)
{
    return "QMenu { background: " + p.menuBackground.hex() + "; color: " + p.menuText.hex() +
           "; border: 1px solid " + p.menuBorder.hex() +
           "; }\n"
           "QMenu::item:selected { background: " +
           p.menuHighlight.hex() + "; color: " + p.menuHighlightText.hex() +
           "; }\n"
           "QMenu::item:disabled { color: " +
           p.menuDisabledText.hex() +
           "; }\n"
           "QMenu::separator { height: 1px; background: " +
           p.menuBorder.hex() + "; margin: 3px 4px; }\n";
}

std::string menuBarSheet(const StylePalette& p)
{
    return "QMenuBar { background: " + gradient(p.menuBarTop, p.menuBarBottom) +
           "; color: " + p.menuBarText.hex() +
           "; }\n"
           "QMenuBar::item { background: transparent; color: " +
           p.menuBarText.hex() +
           "; }\n"
           "QMenuBar::item:selected, QMenuBar::item:pressed { background: " +
           p.menuHighlight.hex() + "; color: " + p.menuHighlightText.hex() + "; }\n" + menuSheet(p);
}

std::string statusBarSheet(const StylePalette& p)
{
    return "QStatusBar { background: " + gradient(p.statusTop, p.statusBottom) +
           "; color: " + p.statusText.hex() +
           "; }\n"
           "QStatusBar::item { border: none; }\n"
           "QStatusBar QLabel { background: transparent; color: " +
           p.statusText.hex() + "; }\n";
}

} // namespace StyleSheets
