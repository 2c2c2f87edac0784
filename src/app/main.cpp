#include "app/application_setup.h"
#include "app/frmondulix.h"
#include "app/sound_controller.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ondulix::setUpApplication(app);

    ondulix::frmOndulix window;
    window.load();
    ondulix::SoundController sound(window);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
