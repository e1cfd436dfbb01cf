#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Enter moves the focus to the next control of the window (Shift+Enter to the previous one), as Tab
// does; the focused control never sees the Enter. A memo keeps its Enter.
class EnterKeyNavigator : public QObject
{
    Q_OBJECT
public:
    // moveFocus(next) is posted to the window for every swallowed Enter.
    EnterKeyNavigator(QWidget* window, std::function<void(bool next)> moveFocus);
    ~EnterKeyNavigator() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<void(bool)> m_moveFocus;
};
