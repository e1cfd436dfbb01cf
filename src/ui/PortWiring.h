#pragma once

#include <QObject>
#include <QString>

class DeviceChangeNotifier;
class PortDiscovery;
class QComboBox;
class QMenu;
class QWidget;
class SimpleStatusBar;
class Transfer;

// Connects the window to the port discovery: the hidden port list, the COMPort menu, the status bar, the
// hot-plug notifications and the dialogs the detection shows.
class PortWiring : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        QWidget* window;
        QComboBox* comComboBox;
        QMenu* mnuComport;
        SimpleStatusBar* statusBar;
        Transfer* transfer;
    };

    explicit PortWiring(const Parts& parts, QObject* parent = nullptr);
    ~PortWiring() override;

    PortDiscovery& discovery() { return *m_discovery; }
    const PortDiscovery& discovery() const { return *m_discovery; }

    // CPort as stored in the configuration: -1 selects the automatic mode.
    void applyStoredPort(qint16 storedPort);

    // Once the window is shown: notes stop being held back, and a missing hot-plug monitor is said once.
    void windowShown();

    // The modal dialog of a detection note: title, bold instruction, content, information icon and OK.
    static void showInformation(QWidget* parent, const QString& title, const QString& instruction,
                                const QString& content);

private:
    Parts m_parts;
    PortDiscovery* m_discovery;
    DeviceChangeNotifier* m_notifier;
    bool m_monitorNoteShown = false;
};
