// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from process start to the first painted frame of the main window, in Japanese and in
// English, beside a bare Qt main window measured the same way in the same run. The parent starts
// itself as a child in each mode and times from the start request to the child's report of its
// first frame.

#include "app/main_controller.h"
#include "app/qt_translations.h"
#include "game/game_model.h"
#include "ui/art.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report after this paint has finished.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    QApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

int runChild(int argc, char** argv, const QByteArray& mode)
{
    QApplication app(argc, argv);
    FirstPaint probe;
    if (mode != "bare") {
        // As the program does: the game's catalogue for English, Qt's own for Japanese.
        gp::installTranslations(app, mode == "english" ? gp::GameLanguage::English
                                                       : gp::GameLanguage::Japanese);
        QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(gp::programIcon()); });
        gp::GameModel model;
        gp::MainWindow window(model);
        gp::MainController controller(model, window);
        window.centralWidget()->installEventFilter(&probe);
        controller.startUp();
        return app.exec();
    }
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Menu"));
    window.setCentralWidget(new QWidget);
    window.centralWidget()->installEventFilter(&probe);
    window.resize(736, 473);
    window.show();
    return app.exec();
}

double timeChild(const QString& program, const char* mode)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(program, {QStringLiteral("--child"), QLatin1String(mode)});
    while (child.waitForReadyRead(10000)) {
        if (child.readAll().contains("painted"))
            break;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, argv[2]);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const int rounds = 15;
    std::vector<double> game;
    std::vector<double> english;
    std::vector<double> bare;
    timeChild(self, "japanese"); // warm the file cache
    timeChild(self, "english");
    for (int i = 0; i < rounds; ++i) {
        game.push_back(timeChild(self, "japanese"));
        english.push_back(timeChild(self, "english"));
        bare.push_back(timeChild(self, "bare"));
    }
    const double g = median(game);
    const double e = median(english);
    const double b = median(bare);
    std::printf("first painted frame, median of %d: game in Japanese %.1f ms, in English %.1f ms "
                "(%+.1f ms), bare window %.1f ms, ratio %.2f\n",
                rounds, g, e, e - g, b, g / b);
    return 0;
}
