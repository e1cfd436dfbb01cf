#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class SerialPort;

// One transfer of the settings frame: open the port, write the frame, wait 800 ms for the device's
// acknowledgement 0x8C, report the outcome, close the port. Knows no widgets; the window follows the
// signals. The steps keep their order and timings but never block the event loop.
class Transfer : public QObject
{
    Q_OBJECT
public:
    // Runs BuildSettingsData on the editor's values (step 2 of a transfer).
    using SettingsBuilder = std::function<void()>;
    // Assembles the 30-byte frame from the last build (step 5).
    using FrameAssembler = std::function<QByteArray()>;

    static constexpr int kReplyWindowMs = 800;
    static constexpr int kPauseAfterWriteMs = 100;
    static constexpr int kPauseAfterSendMs = 50;

    Transfer(SettingsBuilder build, FrameAssembler assemble, QObject* parent = nullptr);
    // Talks through port, which the transfer takes over (tests hand in a port whose OS calls fail).
    Transfer(SerialPort* port, SettingsBuilder build, FrameAssembler assemble, QObject* parent = nullptr);
    ~Transfer() override;

    // The Send command: portName is the port selector's text (empty: none selected), sendingText the
    // translated "Sending Datas...". Ignored while a transfer is under way.
    void send(const QString& portName, const QString& sendingText);
    bool isBusy() const { return m_busy; }

    // Closes first; an empty or unknown name falls back to COM1. Errors of opening propagate.
    void OpenComPort(const QString& name);
    // Closes the port if open; never fails. A transfer still writing ends there, without an outcome.
    void CloseComPort();

    SerialPort& ComPort1() { return *m_port; }

signals:
    void progressChanged(int value);
    void monitorLine(const QString& line);
    void linkStatusChanged(const QString& caption);
    // true: the window disables btnSend, btnDelete and imgDevice and shows the busy cursor.
    void busyChanged(bool busy);
    void beepRequested();
    // The open or write error for the window's message box; the transfer is idle again.
    void failed(const QString& message);

private:
    void SendSettingsFrame();
    void onWriteCompleted();
    void onWriteFailed(const QString& message);
    void ComPort1RxChar(int count);
    void tmReceiveTimer();
    void setBusy(bool busy);
    void failToIdle(const QString& message);

    SerialPort* m_port;
    SettingsBuilder m_build;
    FrameAssembler m_assemble;
    QTimer m_tmReceive;
    bool m_busy = false;
    bool m_writing = false;
    bool m_acknowledged = false;
    bool m_ackReported = false;
    bool m_transferStarted = false;
};
