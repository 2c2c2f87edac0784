#include "app/application_setup.h"
#include "app/command_line.h"
#include "app/window/frmondulix.h"

#include <QApplication>
#include <QScreen>
#include <iostream>

int main(int argc, char* argv[])
{
    const ondulix::CommandLine command
        = ondulix::readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (command.run == ondulix::CommandLine::Run::PrintAndExit) {
        std::cout << command.text;
        return 0;
    }
    if (command.run == ondulix::CommandLine::Run::Refuse) {
        std::cerr << command.text;
        return 2;
    }

    QApplication app(argc, argv);
    ondulix::setUpApplication(app);

    ondulix::WindowServices services;
    if (command.file)
        services.startFile = QString::fromLocal8Bit(command.file->c_str());
    ondulix::frmOndulix window(std::move(services));
    window.load();
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
