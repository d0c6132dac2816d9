// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/qt_translations.h"
#include "tests/support/gui_test_main.h"
#include "ui/message_box.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

using namespace gp;

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheDesktop_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("english");
        const auto row = [](const char* name, const char* tags, QLocale::Language language,
                            bool english) {
            QTest::newRow(name) << QString::fromLatin1(tags).split(u',', Qt::SkipEmptyParts)
                                << int(language) << english;
        };
        row("LANG=C.UTF-8", "C", QLocale::C, false);
        row("LANG=ja_JP", "ja-JP,ja-Jpan-JP,ja", QLocale::Japanese, false);
        row("LANG=en_US", "en-US,en-Latn-US,en", QLocale::English, true);
        row("LANGUAGE=ja LANG=en_US", "ja,ja-Jpan-JP,ja-JP", QLocale::Japanese, false);
        row("LANGUAGE=fr:ja LANG=fr_FR", "fr,fr-FR,ja,ja-JP", QLocale::French, false);
        row("LANGUAGE=fr:en:ja", "fr,fr-FR,en,en-US,ja", QLocale::French, true);
        row("LANG=de_DE", "de-DE,de-Latn-DE,de", QLocale::German, true);
        row("Jamaican is not Japanese", "jam-JM,jam", QLocale::AnyLanguage, true);
    }
    void languageFollowsTheDesktop()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(int, language);
        QFETCH(bool, english);
        QCOMPARE(chooseGameLanguage(uiLanguages, QLocale::Language(language)) ==
                     GameLanguage::English,
                 english);
    }

    // Runs before Qt's Japanese is loaded: once the catalogues are in, they stay for the whole
    // program.
    void englishGameKeepsQtsEnglish()
    {
        QVERIFY(installTranslations(*qApp, GameLanguage::English));
        QCOMPARE(QCoreApplication::translate("MainMenu", "サイレントモード"),
                 QStringLiteral("Sound"));
        const auto box = makeMessageBox(nullptr, MessageKind::Confirmation, QStringLiteral("x"));
        QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
    }

    void buttonsAndTextMenusSpeakJapanese()
    {
        QVERIFY(installQtJapanese(*qApp) >= 1);
        const auto box = makeMessageBox(nullptr, MessageKind::Confirmation,
                                        QStringLiteral("GAL PORTRAITを終了します。"));
        QCOMPARE(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("コピー(&C)"));
    }

    void boxesAreWideEnoughForTheirTitle_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("time-out") << int(MessageKind::Warning) << "時間切れ ！";
        QTest::newRow("debug mode") << int(MessageKind::Plain) << "Debug Mode!!";
        QTest::newRow("exit prompt")
            << int(MessageKind::Confirmation) << "GAL PORTRAITを終了します。";
    }
    void boxesAreWideEnoughForTheirTitle()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        const auto box = makeMessageBox(nullptr, MessageKind(kind), text);
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
        QVERIFY2(box->width() >= needed,
                 qPrintable(QStringLiteral("%1 < %2").arg(box->width()).arg(needed)));
        box->close();
    }
};

GP_GUI_TEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
