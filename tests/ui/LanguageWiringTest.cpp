#include "WindowFixture.h"

#include "base/Cp1252.h"
#include "base/MessageFormat.h"
#include "i18n/LanguageSelector.h"
#include "i18n/MessageTexts.h"
#include "i18n/QtTranslationTarget.h"
#include "ui/RadioGroup.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace
{

const QString kShipped = QStringLiteral(TAVIMORO_LANG_DIR);

QByteArray shipped(const QString& fileName)
{
    QFile file(kShipped + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("shipped language file missing");
    return file.readAll();
}

// Every text the window shows or keeps for its dialogs, keyed by object and property. Values that move on
// their own (clock fields) are left out.
QMap<QString, QString> textsOf(QMainWindow& window)
{
    QMap<QString, QString> texts;
    texts[QStringLiteral("window.title")] = window.windowTitle();
    for (QObject* object : window.findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")))
            continue;
        const auto put = [&](const char* property, const QString& value) {
            texts[name + QLatin1Char('.') + QLatin1String(property)] = value;
        };
        if (auto* widget = qobject_cast<QWidget*>(object)) {
            put("toolTip", widget->toolTip());
            put("accessibleName", widget->accessibleName());
        }
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            put("text", button->text());
        if (auto* label = qobject_cast<QLabel*>(object))
            put("text", label->text());
        if (auto* group = qobject_cast<QGroupBox*>(object))
            put("title", group->title());
        if (auto* radios = qobject_cast<RadioGroup*>(object))
            put("items", radios->items().join(QLatin1Char('|')));
        if (auto* combo = qobject_cast<QComboBox*>(object)) {
            QStringList items;
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            put("items", items.join(QLatin1Char('|')));
            put("currentIndex", QString::number(combo->currentIndex()));
        }
        if (auto* memo = qobject_cast<QPlainTextEdit*>(object))
            put("lines", memo->toPlainText());
        if (auto* action = qobject_cast<QAction*>(object))
            put("text", action->text());
        if (auto* menu = qobject_cast<QMenu*>(object))
            put("title", menu->title());
        if (object->property("Filter").isValid())
            put("Filter", object->property("Filter").toString());
    }
    return texts;
}

QStringList differences(const QMap<QString, QString>& before, const QMap<QString, QString>& after)
{
    QStringList out;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key()) != it.value())
            out << QStringLiteral("%1: '%2' -> '%3'").arg(it.key(), it.value(), after.value(it.key()));
    return out;
}

// Chooses an entry of the selector as the user does.
void choose(WindowFixture& f, const QString& name)
{
    auto* selector = f.find<LanguageSelector>("cboLang");
    const int index = selector->findText(name, Qt::MatchFixedString);
    QVERIFY2(index >= 0, qPrintable(name));
    selector->setCurrentIndex(index);
    emit selector->activated(index);
}

// The rows "FOrdakSetup.<component>=<English>~!@#<other>~!@#" of one section of a Windows-1252 file.
QMap<QString, QString> secondColumn(const QByteArray& file, const QByteArray& section)
{
    QMap<QString, QString> rows;
    bool inside = false;
    for (QByteArray line : file.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('['))
            inside = line == '[' + section + ']';
        else if (inside && line.startsWith("FOrdakSetup.")) {
            const int equals = line.indexOf('=');
            const QByteArray value = line.mid(equals + 1).split('~').value(1).mid(3);
            rows[QString::fromLatin1(line.mid(12, equals - 12))] =
                QString::fromStdString(cp1252::toUtf8(value.toStdString()));
        }
    }
    return rows;
}

} // namespace

class LanguageWiringTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTripRestoresEveryText_data();
    void roundTripRestoresEveryText();
    void frenchFileSwitchesEveryTextAndCaption();
    void englishLoadsNothingAndMissingFileIsReported();
    void choiceSurvivesRestart();
    void startUpWithoutLanguageFiles_data();
    void startUpWithoutLanguageFiles();
    void hostileFormatTextsStayInert();
    void settingsDialogsUseTranslatedFilter();
};

void LanguageWiringTest::roundTripRestoresEveryText_data()
{
    QTest::addColumn<bool>("withGermanFile");
    QTest::newRow("built-in tables") << false;
    QTest::newRow("German.sil") << true;
}

void LanguageWiringTest::roundTripRestoresEveryText()
{
    QFETCH(bool, withGermanFile);
    WindowFixture f;
    if (withGermanFile)
        f.writeLanguageFile(QStringLiteral("German.sil"), shipped(QStringLiteral("German.sil")));
    TFOrdakSetup& w = f.open();
    f.find<QComboBox>("cboLapMode")->setCurrentIndex(2);
    f.find<QComboBox>("cboSex")->setCurrentIndex(1);
    if (!withGermanFile) {
        // Without files the selector is empty; the switch goes through the dispatcher's built-in names.
        f.find<LanguageSelector>("cboLang")->setLanguageNames({"English", "German"});
        f.find<LanguageSelector>("cboLang")->selectLanguage(QStringLiteral("German"));
    }
    const QMap<QString, QString> german = textsOf(w);
    QVERIFY(german.values().contains(QStringLiteral("PC  Link")));
    QCOMPARE(german.value(QStringLiteral("btnClose.text")), QStringLiteral("&Schlie\u00DFen"));

    choose(f, QStringLiteral("English"));
    const QMap<QString, QString> english = textsOf(w);
    QCOMPARE(english.value(QStringLiteral("btnClose.text")), QStringLiteral("&Close"));
    QCOMPARE(english.value(QStringLiteral("lblDev1.text")), QStringLiteral("  Click here to"));
    QCOMPARE(english.value(QStringLiteral("lblDev2.text")), QStringLiteral("   test"));
    QCOMPARE(english.value(QStringLiteral("rgTime.items")), QStringLiteral("24h|12h"));
    QCOMPARE(english.value(QStringLiteral("cboLapMode.currentIndex")), QStringLiteral("2"));
    QCOMPARE(english.value(QStringLiteral("cboSex.currentIndex")), QStringLiteral("1"));
    QVERIFY(differences(german, english).size() > 20);

    choose(f, QStringLiteral("German"));
    const QStringList changed = differences(german, textsOf(w));
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
    QVERIFY(f.messages.isEmpty());
}

void LanguageWiringTest::frenchFileSwitchesEveryTextAndCaption()
{
    WindowFixture f;
    f.writeLanguageFile(QStringLiteral("German.sil"), shipped(QStringLiteral("German.sil")));
    const QByteArray french = shipped(QStringLiteral("French.sil"));
    f.writeLanguageFile(QStringLiteral("French.sil"), french);
    TFOrdakSetup& w = f.open();
    auto* selector = f.find<LanguageSelector>("cboLang");
    QCOMPARE(selector->count(), 3);
    QCOMPARE(selector->itemText(0), QStringLiteral("English"));
    QCOMPARE(selector->itemText(1), QStringLiteral("French"));
    QCOMPARE(selector->itemText(2), QStringLiteral("German"));
    QCOMPARE(selector->currentText(), QStringLiteral("German"));
    QCOMPARE(selector->geometry(), QRect(488, 23, 112, 21));
    QCOMPARE(selector->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QVERIFY(w.windowTitle().endsWith(QStringLiteral(" (Vers. 1.00)")));

    choose(f, QStringLiteral("French"));
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(w.GetLanguageName(), QStringLiteral("French"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Outil de configuration Tavimoro (Vers. 1.00)"));
    QVERIFY(w.updatesEnabled());
    QtTranslationTarget target(&w, QStringLiteral("FOrdakSetup"), QStringLiteral("TFOrdakSetup"));
    const struct {
        QByteArray section;
        const char* property;
    } tables[] = {{"Captions", "Caption"}, {"Hints", "Hint"}};
    int checked = 0;
    for (const auto& table : tables) {
        const QMap<QString, QString> rows = secondColumn(french, table.section);
        for (auto it = rows.begin(); it != rows.end(); ++it) {
            if (it.value().isEmpty() || !target.hasComponent(it.key().toStdString()))
                continue;
            const auto shown = target.readText(it.key().toStdString(), table.property);
            QVERIFY2(shown, qPrintable(it.key()));
            QCOMPARE(QString::fromStdString(*shown), it.value());
            ++checked;
        }
    }
    QVERIFY(checked > 20);
    QCOMPARE(f.find<QAbstractButton>("btnWheel1")->toolTip(),
             QString::fromStdString(MessageTexts::text(MessageTexts::strStrSelectPredefinedVa)));
    QCOMPARE(QString::fromStdString(MessageTexts::text(MessageTexts::strTOOLCAPTION)),
             QStringLiteral("Outil de configuration Tavimoro"));
}

void LanguageWiringTest::englishLoadsNothingAndMissingFileIsReported()
{
    WindowFixture f;
    f.writeLanguageFile(QStringLiteral("German.sil"), shipped(QStringLiteral("German.sil")));
    f.writeLanguageFile(QStringLiteral("French.sil"), shipped(QStringLiteral("French.sil")));
    TFOrdakSetup& w = f.open();
    choose(f, QStringLiteral("French"));
    QDir(f.programFolder() + QStringLiteral("/Lang")).removeRecursively();

    // English is a language of the loaded French file, so no file is needed.
    choose(f, QStringLiteral("English"));
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(w.GetLanguageName(), QStringLiteral("English"));
    QCOMPARE(f.find<QAbstractButton>("btnClose")->text(), QStringLiteral("&Close"));
    const QString englishTitle = w.windowTitle();

    choose(f, QStringLiteral("German"));
    QCOMPARE(f.messages.size(), 1);
    QVERIFY2(f.messages.first().contains(QStringLiteral("German.sil")), qPrintable(f.messages.first()));
    QCOMPARE(w.GetLanguageName(), QStringLiteral("English"));
    QCOMPARE(f.find<QAbstractButton>("btnClose")->text(), QStringLiteral("&Close"));
    QCOMPARE(w.windowTitle(), englishTitle);
    QVERIFY(w.updatesEnabled());
}

void LanguageWiringTest::choiceSurvivesRestart()
{
    WindowFixture f;
    f.writeLanguageFile(QStringLiteral("German.sil"), shipped(QStringLiteral("German.sil")));
    f.writeLanguageFile(QStringLiteral("French.sil"), shipped(QStringLiteral("French.sil")));
    f.open();
    choose(f, QStringLiteral("French"));
    f.window().close();
    f.destroyWindow();
    QVERIFY2(f.readConfig().contains(QStringLiteral("Language=French")), qPrintable(f.readConfig()));

    TFOrdakSetup& w = f.open();
    QCOMPARE(w.GetLanguageName(), QStringLiteral("French"));
    QCOMPARE(f.find<LanguageSelector>("cboLang")->currentText(), QStringLiteral("French"));
    QCOMPARE(f.find<QAbstractButton>("btnClose")->text(), QStringLiteral("&Fermer"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Outil de configuration Tavimoro (Vers. 1.00)"));
}

void LanguageWiringTest::startUpWithoutLanguageFiles_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<bool>("emptyLangFolder");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("closeText");
    QTest::newRow("no Lang folder, default German") << QByteArray() << false << "German"
                                                    << "&Schlie\u00DFen";
    QTest::newRow("configured French without its file")
        << QByteArray("[MISC]\r\nLanguage=French\r\n") << true << "English"
        << "&Close";
    QTest::newRow("configured English, built in")
        << QByteArray("[MISC]\r\nLanguage=english\r\n") << false << "English"
        << "&Close";
}

void LanguageWiringTest::startUpWithoutLanguageFiles()
{
    QFETCH(QByteArray, config);
    QFETCH(bool, emptyLangFolder);
    QFETCH(QString, language);
    QFETCH(QString, closeText);
    WindowFixture f;
    if (!config.isEmpty())
        f.writeConfig(config);
    if (emptyLangFolder)
        QDir().mkpath(f.programFolder() + QStringLiteral("/Lang"));
    TFOrdakSetup& w = f.open();
    QCOMPARE(w.GetLanguageName().toLower(), language.toLower());
    QCOMPARE(f.find<LanguageSelector>("cboLang")->count(), 0);
    QCOMPARE(f.find<QAbstractButton>("btnClose")->text(), closeText);
    QVERIFY(!QString::fromStdString(MessageTexts::text(MessageTexts::strTOOLCAPTION)).isEmpty());
    QVERIFY(f.messages.isEmpty());
}

void LanguageWiringTest::hostileFormatTextsStayInert()
{
    const QByteArray hostile = "%n%s%99999999d";
    QByteArray french = shipped(QStringLiteral("French.sil"));
    const int start = french.indexOf("FOrdakSetup.strStrNOTEItSeemsThat=");
    QVERIFY(start >= 0);
    const int end = french.indexOf('\n', start);
    french.replace(start, end - start,
                   "FOrdakSetup.strStrNOTEItSeemsThat=" + hostile + "~!@#" + hostile + "~!@#");
    french.replace("Outil de configuration Tavimoro", "%s%n%x");

    WindowFixture f;
    f.writeLanguageFile(QStringLiteral("French.sil"), french);
    TFOrdakSetup& w = f.open();
    choose(f, QStringLiteral("French"));
    QCOMPARE(QByteArray::fromStdString(MessageTexts::text(MessageTexts::strStrNOTEItSeemsThat)), hostile);
    QCOMPARE(w.windowTitle(), QStringLiteral("%s%n%x (Vers. 1.00)"));
    const std::string note = FormatMessage(MessageTexts::text(MessageTexts::strStrNOTEItSeemsThat), {"COM3"});
    QVERIFY(note.size() < 64);
}

void LanguageWiringTest::settingsDialogsUseTranslatedFilter()
{
    WindowFixture f;
    f.writeLanguageFile(QStringLiteral("French.sil"), shipped(QStringLiteral("French.sil")));
    f.open();
    choose(f, QStringLiteral("French"));
    QStringList filters;
    f.answers.push_back([&](QDialog& dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(&dialog))
            filters = files->nameFilters();
        dialog.reject();
    });
    f.find<QAction>("mnuLoad")->trigger();
    const QString expected = f.find<QObject>("dlgOpen")->property("Filter").toString();
    QVERIFY(!expected.startsWith(QStringLiteral("Setting Dateien")));
    QVERIFY(!filters.isEmpty());
    QVERIFY2(expected.startsWith(filters.first()),
             qPrintable(filters.join(QLatin1Char(';')) + " / " + expected));
}

QTEST_MAIN(LanguageWiringTest)
#include "LanguageWiringTest.moc"
