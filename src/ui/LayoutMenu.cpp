#include "ui/LayoutMenu.h"

#include "ui/FormStyler.h"
#include "ui/StylePalettes.h"

#include <QMenu>

namespace
{

struct Entry {
    int style;
    const char* objectName;
};

// The entries in menu order; their captions are the style names, the same in every language.
constexpr Entry kEntries[] = {
    {0, "mnuOfficeBlue"},    {1, "mnuOfficeSilver"}, {2, "mnuOfficeOlive"},
    {3, "mnuOfficeClassic"}, {4, "mnuOfficeLuna"},   {5, "mnuOfficeObsidian"},
    {6, "mnuWindowsXP"},     {7, "mnuWhidbey"},      {9, "mnuOffice2007Silver"},
};

} // namespace

LayoutMenu::LayoutMenu(QMenu* mnuLayout, FormStyler* styler)
    : QObject(mnuLayout), m_menu(mnuLayout), m_styler(styler)
{
    for (const Entry& entry : kEntries) {
        QAction* action = m_menu->addAction(QString::fromLatin1(StylePalettes::forStyle(entry.style).name));
        action->setObjectName(QString::fromLatin1(entry.objectName));
        action->setData(entry.style);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action] {
            // No exception may cross into the event dispatch; the window reports it.
            try {
                mnuOfficeSilverClick(action);
            } catch (const std::exception& error) {
                emit errorOccurred(QString::fromUtf8(error.what()));
            }
        });
    }
    connect(m_menu, &QMenu::aboutToShow, this, &LayoutMenu::mnuLayoutClick);
}

void LayoutMenu::mnuLayoutClick()
{
    const int current = m_styler->formStyle();
    for (QAction* action : m_menu->actions())
        action->setChecked(action->data().isValid() && action->data().toInt() == current);
}

void LayoutMenu::mnuOfficeSilverClick(QAction* entry)
{
    const int style = entry->data().toInt();
    m_styler->setFormStyle(style);
    emit layoutStyleChosen(quint8(style));
}
