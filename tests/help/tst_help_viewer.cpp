// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/help_menu.h"
#include "media/help_viewer.h"
#include "tests/support/gui_test_main.h"
#include "tests/support/test_files.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QSet>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace gp;

namespace {

using Handler = HelpViewer* (*)(QWidget*, const QString&);

// The keywords as written in the help project: what a full index must list.
int keywordsInProject()
{
    QFile file(QStringLiteral(GP_TEST_HELP_PROJECT));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QSet<QString> names;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"keyword")
            names.insert(xml.attributes().value(QLatin1String("name")).toString());
    }
    return names.size();
}

QString pageText(HelpViewer* viewer)
{
    return viewer->findChild<QTextBrowser*>(QStringLiteral("page"))->toPlainText();
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT

private:
    QString m_helpFile;
    std::unique_ptr<QWidget> m_owner;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_helpFile = QStringLiteral(GP_TEST_HELP_FILE);
        QVERIFY2(QFile::exists(m_helpFile), "the build makes the help file");
        QVERIFY(keywordsInProject() >= 15);
    }

    void init() { m_owner = std::make_unique<QWidget>(); }

    void cleanup() { m_owner.reset(); }

    void eachMenuCommandOpensItsPlace_data()
    {
        QTest::addColumn<Handler>("handler");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("topic");

        const auto row = [](const char* command, Handler handler, int tab, const char* page,
                            const char* heading, const char* topic) {
            QTest::newRow(command)
                << handler << tab << QString(page) << QString(heading) << QString(topic);
        };
        const int contents = HelpViewer::ContentsTab, keyword = HelpViewer::KeywordTab;
        row("目次", showHelpContents, contents, "index.html", "GAL PORTRAIT ヘルプ", "目次");
        row("キーワードで検索", showHelpSearch, keyword, "index.html", "GAL PORTRAIT ヘルプ",
            "目次");
        row("ヘルプについて", showHelpOnHelp, contents, "viewer.html", "ヘルプの使い方",
            "ヘルプの使い方");
    }

    void eachMenuCommandOpensItsPlace()
    {
        QFETCH(Handler, handler);
        QFETCH(int, tab);
        QFETCH(QString, page);
        QFETCH(QString, heading);
        QFETCH(QString, topic);

        // Open it elsewhere, narrow the index by hand and close it: asking again must bring the
        // same viewer back at the asked place, with a fresh search.
        showHelpContents(m_owner.get(), m_helpFile);
        auto* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(viewer);
        QVERIFY2(viewer->isReady(), qPrintable(pageText(viewer)));
        auto* searchBox = viewer->findChild<QLineEdit*>(QStringLiteral("searchBox"));
        auto* index = viewer->findChild<QHelpIndexWidget*>(QStringLiteral("keywordIndex"));
        const int fullIndex = keywordsInProject();
        QTRY_COMPARE(index->model()->rowCount(), fullIndex);
        searchBox->setText(QStringLiteral("得点"));
        QTRY_VERIFY(index->model()->rowCount() < fullIndex);
        viewer->close();

        handler(m_owner.get(), m_helpFile);
        QCOMPARE(m_owner->findChildren<HelpViewer*>().size(), 1);
        QCOMPARE(m_owner->findChild<HelpViewer*>(), viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(!viewer->isModal());
        QCOMPARE(viewer->findChild<QTabWidget*>(QStringLiteral("tabs"))->currentIndex(), tab);
        QCOMPARE(viewer->currentPage().scheme(), QStringLiteral("qthelp"));
        QCOMPARE(viewer->currentPage().fileName(), page);
        QVERIFY(pageText(viewer).startsWith(heading));
        auto* contents = viewer->findChild<QHelpContentWidget*>(QStringLiteral("contents"));
        QTRY_COMPARE(contents->currentIndex().data().toString(), topic);
        if (tab == HelpViewer::KeywordTab) {
            QVERIFY(searchBox->text().isEmpty());
            QCOMPARE(index->model()->rowCount(), fullIndex);
            QVERIFY(QTest::qWaitForWindowActive(viewer));
            QTRY_VERIFY(searchBox->hasFocus());
        }
    }

    void keywordOpensItsTopic()
    {
        showHelpSearch(m_owner.get(), m_helpFile);
        auto* viewer = m_owner->findChild<HelpViewer*>();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        auto* searchBox = viewer->findChild<QLineEdit*>(QStringLiteral("searchBox"));
        auto* index = viewer->findChild<QHelpIndexWidget*>(QStringLiteral("keywordIndex"));
        QVERIFY(index);
        QTRY_VERIFY(index->model()->rowCount() > 0);

        searchBox->insert(QStringLiteral("時間切")); // QTest types ASCII only
        QTRY_COMPARE(index->model()->rowCount(), 1);
        QTest::keyClick(searchBox, Qt::Key_Return);
        QCOMPARE(viewer->currentPage().fileName(), QStringLiteral("time.html"));
        QCOMPARE(viewer->currentPage().fragment(), QStringLiteral("timeout"));
    }

    void unusableFileIsExplainedOnThePage_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("asDirectory");

        QTest::newRow("missing") << QString() << false;
        QTest::newRow("not compiled help") << "ヘルプではない" << false;
        QTest::newRow("a folder") << QString() << true;
    }

    void unusableFileIsExplainedOnThePage()
    {
        QFETCH(QString, content);
        QFETCH(bool, asDirectory);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("portrait.hlp"));
        if (asDirectory)
            QVERIFY(QDir().mkpath(path));
        QVERIFY(content.isEmpty() || writeBytes(path, content.toUtf8()));

        for (Handler handler : {showHelpContents, showHelpSearch, showHelpOnHelp}) {
            HelpViewer* viewer = handler(m_owner.get(), path);
            QVERIFY(viewer && viewer->isVisible());
            QVERIFY(!viewer->isReady());
            QVERIFY(viewer->currentPage().isEmpty());
            QVERIFY(pageText(viewer).startsWith(QStringLiteral("ヘルプを表示できません")));
            QVERIFY(pageText(viewer).contains(path));
        }
    }

    void viewerOpensOnlyItsOwnPages()
    {
        QTemporaryDir dir;
        const QString secret = dir.filePath(QStringLiteral("secret.html"));
        QVERIFY(writeBytes(secret, "<p>secret</p>"));

        HelpViewer viewer(m_helpFile);
        viewer.showContents();
        QVERIFY(viewer.isReady());
        const QUrl home = viewer.currentPage();
        auto* page = viewer.findChild<QTextBrowser*>(QStringLiteral("page"));
        // A link in a page goes the same way as this.
        page->setSource(QUrl::fromLocalFile(secret));
        QCOMPARE(viewer.currentPage(), home);
        QVERIFY(!pageText(&viewer).contains(QStringLiteral("secret")));
        for (const QUrl& url : {QUrl::fromLocalFile(secret), QUrl(QStringLiteral("secret.html"))}) {
            QVERIFY(!page->loadResource(QTextDocument::HtmlResource, url).isValid());
            QVERIFY(!page->loadResource(QTextDocument::ImageResource, url).isValid());
        }
        // Its own pictures and style still come.
        QVERIFY(
            page->loadResource(QTextDocument::StyleSheetResource, home.resolved(QUrl("style.css")))
                .isValid());
    }
};

GP_GUI_TEST_MAIN(HelpViewerTest)
#include "tst_help_viewer.moc"
