#include "WindowFixture.h"

#include "placement/TFormSize.h"
#include "ui/FormStyler.h"
#include "ui/StylePalettes.h"
#include "ui/StyleSheets.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace
{

QMenu* layoutMenu(TFOrdakSetup& w)
{
    return w.findChild<QMenu*>(QStringLiteral("mnuLayout"));
}

// Opens the Layout submenu as the user does and returns the names of the ticked entries.
QStringList tickedEntries(TFOrdakSetup& w)
{
    QMenu* menu = layoutMenu(w);
    menu->popup(w.mapToGlobal(QPoint(10, 10)));
    QStringList ticked;
    for (const QAction* action : menu->actions()) {
        if (action->isChecked())
            ticked << action->objectName();
    }
    menu->hide();
    return ticked;
}

QString panelSheetOf(int style)
{
    return QString::fromStdString(StyleSheets::panelSheet(StylePalettes::forStyle(style)));
}

QString statusBarSheetOf(int style)
{
    return QString::fromStdString(StyleSheets::statusBarSheet(StylePalettes::forStyle(style)));
}

// The keys of one section, in file order, with their values.
QStringList sectionLines(const QString& config, const QString& section)
{
    QStringList lines;
    bool inside = false;
    for (const QString& raw : config.split(QRegularExpression(QStringLiteral("\r?\n")))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inside = line == QLatin1Char('[') + section + QLatin1Char(']');
            continue;
        }
        if (inside && !line.isEmpty())
            lines << line;
    }
    return lines;
}

QStringList sectionNames(const QString& config)
{
    QStringList names;
    for (const QString& raw : config.split(QRegularExpression(QStringLiteral("\r?\n")))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            names << line.mid(1, line.size() - 2);
    }
    return names;
}

void closeAndDestroy(WindowFixture& f)
{
    QVERIFY(f.window().close());
    f.destroyWindow();
}

} // namespace

class LookTest : public QObject
{
    Q_OBJECT

private slots:
    void chosenStyleSurvivesRestart();
    void storedLayout_data();
    void storedLayout();
    void everyEntryTicksItselfAlone();
    void placementSurvivesRestart();
    void storedLargerSizeKeepsFixedSizeAtStoredPosition();
    void freshFileKeepsToolSectionFirst();
    void workingFolderPlacementAppliesWithoutStoredOne();
    void movedNearEdgeSnapsToIt();
};

void LookTest::chosenStyleSurvivesRestart()
{
    WindowFixture f;
    {
        TFOrdakSetup& w = f.open();
        auto* entry = w.findChild<QAction*>(QStringLiteral("mnuOffice2007Silver"));
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(w.LayoutStyle, 9);
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("AdvPanel1"))->styleSheet(), panelSheetOf(9));
        QCOMPARE(tickedEntries(w), QStringList{QStringLiteral("mnuOffice2007Silver")});
        closeAndDestroy(f);
    }
    QVERIFY(sectionLines(f.readConfig(), QStringLiteral("MISC")).contains(QStringLiteral("Layout=9")));

    TFOrdakSetup& w = f.open();
    QCOMPARE(w.LayoutStyle, 9);
    QCOMPARE(w.findChild<FormStyler*>()->formStyle(), 9);
    QCOMPARE(tickedEntries(w), QStringList{QStringLiteral("mnuOffice2007Silver")});
    QCOMPARE(w.findChild<QWidget*>(QStringLiteral("AdvPanel1"))->styleSheet(), panelSheetOf(9));
    QCOMPARE(w.findChild<QStatusBar*>(QStringLiteral("AdvOfficeStatusBar1"))->styleSheet(),
             statusBarSheetOf(9));
    for (const char* popup : {"mnuOdo", "mnuWheel"}) {
        QCOMPARE(w.findChild<QMenu*>(QString::fromLatin1(popup))->styleSheet(),
                 QString::fromStdString(StyleSheets::menuSheet(StylePalettes::forStyle(9))));
    }
}

void LookTest::storedLayout_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("layoutStyle");
    QTest::addColumn<int>("lookOf");
    QTest::addColumn<QStringList>("ticked");

    const QStringList whidbey{QStringLiteral("mnuWhidbey")};
    QTest::newRow("no configuration: Whidbey") << QByteArray() << 7 << 7 << whidbey;
    QTest::newRow("custom keeps the designed look")
        << QByteArray("[MISC]\r\nLayout=8\r\n") << 8 << StylePalettes::kDesignedStyle << QStringList();
    QTest::newRow("only the low 8 bits count") << QByteArray("[MISC]\r\nLayout=263\r\n") << 7 << 7 << whidbey;
    QTest::newRow("not a number gives the default")
        << QByteArray("[MISC]\r\nLayout=blue\r\n") << 7 << 7 << whidbey;
    QTest::newRow("above the offered styles")
        << QByteArray("[MISC]\r\nLayout=12\r\n") << 12 << StylePalettes::kDesignedStyle << QStringList();
    QTest::newRow("Office2003Blue") << QByteArray("[MISC]\r\nLayout=0\r\n") << 0 << 0
                                    << QStringList{QStringLiteral("mnuOfficeBlue")};
}

void LookTest::storedLayout()
{
    QFETCH(QByteArray, config);
    QFETCH(int, layoutStyle);
    QFETCH(int, lookOf);
    QFETCH(QStringList, ticked);

    WindowFixture f;
    if (!config.isEmpty())
        f.writeConfig(config);
    TFOrdakSetup& w = f.open();
    QCOMPARE(int(w.LayoutStyle), layoutStyle);
    QCOMPARE(w.findChild<QWidget*>(QStringLiteral("AdvPanel1"))->styleSheet(), panelSheetOf(lookOf));
    QCOMPARE(w.findChild<QMenuBar*>(QStringLiteral("AdvMainMenu1"))->styleSheet(),
             QString::fromStdString(StyleSheets::menuBarSheet(StylePalettes::forStyle(lookOf))));
    QCOMPARE(tickedEntries(w), ticked);
    closeAndDestroy(f);
    QVERIFY(sectionLines(f.readConfig(), QStringLiteral("MISC"))
                .contains(QStringLiteral("Layout=%1").arg(layoutStyle)));
}

void LookTest::everyEntryTicksItselfAlone()
{
    WindowFixture f;
    TFOrdakSetup& w = f.open();
    const QList<QAction*> entries = layoutMenu(w)->actions();
    QCOMPARE(entries.size(), 9);
    for (QAction* entry : entries) {
        entry->trigger();
        QCOMPARE(int(w.LayoutStyle), entry->data().toInt());
        QCOMPARE(tickedEntries(w), QStringList{entry->objectName()});
    }
}

void LookTest::placementSurvivesRestart()
{
    WindowFixture f;
    QSize clientSize;
    {
        TFOrdakSetup& w = f.open();
        w.move(100, 50);
        QCOMPARE(w.pos(), QPoint(100, 50));
        clientSize = w.size();
        closeAndDestroy(f);
    }
    // Right and Bottom hold the client size, so the frame does not grow the window on every run.
    const QStringList placement = sectionLines(f.readConfig(), QStringLiteral("FOrdakSetup"));
    QCOMPARE(placement, (QStringList{QStringLiteral("Left=100"), QStringLiteral("Top=50"),
                                     QStringLiteral("Right=%1").arg(100 + clientSize.width()),
                                     QStringLiteral("Bottom=%1").arg(50 + clientSize.height()),
                                     QStringLiteral("Maximized=0")}));

    TFOrdakSetup& w = f.open();
    QCOMPARE(w.pos(), QPoint(100, 50));
    QCOMPARE(w.frameGeometry().size(), QSize(TFOrdakSetup::kOuterWidth, TFOrdakSetup::kOuterHeight));
}

void LookTest::storedLargerSizeKeepsFixedSizeAtStoredPosition()
{
    WindowFixture f;
    f.writeConfig("[FOrdakSetup]\r\nLeft=50\r\nTop=40\r\nRight=750\r\nBottom=590\r\nMaximized=0\r\n");
    TFOrdakSetup& w = f.open();
    QCOMPARE(w.pos(), QPoint(50, 40));
    QCOMPARE(w.frameGeometry().size(), QSize(TFOrdakSetup::kOuterWidth, TFOrdakSetup::kOuterHeight));
    const int right = 50 + w.width();
    closeAndDestroy(f);
    QVERIFY(sectionLines(f.readConfig(), QStringLiteral("FOrdakSetup"))
                .contains(QStringLiteral("Right=%1").arg(right)));
}

void LookTest::freshFileKeepsToolSectionFirst()
{
    WindowFixture f;
    f.open();
    closeAndDestroy(f);
    const QString config = f.readConfig();
    QCOMPARE(sectionNames(config).value(0), QStringLiteral("MISC"));
    QVERIFY(sectionNames(config).contains(QStringLiteral("DEVICE")));
    QVERIFY(sectionNames(config).contains(QStringLiteral("FOrdakSetup")));
    QStringList keys;
    for (const QString& line : sectionLines(config, QStringLiteral("FOrdakSetup")))
        keys << line.section(QLatin1Char('='), 0, 0);
    QCOMPARE(keys, (QStringList{QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Right"),
                                QStringLiteral("Bottom"), QStringLiteral("Maximized")}));
}

void LookTest::workingFolderPlacementAppliesWithoutStoredOne()
{
    QTemporaryDir work;
    QFile form(work.filePath(QStringLiteral("FORM.INI")));
    QVERIFY(form.open(QIODevice::WriteOnly));
    form.write("[FOrdakSetup]\r\nLeft=120\r\nTop=60\r\nRight=748\r\nBottom=563\r\nMaximized=0\r\n");
    form.close();
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));

    WindowFixture f;
    TFOrdakSetup& w = f.open();
    QDir::setCurrent(previous);
    QCOMPARE(w.pos(), QPoint(120, 60));
    QCOMPARE(w.findChild<TFormSize*>()->SaveName(), f.configFile());
}

void LookTest::movedNearEdgeSnapsToIt()
{
    WindowFixture f;
    TFOrdakSetup& w = f.open();
    QVERIFY(w.findChild<TFormSize*>()->Magnet());
    QCOMPARE(w.findChild<TFormSize*>()->MagnetDistance(), 32);
    w.move(10, 20);
    QCOMPARE(w.pos(), QPoint(0, 0));
}

QTEST_MAIN(LookTest)
#include "LookTest.moc"
