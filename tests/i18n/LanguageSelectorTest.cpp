#include "i18n/LanguageSelector.h"
#include "TempFolder.h"
#include "base/Error.h"
#include "i18n/BuiltInTranslations.h"
#include "i18n/LanguageChange.h"
#include "i18n/LanguageFlags.h"
#include "i18n/LanguageItemDelegate.h"
#include "i18n/LanguageNames.h"
#include "i18n/QtTranslationTarget.h"
#include "i18n/TsiLang.h"
#include "i18n/TsiLangDispatcher.h"

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace
{

const std::string kShipped = TAVIMORO_LANG_DIR;

QColor pixel(const QPixmap& pixmap, int x, int y)
{
    return pixmap.toImage().pixelColor(x, y);
}

QImage paintItem(LanguageSelector& selector, int row, QStyle::State state)
{
    QImage image(120, LanguageItemDelegate::kItemHeight, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.palette = selector.palette();
    option.state = state;
    selector.itemDelegate()->paint(&painter, option, selector.model()->index(row, 0));
    return image;
}

} // namespace

class LanguageSelectorTest : public QObject
{
    Q_OBJECT

private slots:
    void flagsAreDrawnByCode()
    {
        QCOMPARE(i18n::FlagPixmap(i18n::flagGermany).size(), QSize(16, 11));
        QCOMPARE(pixel(i18n::FlagPixmap(i18n::flagGermany), 8, 1), QColor(Qt::black));
        QCOMPARE(pixel(i18n::FlagPixmap(i18n::flagGermany), 8, 9).red(), 0xFF);
        QCOMPARE(pixel(i18n::FlagPixmap(i18n::flagFrance), 1, 5), QColor(0x00, 0x23, 0x95));
        QCOMPARE(pixel(i18n::FlagPixmap(i18n::flagItaly), 1, 5), QColor(0x00, 0x92, 0x46));
        QCOMPARE(pixel(i18n::FlagPixmap(i18n::flagNetherlands), 8, 9), QColor(0x21, 0x46, 0x8B));
        QCOMPARE(pixel(i18n::FlagPixmap(i18n::flagSpain), 12, 5), QColor(0xF1, 0xBF, 0x00));
        QCOMPARE(pixel(i18n::FlagPixmap(i18n::flagUnknown), 0, 0), QColor(Qt::cyan));
        const QPixmap uk = i18n::FlagPixmap(i18n::flagUnitedKingdom);
        QCOMPARE(pixel(uk, 7, 5), QColor(0xC8, 0x10, 0x2E)); // the centre of the red cross
        int blue = 0, white = 0, red = 0;
        const QImage ukImage = uk.toImage();
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QColor c = ukImage.pixelColor(x, y);
                blue += c == QColor(0x01, 0x21, 0x69);
                white += c == QColor(Qt::white);
                red += c == QColor(0xC8, 0x10, 0x2E);
            }
        }
        QVERIFY(blue >= 30 && white >= 30 && red >= 20);
    }

    void itemsAreNamesWithFlagsOnTheWindowBackground()
    {
        LanguageSelector selector;
        selector.setLanguageNames({"Deutsch", "English", "Espa\u00F1ol", "Nederlands"});
        QCOMPARE(selector.count(), 4);
        QVERIFY(!selector.isEditable());
        QCOMPARE(selector.currentIndex(), -1);
        QCOMPARE(selector.itemData(2, Qt::AccessibleTextRole).toString(), QStringLiteral("Espa\u00F1ol"));
        QCOMPARE(
            selector.itemDelegate()->sizeHint(QStyleOptionViewItem(), selector.model()->index(0, 0)).height(),
            15);

        const QColor base = selector.palette().color(QPalette::Base);
        const QImage plain = paintItem(selector, 0, QStyle::State_Enabled);
        const QImage selected = paintItem(selector, 0, QStyle::State_Enabled | QStyle::State_Selected);
        QCOMPARE(plain, selected);
        QCOMPARE(plain.pixelColor(0, 0), base);
        QCOMPARE(plain.pixelColor(19, 1), base);
        QCOMPARE(plain.pixelColor(2 + 8, 2 + 1), QColor(Qt::black)); // the German flag's top stripe
        QCOMPARE(paintItem(selector, 2, QStyle::State_Enabled).pixelColor(2 + 14, 2 + 5),
                 QColor(0xF1, 0xBF, 0x00));
        QCOMPARE(paintItem(selector, 3, QStyle::State_Enabled).pixelColor(2, 2), QColor(Qt::cyan));
        bool textDrawn = false;
        for (int x = 24; x < plain.width() && !textDrawn; ++x) {
            for (int y = 0; y < plain.height() && !textDrawn; ++y)
                textDrawn = plain.pixelColor(x, y) != base;
        }
        QVERIFY(textDrawn);
    }

    void onlyTheUserChoiceIsReported()
    {
        LanguageSelector selector;
        selector.setLanguageNames({"English", "French", "German"});
        QSignalSpy chosen(&selector, &LanguageSelector::languageChosen);
        selector.selectLanguage(QStringLiteral("GERMAN"));
        QCOMPARE(selector.currentIndex(), 2);
        selector.selectLanguage(QStringLiteral("Klingon"));
        QCOMPARE(selector.currentIndex(), -1);
        QCOMPARE(chosen.count(), 0);
        emit selector.activated(1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("French"));
        selector.selectLanguage(QStringLiteral("French"));
        QVERIFY(!selector.grab().isNull());
    }

    void changeSuspendsRepaintingAndReportsFailures()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("FOrdakSetup"));
        auto* button = new QPushButton(QStringLiteral("&Schlie\u00DFen"), &window);
        button->setObjectName(QStringLiteral("btnClose"));
        QtTranslationTarget target(&window, QStringLiteral("FOrdakSetup"), QStringLiteral("TFOrdakSetup"));
        TsiLang translator(target, "FOrdakSetup", "TFOrdakSetup");
        translator.loadTranslationData(i18n::BuiltInTranslationData());
        TsiLangDispatcher dispatcher;
        dispatcher.link(translator);
        TempFolder program;
        for (const char* name : {"German.sil", "French.sil"})
            program.write(std::string("Lang/") + name, readBytes(kShipped + "/" + name));

        LanguageSelector selector(&window);
        selector.setLanguageNames(i18n::LoadLanguageFiles(program.path()));
        QCOMPARE(selector.itemText(0), QStringLiteral("English"));
        QCOMPARE(selector.itemText(1), QStringLiteral("French"));
        QCOMPARE(selector.itemText(2), QStringLiteral("German"));

        int recaptions = 0;
        const auto recaption = [&] {
            QVERIFY(!window.updatesEnabled());
            ++recaptions;
            window.setWindowTitle(QString::fromStdString(translator.GetTextOrDefault("strTOOLCAPTION")));
        };
        i18n::cboLangChange(&window, dispatcher, QStringLiteral("French"), program.path(), recaption);
        QVERIFY(window.updatesEnabled());
        QCOMPARE(button->text(), QStringLiteral("&Fermer"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Outil de configuration Tavimoro"));

        std::filesystem::remove(program.path() + "/Lang/German.sil");
        QVERIFY_THROWS_EXCEPTION(
            TavimoroError,
            i18n::cboLangChange(&window, dispatcher, QStringLiteral("German"), program.path(), recaption));
        QVERIFY(window.updatesEnabled());
        QCOMPARE(recaptions, 1);
        QCOMPARE(QString::fromStdString(dispatcher.Language()), QStringLiteral("French"));
        QCOMPARE(button->text(), QStringLiteral("&Fermer"));

        i18n::cboLangChange(&window, dispatcher, QStringLiteral("English"), program.path(), recaption);
        QCOMPARE(button->text(), QStringLiteral("&Close"));
        QCOMPARE(recaptions, 2);
    }
};

QTEST_MAIN(LanguageSelectorTest)
#include "LanguageSelectorTest.moc"
