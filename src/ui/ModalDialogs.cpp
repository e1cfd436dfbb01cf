#include "ui/ModalDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

void ModalDialogs::setHook(Hook newHook)
{
    hook() = std::move(newHook);
}

bool ModalDialogs::hasHook()
{
    return static_cast<bool>(hook());
}

ModalDialogs::Hook& ModalDialogs::hook()
{
    static Hook instance;
    return instance;
}

int ModalDialogs::exec(QDialog& dialog)
{
    if (!hook())
        return dialog.exec();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    hook()(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

void ModalDialogs::showError(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorReport"));
    exec(box);
}

bool ModalDialogs::askYesNo(QWidget* parent, const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("Question"));
    box.setDefaultButton(QMessageBox::No);
    exec(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

QStringList ModalDialogs::qtFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(u' ');
        const QString& text = parts.at(i);
        filters << (text.contains(patterns) ? text : QStringLiteral("%1 (%2)").arg(text, patterns));
    }
    if (filters.isEmpty() && !filter.isEmpty())
        filters << filter;
    return filters;
}

namespace
{

QString runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& folder,
                      const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("dlgOpen")
                                                         : QStringLiteral("dlgSave"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Saving into an existing file only replaces the one key, so there is nothing to confirm.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(ModalDialogs::qtFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    if (ModalDialogs::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString ModalDialogs::openFileName(QWidget* parent, const QString& folder, const QString& filter,
                                   const QString& defaultSuffix)
{
    return runFileDialog(parent, QFileDialog::AcceptOpen, folder, filter, defaultSuffix);
}

QString ModalDialogs::saveFileName(QWidget* parent, const QString& folder, const QString& filter,
                                   const QString& defaultSuffix)
{
    return runFileDialog(parent, QFileDialog::AcceptSave, folder, filter, defaultSuffix);
}
