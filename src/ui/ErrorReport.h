#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

// The general error report: an error that no step catches ends its handler and is shown in a message box;
// the program goes on. No exception crosses into Qt's event dispatch.
class ErrorReport
{
public:
    static void show(QWidget* parent, const QString& message);

    // Runs step; an error it raises is reported. Returns false when an error was reported.
    static bool guard(QWidget* parent, const std::function<void()>& step);

    // The message of the exception in flight (UTF-8 for the tool's own errors).
    static QString messageOf(const std::exception_ptr& error);
};
