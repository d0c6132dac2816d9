// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's own help viewer: contents and keyword index on the left, the page on the right.
// It opens one compiled help file and runs beside the game as a window of its own.

#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <memory>

class QHelpContentWidget;
class QHelpEngine;
class QHelpIndexWidget;
class QLineEdit;
class QTabWidget;

namespace gp {

class HelpBrowser;

class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    enum Tab { ContentsTab = 0, KeywordTab = 1 };

    explicit HelpViewer(const QString& helpFile, QWidget* parent = nullptr);

    QString helpFile() const { return m_helpFile; }
    // False when the help file could not be opened; the page pane then says why.
    bool isReady() const { return m_engine != nullptr; }
    QUrl currentPage() const;
    // "ja" or "en": the help follows the game's catalogue.
    static QString pageLanguage();

    // The three ways in; each brings the window to the front.
    void showContents();
    void showKeywordSearch(const QString& key);
    void showHelpOnHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeContentsTab();
    QWidget* makeKeywordTab();
    void openHelpFile();
    bool registerHelpFile(QHelpEngine* engine) const;
    void showFailure(const QString& reason, bool helpFileAtFault = true);
    QUrl pageUrl(const QString& page) const;
    void openPage(const QUrl& url);
    void syncContents(const QUrl& page);
    void bringToFront();

    QString m_helpFile;
    QString m_namespace;
    QString m_language; // of the pages shown
    QHelpEngine* m_engine = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_searchBox = nullptr;
    QHelpContentWidget* m_contents = nullptr;
    QHelpIndexWidget* m_index = nullptr;
    HelpBrowser* m_browser = nullptr;
    // Holds the collection when the user's cache folder cannot be written.
    std::unique_ptr<QTemporaryDir> m_privateCache;
};

} // namespace gp
