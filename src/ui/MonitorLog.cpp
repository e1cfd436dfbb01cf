#include "ui/MonitorLog.h"

#include <QLoggingCategory>
#include <QPlainTextEdit>

Q_LOGGING_CATEGORY(lcMonitor, "tavimoro.monitor", QtWarningMsg)

void MonitorLog::showLine(QPlainTextEdit& monitor, const QString& line)
{
    monitor.appendPlainText(line);
    qCInfo(lcMonitor).noquote() << line;
}
