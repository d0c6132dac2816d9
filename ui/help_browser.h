// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page pane of the help viewer: a text browser whose qthelp:// pages come out of the
// compiled help file instead of the disk, and that shows nothing else.

#include <QTextBrowser>

class QHelpEngineCore;

namespace gp {

class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // Null until the help file has been opened; pages are then read through it.
    void setHelpEngine(QHelpEngineCore* engine);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    // Any other scheme (file:, http: and the rest) is not followed: the page stays.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    QHelpEngineCore* m_engine = nullptr;
};

} // namespace gp
