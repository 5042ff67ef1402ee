#include "gui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QUrl>

namespace fup::gui {

QString qs(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string str(const QString& text) { return text.toUtf8().toStdString(); }

namespace {

QString windowTitle() { return QApplication::applicationDisplayName(); }

std::optional<std::filesystem::path> pathOrNone(const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    return std::filesystem::path(str(name));
}

class QtTimer final : public platform::Timer {
public:
    QtTimer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (callback_)
                callback_();
        });
        timer_.setTimerType(Qt::PreciseTimer);
    }
    void setCallback(std::function<void()> callback) override { callback_ = std::move(callback); }
    void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    int interval() const override { return timer_.interval(); }
    void setSingleShot(bool singleShot) override { timer_.setSingleShot(singleShot); }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> callback_;
};

}  // namespace

void QtDialogs::messageBox(const std::string& text) { QMessageBox::information(parent_, windowTitle(), qs(text)); }

bool QtDialogs::askYesNo(const std::string& text)
{
    return QMessageBox::question(parent_, windowTitle(), qs(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

platform::Answer QtDialogs::askYesNoCancel(const std::string& text)
{
    switch (QMessageBox::question(parent_, windowTitle(), qs(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return platform::Answer::Yes;
    case QMessageBox::No:
        return platform::Answer::No;
    default:
        return platform::Answer::Cancel;
    }
}

std::optional<std::string> QtDialogs::inputQuery(const std::string& caption, const std::string& prompt,
                                                 const std::string& initial)
{
    bool ok = false;
    const QString value = QInputDialog::getText(parent_, qs(caption), qs(prompt), QLineEdit::Normal, qs(initial), &ok);
    if (!ok)
        return std::nullopt;
    return str(value);
}

std::optional<std::string> QtDialogs::passwordQuery(const std::string& caption, const std::string& prompt,
                                                    const std::string& initial)
{
    bool ok = false;
    const QString value =
        QInputDialog::getText(parent_, qs(caption), qs(prompt), QLineEdit::Password, qs(initial), &ok);
    if (!ok)
        return std::nullopt;
    return str(value);
}

std::optional<std::filesystem::path> QtDialogs::openFileName(const std::string& caption,
                                                             const std::filesystem::path& directory,
                                                             const std::string& filter)
{
    return pathOrNone(QFileDialog::getOpenFileName(parent_, qs(caption), qs(directory.string()), qs(filter)));
}

std::optional<std::filesystem::path> QtDialogs::saveFileName(const std::string& caption,
                                                             const std::filesystem::path& initial,
                                                             const std::string& filter)
{
    return pathOrNone(QFileDialog::getSaveFileName(parent_, qs(caption), qs(initial.string()), qs(filter)));
}

std::optional<std::filesystem::path> QtDialogs::directory(const std::string& caption,
                                                          const std::filesystem::path& initial)
{
    return pathOrNone(QFileDialog::getExistingDirectory(parent_, qs(caption), qs(initial.string())));
}

std::unique_ptr<platform::Timer> QtTimerService::createTimer() { return std::make_unique<QtTimer>(); }

std::string QtClipboard::text() const { return str(QApplication::clipboard()->text()); }

void QtClipboard::setText(const std::string& text) { QApplication::clipboard()->setText(qs(text)); }

int QtProcess::runHidden(const std::filesystem::path& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << qs(argument);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(qs(program.string()), list);
    if (!process.waitForStarted() || !process.waitForFinished(-1))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool QtProcess::openDocument(const std::filesystem::path& document)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qs(document.string())));
}

}  // namespace fup::gui
