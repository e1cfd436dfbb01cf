#include "i18n/LanguageChange.h"

#include "i18n/LanguageChoice.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace
{

// Suspends the window's repainting for its lifetime, then repaints the window and every child once.
class RepaintSuspension
{
public:
    explicit RepaintSuspension(QWidget* window) : m_window(window)
    {
        if (m_window)
            m_window->setUpdatesEnabled(false);
    }
    ~RepaintSuspension()
    {
        if (!m_window)
            return;
        m_window->setUpdatesEnabled(true);
        m_window->update();
        for (QWidget* child : m_window->findChildren<QWidget*>())
            child->update();
    }
    RepaintSuspension(const RepaintSuspension&) = delete;
    RepaintSuspension& operator=(const RepaintSuspension&) = delete;

private:
    QPointer<QWidget> m_window;
};

} // namespace

namespace i18n
{

void cboLangChange(QWidget* window, TsiLangDispatcher& dispatcher, const QString& name,
                   const std::string& programFolder, const std::function<void()>& recaption)
{
    const RepaintSuspension suspension(window);
    ChooseLanguage(dispatcher, name.toStdString(), programFolder);
    if (recaption)
        recaption();
}

} // namespace i18n
