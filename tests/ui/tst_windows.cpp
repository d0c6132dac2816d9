// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window, its panels and texts, the new record's dialog, the message boxes in the game's
// language, and the Help menu's viewer and About box.

#include "app/main_controller.h"
#include "app/qt_translations.h"
#include "game/face_geometry.h"
#include "game/face_parts.h"
#include "game/game_model.h"
#include "game/hint_tick.h"
#include "tests/support/gui_test_main.h"
#include "tests/support/test_files.h"
#include "ui/about_dialog.h"
#include "ui/backdrop.h"
#include "ui/help_browser.h"
#include "ui/help_menu.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/new_record_dialog.h"
#include "ui/sprite.h"
#include "ui/status_frame.h"
#include "ui/status_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontMetrics>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace gp;

namespace {

// Nothing when the text, drawn unclipped as the widget draws it (a label in its contents, a
// button in its style's contents, a status panel inside its bevels), inks only its box; else what
// it inks. The faint edge of anti-aliasing does not count.
QString overflow(QWidget* w, const QString& text)
{
    QRect box = w->rect().adjusted(2, 2, -2, -2);
    int flags = Qt::AlignCenter;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        box = label->contentsRect();
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    const QPoint origin(2 * box.width(), 2 * box.height());
    QImage canvas(box.size() * 5, QImage::Format_Grayscale8);
    canvas.fill(255);
    QPainter painter(&canvas);
    painter.setFont(w->font());
    painter.drawText(QRect(origin, box.size()), flags | Qt::TextDontClip, text);
    painter.end();
    QRect inked;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qGray(canvas.pixel(x, y)) < 64)
                inked |= QRect(QPoint(x, y) - origin, QSize(1, 1));
    if (inked.isNull() || QRect(QPoint(), box.size()).contains(inked))
        return {};
    QString where;
    QDebug(&where) << text << "inks" << inked << "outside" << box.size();
    return where;
}

// As an input method sends it: a character (a surrogate pair included) at a time.
void type(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1), {});
}

using Handler = HelpViewer* (*)(QWidget*, const QString&);

const QRegularExpression
    kHelpSection("<filterSection>\\s*<filterAttribute>(\\w+)</filterAttribute>.*?</filterSection>",
                 QRegularExpression::DotMatchesEverythingOption);

// The keywords of one language as written in the help project: what its full index must list.
int keywordsInProject(const QString& language)
{
    QSet<QString> names;
    const QRegularExpression keyword("<keyword name=\"([^\"]+)\"");
    for (const auto& section :
         kHelpSection.globalMatch(QString::fromUtf8(readBytes(GP_TEST_HELP_PROJECT))))
        for (const auto& k : keyword.globalMatch(section.captured(0)))
            if (section.captured(1) == language)
                names.insert(k.captured(1));
    return int(names.size());
}

// The game's English catalogue, which turns the help to English too, or nothing for Japanese.
std::unique_ptr<QTranslator> installLanguage(const QString& language)
{
    auto english = std::make_unique<QTranslator>();
    if (language != "en" || !english->load(":/i18n/gal-portrait_en.qm") ||
        !QCoreApplication::installTranslator(english.get()))
        return nullptr;
    return english;
}

// Sets a variable, or unsets it for an empty value; gives the value it had.
QByteArray setEnv(const char* name, const QByteArray& value)
{
    const QByteArray old = qgetenv(name);
    value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
    return old;
}

QString pageText(HelpViewer* viewer)
{
    return viewer->findChild<QTextBrowser*>("page")->toPlainText();
}

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

    GameModel m_model;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<MainController> m_controller;
    const QString m_helpFile = GP_TEST_HELP_FILE;
    QTemporaryDir m_home;

    QWidget* topmostAt(int girl, QPoint p) const { return m_window->playArea(girl)->childAt(p); }

private slots:
    void initTestCase()
    {
        // The help's cache goes below the home folder: this test's own.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY2(QFile::exists(m_helpFile), "the build makes the help file");
        QVERIFY(keywordsInProject(QStringLiteral("ja")) >= 15);
        QCOMPARE(keywordsInProject(QStringLiteral("en")), keywordsInProject(QStringLiteral("ja")));
        m_window = std::make_unique<MainWindow>(m_model);
        m_controller = std::make_unique<MainController>(m_model, *m_window);
        m_controller->startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void startUpFitsTheWindowAroundThePlayAreaIdleWithGirlA()
    {
        // The outer height is the intended 473 pixels; the width keeps the frame's right margin
        // inside the window, outside whatever frame the platform draws around it.
        QCOMPARE(m_window->frameGeometry().height(), 473);
        QCOMPARE(m_window->width(), 736);
        const QRect frame = m_window->statusFrame()->geometry();
        QCOMPARE(frame, QRect(572, 9, 154, 399));
        QCOMPARE(m_window->centralWidget()->width() - frame.right() - 1, 10);
        QVERIFY(m_window->centralWidget()->height() > frame.bottom());
        QVERIFY(m_window->pointerXLabel()->geometry().bottom() < 0 &&
                m_window->pointerYLabel()->geometry().bottom() < 0);
        for (int g = 0; g < kGirlCount; ++g) {
            QCOMPARE(m_window->playArea(g)->geometry(), QRect(8, 8, 554, 400));
            QCOMPARE(m_window->cover(g)->geometry(), QRect(0, 0, kFaceWidth, kFaceHeight));
            QCOMPARE(m_window->completeFace(g)->size(), QSize(kFaceWidth, kFaceHeight));
        }
        QCOMPARE(m_model.phase(), Phase::Idle);
    }

    void everyControlHasAnAccessibleName()
    {
        const auto controls = m_window->centralWidget()->findChildren<QWidget*>();
        QVERIFY(controls.size() > 30);
        for (QWidget* w : controls) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
        }
        const auto read = [](QWidget* w, QAccessible::Text text) {
            return QAccessible::queryAccessibleInterface(w)->text(text);
        };
        StatusFrame* frame = m_window->statusFrame();
        QCOMPARE(read(frame->doneButton(), QAccessible::Name), QStringLiteral("完了"));
        // What a panel shows, a screen reader reads as its description: the record at start-up.
        QCOMPARE(read(frame->recordHolderPanel(), QAccessible::Description), "Todo");
        QCOMPARE(read(frame->recordScorePanel(), QAccessible::Description), "600");
    }

    void everyTextFitsItsBox()
    {
        for (const bool english : {false, true}) {
            const auto catalogue = installLanguage(english ? "en" : "ja");
            QVERIFY(!english || catalogue);
            GameModel model;
            MainWindow window(model);
            Record newRecord;
            NewRecordDialog record(newRecord);
            AboutDialog about;
            QStringList overflows;
            int measured = 0;
            const auto measure = [&](QWidget* w, const QString& text) {
                overflows << overflow(w, text);
                measured += !text.isEmpty();
            };
            for (QWidget* parent :
                 {(QWidget*)window.statusFrame(), (QWidget*)&record, (QWidget*)&about})
                for (QWidget* w : parent->findChildren<QWidget*>())
                    if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w))
                        measure(w, w->property("text").toString());
            // Every hint: the part names, and the four directions the tick itself gives from the
            // face's far corners.
            StatusPanel* hintPanel = window.statusFrame()->hintPanel();
            for (int part = 0; part < kPartCount; ++part)
                measure(hintPanel, partHintText(part));
            GameState state;
            state.dragging = true;
            for (int tick = 0; tick < 4; ++tick) {
                state.pointerZone = PointerZone::PlayArea;
                state.pointerX = std::int16_t(tick < 2 ? 0 : kFaceWidth - 1);
                state.pointerY = std::int16_t(tick < 2 ? 0 : kFaceHeight - 1);
                measure(hintPanel, hintTick(state, model.face())->caption);
            }
            // Nine in the status frame, three and five in the dialogs, ten hints.
            QCOMPARE(measured, 27);
            overflows.removeAll(QString());
            QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
        }
    }

    void coverHidesTheFaceButNotTheTray()
    {
        const QRect nose = partCutRect(GirlA, 4);
        const QPoint onNose(nose.left() + 3, nose.top() + 3);
        Sprite* part = m_window->part(GirlA, 4);
        part->moveTo(float(nose.left()), float(nose.top()));

        QCOMPARE(topmostAt(0, onNose), m_window->completeFace(0));
        m_window->cover(0)->show();
        QCOMPARE(topmostAt(0, onNose), m_window->cover(0));
        const QPoint inTray(470, kStartColumnTop[0] + 3);
        QCOMPARE(topmostAt(0, inTray), m_window->part(GirlA, 0));
        m_window->cover(0)->hide();
        m_window->completeFace(0)->hide();
        QCOMPARE(topmostAt(0, onNose), part);
        m_window->completeFace(0)->show();
        part->moveTo(465, float(kStartColumnTop[4]));

        // Among the parts, girl A's mouth lies in front and her right eyebrow at the back;
        // girl B's left eyebrow in front and her mouth at the back.
        auto inFront = [](QWidget* a, QWidget* b) {
            const auto siblings = a->parentWidget()->children();
            return siblings.indexOf(a) > siblings.indexOf(b);
        };
        const int backToFront[kGirlCount][kPartCount] = {{0, 1, 2, 3, 4, 5}, {5, 4, 3, 2, 0, 1}};
        for (int g = 0; g < kGirlCount; ++g)
            for (int i = 0; i < 5; ++i)
                QVERIFY(inFront(m_window->part(g, backToFront[g][i + 1]),
                                m_window->part(g, backToFront[g][i])));

        QWidget* hit = m_window->centralWidget()->childAt(QPoint(300, 300));
        QVERIFY(hit == m_window->playArea(0) || m_window->playArea(0)->isAncestorOf(hit));
        QVERIFY(inFront(m_window->statusFrame(), m_window->playArea(0)));
    }

    // Filled from the right end of the inside of the bevels (measured by tst_scaled_lines).
    void gaugeFillsFromTheRightInsideTheBevels_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("filledShare");
        QTest::newRow("empty") << 0.0 << 0.0;
        QTest::newRow("full") << 100.0 << 1.0;
        QTest::newRow("fraction") << 29.4 << 0.294;
        QTest::newRow("below zero shows nothing") << -5.0 << 0.0;
    }
    void gaugeFillsFromTheRightInsideTheBevels()
    {
        QFETCH(double, percent);
        QFETCH(double, filledShare);
        StatusPanel panel;
        panel.resize(121, 22);
        panel.setBackgroundColor(QColor(255, 0, 0));
        panel.setGaugeColor(QColor(0, 0, 255));
        panel.setGaugePercent(percent);
        const QRectF fill = panel.gaugeRect();
        QVERIFY(qAbs(fill.width() - 117 * filledShare) < 1e-9);
        QVERIFY(filledShare == 0 || fill.right() == 119.0);

        const QImage shot = panel.grab().toImage();
        const QColor blue(0, 0, 255);
        QCOMPARE(shot.pixelColor(118, 11) == blue, filledShare > 0);
        QCOMPARE(shot.pixelColor(3, 11) == blue, filledShare == 1.0);
    }

    // However the dialog closes, the record gets the name typed so far: else the file would get
    // the old holder's name with the new score.
    void everyWayOutTakesTheTrimmedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("way"); // the OK button, Escape or the close box
        QTest::addColumn<QString>("name");
        const auto row = [](const char* tag, const QString& typed, const QString& pasted,
                            const char* way, const QString& name) {
            QTest::newRow(tag) << typed << pasted << QString(way) << name;
        };
        row("blanks around, Escape", "  ab c  ", "", "Escape", "ab c");
        row("ideographic blanks, close box", "　太郎　", "", "close", "太郎");
        row("seventh refused", "abcdefgh", "", "OK", "abcdef");
        row("double byte counts one", "山田太郎花子様", "", "OK", "山田太郎花子");
        row("beyond BMP counts one", "𠮷𠮷𠮷𠮷𠮷𠮷𠮷", "", "OK", "𠮷𠮷𠮷𠮷𠮷𠮷");
        row("paste keeps what fits", "abcd", "XYZ", "OK", "abcdXY");
        row("paste into full box", "abcdef", "Z", "OK", "abcdef");
        row("blanks only", "   ", "", "OK", "");
        row("inner blanks stay", "a 　b", "", "OK", "a 　b");
        row("tab and no-break space are no blanks", "", "\t\u00a0x\t", "OK", "\t\u00a0x\t");
    }

    void everyWayOutTakesTheTrimmedName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, way);
        Record state;
        state.holder = QStringLiteral("old");
        NewRecordDialog dialog(state);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* text = dialog.findChild<QLineEdit*>("nameBox");
        QCOMPARE(QApplication::focusWidget(), text);
        type(text, typed);
        text->insert(pasted);
        if (way == "OK")
            QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        else if (way == "Escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();

        QVERIFY(!dialog.isVisible());
        QTEST(state.holder, "name");
    }

    // Asked again after it was narrowed by hand and closed, the same viewer comes back at the
    // asked place with a fresh search; a keyword then leads to its topic.
    void eachMenuCommandOpensItsPlace_data()
    {
        QTest::addColumn<Handler>("handler");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("keyword"); // typed into the search box, and where it leads
        QTest::addColumn<QString>("keywordPage");
        const auto row = [](const char* command, Handler handler, const char* page,
                            const char* heading, const char* topic, const char* keyword = "",
                            const char* keywordPage = "") {
            QTest::newRow(command) << handler << QString(page) << QString(heading) << QString(topic)
                                   << QString(keyword) << QString(keywordPage);
        };
        row("目次", showHelpContents, "index.html", "GAL PORTRAIT ヘルプ", "目次");
        row("キーワードで検索", showHelpSearch, "index.html", "GAL PORTRAIT ヘルプ", "目次",
            "時間切", "/doc/time.html#timeout");
        row("ヘルプについて", showHelpOnHelp, "viewer.html", "ヘルプの使い方", "ヘルプの使い方");
        row("Contents", showHelpContents, "en/index.html", "GAL PORTRAIT Help", "Contents");
        row("Search by Keyword", showHelpSearch, "en/index.html", "GAL PORTRAIT Help", "Contents",
            "score", "/doc/en/score.html#calc");
        row("Using Help", showHelpOnHelp, "en/viewer.html", "Using Help", "Using Help");
    }

    void eachMenuCommandOpensItsPlace()
    {
        QFETCH(Handler, handler);
        QFETCH(QString, page);
        QFETCH(QString, heading);
        QFETCH(QString, topic);
        QFETCH(QString, keyword);
        const QString language = page.section(u'/', 0, -2);
        const auto translator = installLanguage(language);
        QWidget owner;
        HelpViewer* viewer = showHelpContents(&owner, m_helpFile);
        QVERIFY(viewer);
        QVERIFY2(viewer->isReady(), qPrintable(pageText(viewer)));
        auto* searchBox = viewer->findChild<QLineEdit*>("searchBox");
        auto* index = viewer->findChild<QHelpIndexWidget*>("keywordIndex");
        const int fullIndex = keywordsInProject(language.isEmpty() ? "ja" : language);
        QTRY_COMPARE(index->model()->rowCount(), fullIndex);
        searchBox->setText(QStringLiteral("Bad"));
        QTRY_VERIFY(index->model()->rowCount() < fullIndex);
        viewer->close();

        handler(&owner, m_helpFile);
        QCOMPARE(owner.findChildren<HelpViewer*>(), QList<HelpViewer*>{viewer});
        QVERIFY(viewer->isVisible() && !viewer->isModal());
        QCOMPARE(viewer->findChild<QTabWidget*>("tabs")->currentIndex(),
                 keyword.isEmpty() ? HelpViewer::ContentsTab : HelpViewer::KeywordTab);
        QCOMPARE(viewer->currentPage().toString(QUrl::RemoveAuthority), "qthelp:/doc/" + page);
        QVERIFY(pageText(viewer).startsWith(heading));
        QTRY_COMPARE(
            viewer->findChild<QHelpContentWidget*>("contents")->currentIndex().data().toString(),
            topic);
        if (keyword.isEmpty())
            return;
        QVERIFY(searchBox->text().isEmpty());
        QCOMPARE(index->model()->rowCount(), fullIndex);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTRY_VERIFY(searchBox->hasFocus());
        searchBox->insert(keyword); // QTest types ASCII only
        QTRY_COMPARE(index->model()->rowCount(), 1);
        QTest::keyClick(searchBox, Qt::Key_Return);
        QTEST(viewer->currentPage().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority),
              "keywordPage");
    }

    // A help file with the pages of one language only shows those, whatever the game's language,
    // rather than a blank page, contents and index.
    void helpInOneLanguageShowsItsPages_data()
    {
        QTest::addColumn<QString>("kept"); // the language of the help file's pages
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("heading");
        QTest::newRow("Japanese pages, English game")
            << "ja" << QString("en") << "GAL PORTRAIT ヘルプ";
        QTest::newRow("English pages, Japanese game") << "en" << QString() << "GAL PORTRAIT Help";
    }
    void helpInOneLanguageShowsItsPages()
    {
        QFETCH(QString, kept);
        QFETCH(QString, language);
        QFETCH(QString, heading);
        QTemporaryDir dir;
        const QString project = QFileInfo(GP_TEST_HELP_PROJECT).path();
        QCOMPARE(QProcess::execute("cp", {"-R", "--", project + "/.", dir.path()}), 0);
        const QString qhp = dir.filePath(QFileInfo(GP_TEST_HELP_PROJECT).fileName());
        QString text = QString::fromUtf8(readBytes(qhp));
        for (const QRegularExpressionMatch& m : kHelpSection.globalMatch(text))
            if (m.captured(1) != kept)
                text.remove(m.captured(0));
        QVERIFY(QFile::remove(qhp) && writeBytes(qhp, text.toUtf8()));
        const QString helpFile = dir.filePath("one.hlp");
        QCOMPARE(QProcess::execute(GP_TEST_HELP_GENERATOR, {qhp, "-o", helpFile}), 0);

        const auto translator = installLanguage(language);
        HelpViewer viewer(helpFile);
        viewer.showContents();
        QVERIFY2(viewer.isReady(), qPrintable(pageText(&viewer)));
        QVERIFY2(pageText(&viewer).startsWith(heading), qPrintable(pageText(&viewer)));
        QTRY_VERIFY(viewer.findChild<QHelpContentWidget*>("contents")->model()->rowCount() > 0);
        QTRY_COMPARE(viewer.findChild<QHelpIndexWidget*>("keywordIndex")->model()->rowCount(),
                     keywordsInProject(kept));
    }

    void unusableFileIsExplainedOnThePage()
    {
        QTemporaryDir dir;
        const QString text = dir.filePath("text.hlp"), folder = dir.filePath("folder.hlp");
        QVERIFY(writeBytes(text, "ヘルプではない") && QDir().mkdir(folder));
        for (const QString& path : {dir.filePath("missing.hlp"), text, folder}) {
            QWidget owner;
            for (Handler handler : {showHelpContents, showHelpSearch, showHelpOnHelp}) {
                HelpViewer* viewer = handler(&owner, path);
                QVERIFY(viewer && viewer->isVisible() && !viewer->isReady());
                QVERIFY(viewer->currentPage().isEmpty());
                QVERIFY(pageText(viewer).startsWith(QStringLiteral("ヘルプを表示できません")));
                QVERIFY2(pageText(viewer).contains(path), qPrintable(path));
            }
        }
    }

    // The help's cache goes under the real home, where the record goes too: not beside it under
    // a name Qt spelled with replacement characters, nor under the folder the game started from.
    void helpCacheLiesUnderTheRealHome_data()
    {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("cache"); // XDG_CACHE_HOME
        QTest::newRow("home not in UTF-8") << QByteArray("/\xff") << QByteArray();
        QTest::newRow("relative XDG_CACHE_HOME") << QByteArray("/home") << QByteArray("cache");
    }
    void helpCacheLiesUnderTheRealHome()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, cache);
        QTemporaryDir dir;
        const QByteArray top = QFile::encodeName(dir.path());
        // QDir can neither list nor remove what it cannot spell.
        const auto remove = qScopeGuard([&] {
            QProcess::execute("rm", {"-rf", "--", dir.path()});
        });
        QVERIFY(::mkdir(top + home, 0700) == 0);
        const QByteArray oldHome = setEnv("HOME", top + home);
        const QByteArray oldCache = setEnv("XDG_CACHE_HOME", cache);
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool ready = HelpViewer(m_helpFile).isReady();
        QVERIFY(QDir::setCurrent(started));
        setEnv("HOME", oldHome);
        setEnv("XDG_CACHE_HOME", oldCache);
        QVERIFY(ready);
        QProcess ls; // QDir leaves out the names it cannot spell
        ls.start("ls", {"-A", dir.path()});
        QVERIFY(ls.waitForFinished());
        QCOMPARE(ls.readAllStandardOutput(), home.sliced(1) + '\n'); // nothing beside the home
        // Qt cannot spell the home's name; a descriptor of it can.
        const int homeFd = ::open(top + home, O_PATH | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(homeFd >= 0);
        const auto closeHome = qScopeGuard([homeFd] { ::close(homeFd); });
        QVERIFY(QDirIterator(QStringLiteral("/proc/self/fd/%1/.cache").arg(homeFd), {"help-*.qhc"},
                             QDir::Files, QDirIterator::Subdirectories)
                    .hasNext());
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
        auto* page = viewer.findChild<QTextBrowser*>("page");
        // A link in a page goes the same way as these; nothing here answers for http:.
        for (const QUrl& url : {QUrl::fromLocalFile(secret), QUrl("http://example.org/x.html")}) {
            page->setSource(url);
            QCOMPARE(viewer.currentPage(), home);
        }
        QVERIFY(!pageText(&viewer).contains(QStringLiteral("secret")));
        // Asked through the document, as a page's <img> asks: for a null answer it would read
        // file: URLs, and paths relative to the current folder while no page is shown, itself.
        HelpBrowser blank;
        const QString folder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        for (QTextDocument* document : {page->document(), blank.document()})
            for (const QUrl& url :
                 {QUrl::fromLocalFile(secret), QUrl(QStringLiteral("secret.html"))})
                for (int type : {QTextDocument::HtmlResource, QTextDocument::ImageResource})
                    QVERIFY(!document->resource(type, url).toByteArray().contains("secret"));
        QDir::setCurrent(folder);
        // Its own pictures and style still come.
        const QUrl style = home.resolved(QUrl("style.css"));
        QVERIFY(page->loadResource(QTextDocument::StyleSheetResource, style).isValid());
    }

    // The hidden gesture on any title line: the right button with Shift and Ctrl, nothing else.
    void debugGestureIsRightClickWithShiftCtrl_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("debug");
        const Qt::KeyboardModifiers shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
        QTest::newRow("right, Shift+Ctrl") << Qt::RightButton << shiftCtrl << true;
        QTest::newRow("left, Shift+Ctrl") << Qt::LeftButton << shiftCtrl << false;
        QTest::newRow("middle, Shift+Ctrl") << Qt::MiddleButton << shiftCtrl << false;
        QTest::newRow("right, Shift+Ctrl+Alt")
            << Qt::RightButton << (shiftCtrl | Qt::AltModifier) << false;
        QTest::newRow("right, Shift")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("right, Ctrl")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
        QTest::newRow("right alone") << Qt::RightButton << Qt::KeyboardModifiers() << false;
    }
    void debugGestureIsRightClickWithShiftCtrl()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, debug);
        for (int index = 0; index < 3; ++index) {
            AboutDialog dialog;
            int requests = 0;
            connect(&dialog, &AboutDialog::debugModeRequested, [&] { ++requests; });
            QStringList shown;
            dialog.setMessageBox([&](QWidget*, const QString& text) { shown << text; });
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            // Twice: a repeated gesture speaks and reports again.
            for (int click = 0; click < 2; ++click)
                QTest::mouseClick(dialog.titleLabel(index), button, modifiers);
            QCOMPARE(requests, debug ? 2 : 0);
            QCOMPARE(shown, debug ? QStringList(2, QStringLiteral("Debug Mode!!")) : QStringList());
            QVERIFY(dialog.isVisible());
        }
    }

    // Last: the catalogues installed here stay for the whole program.
    void languageFollowsTheDesktop_data()
    {
        QTest::addColumn<QByteArrayList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<bool>("english");
        const auto row = [](const char* name, QByteArrayList environment, bool english) {
            QTest::newRow(name) << environment << english;
        };
        row("nothing set", {"", "", "", ""}, false);
        for (const char* c : {"C", "C.UTF-8", "POSIX"})
            row(qPrintable(QStringLiteral("LANG=%1").arg(c)), {"", "", "", c}, false);
        row("LANG=ja_JP.UTF-8", {"", "", "", "ja_JP.UTF-8"}, false);
        row("LANG=en_US.UTF-8", {"", "", "", "en_US.UTF-8"}, true);
        row("LANG=de_DE.UTF-8", {"", "", "", "de_DE.UTF-8"}, true);
        row("Jamaican is not Japanese", {"", "", "", "jam_JM"}, true);
        row("LANGUAGE=ja LANG=en_US", {"ja", "", "", "en_US.UTF-8"}, false);
        row("LANGUAGE=en LANG=ja_JP", {"en", "", "", "ja_JP.UTF-8"}, true);
        row("LANGUAGE=fr:ja LANG=fr_FR", {"fr:ja", "", "", "fr_FR.UTF-8"}, false);
        row("LANGUAGE=fr:en_GB:ja", {"fr:en_GB:ja", "", "", "fr_FR.UTF-8"}, true);
        // Neither English nor Japanese listed: the locale's language decides.
        row("LANGUAGE=fr LANG=ja_JP", {"fr", "", "", "ja_JP.UTF-8"}, false);
        row("LANGUAGE=fr LC_MESSAGES=ja_JP", {"fr", "", "ja_JP.UTF-8", "de_DE.UTF-8"}, false);
        row("LANGUAGE=fr LANG=C.UTF-8", {"fr", "", "", "C.UTF-8"}, false);
        row("LANGUAGE=fr LANG=C", {"fr", "", "", "C"}, false);
        row("LANGUAGE=fr", {"fr", "", "", ""}, false);
        row("LANGUAGE=fr LANG=fr_FR", {"fr", "", "", "fr_FR.UTF-8"}, true);
        // LC_ALL outranks LC_MESSAGES, which outranks LANG.
        row("LC_ALL=C LC_MESSAGES=en_US", {"", "C", "en_US.UTF-8", "en_US.UTF-8"}, false);
        row("LC_ALL=en_US LANG=ja_JP", {"", "en_US.UTF-8", "", "ja_JP.UTF-8"}, true);
        row("LC_MESSAGES=en_US LANG=ja_JP", {"", "", "en_US.UTF-8", "ja_JP.UTF-8"}, true);
    }
    void languageFollowsTheDesktop()
    {
        QFETCH(QByteArrayList, environment);
        const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        for (qsizetype i = 0; i < 4; ++i)
            environment[i] = setEnv(names[i], environment[i]);
        const GameLanguage chosen = chooseGameLanguage();
        for (qsizetype i = 0; i < 4; ++i)
            setEnv(names[i], environment[i]);
        QTEST(chosen == GameLanguage::English, "english");
    }

    // An English game keeps Qt's own English; Qt's Japanese, loaded next, names buttons and menus,
    // and Qt Help's speaks in the help viewer.
    void qtsOwnTextsFollowTheGamesLanguage()
    {
        const char* help = "The specified namespace does not exist.";
        QVERIFY(installTranslations(*qApp, GameLanguage::English));
        QCOMPARE(QCoreApplication::translate("MainMenu", "サイレントモード"),
                 QStringLiteral("Sound"));
        const auto english = makeMessageBox(nullptr, MessageKind::Confirmation, "x");
        QCOMPARE(english->button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
        QCOMPARE(QCoreApplication::translate("QHelpEngineCore", help), QLatin1String(help));
        QVERIFY(installTranslations(*qApp, GameLanguage::Japanese));
        QCOMPARE(QCoreApplication::translate("QHelpEngineCore", help),
                 QStringLiteral("指定されたネームスペースが存在しません。"));
        const auto box = makeMessageBox(nullptr, MessageKind::Confirmation, "x");
        QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("コピー(&C)"));
    }

    void boxesAreWideEnoughForTheirTitle_data()
    {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("time-out") << MessageKind::Warning << "時間切れ ！";
        QTest::newRow("debug mode") << MessageKind::Plain << "Debug Mode!!";
        QTest::newRow("exit prompt") << MessageKind::Confirmation << "GAL PORTRAITを終了します。";
    }
    void boxesAreWideEnoughForTheirTitle()
    {
        QFETCH(MessageKind, kind);
        QFETCH(QString, text);
        const auto box = makeMessageBox(nullptr, kind, text);
        box->setWindowModality(Qt::NonModal); // measured, not answered
        box->show();
        QCOMPARE(box->windowTitle(), QStringLiteral("GAL PORTRAIT"));
        QCOMPARE(box->text(), text);
        // The title bar as a window manager draws it: the title in bold, a character's room on
        // either side, and an icon and three buttons, each a square of the bar's height.
        QFont bold = box->font();
        bold.setBold(true);
        const QFontMetrics title(bold);
        const int bar = title.height() + 8;
        const int needed =
            title.horizontalAdvance(box->windowTitle()) + 2 * title.averageCharWidth() + 4 * bar;
        QCOMPARE_GE(box->width(), needed);
    }
};

GP_GUI_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
