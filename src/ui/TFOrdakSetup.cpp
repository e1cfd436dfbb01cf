#include "ui/TFOrdakSetup.h"

#include "base/IniFile.h"
#include "base/Paths.h"
#include "device/SettingsFile.h"
#include "device/Transfer.h"
#include "i18n/MessageTexts.h"
#include "i18n/MessageTextsRefresh.h"
#include "i18n/QtTranslationTarget.h"
#include "i18n/TsiLang.h"
#include "i18n/TsiLangDispatcher.h"
#include "ui/EditorSettings.h"
#include "ui/EditorSettingsSink.h"
#include "ui/EnterKeyNavigator.h"
#include "ui/ErrorReport.h"
#include "ui/ModalDialogs.h"
#include "ui/MonitorLog.h"
#include "ui/Pictures.h"
#include "ui/PortWiring.h"
#include "ui/SettingsEditor.h"
#include "ui/ToolConfig.h"
#include "ui_TFOrdakSetup.h"

#include "detect/PortDiscovery.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QTimer>

#include <filesystem>
#include <system_error>

namespace
{

const QString kFallbackCaption = QStringLiteral("Tavimoro Setup Tool");

QFont windowFont()
{
    const QString tahoma = QStringLiteral("Tahoma");
    QFont font = QFontDatabase::families().contains(tahoma)
                     ? QFont(tahoma)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

void makeWhite(QWidget* panel)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

} // namespace

TFOrdakSetup::TFOrdakSetup(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TFOrdakSetup>()), m_tmSetStatusText(new QTimer(this)),
      m_dlgOpen(new QObject(this)), siLangDispatcher1(std::make_unique<TsiLangDispatcher>())
{
    m_dlgOpen->setObjectName(QStringLiteral("dlgOpen"));
    m_dlgOpen->setProperty("Filter", QStringLiteral("Setting Dateien (*.dat)|*.dat"));
    ui->setupUi(this);
    setUpPlacement();
    setUpLook();
    m_editor = new SettingsEditor(*ui, this);
    m_settings = std::make_unique<EditorSettings>(*ui, *m_editor);
    m_transfer = new Transfer([this] { BuildSettingsData(); },
                              [this] {
                                  const TransferFrame frame = m_encoder.AssembleTransferFrame();
                                  return QByteArray(reinterpret_cast<const char*>(frame.data()),
                                                    static_cast<qsizetype>(frame.size()));
                              },
                              this);
    m_ports =
        new PortWiring({this, ui->ComComboBox, ui->mnuComport, ui->AdvOfficeStatusBar1, m_transfer}, this);
    m_enterKey = new EnterKeyNavigator(this, [this](bool next) { moveFocus(next); });
    m_tmSetStatusText->setObjectName(QStringLiteral("tmSetStatusText"));
    m_tmSetStatusText->setInterval(600);
    attachLanguages();
    wireCommands();
    setUpStyles();
    // The port list is filled as the window is created, before the start-up steps.
    ErrorReport::guard(this, [this] { RefillComPortList(); });
    ErrorReport::guard(this, [this] { FormCreate(); });
}

TFOrdakSetup::~TFOrdakSetup()
{
    FormDestroy();
}

void TFOrdakSetup::setUpLook()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());
    makeWhite(ui->Panel1);
    makeWhite(ui->Panel3);
    ui->imgSymbol->setPixmap(Pictures::programSymbol());
    ui->imgDevice->setPixmap(Pictures::device());
    ui->imgSymbol->setAccessibleName(kFallbackCaption);
    ui->Memo1->setAccessibleName(kFallbackCaption);
    ui->ProgressBar1->setAccessibleName(QStringLiteral("Progress"));
    setWindowIcon(QIcon(Pictures::programSymbol()));
}

void TFOrdakSetup::wireCommands()
{
    const auto guarded = [this](void (TFOrdakSetup::*handler)()) {
        return [this, handler] { ErrorReport::guard(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(ui->btnClose, &QPushButton::clicked, this, guarded(&TFOrdakSetup::btnCloseClick));
    connect(ui->mnuExit, &QAction::triggered, this, guarded(&TFOrdakSetup::mnuExitClick));
    connect(ui->btnDelete, &QPushButton::clicked, this, guarded(&TFOrdakSetup::btnDeleteClick));
    connect(ui->mnuLoad, &QAction::triggered, this, guarded(&TFOrdakSetup::mnuLoadClick));
    connect(ui->mnuSave, &QAction::triggered, this, guarded(&TFOrdakSetup::mnuSaveClick));
    connect(ui->btnSend, &QPushButton::clicked, this, guarded(&TFOrdakSetup::btnSendClick));
    connect(m_transfer, &Transfer::progressChanged, ui->ProgressBar1, &QProgressBar::setValue);
    connect(m_transfer, &Transfer::monitorLine, this,
            [this](const QString& line) { MonitorLog::showLine(*ui->moMonitor, line); });
    connect(m_transfer, &Transfer::linkStatusChanged, this, [this](const QString& caption) {
        ui->lbDevLink->setText(caption);
        ui->lbDevLink->repaint();
    });
    connect(m_transfer, &Transfer::busyChanged, this, &TFOrdakSetup::onTransferBusy);
    connect(m_transfer, &Transfer::beepRequested, this, [] { QApplication::beep(); });
    connect(m_transfer, &Transfer::failed, this,
            [this](const QString& message) { ErrorReport::show(this, message); });
    connect(m_tmSetStatusText, &QTimer::timeout, this, guarded(&TFOrdakSetup::tmSetStatusTextTimer));
}

void TFOrdakSetup::fixOuterSize()
{
    // Until the window system has framed the window, the frame counts as nothing.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    setFixedSize(kOuterWidth - frame.width(), kOuterHeight - frame.height());
}

void TFOrdakSetup::FormCreate()
{
    m_languageNames.clear();
    ui->edLapTime->setDisplayFormat(QStringLiteral("HH:mm"));
    m_editor->showPcClock();
    if (ui->chkPCTime->isChecked())
        m_editor->Timer1().start();
    else
        m_editor->Timer1().stop();
    StartingUp = true;
    ports().setStartingUp(true);
    ConfigFolder = ToolConfig::PrepareConfigFolder();
    try {
        LoadGermanLanguageFile();
    } catch (...) {
    }
    try {
        LoadLanguageFiles();
    } catch (...) {
    }
    ConfigFile = ToolConfig::ConfigFileIn(ConfigFolder);
    SetPlacementStore(ConfigFile);
    InitializeSetup();
    SelectLanguageInSelector();
    UpdateStrings();
}

void TFOrdakSetup::InitializeSetup()
{
    LoadToolConfig();
    RestoreFullPlacement();
    fixOuterSize();
    StartUpPortCheck();
    LoadSettingsFile({});
    m_editor->cboLapModeChange();
    m_editor->UpdateSexImage();
    try {
        ApplyFormStyle(LayoutStyle);
    } catch (...) {
        ApplyFormStyle(0);
    }
}

void TFOrdakSetup::LoadToolConfig()
{
    const ToolConfig config = ToolConfig::read(IniFile(ConfigFile));
    m_ports->applyStoredPort(config.currentPort);
    LayoutStyle = config.layoutStyle;
    ActivateLanguage(QString::fromStdString(config.language));
}

void TFOrdakSetup::SaveToolConfig()
{
    IniFile file(ConfigFile);
    ToolConfig::write(file, ports().autoDetect(), ports().currentPort(), LayoutStyle,
                      GetLanguageName().toStdString());
}

void TFOrdakSetup::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        ErrorReport::guard(this, [this] { FormShow(); });
    }
}

void TFOrdakSetup::FormShow()
{
    StartingUp = false;
    m_ports->windowShown();
    composeCaption();
    fixOuterSize();
}

bool TFOrdakSetup::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        ErrorReport::guard(this, [this] { FormActivate(); });
    return handled;
}

void TFOrdakSetup::FormActivate()
{
    QCoreApplication::processEvents();
    ui->dtpTime->setFocus(Qt::ActiveWindowFocusReason);
}

void TFOrdakSetup::moveFocus(bool next)
{
    focusNextPrevChild(next);
}

void TFOrdakSetup::closeEvent(QCloseEvent* event)
{
    if (m_closeWithoutSaving) {
        event->accept();
        return;
    }
    try {
        FormClose();
        event->accept();
    } catch (...) {
        ErrorReport::show(this, ErrorReport::messageOf(std::current_exception()));
        // Without this way out a configuration folder that cannot be written would keep the window open.
        m_closeWithoutSaving = askCloseWithoutSaving();
        if (m_closeWithoutSaving)
            event->accept();
        else
            event->ignore();
    }
}

bool TFOrdakSetup::askCloseWithoutSaving()
{
    const bool german = GetLanguageName().compare(QStringLiteral("German"), Qt::CaseInsensitive) == 0;
    const QString question =
        german ? QStringLiteral(
                     "Die Einstellungen konnten nicht gespeichert werden. Trotzdem ohne Speichern beenden?")
               : QStringLiteral("The settings could not be saved. Close anyway without saving?");
    return ModalDialogs::askYesNo(this, windowTitle(), question);
}

void TFOrdakSetup::FormClose()
{
    CloseComPort();
    SaveToolConfig();
    SaveSettingsFile({});
}

void TFOrdakSetup::FormDestroy()
{
    m_languageNames.clear();
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
    m_busyCursor = false;
    try {
        StoreFullPlacement();
    } catch (...) {
        // The window is going away; there is nobody left to tell.
    }
}

void TFOrdakSetup::btnCloseClick()
{
    close();
}

void TFOrdakSetup::mnuExitClick()
{
    close();
}

void TFOrdakSetup::btnDeleteClick() {}

void TFOrdakSetup::imgDeviceClick() {}

void TFOrdakSetup::tmSetStatusTextTimer() {}

void TFOrdakSetup::RefillComPortList()
{
    ports().RefillPortList();
}

PortDiscovery& TFOrdakSetup::ports()
{
    return m_ports->discovery();
}

void TFOrdakSetup::DetectInterface(bool quiet)
{
    ports().DetectInterface(quiet);
}

void TFOrdakSetup::StartUpPortCheck()
{
    // The check writes translated texts; a language that was already active has not filled them yet.
    i18n::RefreshMessageTexts(*siLang_FOrdakSetup);
    ports().StartupPortCheck();
}

void TFOrdakSetup::BuildComPortMenu()
{
    ports().BuildComPortMenu();
}

void TFOrdakSetup::CloseComPort()
{
    m_transfer->CloseComPort();
}

void TFOrdakSetup::btnSendClick()
{
    const QString port = ui->ComComboBox->currentIndex() >= 0 ? ui->ComComboBox->currentText() : QString();
    m_transfer->send(port, QString::fromStdString(MessageTexts::text(MessageTexts::strStrSendingDatas)));
}

void TFOrdakSetup::onTransferBusy(bool busy)
{
    ui->btnSend->setEnabled(!busy);
    ui->btnDelete->setEnabled(!busy);
    ui->imgDevice->setEnabled(!busy);
    if (busy && !m_busyCursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!busy && m_busyCursor)
        QApplication::restoreOverrideCursor();
    m_busyCursor = busy;
}

std::string TFOrdakSetup::settingsFolder() const
{
    const std::string folder = AddTrailingBackslash(ConfigFolder) + "Settings";
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::u8path(folder), ignored);
    return folder;
}

void TFOrdakSetup::mnuLoadClick()
{
    const std::string folder = settingsFolder();
    QCoreApplication::processEvents();
    const QString file =
        ModalDialogs::openFileName(this, QString::fromStdString(folder),
                                   m_dlgOpen->property("Filter").toString(), QStringLiteral("dat"));
    if (!file.isEmpty())
        LoadSettingsFile(file.toStdString());
}

void TFOrdakSetup::mnuSaveClick()
{
    const std::string folder = settingsFolder();
    QCoreApplication::processEvents();
    const QString file =
        ModalDialogs::saveFileName(this, QString::fromStdString(folder),
                                   m_dlgOpen->property("Filter").toString(), QStringLiteral("dat"));
    if (!file.isEmpty())
        SaveSettingsFile(file.toStdString());
}

void TFOrdakSetup::LoadSettingsFile(const std::string& fileName)
{
    EditorSettingsSink sink(*ui, *m_editor);
    ::LoadSettingsFile(fileName.empty() ? ConfigFile : fileName, sink);
}

void TFOrdakSetup::BuildSettingsData()
{
    DeviceSettings settings = m_settings->read();
    const NormalisedSettings normalised = m_encoder.BuildSettingsData(settings);
    m_settings->show(settings, normalised.corrected);
}

void TFOrdakSetup::SaveSettingsFile(const std::string& fileName)
{
    BuildSettingsData();
    IniFile(fileName.empty() ? ConfigFile : fileName)
        .writeString("DEVICE", "Settings_ORDAK", m_encoder.settingsText());
}
