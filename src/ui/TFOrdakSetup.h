#pragma once

#include "device/SettingsEncoder.h"

#include <QMainWindow>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>

class EditorSettings;
class QtTranslationTarget;
class TsiLang;
class TsiLangDispatcher;
class EnterKeyNavigator;
class PortDiscovery;
class PortWiring;
class FormStyler;
class LayoutMenu;
class QTimer;
class Transfer;
class SettingsEditor;
class TFormSize;
namespace Ui
{
class TFOrdakSetup;
}

// The one main window: the settings editor, the transfer, the port list and the tool's configuration.
class TFOrdakSetup : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int kOuterWidth = 628;
    static constexpr int kOuterHeight = 503;
    static constexpr double kVersion = 1.0;

    explicit TFOrdakSetup(QWidget* parent = nullptr);
    ~TFOrdakSetup() override;

    // Window fields shared by the subsystems.
    std::string ConfigFolder;
    std::string ConfigFile;
    bool StartingUp = false;
    std::uint8_t LayoutStyle = 0;

    SettingsEditor& editor() { return *m_editor; }
    // The current port, the automatic mode and the last detected port name live here.
    PortDiscovery& ports();

    // "<tool caption> (Vers. 1.00)", with a point whatever the locale.
    void composeCaption();
    // Refills the message texts, rebuilds the COMPort menu and sets the hints of the wheel buttons.
    void UpdateStrings();
    // The name of the active language.
    QString GetLanguageName() const;

    // Reads the controls, normalises them (corrections show in the controls) and encodes block and text.
    void BuildSettingsData();
    const SettingsEncoder& encoder() const { return m_encoder; }

    void LoadToolConfig();
    void SaveToolConfig();

    // Moves the focus along the tab order, as a posted Enter does.
    void moveFocus(bool next);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void wireCommands();
    void setUpLook();
    void fixOuterSize();
    // Placement component and the styled look; defined beside the placement and style steps.
    void setUpPlacement();
    void setUpStyles();

    void FormCreate();
    void InitializeSetup();
    void FormShow();
    void FormActivate();
    void FormClose();
    void FormDestroy();
    bool askCloseWithoutSaving();

    void mnuLoadClick();
    void mnuSaveClick();
    void btnSendClick();
    void onTransferBusy(bool busy);
    std::string settingsFolder() const;

    void btnCloseClick();
    void mnuExitClick();
    void btnDeleteClick();
    void imgDeviceClick();
    void tmSetStatusTextTimer();

    // Steps whose work belongs to the language, port and placement subsystems.
    void LoadGermanLanguageFile();
    void LoadLanguageFiles();
    void ActivateLanguage(const QString& name);
    void SelectLanguageInSelector();
    void attachLanguages();
    void cboLangChange(const QString& name);
    std::string programFolder() const;
    void SetPlacementStore(const std::string& file);
    void RestoreFullPlacement();
    void StoreFullPlacement();
    void RefillComPortList();
    void DetectInterface(bool quiet);
    void StartUpPortCheck();
    void BuildComPortMenu();
    void ApplyFormStyle(int style);
    void CloseComPort();

public:
    // An empty name means the configuration file.
    void LoadSettingsFile(const std::string& fileName);
    void SaveSettingsFile(const std::string& fileName);

private:
    std::unique_ptr<Ui::TFOrdakSetup> ui;
    SettingsEditor* m_editor;
    std::unique_ptr<EditorSettings> m_settings;
    SettingsEncoder m_encoder;
    Transfer* m_transfer;
    PortWiring* m_ports;
    bool m_busyCursor = false;
    EnterKeyNavigator* m_enterKey;
    QTimer* m_tmSetStatusText;
    // Carries the translated filter of the settings-file dialogs ("Text|*.dat").
    QObject* m_dlgOpen;
    QStringList m_languageNames;
    // Declared before the translator, which unlinks from it when destroyed.
    std::unique_ptr<TsiLangDispatcher> siLangDispatcher1;
    std::unique_ptr<QtTranslationTarget> m_languageTarget;
    std::unique_ptr<TsiLang> siLang_FOrdakSetup;
    bool m_shown = false;
    bool m_closeWithoutSaving = false;
    TFormSize* FormSize1 = nullptr;
    FormStyler* m_styler = nullptr;
    LayoutMenu* m_layoutMenu = nullptr;
};
