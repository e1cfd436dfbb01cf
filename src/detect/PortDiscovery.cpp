#include "detect/PortDiscovery.h"

#include "base/Error.h"
#include "base/MessageFormat.h"
#include "detect/BridgeAccess.h"
#include "detect/DeviceChangeNotifier.h"
#include "i18n/MessageTexts.h"
#include "platform/PresentPorts.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QGuiApplication>
#include <QMenu>

#include <charconv>

namespace
{

QString text(std::string_view id)
{
    return QString::fromStdString(MessageTexts::text(id));
}

QString comName(int port)
{
    return QStringLiteral("COM%1").arg(port);
}

QString withoutAmpersands(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// The number written in a port name from its fourth character on; a conversion error when there is none.
int portNumberOf(const QString& portName)
{
    const std::string rest = portName.mid(3).toStdString();
    int value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (rest.empty() || ec != std::errc() || end != rest.data() + rest.size())
        throw TavimoroError("'" + rest + "' is not a valid integer value");
    return value;
}

class SuspendedUpdates
{
public:
    explicit SuspendedUpdates(QWidget* widget) : m_widget(widget) { m_widget->setUpdatesEnabled(false); }
    ~SuspendedUpdates() { m_widget->setUpdatesEnabled(true); }
    SuspendedUpdates(const SuspendedUpdates&) = delete;
    SuspendedUpdates& operator=(const SuspendedUpdates&) = delete;

private:
    QWidget* m_widget;
};

} // namespace

PortDiscovery::PortDiscovery(QComboBox* comComboBox, QMenu* mnuComport, Hooks hooks, QObject* parent)
    : QObject(parent), m_comComboBox(comComboBox), m_mnuComport(mnuComport), m_hooks(std::move(hooks))
{
    m_mnuComport->setToolTipsVisible(true);
    connect(m_mnuComport, &QMenu::aboutToShow, this, [this] { runReported([this] { mnuComportClick(); }); });
}

void PortDiscovery::RefillPortList()
{
    m_comComboBox->clear();
    for (const auto& port : platform::EnumComPorts())
        m_comComboBox->addItem(QString::fromStdString(port.name), QString::fromStdString(port.device));
    m_comComboBox->setCurrentIndex(m_comComboBox->findText(configuredPortName(), Qt::MatchFixedString));
}

void PortDiscovery::SelectComPort(int port)
{
    const QString name = comName(port);
    setStatusText(text(MessageTexts::strStrNoOrdakInterfaceD));
    const int index = m_comComboBox->findText(name, Qt::MatchFixedString);
    if (index < 0)
        return;
    const std::string detected = MessageTexts::text(MessageTexts::strStrOrdakInterfaceDete) + " (%d)";
    setStatusText(QString::fromStdString(FormatMessage(detected, {port})));
    m_currentPort = static_cast<qint16>(port);
    m_comComboBox->setCurrentIndex(index);
}

void PortDiscovery::DetectInterface(bool Quiet)
{
    // Runs however the detection ends, also when an error passes through.
    struct CleanUp {
        PortDiscovery* discovery;
        ~CleanUp()
        {
            BridgeAccess::UnloadBridgeLibrary();
            QGuiApplication::restoreOverrideCursor();
            discovery->BuildComPortMenu();
        }
    };
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const CleanUp cleanUp{this};

    if (!BridgeAccess::CountBridgeDevices())
        return;
    const int port = BridgeAccess::FindInterfacePort();
    SelectComPort(port);
    if (port != -1 && !m_startingUp && !Quiet && m_lastPortText != m_comComboBox->currentText()) {
        if (m_hooks.showInformation)
            m_hooks.showInformation(text(MessageTexts::strStrHardwareDetection),
                                    text(MessageTexts::strStrOrdakInterfaceDete),
                                    text(MessageTexts::strStrNOTEYouCanAvoid));
    }
    m_lastPortText = m_comComboBox->currentText();
}

bool PortDiscovery::WMDeviceChange(int eventCode)
{
    if (eventCode == DeviceChangeNotifier::kDeviceArrival) {
        RefillPortList();
        DetectInterface(false);
    } else if (eventCode == DeviceChangeNotifier::kDeviceRemoveComplete) {
        RefillPortList();
        DetectInterface(true);
    }
    return true;
}

void PortDiscovery::onDeviceChange(int eventCode)
{
    runReported([this, eventCode] { WMDeviceChange(eventCode); });
}

void PortDiscovery::BuildComPortMenu()
{
    const SuspendedUpdates suspended(m_mnuComport);
    // Removed entries are deleted later: the entry whose click led here is still running its handler.
    for (QAction* entry : m_mnuComport->actions()) {
        m_mnuComport->removeAction(entry);
        entry->deleteLater();
    }
    const auto addEntry = [this](int index, const QString& caption, int tag) {
        auto* entry = new QAction(caption, m_mnuComport);
        entry->setObjectName(QStringLiteral("mnu%1").arg(index));
        entry->setData(tag);
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this,
                [this, entry] { runReported([this, entry] { ComPortMenuItemClick(entry); }); });
        m_mnuComport->addAction(entry);
        return entry;
    };
    QAction* autoEntry = addEntry(0, text(MessageTexts::strSTRAUTO), kAutoDetectTag);
    QFont bold = autoEntry->font();
    bold.setBold(true);
    autoEntry->setFont(bold);
    for (int i = 0; i < m_comComboBox->count(); ++i) {
        QAction* entry = addEntry(i + 1, m_comComboBox->itemText(i), 0);
        entry->setToolTip(m_comComboBox->itemData(i).toString());
    }
    m_mnuComport->setDefaultAction(autoEntry);
}

void PortDiscovery::ComPortMenuItemClick(QObject* sender)
{
    const auto* entry = qobject_cast<QAction*>(sender);
    if (!entry)
        return;
    QString chosen;
    if (entry->data().toInt() == kAutoDetectTag) {
        m_autoDetect = true;
        DetectInterface(true);
    } else {
        chosen = withoutAmpersands(entry->text());
        m_autoDetect = false;
    }
    if (const int index = m_comComboBox->findText(chosen, Qt::MatchFixedString);
        index >= 0 && !chosen.isEmpty())
        m_comComboBox->setCurrentIndex(index);
    SelectComPort(portNumberOf(m_comComboBox->currentText()));
}

void PortDiscovery::mnuComportClick()
{
    const QList<QAction*> entries = m_mnuComport->actions();
    if (m_autoDetect) {
        if (!entries.isEmpty())
            entries.first()->setChecked(true);
        return;
    }
    const QString current = comName(m_currentPort);
    for (QAction* entry : entries)
        entry->setChecked(withoutAmpersands(entry->text()) == current);
}

void PortDiscovery::StartupPortCheck()
{
    if (m_currentPort == -1) {
        DetectInterface(false);
    } else {
        if (BridgeAccess::CountBridgeDevices()) {
            const int port = BridgeAccess::FindInterfacePort();
            if (port != -1 && static_cast<qint16>(port) != m_currentPort && m_hooks.showInformation) {
                const std::string note =
                    FormatMessage(MessageTexts::text(MessageTexts::strStrNOTEItSeemsThat),
                                  {port, static_cast<long long>(m_currentPort)});
                m_hooks.showInformation(text(MessageTexts::strStrHardwareDetection),
                                        text(MessageTexts::strStrOrdakInterfaceDetet),
                                        QString::fromStdString(note));
            }
        }
        SelectComPort(m_currentPort);
        BuildComPortMenu();
    }
    m_lastPortText = m_comComboBox->currentText();
}

QString PortDiscovery::configuredPortName() const
{
    const QString name = m_hooks.configuredPortName ? m_hooks.configuredPortName() : QString();
    return name.isEmpty() ? QStringLiteral("COM1") : name;
}

void PortDiscovery::setStatusText(const QString& statusText) const
{
    if (m_hooks.setStatusText)
        m_hooks.setStatusText(statusText);
}

void PortDiscovery::runReported(const std::function<void()>& handler) const
{
    try {
        handler();
    } catch (const std::exception& e) {
        if (m_hooks.reportError)
            m_hooks.reportError(QString::fromUtf8(e.what()));
    }
}
