#pragma once

#include <QObject>

class FormStyler;
class QAction;
class QMenu;

// Fills the Layout submenu with the nine style entries (tag = style number), ticks the current style's entry
// whenever the submenu opens, and sets the chosen style.
class LayoutMenu : public QObject
{
    Q_OBJECT

public:
    LayoutMenu(QMenu* mnuLayout, FormStyler* styler);

    // Unticks every entry and ticks the one of the current style; none for a style without an entry.
    void mnuLayoutClick();
    // Sets the entry's style and reports it as the new layout style.
    void mnuOfficeSilverClick(QAction* entry);

signals:
    void layoutStyleChosen(quint8 style);
    // Choosing an entry failed; the message is meant for the user.
    void errorOccurred(const QString& message);

private:
    QMenu* m_menu;
    FormStyler* m_styler;
};
