#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// Every modal dialog of the window runs through here, so tests can answer it without a nested event loop.
class ModalDialogs
{
public:
    // Called with the shown dialog instead of its event loop; it may click a button, fill and accept a file
    // dialog, or do nothing (the dialog is then rejected).
    using Hook = std::function<void(QDialog& dialog)>;

    static void setHook(Hook hook);
    static bool hasHook();

    // QDialog::exec(), or the hook when one is set. Returns the dialog's result.
    static int exec(QDialog& dialog);

    // A message box with the error's message and an OK button.
    static void showError(QWidget* parent, const QString& message);
    // A question with Yes and No; true for Yes.
    static bool askYesNo(QWidget* parent, const QString& title, const QString& question);
    // A non-native file dialog; empty when the user cancels. The filter uses "Text (*.ext)|*.ext" pairs.
    static QString openFileName(QWidget* parent, const QString& folder, const QString& filter,
                                const QString& defaultSuffix);
    static QString saveFileName(QWidget* parent, const QString& folder, const QString& filter,
                                const QString& defaultSuffix);

    // "Settings Files (*.dat)|*.dat" -> "Settings Files (*.dat)"; pairs become separate filters.
    static QStringList qtFilters(const QString& filter);

private:
    static Hook& hook();
};
