#include "app/application.h"

#include "app/main_controller.h"
#include "game/game_state.h"
#include "ui/art.h"
#include "ui/form1.h"

#include <QApplication>

namespace gp {

int runApplication(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GAL PORTRAIT"));
    QApplication::setOrganizationName(QStringLiteral("YRM"));
    QApplication::setDesktopFileName(QStringLiteral("gal-portrait"));
    QApplication::setWindowIcon(programIcon());

    GameState state;
    Form1 form;
    MainController controller(state, form);
    controller.Form_Load();
    return app.exec();
}

} // namespace gp
