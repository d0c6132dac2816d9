#include "media/win_help.h"

#include "media/help_viewer.h"

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

HelpViewer* WinHelp(QWidget* owner, const QString& helpFile, int command, const QString& data)
{
    switch (command) {
    case HELP_CONTENTS:
        viewerFor(owner, helpFile)->showContents();
        break;
    case HELP_HELPONHELP:
        viewerFor(owner, helpFile)->showHelpOnHelp();
        break;
    case HELP_PARTIALKEY:
        viewerFor(owner, helpFile)->showKeywordSearch(data);
        break;
    default:
        return nullptr;
    }
    return g_viewer;
}

} // namespace gp
