// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_browser.h"

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

QVariant HelpBrowser::loadResource(int, const QUrl& name)
{
    // Pages and pictures come only out of the help file: a page must not show local files or
    // fetch anything from outside. Empty, not null: for a null answer the document reads file:
    // URLs and paths relative to the current folder itself.
    if (name.scheme() != QLatin1String("qthelp") || !m_engine)
        return QByteArray("");
    return m_engine->fileData(name);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    if (name.scheme() == QLatin1String("qthelp"))
        QTextBrowser::doSetSource(name, type);
}

} // namespace gp
