#pragma once

#include "ui/StylePalette.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QMenu;
class QMenuBar;
class QStatusBar;
class QWidget;

// Holds the window's style number and hands a new one to the styled components: the settings panel, the
// main menu with its drop-down menus, the pop-up menus and the status bar. Only those components change.
// Components take the designed look when they are given to the styler.
class FormStyler : public QObject
{
    Q_OBJECT

public:
    using PaletteLookup = std::function<const StylePalette&(int style)>;

    // lookup resolves a style number to its colours (the built-in palettes unless told otherwise).
    explicit FormStyler(QObject* parent = nullptr, PaletteLookup lookup = {});

    int formStyle() const { return m_style; }

    // Nothing happens for the current style. Otherwise the style becomes current and, unless it is 8
    // (Custom), every component takes its look; a component that fails keeps its look and the others go on.
    // A number without a look of its own (above 9) shows the designed look.
    void setFormStyle(int style);
    // As the window applies its stored style at start-up: style 0 instead when setting the style raises.
    void setFormStyleAtStartup(int style);

    void setPanel(QWidget* panel);
    void setMenuBar(QMenuBar* menuBar);
    void addPopupMenu(QMenu* menu);
    void setStatusBar(QStatusBar* statusBar);

private:
    enum class Kind { Panel, MenuBar, PopupMenu, StatusBar };
    struct Component {
        Kind kind;
        QPointer<QWidget> widget;
    };

    void addComponent(Kind kind, QWidget* widget);
    static void applyTo(const Component& component, const StylePalette& palette);

    PaletteLookup m_lookup;
    int m_style;
    QList<Component> m_components;
};
