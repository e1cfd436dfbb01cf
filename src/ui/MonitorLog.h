#pragma once

#include <QString>

class QPlainTextEdit;

// The transfer monitor: every line it shows is also logged, so a run can be checked from outside.
namespace MonitorLog
{
void showLine(QPlainTextEdit& monitor, const QString& line);
}
