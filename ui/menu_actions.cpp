// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/menu_actions.h"

#include "game/face_geometry.h"

#include <QCoreApplication>
#include <QMenuBar>

namespace gp {

namespace {

struct MainMenu
{
    Q_DECLARE_TR_FUNCTIONS(MainMenu)
};

} // namespace

QString soundSwitchCaption(bool soundOn)
{
    return soundOn ? MainMenu::tr("ON") : MainMenu::tr("OFF");
}

MenuActions addMenus(QMenuBar* bar)
{
    auto addMenu = [bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addAction = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    MenuActions a;

    QMenu* game = addMenu("gameMenu", MainMenu::tr("ゲーム"));
    a.start = addAction(game, "startAction", MainMenu::tr("ゲーム開始"));
    a.stop = addAction(game, "stopAction", MainMenu::tr("ゲーム中止"));
    game->addSeparator();
    a.quit = addAction(game, "quitAction", MainMenu::tr("終了"));

    a.girlMenu = addMenu("girlMenu", MainMenu::tr("少女の選択"));
    a.girls[GirlA] = addAction(a.girlMenu, "girlAAction", MainMenu::tr("少女 A"));
    a.girls[GirlB] = addAction(a.girlMenu, "girlBAction", MainMenu::tr("少女 B"));
    for (QAction* girl : a.girls)
        girl->setCheckable(true);
    a.girls[GirlA]->setChecked(true);

    QMenu* sound = addMenu("soundMenu", MainMenu::tr("サイレントモード"));
    a.soundSwitch = addAction(sound, "soundSwitchAction", soundSwitchCaption(true));

    QMenu* help = addMenu("helpMenu", MainMenu::tr("ヘルプ"));
    a.helpContents = addAction(help, "helpContentsAction", MainMenu::tr("目次"));
    a.helpSearch = addAction(help, "helpSearchAction", MainMenu::tr("キーワードで検索"));
    help->addSeparator();
    a.helpOnHelp = addAction(help, "helpOnHelpAction", MainMenu::tr("ヘルプについて"));
    help->addSeparator();
    a.about = addAction(help, "aboutAction", MainMenu::tr("バージョン情報"));
    return a;
}

} // namespace gp
