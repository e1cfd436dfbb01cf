#pragma once

class QMenu;
class QWidget;

// The two pop-up menus of quick values. Each entry is a QAction named as on the window; its data is its tag.
class PresetMenus
{
public:
    // mnuOdo: "0" (N01, tag 0), a separator, "+100" .. "+10000" (N1001 .. N100001, tag = the amount).
    static QMenu* createOdometerMenu(QWidget* parent);
    // mnuWheel: twenty wheel sizes in three columns (N700x20c1 .. N60x622, tag = circumference in mm).
    static QMenu* createWheelMenu(QWidget* parent);
};
