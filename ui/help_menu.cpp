// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_menu.h"

#include "ui/help_viewer.h"

#include <QFileInfo>
#include <QPointer>

namespace gp {

namespace {

QPointer<HelpViewer> g_viewer;

HelpViewer* viewerFor(QWidget* owner, const QString& helpFile)
{
    if (g_viewer && g_viewer->helpFile() != QFileInfo(helpFile).absoluteFilePath())
        delete g_viewer;
    if (!g_viewer)
        g_viewer = new HelpViewer(helpFile, owner);
    return g_viewer;
}

} // namespace

HelpViewer* showHelpContents(QWidget* owner, const QString& helpFile)
{
    HelpViewer* viewer = viewerFor(owner, helpFile);
    viewer->showContents();
    return viewer;
}

HelpViewer* showHelpSearch(QWidget* owner, const QString& helpFile)
{
    HelpViewer* viewer = viewerFor(owner, helpFile);
    viewer->showKeywordSearch(QString());
    return viewer;
}

HelpViewer* showHelpOnHelp(QWidget* owner, const QString& helpFile)
{
    HelpViewer* viewer = viewerFor(owner, helpFile);
    viewer->showHelpOnHelp();
    return viewer;
}

} // namespace gp
