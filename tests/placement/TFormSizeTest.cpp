#include "placement/TFormSize.h"
#include "base/IniFile.h"
#include "placement/EFormSizeError.h"
#include "platform/UserIdentity.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace
{

// A top-level window with the object name the placement section is named after.
std::unique_ptr<QWidget> makeWindow(const QString& name = QStringLiteral("FOrdakSetup"))
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    return window;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString raisedMessage(const std::function<void()>& construct)
{
    try {
        construct();
    } catch (const EFormSizeError& error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}

void sendMouse(QWidget* window, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(local), QPointF(window->mapToGlobal(local)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

// A window whose close handler writes its own section first, and may refuse to close.
class ClosingWindow : public QWidget
{
public:
    ClosingWindow(const QString& iniPath, bool accept) : m_iniPath(iniPath), m_accept(accept)
    {
        setObjectName(QStringLiteral("FOrdakSetup"));
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        IniFile(m_iniPath.toStdString()).writeInteger("MISC", "Layout", 7);
        event->setAccepted(m_accept);
    }

private:
    QString m_iniPath;
    bool m_accept;
};

} // namespace

class TFormSizeTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_iniPath = m_dir.filePath(QStringLiteral("Tavimoro_SetupTool.ini"));
        QFile::remove(m_iniPath);
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
    }

    void defaultsAtConstruction()
    {
        auto window = makeWindow();
        TFormSize formSize(window.get());
        QCOMPARE(formSize.parent(), window.get());
        QCOMPARE(formSize.DragAlways(), false);
        QCOMPARE(formSize.Location(), plIniFile);
        QCOMPARE(formSize.Magnet(), false);
        QCOMPARE(formSize.MagnetDistance(), 32);
        QCOMPARE(formSize.SavePosition(), true);
        QCOMPARE(formSize.SaveSize(), true);
        QCOMPARE(formSize.SaveUser(), false);
        QCOMPARE(formSize.SaveMachine(), false);
        QCOMPARE(formSize.SaveName(), QDir::toNativeSeparators(QStringLiteral("./FORM.INI")));
        QCOMPARE(formSize.SaveKey(), QStringLiteral("FOrdakSetup"));
        QCOMPARE(formSize.VersionNumber(), quint32(0x01030000));
    }

    void versionIgnoresAssignment()
    {
        auto window = makeWindow();
        TFormSize formSize(window.get());
        QCOMPARE(formSize.Version(), QStringLiteral("1.3.0.0"));
        formSize.setVersion(QStringLiteral("9.9.9.9"));
        QVERIFY(formSize.setProperty("Version", QStringLiteral("2.0")));
        QCOMPARE(formSize.property("Version").toString(), QStringLiteral("1.3.0.0"));
    }

    void ownerMustBeAWindow()
    {
        auto window = makeWindow();
        auto* child = new QWidget(window.get());
        const QString expected = QStringLiteral("Control parent must be a form!");
        QCOMPARE(raisedMessage([&] { TFormSize formSize(child); }), expected);
        QCOMPARE(raisedMessage([&] { TFormSize formSize(nullptr); }), expected);
        QVERIFY(window->findChildren<TFormSize*>().isEmpty());
    }

    void secondComponentOnOneWindowFails()
    {
        auto window = makeWindow();
        auto* first = new TFormSize(window.get());
        QCOMPARE(raisedMessage([&] { new TFormSize(window.get()); }),
                 QStringLiteral("The form already contains a TFormSize component"));
        QCOMPARE(window->findChildren<TFormSize*>(), QList<TFormSize*>{first});

        // Another window still takes one of its own.
        auto other = makeWindow(QStringLiteral("Other"));
        QCOMPARE(raisedMessage([&] { new TFormSize(other.get()); }), QString());
    }

    void sectionNamesUserThenMachine()
    {
        auto window = makeWindow();
        TFormSize formSize(window.get());
        const QString user = QString::fromStdString(platform::UserLogonName());
        const QString machine = QString::fromStdString(platform::ComputerName());
        QCOMPARE(formSize.PlacementSection(), QStringLiteral("FOrdakSetup"));
        formSize.setSaveUser(true);
        QCOMPARE(formSize.PlacementSection(), QStringLiteral("FOrdakSetup-") + user);
        formSize.setSaveMachine(true);
        QCOMPARE(formSize.PlacementSection(), QStringLiteral("FOrdakSetup-%1-%2").arg(user, machine));
    }

    void savesTheFiveKeysWhenTheWindowIsDestroyed()
    {
        auto window = makeWindow();
        auto* formSize = new TFormSize(window.get());
        formSize->setSaveName(m_iniPath);
        window->move(40, 50);
        window->resize(320, 240);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QPoint corner = window->pos();
        window.reset();

        const IniFile ini(m_iniPath.toStdString());
        QCOMPARE(ini.readInteger("FOrdakSetup", "Left", -1), corner.x());
        QCOMPARE(ini.readInteger("FOrdakSetup", "Top", -1), corner.y());
        QCOMPARE(ini.readInteger("FOrdakSetup", "Right", -1), corner.x() + 320);
        QCOMPARE(ini.readInteger("FOrdakSetup", "Bottom", -1), corner.y() + 240);
        QCOMPARE(ini.readString("FOrdakSetup", "Maximized", "?"), std::string("0"));
    }

    void savesOnCloseAfterTheWindowsOwnHandler_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("close accepted") << true;
        QTest::newRow("close refused") << false;
    }

    void savesOnCloseAfterTheWindowsOwnHandler()
    {
        QFETCH(bool, accept);
        ClosingWindow window(m_iniPath, accept);
        auto* formSize = new TFormSize(&window);
        formSize->setSaveName(m_iniPath);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.close(), accept);

        // The window's own close handling writes first; the placement follows only when the window goes.
        const IniFile ini(m_iniPath.toStdString());
        const auto expected =
            accept ? std::vector<std::string>{"MISC", "FOrdakSetup"} : std::vector<std::string>{"MISC"};
        QCOMPARE(ini.readSections(), expected);
    }

    void savesTheNormalRectangleOfAMaximizedWindow()
    {
        auto window = makeWindow();
        auto* formSize = new TFormSize(window.get());
        formSize->setSaveName(m_iniPath);
        window->setGeometry(60, 70, 300, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QPoint corner = window->pos();
        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        window.reset();

        const IniFile ini(m_iniPath.toStdString());
        QCOMPARE(ini.readString("FOrdakSetup", "Maximized", "?"), std::string("1"));
        QCOMPARE(ini.readInteger("FOrdakSetup", "Left", -1), corner.x());
        QCOMPARE(ini.readInteger("FOrdakSetup", "Right", -1), corner.x() + 300);
        QCOMPARE(ini.readInteger("FOrdakSetup", "Bottom", -1), corner.y() + 200);
    }

    void savePositionOffSavesNothing()
    {
        auto window = makeWindow();
        auto* formSize = new TFormSize(window.get());
        formSize->setSaveName(m_iniPath);
        formSize->setSavePosition(false);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window.reset();
        QVERIFY(!QFile::exists(m_iniPath));
    }

    void emptyNameOrKeyDoesNothing()
    {
        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setSaveName(m_iniPath);
        formSize.setSaveKey(QString());
        formSize.SavePlacement();
        QVERIFY(!QFile::exists(m_iniPath));

        writeFile(m_iniPath, "[FOrdakSetup]\r\nLeft=10\r\nTop=10\r\n");
        window->move(77, 88);
        formSize.RestorePlacement();
        QCOMPARE(window->pos(), QPoint(77, 88));
    }

    void failedSaveIsReportedNotThrown()
    {
        auto window = makeWindow();
        auto* formSize = new TFormSize(window.get());
        formSize->setSaveName(m_dir.filePath(QStringLiteral("missing/form.ini")));
        QSignalSpy errors(formSize, &TFormSize::errorOccurred);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->hide();
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.at(0).at(0).toString().contains(QStringLiteral("kann nicht geschrieben werden")));
    }

    void restoreAppliesTheStoredPlacement()
    {
        writeFile(m_iniPath,
                  "[FOrdakSetup]\r\nLeft=30\r\nTop=40\r\nRight=530\r\nBottom=440\r\nMaximized=0\r\n");
        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setSaveName(m_iniPath);
        window->setGeometry(5, 5, 100, 100);
        formSize.RestorePlacement();
        QCOMPARE(window->pos(), QPoint(30, 40));
        QCOMPARE(window->size(), QSize(500, 400));
        QVERIFY(!window->isMaximized());
    }

    void restoreMaximizes()
    {
        writeFile(m_iniPath, "[FOrdakSetup]\r\nMaximized=1\r\n");
        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setSaveName(m_iniPath);
        formSize.RestorePlacement();
        QVERIFY(window->windowState() & Qt::WindowMaximized);
    }

    void restoreKeepsTheWindowOnTheDesktop()
    {
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        const int right = desktop.x() + desktop.width();
        writeFile(m_iniPath,
                  QStringLiteral("[FOrdakSetup]\r\nLeft=%1\r\nTop=10\r\nRight=%2\r\nBottom=210\r\n")
                      .arg(right + 20)
                      .arg(right + 220)
                      .toLatin1());
        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setSaveName(m_iniPath);
        formSize.RestorePlacement();
        QCOMPARE(window->pos(), QPoint(right - 200, 10));
        QCOMPARE(window->size(), QSize(200, 200));
    }

    void restoreWithoutSaveSizeKeepsTheSize()
    {
        writeFile(m_iniPath, "[FOrdakSetup]\r\nLeft=-50\r\nTop=40\r\nRight=900\r\nBottom=900\r\n");
        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setSaveName(m_iniPath);
        formSize.setSaveSize(false);
        window->resize(321, 123);
        formSize.RestorePlacement();
        QCOMPARE(window->pos(), QPoint(-50, 40));
        QCOMPARE(window->size(), QSize(321, 123));
    }

    void restoreFullPlacementPutsTheFlagsBack()
    {
        writeFile(m_iniPath, "[FOrdakSetup]\r\nLeft=30\r\nTop=40\r\nRight=530\r\nBottom=440\r\n");
        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setSaveName(m_iniPath);
        formSize.setSavePosition(false);
        formSize.setSaveSize(false);
        formSize.RestoreFullPlacement();
        QCOMPARE(window->pos(), QPoint(30, 40));
        QCOMPARE(window->size(), QSize(500, 400));
        QCOMPARE(formSize.SavePosition(), false);
        QCOMPARE(formSize.SaveSize(), false);
    }

    void loadedRestoresFromTheWorkingFolder()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        writeFile(m_dir.filePath(QStringLiteral("FORM.INI")), "[FOrdakSetup]\r\nLeft=12\r\nTop=34\r\n");

        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setSavePosition(false);
        formSize.Loaded();
        QVERIFY(window->pos() != QPoint(12, 34));
        formSize.setSavePosition(true);
        formSize.Loaded();
        QCOMPARE(window->pos(), QPoint(12, 34));

        QVERIFY(QDir::setCurrent(previous));
        QFile::remove(m_dir.filePath(QStringLiteral("FORM.INI")));
    }

    void registryLocationRoundTrips()
    {
        const QString hive = TFormSize::RegistryStoreFile();
        QCOMPARE(hive, m_dir.filePath(QStringLiteral("placement-registry.ini")));
        QFile::remove(hive);
        {
            auto window = makeWindow();
            auto* formSize = new TFormSize(window.get());
            formSize->setLocation(plRegistry);
            formSize->setSaveName(QStringLiteral("Software\\Nelvo\\SetupTool"));
            window->setGeometry(90, 80, 250, 150);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
        const IniFile ini(hive.toStdString());
        QVERIFY(ini.sectionExists("Software\\Nelvo\\SetupTool\\FOrdakSetup"));
        QCOMPARE(ini.readString("Software\\Nelvo\\SetupTool\\FOrdakSetup", "Maximized", "?"),
                 std::string("0"));

        auto window = makeWindow();
        TFormSize formSize(window.get());
        formSize.setLocation(plRegistry);
        formSize.setSaveName(QStringLiteral("Software\\Nelvo\\SetupTool"));
        formSize.RestorePlacement();
        QCOMPARE(window->size(), QSize(250, 150));
    }

    void magnetSnapsAMovedWindow_data()
    {
        QTest::addColumn<bool>("magnet");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("expectedOffset");
        // Offsets from the work area's top-left corner; -1 stands for flush right or bottom.
        QTest::newRow("near the top-left corner") << true << QPoint(10, 20) << QPoint(0, 0);
        QTest::newRow("well inside") << true << QPoint(100, 100) << QPoint(100, 100);
        QTest::newRow("beyond the left edge") << true << QPoint(-200, 100) << QPoint(0, 100);
        QTest::newRow("near the right edge") << true << QPoint(-1, 100) << QPoint(-1, 100);
        QTest::newRow("magnet off") << false << QPoint(10, 20) << QPoint(10, 20);
    }

    void magnetSnapsAMovedWindow()
    {
        QFETCH(bool, magnet);
        QFETCH(QPoint, offset);
        QFETCH(QPoint, expectedOffset);

        auto window = makeWindow();
        auto* formSize = new TFormSize(window.get());
        formSize->setSaveName(QString());
        formSize->setMagnet(magnet);
        window->resize(300, 200);
        window->move(100, 100);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const int flushRight = area.width() - window->frameGeometry().width();
        const auto resolve = [&](QPoint p) {
            return area.topLeft() + QPoint(p.x() == -1 ? flushRight - 10 : p.x(), p.y());
        };
        window->move(resolve(offset));
        const QPoint expected = expectedOffset.x() == -1
                                    ? area.topLeft() + QPoint(flushRight, expectedOffset.y())
                                    : resolve(expectedOffset);
        QTRY_COMPARE(window->pos(), expected);
    }

    void dragAlwaysMovesByTheClientArea_data()
    {
        QTest::addColumn<bool>("dragAlways");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }

    void dragAlwaysMovesByTheClientArea()
    {
        QFETCH(bool, dragAlways);
        auto window = makeWindow();
        auto* formSize = new TFormSize(window.get());
        formSize->setSaveName(QString());
        formSize->setDragAlways(dragAlways);
        window->setGeometry(150, 150, 300, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QPoint start = window->pos();

        const QPoint grip(50, 50);
        const QPoint pressedAt = window->mapToGlobal(grip);
        sendMouse(window.get(), QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
        QMouseEvent drag(QEvent::MouseMove, QPointF(grip), QPointF(pressedAt + QPoint(30, 20)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drag);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(grip), QPointF(pressedAt + QPoint(30, 20)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &release);

        if (dragAlways)
            QTRY_COMPARE(window->pos(), start + QPoint(30, 20));
        else
            QCOMPARE(window->pos(), start);
    }

private:
    QTemporaryDir m_dir;
    QString m_iniPath;
};

QTEST_MAIN(TFormSizeTest)
#include "TFormSizeTest.moc"
