#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "model/Translate.h"

#include <QPrinterInfo>

#include <clocale>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    fup::gui::Application app(argc, argv);
    // Numbers are always written and read with "." whatever the desktop's locale says.
    std::setlocale(LC_NUMERIC, "C");

    const std::filesystem::path executableDirectory = QCoreApplication::applicationDirPath().toStdString();
    fup::setTranslationDirectory(executableDirectory / "locale");

    // Qt has taken its own options (-platform, ...); what is left are the positional ones.
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(all[i].toStdString());

    fup::gui::MainWindow window;
    window.haupt().startUp(arguments, executableDirectory, !QPrinterInfo::availablePrinters().isEmpty());
    const int status = app.exec();
    return status != 0 ? status : window.haupt().exitCode();
}
