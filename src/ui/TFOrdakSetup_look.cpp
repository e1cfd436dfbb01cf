#include "placement/TFormSize.h"
#include "ui/ErrorReport.h"
#include "ui/FormStyler.h"
#include "ui/LayoutMenu.h"
#include "ui/TFOrdakSetup.h"
#include "ui_TFOrdakSetup.h"

#include <QMenu>

void TFOrdakSetup::setUpPlacement()
{
    FormSize1 = new TFormSize(this);
    FormSize1->setObjectName(QStringLiteral("FormSize1"));
    FormSize1->setMagnet(true);
    FormSize1->setMagnetDistance(32);
    // A placement left in the working folder applies until the configuration file takes over.
    FormSize1->Loaded();
    connect(FormSize1, &TFormSize::errorOccurred, this, [this](const QString& message) {
        // Who chose to close without saving has already been told that the folder cannot be written.
        if (!m_closeWithoutSaving)
            ErrorReport::show(this, message);
    });
}

void TFOrdakSetup::setUpStyles()
{
    m_styler = new FormStyler(this);
    m_styler->setObjectName(QStringLiteral("AdvFormStyler1"));
    m_styler->setPanel(ui->AdvPanel1);
    m_styler->setMenuBar(ui->AdvMainMenu1);
    // The preset pop-up menus belong to the settings editor, which creates them with the window.
    m_styler->addPopupMenu(findChild<QMenu*>(QStringLiteral("mnuOdo")));
    m_styler->addPopupMenu(findChild<QMenu*>(QStringLiteral("mnuWheel")));
    m_styler->setStatusBar(ui->AdvOfficeStatusBar1);

    m_layoutMenu = new LayoutMenu(ui->mnuLayout, m_styler);
    connect(m_layoutMenu, &LayoutMenu::layoutStyleChosen, this,
            [this](quint8 style) { LayoutStyle = style; });
    connect(m_layoutMenu, &LayoutMenu::errorOccurred, this,
            [this](const QString& message) { ErrorReport::show(this, message); });
}

void TFOrdakSetup::SetPlacementStore(const std::string& file)
{
    FormSize1->setSaveName(QString::fromStdString(file));
}

void TFOrdakSetup::RestoreFullPlacement()
{
    FormSize1->RestoreFullPlacement();
}

void TFOrdakSetup::StoreFullPlacement()
{
    // The window is going away: a failure here has nobody left to be shown to.
    disconnect(FormSize1, &TFormSize::errorOccurred, this, nullptr);
    if (FormSize1->SavePosition())
        FormSize1->SavePlacement();
}

void TFOrdakSetup::ApplyFormStyle(int style)
{
    m_styler->setFormStyleAtStartup(style);
}
