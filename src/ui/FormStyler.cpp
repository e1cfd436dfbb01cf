#include "ui/FormStyler.h"

#include "ui/StylePalettes.h"
#include "ui/StyleSheets.h"

#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

Q_LOGGING_CATEGORY(lcStyles, "tavimoro.styles", QtWarningMsg)

FormStyler::FormStyler(QObject* parent, PaletteLookup lookup)
    : QObject(parent), m_lookup(lookup ? std::move(lookup) : PaletteLookup(&StylePalettes::forStyle)),
      m_style(StylePalettes::kDesignedStyle)
{
}

void FormStyler::setFormStyle(int style)
{
    if (style == m_style)
        return;
    m_style = style;
    if (style == StylePalettes::kCustomStyle)
        return;
    const StylePalette& palette = m_lookup(style);
    for (const Component& component : std::as_const(m_components)) {
        try {
            applyTo(component, palette);
        } catch (const std::exception& error) {
            qCWarning(lcStyles) << "style" << style << "not applied:" << error.what();
        }
    }
}

void FormStyler::setFormStyleAtStartup(int style)
{
    try {
        setFormStyle(style);
    } catch (const std::exception& error) {
        qCWarning(lcStyles) << "style" << style << "failed, falling back to 0:" << error.what();
        setFormStyle(0);
    }
}

void FormStyler::setPanel(QWidget* panel)
{
    addComponent(Kind::Panel, panel);
}

void FormStyler::setMenuBar(QMenuBar* menuBar)
{
    addComponent(Kind::MenuBar, menuBar);
}

void FormStyler::addPopupMenu(QMenu* menu)
{
    addComponent(Kind::PopupMenu, menu);
}

void FormStyler::setStatusBar(QStatusBar* statusBar)
{
    addComponent(Kind::StatusBar, statusBar);
}

void FormStyler::addComponent(Kind kind, QWidget* widget)
{
    if (!widget)
        return;
    const Component component{kind, widget};
    m_components.append(component);
    applyTo(component, StylePalettes::forStyle(StylePalettes::kDesignedStyle));
}

void FormStyler::applyTo(const Component& component, const StylePalette& palette)
{
    QWidget* widget = component.widget;
    if (!widget)
        return;
    std::string sheet;
    switch (component.kind) {
    case Kind::Panel:
        widget->setProperty(StyleSheets::kPanelProperty, true);
        widget->setAttribute(Qt::WA_StyledBackground);
        sheet = StyleSheets::panelSheet(palette);
        break;
    case Kind::MenuBar:
        sheet = StyleSheets::menuBarSheet(palette);
        break;
    case Kind::PopupMenu:
        sheet = StyleSheets::menuSheet(palette);
        break;
    case Kind::StatusBar:
        sheet = StyleSheets::statusBarSheet(palette);
        break;
    }
    widget->setStyleSheet(QString::fromStdString(sheet));
}
