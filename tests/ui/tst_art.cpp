// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures for the ratio of the screen they are shown on. CTest runs this once for each
// ratio a desktop commonly sets (QT_SCALE_FACTOR, given again as GP_TEST_RATIO so a run that did
// not get its ratio fails instead of testing 1 seven times), and on two screens.

#include "game/face_geometry.h"
#include "tests/support/gui_test_main.h"
#include "ui/art.h"
#include "ui/face_renderer.h"
#include "ui/sprite.h"

#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

using namespace gp;

namespace {

qreal expectedRatio()
{
    return qEnvironmentVariable("GP_TEST_RATIO", QStringLiteral("1")).toDouble();
}

QSize deviceSize(QSize logical, qreal ratio)
{
    return deviceRect(QRect(QPoint(), logical), ratio).size();
}

QImage pixels(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

// The whole face drawn straight from the girl's file by Qt's renderer, at the given ratio.
QImage svgFace(int girl, qreal ratio)
{
    QImage image(deviceSize({kFaceWidth, kFaceHeight}, ratio), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QSvgRenderer(QStringLiteral(":/art/girl_%1.svg").arg(QChar(u'a' + girl)))
        .render(&p, QRectF(0, 0, kFaceWidth * ratio, kFaceHeight * ratio));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestArt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), expectedRatio()); }

    // Each picture at this ratio has the ratio's pixel size, says so, and is the SVG drawn at
    // that size: the faces and parts pixel for pixel, not a picture of another density scaled.
    void picturesAreDrawnAtTheScreensRatio_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (int girl = 0; girl < kGirlCount; ++girl) {
            const QString pre = QChar(u'a' + girl) + QStringLiteral("_");
            QTest::newRow(qPrintable(pre + "complete"))
                << pre + "complete" << QSize(kFaceWidth, kFaceHeight);
            QTest::newRow(qPrintable(pre + "blank"))
                << pre + "blank" << QSize(kFaceWidth, kFaceHeight);
            for (int part = 0; part < kPartCount; ++part)
                QTest::newRow(qPrintable(pre + "part" + QString::number(part)))
                    << pre + "part" + QString::number(part) << kPartSizes[girl][part];
        }
        QTest::newRow("icon") << "icon" << QSize(26, 26);
        QTest::newRow("invisible_cursor") << "invisible_cursor" << QSize(32, 32);
    }
    void picturesAreDrawnAtTheScreensRatio()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const qreal ratio = expectedRatio();
        const QPixmap pixmap = artPixmap(name, size, ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), deviceSize(size, ratio));

        const QImage image = pixels(pixmap);
        const int girl = name.startsWith('b') ? GirlB : GirlA;
        if (name.endsWith("complete")) {
            QCOMPARE(image, svgFace(girl, ratio));
        } else if (name.contains("part")) {
            const int part = name.back().digitValue();
            QCOMPARE(image, svgFace(girl, ratio).copy(deviceRect(partCutRect(girl, part), ratio)));
        } else if (name.endsWith("blank")) {
            // Everything but the parts: the complete face wherever no part lies.
            QImage face = svgFace(girl, ratio);
            QPainter painter(&face);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            for (int part = 0; part < kPartCount; ++part) {
                const QRect cut = deviceRect(partCutRect(girl, part), ratio);
                painter.drawImage(cut.topLeft(), image.copy(cut));
            }
            painter.end();
            QCOMPARE(image, face);
        } else if (name == "icon") {
            // A head on nothing: transparent corners, an opaque middle.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        } else {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QCOMPARE(qAlpha(image.pixel(x, y)), 0);
        }
    }

    // What a shown control paints is the picture of its screen's ratio, device pixel for device
    // pixel; so is the pointer it carries, and the window icon. With two screens of different
    // ratios (tst_art_two_screens) the window is moved to each and back, and follows.
    void shownPicturesFollowTheScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("part") << "b_part3" << kPartSizes[GirlB][3];
        QTest::newRow("face") << "a_complete" << QSize(kFaceWidth, kFaceHeight);
    }
    void shownPicturesFollowTheScreen()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QWidget window;
        window.resize(size + QSize(20, 20));
        auto* sprite = new Sprite(&window);
        sprite->setPicture(name, size);
        sprite->moveTo(10, 10);
        sprite->setDragIcon(QStringLiteral("invisible_cursor"), {32, 32});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QScreen* screen : QGuiApplication::screens() + QList{window.screen()}) {
            window.move(screen->geometry().topLeft() + QPoint(50, 50));
            QTRY_COMPARE(window.screen(), screen);
            const qreal ratio = screen->devicePixelRatio();
            QCOMPARE(sprite->devicePixelRatioF(), ratio);
            // The picture covers the control's device pixels exactly: at a fractional ratio one
            // pixel short would leave a seam of whatever lay there before.
            QCOMPARE(pixels(sprite->grab()), pixels(artPixmap(name, size, ratio)));
            QCOMPARE(sprite->dragIcon().devicePixelRatio(), ratio);
            QCOMPARE(sprite->dragIcon().size(), deviceSize({32, 32}, ratio));
        }
        const QPixmap icon = programIcon().pixmap(QSize(32, 32), expectedRatio());
        QCOMPARE(icon.devicePixelRatio(), expectedRatio());
        QCOMPARE(icon.size(), deviceSize({32, 32}, expectedRatio()));
    }
};

GP_GUI_TEST_MAIN(TestArt)
#include "tst_art.moc"
