#include "WindowFixture.h"

#include "i18n/MessageTexts.h"
#include "ui/ModalDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

WindowFixture::WindowFixture()
{
    qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
    qputenv("TAVIMORO_SYSFS_ROOT", m_sys.path().toLocal8Bit());
    qputenv("TAVIMORO_DEV_ROOT", (m_sys.path() + QStringLiteral("/dev")).toLocal8Bit());
    qputenv("TAVIMORO_PROGRAM_FOLDER", m_program.path().toLocal8Bit());
    MessageTexts::clear();
    ModalDialogs::setHook([this](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            messages << box->text();
        if (!answers.empty()) {
            auto answer = std::move(answers.front());
            answers.pop_front();
            answer(dialog);
        } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            QAbstractButton* button = box->defaultButton();
            if (!button)
                button = box->buttons().value(0);
            if (button)
                button->click();
        }
    });
}

WindowFixture::~WindowFixture()
{
    destroyWindow();
    ModalDialogs::setHook({});
}

void WindowFixture::writeConfig(const QByteArray& content) const
{
    QDir().mkpath(configFolder());
    QFile file(configFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the test configuration");
}

void WindowFixture::writeLanguageFile(const QString& fileName, const QByteArray& content) const
{
    const QString folder = programFolder() + QStringLiteral("/Lang");
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the test language file");
}

QString WindowFixture::readConfig() const
{
    QFile file(configFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

TFOrdakSetup& WindowFixture::open()
{
    m_window = std::make_unique<TFOrdakSetup>();
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("window did not become active");
    return *m_window;
}

void WindowFixture::destroyWindow()
{
    m_window.reset();
}

void WindowFixture::reveal(QWidget* widget) const
{
    for (QWidget* w = widget; w && w != m_window.get(); w = w->parentWidget()) {
        w->setEnabled(true);
        w->setVisible(true);
    }
}

std::function<void(QDialog&)> WindowFixture::clickButton(int standardButton)
{
    return [standardButton](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        if (box && box->button(static_cast<QMessageBox::StandardButton>(standardButton)))
            box->button(static_cast<QMessageBox::StandardButton>(standardButton))->click();
    };
}

std::function<void(QDialog&)> WindowFixture::chooseFile(const QString& path)
{
    return [path](QDialog& dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept();
        }
    };
}
