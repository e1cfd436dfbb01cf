#include "ui/FormStyler.h"
#include "base/Error.h"
#include "ui/LayoutMenu.h"
#include "ui/StylePalettes.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace
{

QString colour(int style, StyleColor StylePalette::*role)
{
    return QString::fromStdString((StylePalettes::forStyle(style).*role).hex());
}

// A window with the styled components and a control that must keep its look.
struct StyledWindow {
    QMainWindow window;
    QFrame* panel = new QFrame;
    QLabel* label = new QLabel(QStringLiteral("Odometer"), panel);
    QSpinBox* spin = new QSpinBox(panel);
    QMenu* mnuSettings = nullptr;
    QMenu* mnuLayout = nullptr;
    QMenu* mnuOdo = new QMenu(&window);
    FormStyler styler;

    explicit StyledWindow(FormStyler::PaletteLookup lookup = {}) : styler(nullptr, std::move(lookup))
    {
        window.setObjectName(QStringLiteral("FOrdakSetup"));
        panel->setObjectName(QStringLiteral("AdvPanel1"));
        auto* layout = new QVBoxLayout(panel);
        layout->addWidget(label);
        layout->addWidget(spin);
        window.setCentralWidget(panel);
        mnuSettings = window.menuBar()->addMenu(QStringLiteral("Settings"));
        mnuLayout = mnuSettings->addMenu(QStringLiteral("Layout"));
        mnuLayout->setObjectName(QStringLiteral("mnuLayout"));
        window.statusBar()->showMessage(QStringLiteral("COM3"));
        styler.setPanel(panel);
        styler.setMenuBar(window.menuBar());
        styler.addPopupMenu(mnuOdo);
        styler.setStatusBar(window.statusBar());
    }

    // True when every styled component carries the colours of style.
    bool showsStyle(int style) const
    {
        return panel->styleSheet().contains(colour(style, &StylePalette::panelTop)) &&
               window.menuBar()->styleSheet().contains(colour(style, &StylePalette::menuBarBottom)) &&
               mnuOdo->styleSheet().contains(colour(style, &StylePalette::menuBackground)) &&
               window.statusBar()->styleSheet().contains(colour(style, &StylePalette::statusBottom));
    }
};

const StylePalette& failingForThree(int style)
{
    if (style == 3)
        throw TavimoroError("no palette for 3");
    return StylePalettes::forStyle(style);
}

} // namespace

class FormStylerTest : public QObject
{
    Q_OBJECT

private slots:
    void componentsStartInTheDesignedLook()
    {
        StyledWindow w;
        QCOMPARE(w.styler.formStyle(), 5);
        QVERIFY(w.showsStyle(5));
    }

    void settingAStyleRecoloursOnlyTheStyledComponents()
    {
        StyledWindow w;
        const QColor spinText = w.spin->palette().color(QPalette::Text);
        w.styler.setFormStyle(0);
        QCOMPARE(w.styler.formStyle(), 0);
        QVERIFY(w.showsStyle(0));
        QVERIFY(w.spin->styleSheet().isEmpty());
        QVERIFY(w.window.styleSheet().isEmpty());

        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCOMPARE(w.label->palette().color(QPalette::WindowText).name(), colour(0, &StylePalette::panelText));
        QCOMPARE(w.spin->palette().color(QPalette::Text), spinText);
    }

    void panelIsPaintedInItsGradient()
    {
        StyledWindow w;
        w.styler.setFormStyle(2);
        w.panel->resize(200, 200);
        const QImage image = w.panel->grab().toImage();
        const QColor top = QColor(colour(2, &StylePalette::panelTop));
        const QColor bottom = QColor(colour(2, &StylePalette::panelBottom));
        const auto near = [](QColor a, QColor b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 24;
        };
        QVERIFY(near(image.pixelColor(image.width() - 4, 3), top));
        QVERIFY(near(image.pixelColor(image.width() - 4, image.height() - 4), bottom));
    }

    void sameStyleDoesNothing()
    {
        StyledWindow w;
        w.styler.setFormStyle(4);
        w.panel->setStyleSheet(QStringLiteral("/* untouched */"));
        w.styler.setFormStyle(4);
        QCOMPARE(w.panel->styleSheet(), QStringLiteral("/* untouched */"));
    }

    void customStyleRecoloursNothing()
    {
        StyledWindow w;
        w.styler.setFormStyle(1);
        w.styler.setFormStyle(8);
        QCOMPARE(w.styler.formStyle(), 8);
        QVERIFY(w.showsStyle(1));
    }

    void storedCustomStyleKeepsTheDesignedLook()
    {
        StyledWindow w;
        w.styler.setFormStyleAtStartup(8);
        QCOMPARE(w.styler.formStyle(), 8);
        QVERIFY(w.showsStyle(5));
    }

    void numberAboveNineIsHandedOnAndShowsTheDesignedLook()
    {
        StyledWindow w;
        w.styler.setFormStyle(0);
        w.styler.setFormStyle(12);
        QCOMPARE(w.styler.formStyle(), 12);
        QVERIFY(w.showsStyle(5));
    }

    void aGoneComponentIsSkipped()
    {
        StyledWindow w;
        delete w.mnuOdo;
        w.styler.setFormStyle(6);
        QVERIFY(w.panel->styleSheet().contains(colour(6, &StylePalette::panelTop)));
        QVERIFY(w.window.statusBar()->styleSheet().contains(colour(6, &StylePalette::statusBottom)));
    }

    void startUpFallsBackToStyleZero()
    {
        StyledWindow w(&failingForThree);
        w.styler.setFormStyleAtStartup(3);
        QCOMPARE(w.styler.formStyle(), 0);
        QVERIFY(w.showsStyle(0));

        StyledWindow fine(&failingForThree);
        fine.styler.setFormStyleAtStartup(7);
        QCOMPARE(fine.styler.formStyle(), 7);
        QVERIFY(fine.showsStyle(7));
    }

    void layoutMenuHasTheNineEntries()
    {
        StyledWindow w;
        LayoutMenu menu(w.mnuLayout, &w.styler);
        const QStringList names = {"mnuOfficeBlue",    "mnuOfficeSilver", "mnuOfficeOlive",
                                   "mnuOfficeClassic", "mnuOfficeLuna",   "mnuOfficeObsidian",
                                   "mnuWindowsXP",     "mnuWhidbey",      "mnuOffice2007Silver"};
        const QStringList captions = {"Office2003Blue",    "Office2003Silver", "Office2003Olive",
                                      "Office2003Classic", "Office2007Luna",   "Office2007Obsidian",
                                      "WindowsXP",         "Whidbey",          "Office2007Silver"};
        const QList<int> tags = {0, 1, 2, 3, 4, 5, 6, 7, 9};
        const auto actions = w.mnuLayout->actions();
        QCOMPARE(actions.size(), 9);
        for (int i = 0; i < actions.size(); ++i) {
            QCOMPARE(actions[i]->objectName(), names[i]);
            QCOMPARE(actions[i]->text(), captions[i]);
            QCOMPARE(actions[i]->data().toInt(), tags[i]);
            QVERIFY(actions[i]->isCheckable());
        }
    }

    void openingTicksTheCurrentStyle_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("ticked");
        QTest::newRow("0") << 0 << "mnuOfficeBlue";
        QTest::newRow("5") << 5 << "mnuOfficeObsidian";
        QTest::newRow("7") << 7 << "mnuWhidbey";
        QTest::newRow("9") << 9 << "mnuOffice2007Silver";
        QTest::newRow("8 has no entry") << 8 << "";
        QTest::newRow("above 9 has no entry") << 10 << "";
    }

    void openingTicksTheCurrentStyle()
    {
        QFETCH(int, style);
        QFETCH(QString, ticked);
        StyledWindow w;
        LayoutMenu menu(w.mnuLayout, &w.styler);
        for (QAction* action : w.mnuLayout->actions())
            action->setChecked(true);
        w.styler.setFormStyle(style);
        emit w.mnuLayout->aboutToShow();

        QStringList checked;
        for (QAction* action : w.mnuLayout->actions())
            if (action->isChecked())
                checked << action->objectName();
        QCOMPARE(checked, ticked.isEmpty() ? QStringList() : QStringList{ticked});
    }

    void choosingAnEntrySetsAndReportsItsStyle()
    {
        StyledWindow w;
        LayoutMenu menu(w.mnuLayout, &w.styler);
        QSignalSpy chosen(&menu, &LayoutMenu::layoutStyleChosen);
        auto* entry = w.mnuLayout->findChild<QAction*>(QStringLiteral("mnuOffice2007Silver"));
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).at(0).value<quint8>(), quint8(9));
        QCOMPARE(w.styler.formStyle(), 9);
        QVERIFY(w.showsStyle(9));

        menu.mnuLayoutClick();
        QVERIFY(entry->isChecked());
    }

    void choosingTheActiveStyleChangesNothing()
    {
        StyledWindow w;
        LayoutMenu menu(w.mnuLayout, &w.styler);
        QSignalSpy chosen(&menu, &LayoutMenu::layoutStyleChosen);
        w.panel->setStyleSheet(QStringLiteral("/* untouched */"));
        w.mnuLayout->findChild<QAction*>(QStringLiteral("mnuOfficeObsidian"))->trigger();
        QCOMPARE(w.panel->styleSheet(), QStringLiteral("/* untouched */"));
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).at(0).value<quint8>(), quint8(5));
    }

    void aFailedChoiceIsReportedNotThrown()
    {
        StyledWindow w(&failingForThree);
        LayoutMenu menu(w.mnuLayout, &w.styler);
        QSignalSpy errors(&menu, &LayoutMenu::errorOccurred);
        QSignalSpy chosen(&menu, &LayoutMenu::layoutStyleChosen);
        w.mnuLayout->findChild<QAction*>(QStringLiteral("mnuOfficeClassic"))->trigger();
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("no palette for 3"));
        QCOMPARE(chosen.size(), 0);
    }
};

QTEST_MAIN(FormStylerTest)
#include "FormStylerTest.moc"
