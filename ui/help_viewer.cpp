// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_viewer.h"

#include "base/plain_file.h"
#include "base/user_folder.h"
#include "media/help_collection.h"
#include "ui/fonts.h"
#include "ui/help_browser.h"
#include "ui/help_menu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

namespace gp {

namespace {

// Page names inside the help file; every topic lies in the one virtual folder "doc".
const QString kContentsPage = QStringLiteral("index.html");
const QString kHelpOnHelpPage = QStringLiteral("viewer.html");

} // namespace

HelpViewer::HelpViewer(const QString& helpFile, QWidget* parent)
    : QWidget(parent, Qt::Window), m_helpFile(QFileInfo(helpFile).absoluteFilePath())
{
    // The desktop adds " — GAL PORTRAIT" to every window title but the main one.
    setWindowTitle(tr("ヘルプ"));
    // Closing the help must never end the game.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(gameFont(FontFace::MsPGothic, 9));

    m_browser = new HelpBrowser;
    m_browser->setObjectName(QStringLiteral("page"));
    m_browser->document()->setDefaultFont(gameFont(FontFace::MsPGothic, 10.5));
    openHelpFile();

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(makeContentsTab(), tr("目次"));
    m_tabs->addTab(makeKeywordTab(), tr("キーワード"));
    m_tabs->setEnabled(isReady());

    auto* home = new QToolButton;
    home->setText(tr("目次"));
    auto* back = new QToolButton;
    back->setText(tr("戻る"));
    back->setEnabled(false);
    auto* forward = new QToolButton;
    forward->setText(tr("進む"));
    forward->setEnabled(false);
    home->setEnabled(isReady());
    connect(home, &QToolButton::clicked, this, [this] { openPage(pageUrl(kContentsPage)); });
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::syncContents);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(m_browser);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_tabs);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 530});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(760, 520);
}

QWidget* HelpViewer::makeContentsTab()
{
    if (!m_engine)
        return new QWidget;
    m_contents = m_engine->contentWidget();
    m_contents->setObjectName(QStringLiteral("contents"));
    connect(m_contents, &QHelpContentWidget::linkActivated, this, &HelpViewer::openPage);
    // The tree is filled in the background; open it fully once it is there.
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        m_contents->expandAll();
        syncContents(m_browser->source());
    });
    return m_contents;
}

QWidget* HelpViewer::makeKeywordTab()
{
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* prompt = new QLabel(tr("調べたいことばを入力してください(&W):"));
    m_searchBox = new QLineEdit;
    m_searchBox->setObjectName(QStringLiteral("searchBox"));
    prompt->setBuddy(m_searchBox);
    layout->addWidget(prompt);
    layout->addWidget(m_searchBox);
    if (!m_engine)
        return tab;

    m_index = m_engine->indexWidget();
    m_index->setObjectName(QStringLiteral("keywordIndex"));
    layout->addWidget(m_index);
    m_searchBox->installEventFilter(this);
    connect(m_searchBox, &QLineEdit::textChanged, m_index,
            [this](const QString& text) { m_index->filterIndices(text); });
    connect(m_searchBox, &QLineEdit::returnPressed, m_index,
            &QHelpIndexWidget::activateCurrentItem);
    connect(m_index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link) { openPage(link.url); });
    // Every keyword of this help file leads to one topic; should one ever lead to more,
    // the first is as good a place to start as any.
    connect(m_index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links) {
                if (!links.isEmpty())
                    openPage(links.first().url);
            });
    // The index is also built in the background and arrives unfiltered.
    connect(m_engine->indexModel(), &QHelpIndexModel::indexCreated, this,
            [this] { m_index->filterIndices(m_searchBox->text()); });
    return tab;
}

void HelpViewer::openHelpFile()
{
    const QFileInfo info(m_helpFile);
    if (!info.isFile() || !info.isReadable()) {
        showFailure(tr("ファイルが見つからないか、読むことができません。"));
        return;
    }
    m_namespace = QHelpEngineCore::namespaceName(m_helpFile);
    if (m_namespace.isEmpty()) {
        showFailure(tr("ヘルプファイルの形式が正しくありません。"));
        return;
    }
    // The collection is only a cache: one that cannot be used is thrown away and made anew, and
    // where the user's cache folder cannot be written, a private temporary one serves this run.
    QString cache = userFolder("XDG_CACHE_HOME", ".cache");
    for (const QString& name :
         {QCoreApplication::organizationName(), QCoreApplication::applicationName()})
        if (!name.isEmpty())
            cache += QLatin1Char('/') + name;
    QDir().mkpath(cache);
    QString collection = helpCollectionFile(m_helpFile, cache);
    QString error;
    // SQLite opens whatever lies there: a FIFO would block it for good. Such a thing is left alone
    // and the private cache used.
    const PathKind kind = pathKind(collection);
    const int first = kind == PathKind::Missing || kind == PathKind::PlainFile ? 0 : 2;
    for (int attempt = first; attempt < 3 && !m_engine; ++attempt) {
        if (attempt == 1)
            QFile::remove(collection);
        if (attempt == 2) {
            m_privateCache = std::make_unique<QTemporaryDir>();
            if (!m_privateCache->isValid())
                break;
            collection = helpCollectionFile(m_helpFile, m_privateCache->path());
        }
        auto* engine = new QHelpEngine(collection, this);
        if (registerHelpFile(engine)) {
            m_engine = engine;
        } else {
            error = engine->error();
            delete engine;
        }
    }
    if (!m_engine) {
        showFailure(tr("ヘルプの作業用ファイル「%1」を作れませんでした。%2")
                        .arg(QDir::toNativeSeparators(collection), error),
                    false);
        return;
    }
    m_browser->setHelpEngine(m_engine);
    // Contents and keywords of the pages in the game's language only; a help file without them
    // shows those of the language it has rather than nothing at all.
    QStringList languages;
    for (const QStringList& set : m_engine->filterAttributeSets(m_namespace))
        languages += set;
    m_language = pageLanguage();
    if (!languages.contains(m_language) && !languages.isEmpty())
        m_language =
            languages.contains(QLatin1String("ja")) ? QStringLiteral("ja") : languages.first();
    if (!m_engine->customFilters().contains(m_language))
        m_engine->addCustomFilter(m_language, {m_language});
    m_engine->setCurrentFilter(m_language);
}

bool HelpViewer::registerHelpFile(QHelpEngine* engine) const
{
    // Read-only is the engine's default, and a read-only engine never makes its tables.
    engine->setReadOnly(false);
    if (!engine->setupData())
        return false;
    const QStringList known = engine->registeredDocumentations();
    if (known.contains(m_namespace) && engine->documentationFileName(m_namespace) != m_helpFile &&
        !engine->unregisterDocumentation(m_namespace))
        return false;
    return engine->registeredDocumentations().contains(m_namespace) ||
           engine->registerDocumentation(m_helpFile);
}

void HelpViewer::showFailure(const QString& reason, bool helpFileAtFault)
{
    const QString cannotOpen = tr("ヘルプファイル「%1」を開けませんでした。");
    QString page = QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>")
                       .arg(tr("ヘルプを表示できません"),
                            cannotOpen.arg(m_helpFile.toHtmlEscaped()), reason.toHtmlEscaped());
    if (helpFileAtFault) {
        // The program's and the help file's names are the same in every language.
        const QString advice =
            tr("%1 のプログラムと同じフォルダに、ヘルプファイル %2 があるかを確かめてください。");
        page += QStringLiteral("<p>%1</p>")
                    .arg(advice.arg(QStringLiteral("GAL PORTRAIT"), kHelpFileName));
    }
    m_browser->setHtml(page);
}

QUrl HelpViewer::currentPage() const
{
    return isReady() ? m_browser->source() : QUrl();
}

QString HelpViewer::pageLanguage()
{
    //: The language of the help pages to show: their folder and filter in the help file.
    return tr("ja", "help pages");
}

QUrl HelpViewer::pageUrl(const QString& page) const
{
    // The Japanese pages lie at the top of the help file, those of another language in a folder
    // named after it.
    const QString folder =
        m_language == QLatin1String("ja") ? QString() : m_language + QLatin1Char('/');
    return QUrl(QStringLiteral("qthelp://%1/doc/%2%3").arg(m_namespace, folder, page));
}

void HelpViewer::openPage(const QUrl& url)
{
    if (isReady() && url != m_browser->source())
        m_browser->setSource(url);
}

void HelpViewer::syncContents(const QUrl& page)
{
    // The browser signals the new page before its source() has caught up.
    if (!m_contents)
        return;
    const QModelIndex item = m_contents->indexOf(page);
    if (item.isValid())
        m_contents->setCurrentIndex(item);
}

void HelpViewer::showContents()
{
    m_tabs->setCurrentIndex(ContentsTab);
    openPage(pageUrl(kContentsPage));
    bringToFront();
}

void HelpViewer::showKeywordSearch(const QString& key)
{
    m_tabs->setCurrentIndex(KeywordTab);
    if (m_browser->source().isEmpty())
        openPage(pageUrl(kContentsPage));
    m_searchBox->setText(key);
    bringToFront();
    m_searchBox->setFocus(Qt::OtherFocusReason);
}

void HelpViewer::showHelpOnHelp()
{
    m_tabs->setCurrentIndex(ContentsTab);
    openPage(pageUrl(kHelpOnHelpPage));
    bringToFront();
}

void HelpViewer::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys walk the keyword list while the typing stays in the search box.
    if (watched == m_searchBox && event->type() == QEvent::KeyPress && m_index) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_index, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gp
