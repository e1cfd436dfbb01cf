#pragma once

#include "ui/TFOrdakSetup.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>

// Every test gets its own configuration home and an empty sysfs tree, and answers the window's modal
// dialogs through the dialog hook: message boxes are recorded and answered, file dialogs get a path.
class WindowFixture
{
public:
    WindowFixture();
    ~WindowFixture();

    QString configHome() const { return m_home.path(); }
    QString sysRoot() const { return m_sys.path(); }
    QString configFolder() const { return configHome() + QStringLiteral("/Nelvo/SetupTool"); }
    QString configFile() const { return configFolder() + QStringLiteral("/Tavimoro_SetupTool.ini"); }
    // The program folder the window takes its language folder Lang from; it starts without Lang.
    QString programFolder() const { return m_program.path(); }
    void writeLanguageFile(const QString& fileName, const QByteArray& content) const;

    // Writes the configuration file before the window is created.
    void writeConfig(const QByteArray& content) const;
    QString readConfig() const;

    // Creates, shows and activates the window.
    TFOrdakSetup& open();
    TFOrdakSetup& window() { return *m_window; }
    void destroyWindow();

    template <typename T = QWidget> T* find(const char* name) const
    {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }
    // Shows and enables a control and every hidden group above it, so a test can reach it.
    void reveal(QWidget* widget) const;

    // Texts of the message boxes shown so far.
    QStringList messages;
    // Answers for the next dialogs, in order; without one a message box gets its default button and a
    // file dialog is cancelled.
    std::deque<std::function<void(QDialog&)>> answers;

    static std::function<void(QDialog&)> clickButton(int standardButton);
    static std::function<void(QDialog&)> chooseFile(const QString& path);

private:
    QTemporaryDir m_home;
    QTemporaryDir m_sys;
    QTemporaryDir m_program;
    std::unique_ptr<TFOrdakSetup> m_window;
};
