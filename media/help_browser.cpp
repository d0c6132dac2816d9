#include "media/help_browser.h"

#include <QHelpEngineCore>
#include <QUrl>

namespace gp {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // The help file holds no outside links; anything else would leave the viewer.
    setOpenExternalLinks(false);
}

void HelpBrowser::setHelpEngine(QHelpEngineCore* engine)
{
    m_engine = engine;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp")) {
        if (!m_engine)
            return {};
        return m_engine->fileData(name);
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace gp
