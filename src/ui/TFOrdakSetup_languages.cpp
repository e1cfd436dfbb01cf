// The main window's languages: translator, dispatcher, selector, caption and the texts composed in code.
#include "ui/TFOrdakSetup.h"

#include "i18n/BuiltInTranslations.h"
#include "i18n/LanguageChange.h"
#include "i18n/LanguageChoice.h"
#include "i18n/LanguageNames.h"
#include "i18n/LanguagePaths.h"
#include "i18n/MessageTexts.h"
#include "i18n/MessageTextsRefresh.h"
#include "i18n/QtTranslationTarget.h"
#include "i18n/TsiLang.h"
#include "i18n/TsiLangDispatcher.h"
#include "i18n/WindowCaption.h"
#include "platform/SpecialFolders.h"
#include "ui/ErrorReport.h"
#include "ui/SettingsEditor.h"
#include "ui_TFOrdakSetup.h"

#include <QLoggingCategory>

namespace
{

Q_LOGGING_CATEGORY(lcLanguages, "tavimoro.i18n", QtWarningMsg)

const QString kWindowName = QStringLiteral("FOrdakSetup");
const QString kClassName = QStringLiteral("TFOrdakSetup");
const QString kFallbackToolCaption = QStringLiteral("Tavimoro Setup Tool");

} // namespace

void TFOrdakSetup::attachLanguages()
{
    m_languageTarget = std::make_unique<QtTranslationTarget>(this, kWindowName, kClassName);
    siLang_FOrdakSetup =
        std::make_unique<TsiLang>(*m_languageTarget, kWindowName.toStdString(), kClassName.toStdString());
    siLang_FOrdakSetup->loadTranslationData(i18n::BuiltInTranslationData());
    // Both start with German active, so linking applies nothing: the designed texts are the German ones.
    siLangDispatcher1->link(*siLang_FOrdakSetup);
    siLang_FOrdakSetup->OnChangeLanguage = [this] { UpdateStrings(); };
    connect(ui->cboLang, &LanguageSelector::languageChosen, this,
            [this](const QString& name) { ErrorReport::guard(this, [this, name] { cboLangChange(name); }); });
}

std::string TFOrdakSetup::programFolder() const
{
    return platform::ProgramFolder();
}

void TFOrdakSetup::LoadGermanLanguageFile()
{
    siLangDispatcher1->LoadFromLanguageFile(i18n::LanguageFilePath(programFolder(), "German"));
}

void TFOrdakSetup::LoadLanguageFiles()
{
    const std::vector<std::string> names = i18n::LoadLanguageFiles(programFolder());
    m_languageNames.clear();
    for (const std::string& name : names)
        m_languageNames << QString::fromStdString(name);
    ui->cboLang->setLanguageNames(names);
    // Lets an installation be checked from outside: which folder the language files came from.
    qCInfo(lcLanguages).noquote() << "language files in"
                                  << QString::fromStdString(i18n::LanguageFolder(programFolder()))
                                  << "offer:" << m_languageNames.join(QStringLiteral(", "));
}

void TFOrdakSetup::ActivateLanguage(const QString& name)
{
    i18n::ActivateConfiguredLanguage(*siLangDispatcher1, name.toStdString(), programFolder());
}

QString TFOrdakSetup::GetLanguageName() const
{
    return QString::fromStdString(siLangDispatcher1->Language());
}

void TFOrdakSetup::SelectLanguageInSelector()
{
    ui->cboLang->selectLanguage(GetLanguageName());
}

void TFOrdakSetup::cboLangChange(const QString& name)
{
    i18n::cboLangChange(this, *siLangDispatcher1, name, programFolder(), [this] { composeCaption(); });
}

void TFOrdakSetup::composeCaption()
{
    std::string caption = MessageTexts::text(MessageTexts::strTOOLCAPTION);
    // A language file without its strings must not leave the window nameless.
    if (caption.empty())
        caption = kFallbackToolCaption.toStdString();
    setWindowTitle(QString::fromStdString(i18n::ComposeWindowCaption(caption, kVersion)));
}

void TFOrdakSetup::UpdateStrings()
{
    i18n::RefreshMessageTexts(*siLang_FOrdakSetup);
    BuildComPortMenu();
    ui->btnWheel1->setToolTip(
        QString::fromStdString(MessageTexts::text(MessageTexts::strStrSelectPredefinedVa)));
    ui->btnwheel2->setToolTip(ui->btnWheel1->toolTip());
    m_editor->refreshAccessibleNames();
}
