#include "ui/EnterKeyNavigator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

EnterKeyNavigator::EnterKeyNavigator(QWidget* window, std::function<void(bool)> moveFocus)
    : QObject(window), m_window(window), m_moveFocus(std::move(moveFocus))
{
    // The window sees every key before the focused control does.
    qApp->installEventFilter(this);
}

EnterKeyNavigator::~EnterKeyNavigator()
{
    qApp->removeEventFilter(this);
}

bool EnterKeyNavigator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != m_window)
        return false;
    const QWidget* focused = QApplication::focusWidget();
    if (qobject_cast<const QPlainTextEdit*>(focused) || qobject_cast<const QTextEdit*>(focused))
        return false;
    const bool next = !(key->modifiers() & Qt::ShiftModifier);
    QPointer<QObject> guard(m_window);
    QMetaObject::invokeMethod(
        this,
        [this, guard, next] {
            if (guard)
                m_moveFocus(next);
        },
        Qt::QueuedConnection);
    return true;
}
