#include "ui/PortWiring.h"

#include "detect/DeviceChangeNotifier.h"
#include "detect/PortDiscovery.h"
#include "device/SerialPort.h"
#include "device/Transfer.h"
#include "ui/ErrorReport.h"
#include "ui/ModalDialogs.h"
#include "ui/SimpleStatusBar.h"

#include <QLabel>
#include <QMessageBox>

PortWiring::PortWiring(const Parts& parts, QObject* parent)
    : QObject(parent), m_parts(parts), m_notifier(new DeviceChangeNotifier(this))
{
    PortDiscovery::Hooks hooks;
    hooks.setStatusText = [this](const QString& text) { m_parts.statusBar->setSimpleText(text); };
    hooks.showInformation = [this](const QString& title, const QString& instruction, const QString& content) {
        showInformation(m_parts.window, title, instruction, content);
    };
    hooks.configuredPortName = [this] { return m_parts.transfer->ComPort1().portName(); };
    hooks.reportError = [this](const QString& message) { ErrorReport::show(m_parts.window, message); };
    m_discovery = new PortDiscovery(m_parts.comComboBox, m_parts.mnuComport, std::move(hooks), this);
    connect(m_notifier, &DeviceChangeNotifier::deviceChange, m_discovery, &PortDiscovery::onDeviceChange);
}

PortWiring::~PortWiring() = default;

void PortWiring::applyStoredPort(qint16 storedPort)
{
    m_discovery->setCurrentPort(storedPort);
    if (storedPort == -1)
        m_discovery->setAutoDetect(true);
}

void PortWiring::windowShown()
{
    m_discovery->setStartingUp(false);
    if (m_notifier->isMonitoring() || m_monitorNoteShown)
        return;
    m_monitorNoteShown = true;
    // Appended, so the outcome of the start-up detection stays readable.
    const QString current = m_parts.statusBar->simpleText();
    const QString reason = m_notifier->unavailableReason();
    m_parts.statusBar->setSimpleText(current.isEmpty() ? reason
                                                       : current + QStringLiteral(" \u2013 ") + reason);
}

void PortWiring::showInformation(QWidget* parent, const QString& title, const QString& instruction,
                                 const QString& content)
{
    QMessageBox box(QMessageBox::Information, title, instruction, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(content);
    box.setDefaultButton(QMessageBox::Ok);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    ModalDialogs::exec(box);
}
