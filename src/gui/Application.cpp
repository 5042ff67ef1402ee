#include "gui/Application.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>

namespace fup::gui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName("fupedit");
    setApplicationDisplayName("KORM");
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        AppException(error.what());
    } catch (...) {
        AppException("unbekannte Ausnahme");
    }
    return false;
}

void Application::AppException(const char* what)
{
    QMessageBox::critical(nullptr, applicationDisplayName(), QString::fromUtf8(what));
    std::_Exit(EXIT_FAILURE);
}

}  // namespace fup::gui
