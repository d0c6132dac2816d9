// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/menu_actions.h"

#include "game/face_geometry.h"

#include <QMenuBar>

namespace gp {

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

    QMenu* game = addMenu("gameMenu", QStringLiteral("ゲーム"));
    a.start = addAction(game, "startAction", QStringLiteral("ゲーム開始"));
    a.stop = addAction(game, "stopAction", QStringLiteral("ゲーム中止"));
    game->addSeparator();
    a.quit = addAction(game, "quitAction", QStringLiteral("終了"));

    a.girlMenu = addMenu("girlMenu", QStringLiteral("少女の選択"));
    a.girls[GirlA] = addAction(a.girlMenu, "girlAAction", QStringLiteral("少女 A"));
    a.girls[GirlB] = addAction(a.girlMenu, "girlBAction", QStringLiteral("少女 B"));
    for (QAction* girl : a.girls)
        girl->setCheckable(true);
    a.girls[GirlA]->setChecked(true);

    QMenu* sound = addMenu("soundMenu", QStringLiteral("サイレントモード"));
    a.soundSwitch = addAction(sound, "soundSwitchAction", QStringLiteral("ON"));

    QMenu* help = addMenu("helpMenu", QStringLiteral("ヘルプ"));
    a.helpContents = addAction(help, "helpContentsAction", QStringLiteral("目次"));
    a.helpSearch = addAction(help, "helpSearchAction", QStringLiteral("キーワードで検索"));
    help->addSeparator();
    a.helpOnHelp = addAction(help, "helpOnHelpAction", QStringLiteral("ヘルプについて"));
    help->addSeparator();
    a.about = addAction(help, "aboutAction", QStringLiteral("バージョン情報"));
    return a;
}

} // namespace gp
