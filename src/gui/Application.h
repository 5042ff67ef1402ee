#pragma once

#include <QApplication>

namespace fup::gui {

// The application object. An exception that escapes an event handler is shown to the
// user and then ends the program (AppException).
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static void AppException(const char* what);
};

}  // namespace fup::gui
