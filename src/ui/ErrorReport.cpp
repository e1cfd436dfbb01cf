#include "ui/ErrorReport.h"

#include "ui/ModalDialogs.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcErrors, "tavimoro.ui")

void ErrorReport::show(QWidget* parent, const QString& message)
{
    qCWarning(lcErrors).noquote() << "error reported:" << message;
    ModalDialogs::showError(parent, message);
}

QString ErrorReport::messageOf(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

bool ErrorReport::guard(QWidget* parent, const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (...) {
        show(parent, messageOf(std::current_exception()));
        return false;
    }
}
