#pragma once

#include "ui/StylePalette.h"

#include <string>

// Style sheets that give a palette to one kind of component and to nothing else of the window.
namespace StyleSheets
{

// The dynamic property, and its value, that marks the settings panel for panelSheet.
inline constexpr const char* kPanelProperty = "formStylerPanel";

// Set on the settings panel: its gradient and border, and the text of the labels, check boxes, radio buttons
// and group titles on it.
std::string panelSheet(const StylePalette& palette);

// Set on the main menu bar: the bar and every menu that drops from it.
std::string menuBarSheet(const StylePalette& palette);

// Set on a pop-up menu.
std::string menuSheet(const StylePalette& palette);

// Set on the status bar: the bar and its texts.
std::string statusBarSheet(const StylePalette& palette);

} // namespace StyleSheets
