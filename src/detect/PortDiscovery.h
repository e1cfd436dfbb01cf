#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;
class QMenu;

// The window's port discovery: the list of present ports, detection of the interface through the bridge
// library, the reaction to plugging, and the COMPort menu. Works on widgets the window gives it and runs
// on the user-interface thread. Errors raised by the bridge access or the port list propagate to the
// caller; the handlers that Qt runs (menu entries, opening the menu, onDeviceChange) hand them to
// Hooks::reportError instead, since no exception may cross into Qt's event dispatch.
class PortDiscovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int kAutoDetectTag = 255;

    struct Hooks {
        // The status bar's single text.
        std::function<void(const QString&)> setStatusText;
        // The modal task dialog: title, main instruction, content, information icon and one OK button.
        std::function<void(const QString& title, const QString& instruction, const QString& content)>
            showInformation;
        // The port name last given to the serial port for a transfer; "COM1" when unset.
        std::function<QString()> configuredPortName;
        // The window's general error report.
        std::function<void(const QString& message)> reportError;
    };

    PortDiscovery(QComboBox* comComboBox, QMenu* mnuComport, Hooks hooks, QObject* parent = nullptr);

    qint16 currentPort() const { return m_currentPort; }
    void setCurrentPort(qint16 port) { m_currentPort = port; }
    bool autoDetect() const { return m_autoDetect; }
    void setAutoDetect(bool on) { m_autoDetect = on; }
    const QString& lastPortText() const { return m_lastPortText; }
    bool startingUp() const { return m_startingUp; }
    void setStartingUp(bool on) { m_startingUp = on; }

    // Refills the port list with the present ports and selects the configured port name if it is there.
    void RefillPortList();
    // Makes COM<port> the current port and the selection if the list has it; writes the status bar.
    void SelectComPort(int port);
    // Asks the bridge library for the interface; Quiet suppresses the hot-plug note.
    void DetectInterface(bool Quiet);
    // Arrival (0x8000) or complete removal (0x8004): refill, then detect. Answers true, the notification
    // is handled, whatever the code.
    bool WMDeviceChange(int eventCode);
    void BuildComPortMenu();
    void ComPortMenuItemClick(QObject* sender);
    // Sets the check marks when the menu is opened.
    void mnuComportClick();
    // At start-up: detect in automatic mode, else check the stored port against the interface.
    void StartupPortCheck();

public slots:
    // WMDeviceChange for a signal connection; errors go to Hooks::reportError.
    void onDeviceChange(int eventCode);

private:
    QString configuredPortName() const;
    void setStatusText(const QString& text) const;
    void runReported(const std::function<void()>& handler) const;

    QComboBox* m_comComboBox;
    QMenu* m_mnuComport;
    Hooks m_hooks;
    qint16 m_currentPort = -1;
    bool m_autoDetect = false;
    QString m_lastPortText;
    bool m_startingUp = true;
};
