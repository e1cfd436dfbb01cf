#include "i18n/QtTranslationTarget.h"
#include "TempFolder.h"
#include "base/Cp1252.h"
#include "i18n/BuiltInTranslations.h"
#include "i18n/CommaText.h"
#include "i18n/TranslationData.h"
#include "i18n/TsiLang.h"
#include "i18n/TsiLangDispatcher.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <map>

namespace
{

QString german(const std::string& key, TStringsType type = stCaptions)
{
    TranslationTables tables;
    i18n::ReadTranslationData(i18n::BuiltInTranslationData(), "TFOrdakSetup", tables);
    for (const auto& row : tables[type]) {
        if (i18n::RowKey(row) == key)
            return QString::fromStdString(cp1252::toUtf8(i18n::RowColumn(row, 2)));
    }
    return {};
}

QStringList germanItems(const std::string& key)
{
    QStringList items;
    for (const auto& item : i18n::ParseCommaText(german(key, stMultiLines).toStdString()))
        items << QString::fromStdString(item);
    return items;
}

template <typename T> T* make(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    parent->layout()->addWidget(widget);
    return widget;
}

// A small window built by hand with the designed (German) texts of some of the main window's controls.
struct Form {
    QWidget window;
    QMenu* mnuFile = nullptr;
    QAction* mnuLoad = nullptr;

    Form()
    {
        window.setObjectName(QStringLiteral("FOrdakSetup"));
        window.setWindowTitle(QStringLiteral("Designed"));
        new QVBoxLayout(&window);
        auto* bar = new QMenuBar(&window);
        mnuFile = bar->addMenu(german("mnuFile"));
        mnuFile->setObjectName(QStringLiteral("mnuFile"));
        mnuLoad = mnuFile->addAction(german("mnuLoad"));
        mnuLoad->setObjectName(QStringLiteral("mnuLoad"));
        for (const char* name : {"btnSend", "btnClose"})
            make<QPushButton>(&window, name)->setText(german(name));
        for (const char* name : {"lblDev1", "lblDev2", "lbDevLink", "lblSex"})
            make<QLabel>(&window, name)->setText(german(name));
        make<QCheckBox>(&window, "chkPCTime")->setText(german("chkPCTime"));
        make<QGroupBox>(&window, "grpTime")->setTitle(german("grpTime"));
        auto* img = make<QLabel>(&window, "imgDevice");
        img->setToolTip(german("imgDevice", stHints));
        for (const char* name : {"rgTime", "rgSpeed"}) {
            auto* group = make<QGroupBox>(&window, name);
            group->setTitle(german(name));
            new QVBoxLayout(group);
            const QStringList items = std::string(name) == "rgTime"
                                          ? QStringList{"24h", "12h"}
                                          : germanItems(std::string(name) + ".Items");
            for (const QString& item : items)
                group->layout()->addWidget(new QRadioButton(item, group));
        }
        for (const char* name : {"cboSex", "cboLapMode"}) {
            auto* combo = make<QComboBox>(&window, name);
            combo->addItems(germanItems(std::string(name) + ".Items"));
        }
        auto* memo = make<QPlainTextEdit>(&window, "Memo1");
        memo->setPlainText(germanItems("Memo1.Lines").join(QLatin1Char('\n')));
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        make<QLabel>(&window, "DBHTMLabel1")
            ->setText(germanItems("DBHTMLabel1.HTMLText").join(QLatin1Char('\n')));
        auto* dialog = new QObject(&window);
        dialog->setObjectName(QStringLiteral("dlgOpen"));
        dialog->setProperty("Filter", german("dlgOpen.Filter", stOtherStrings));
    }

    template <typename T> T* get(const char* name) { return window.findChild<T*>(QString::fromLatin1(name)); }

    // Everything a switch may touch, by object name.
    std::map<QString, QString> snapshot()
    {
        std::map<QString, QString> state;
        state[QStringLiteral("window")] = window.windowTitle();
        for (QObject* object : window.findChildren<QObject*>()) {
            QString s;
            if (auto* b = qobject_cast<QAbstractButton*>(object))
                s = b->text();
            if (auto* l = qobject_cast<QLabel*>(object))
                s = l->text() + "|" + l->toolTip();
            if (auto* g = qobject_cast<QGroupBox*>(object))
                s = g->title();
            if (auto* c = qobject_cast<QComboBox*>(object)) {
                for (int i = 0; i < c->count(); ++i)
                    s += c->itemText(i) + ";";
                s += QString::number(c->currentIndex());
            }
            if (auto* m = qobject_cast<QPlainTextEdit*>(object))
                s = m->toPlainText() + "|" + QString::number(m->lineWrapMode());
            if (auto* m = qobject_cast<QMenu*>(object))
                s = m->title();
            if (auto* a = qobject_cast<QAction*>(object))
                s = a->text();
            if (object->objectName() == QLatin1String("dlgOpen"))
                s = object->property("Filter").toString();
            if (!object->objectName().isEmpty())
                state[object->objectName() + "/" + object->metaObject()->className()] = s;
        }
        return state;
    }
};

} // namespace

class QtTranslationTargetTest : public QObject
{
    Q_OBJECT

private slots:
    void germanEnglishGermanRestoresEveryText()
    {
        Form form;
        form.get<QComboBox>("cboSex")->setCurrentIndex(1);
        form.get<QComboBox>("cboLapMode")->setCurrentIndex(2);
        const auto designed = form.snapshot();

        QtTranslationTarget target(&form.window, QStringLiteral("FOrdakSetup"),
                                   QStringLiteral("TFOrdakSetup"));
        TsiLang translator(target, "FOrdakSetup", "TFOrdakSetup");
        translator.loadTranslationData(i18n::BuiltInTranslationData());
        TsiLangDispatcher dispatcher;
        dispatcher.link(translator);
        QCOMPARE(form.snapshot(), designed);

        dispatcher.setLanguage("English");
        QCOMPARE(form.get<QPushButton>("btnSend")->text(), QStringLiteral("Transfer &Settings"));
        QCOMPARE(form.get<QLabel>("lblDev1")->text(), QStringLiteral("  Click here to"));
        QCOMPARE(form.get<QLabel>("lbDevLink")->text(), QStringLiteral("PC  Link"));
        QCOMPARE(form.get<QCheckBox>("chkPCTime")->text(), QStringLiteral("Auto assign PC Time"));
        QCOMPARE(form.get<QGroupBox>("grpTime")->title(), QStringLiteral("&Time"));
        QCOMPARE(form.get<QLabel>("imgDevice")->toolTip(),
                 QStringLiteral("Click image for testing connection..."));
        QCOMPARE(form.mnuFile->title(), QStringLiteral("File"));
        QCOMPARE(form.mnuLoad->text(), QStringLiteral("Load settings..."));
        QCOMPARE(form.get<QComboBox>("cboSex")->itemText(1), QStringLiteral("female"));
        QCOMPARE(form.get<QComboBox>("cboSex")->currentIndex(), 1);
        QCOMPARE(form.get<QComboBox>("cboLapMode")->currentIndex(), 2);
        QCOMPARE(form.get<QPlainTextEdit>("Memo1")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(form.get<QPlainTextEdit>("Memo1")->toPlainText().split('\n').at(1),
                 QStringLiteral("After setting the values just press the Transfer button "));
        QCOMPARE(form.get<QLabel>("DBHTMLabel1")->text(),
                 QStringLiteral("<B>Note:</B> Your Tavimoro device must be set to <B>PC-Link</B> mode!"));
        QCOMPARE(form.window.findChild<QObject*>("dlgOpen")->property("Filter").toString(),
                 QStringLiteral("Settings Files (*.dat)|*.dat"));
        QCOMPARE(form.window.windowTitle(), QStringLiteral("Designed"));

        dispatcher.setLanguage("German");
        QCOMPARE(form.snapshot(), designed);
    }

    void timeItemsStayGerman()
    {
        Form form;
        const auto radios = form.get<QGroupBox>("rgTime")->findChildren<QRadioButton*>();
        radios.at(0)->setText(QStringLiteral("vierundzwanzig"));
        QtTranslationTarget target(&form.window, QStringLiteral("FOrdakSetup"),
                                   QStringLiteral("TFOrdakSetup"));
        TsiLang translator(target, "FOrdakSetup", "TFOrdakSetup");
        translator.loadTranslationData(i18n::BuiltInTranslationData());
        translator.setActiveLanguage(1);
        QCOMPARE(radios.at(0)->text(), QStringLiteral("24h"));
        radios.at(0)->setText(QStringLiteral("vierundzwanzig"));
        translator.setActiveLanguage(2);
        QCOMPARE(radios.at(0)->text(), QStringLiteral("vierundzwanzig"));
    }

    void componentsMatchWithoutCase()
    {
        Form form;
        QtTranslationTarget target(&form.window, QStringLiteral("FOrdakSetup"),
                                   QStringLiteral("TFOrdakSetup"));
        QVERIFY(target.hasComponent("BTNSEND"));
        QVERIFY(target.hasComponent("tfordaksetup"));
        QVERIFY(target.hasComponent("fordaksetup"));
        QVERIFY(!target.hasComponent("btnGone"));
        QVERIFY(!target.hasComponent(""));
        QVERIFY(!target.readText("btnSend", "NoSuchProperty"));
        QVERIFY(!target.readText("cboSex", "Text")); // a pick-only list keeps its selection
        QVERIFY(!target.editList("btnSend", "Items"));
        QCOMPARE(QString::fromStdString(*target.readText("TFOrdakSetup", "Caption")),
                 QStringLiteral("Designed"));
    }

    void utf8FileKeepsNonLatinLetters()
    {
        Form form;
        QtTranslationTarget target(&form.window, QStringLiteral("FOrdakSetup"),
                                   QStringLiteral("TFOrdakSetup"));
        TsiLang translator(target, "FOrdakSetup", "TFOrdakSetup");
        TsiLangDispatcher dispatcher;
        dispatcher.link(translator);
        TempFolder folder;
        const QString greek =
            QStringLiteral("\u0391\u03C0\u03BF\u03C3\u03C4\u03BF\u03BB\u03AE &\u03C1\u03C5\u03B8\u03BC.");
        const QString russian = QStringLiteral("\u043C\u0443\u0436\u0441\u043A\u043E\u0439");
        const std::string file =
            "[OPTIONS]\r\nIsUTF8File=1\r\n[Language names - for internal use only!]\r\n"
            "Language_1=English\r\nLanguage_2=\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC\r\n"
            "[Captions]\r\nFOrdakSetup.btnSend=Send~!@#" +
            greek.toStdString() + "\r\n[Multilines]\r\nFOrdakSetup.cboSex.Items=male,female~!@#" +
            russian.toStdString() + ",x\r\n";
        dispatcher.LoadFromLanguageFile(folder.write("Greek.sil", file));
        QCOMPARE(form.get<QPushButton>("btnSend")->text(), greek);
        QCOMPARE(form.get<QComboBox>("cboSex")->itemText(0), russian);
        QCOMPARE(QString::fromStdString(dispatcher.Language()),
                 QStringLiteral("\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC"));
    }

    void listsGrowAndShrinkInPlace()
    {
        Form form;
        QtTranslationTarget target(&form.window, QStringLiteral("FOrdakSetup"),
                                   QStringLiteral("TFOrdakSetup"));
        auto* combo = form.get<QComboBox>("cboLapMode");
        combo->setCurrentIndex(2);
        {
            auto editor = target.editList("cboLapMode", "Items");
            QVERIFY(editor);
            editor->removeLast();
            editor->setItem(0, "eins");
        }
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), -1);
        {
            auto editor = target.editList("rgSpeed", "Items");
            editor->append("knots");
        }
        QCOMPARE(form.get<QGroupBox>("rgSpeed")->findChildren<QRadioButton*>().size(), 3);
        {
            auto editor = target.editList("Memo1", "Lines");
            QCOMPARE(form.get<QPlainTextEdit>("Memo1")->lineWrapMode(), QPlainTextEdit::NoWrap);
            editor->append("four");
        }
        QCOMPARE(form.get<QPlainTextEdit>("Memo1")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(form.get<QPlainTextEdit>("Memo1")->toPlainText().split('\n').size(), 4);
    }
};

QTEST_MAIN(QtTranslationTargetTest)
#include "QtTranslationTargetTest.moc"
