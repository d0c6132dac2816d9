// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/face_geometry.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

QString girlName(int girl)
{
    return QString(QChar('a' + girl));
}

QString suffix(int scale)
{
    return scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
}

// Pixels as stored: the reader would mark @2x files as half-size for drawing.
QImage art(const QString& name)
{
    QImage image(QStringLiteral(":/art/") + name);
    image.setDevicePixelRatio(1);
    return image;
}

QRect cutRect(int girl, int part, int scale)
{
    const QRect r = gp::partCutRect(girl, part);
    return QRect(r.left() * scale, r.top() * scale, r.width() * scale, r.height() * scale);
}

} // namespace

class TestArt : public QObject
{
    Q_OBJECT

private slots:
    void generatedPicturesHaveTheirLayoutSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (int girl = 0; girl < gp::kGirlCount; ++girl) {
            for (int scale : {1, 2}) {
                const QString g = girlName(girl), sfx = suffix(scale);
                const QSize face(gp::kFaceWidth * scale, gp::kFaceHeight * scale);
                QTest::newRow(qPrintable(g + "_blank" + sfx)) << g + "_blank" + sfx << face;
                // A part's size follows from its cut of the complete face (tested below).
                QTest::newRow(qPrintable(g + "_complete" + sfx)) << g + "_complete" + sfx << face;
            }
        }
        for (int size : {16, 24, 48, 64, 128, 256}) {
            const QString name = QStringLiteral("icon_%1.png").arg(size);
            QTest::newRow(qPrintable(name)) << name << QSize(size, size);
        }
        QTest::newRow("icon.png") << "icon.png" << QSize(32, 32);
        QTest::newRow("icon@2x.png") << "icon@2x.png" << QSize(64, 64);
        QTest::newRow("invisible_cursor.png") << "invisible_cursor.png" << QSize(32, 32);
    }
    void generatedPicturesHaveTheirLayoutSizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = art(name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QCOMPARE(image.size(), size);
        // The icons are a head on nothing: the corners show the desktop through. The drag
        // cursor shows nothing at all.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        if (name.startsWith("icon")) {
            for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)})
                QCOMPARE(qAlpha(argb.pixel(corner)), 0);
        }
        for (int y = 0; name.startsWith("invisible") && y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x)
                QCOMPARE(qAlpha(argb.pixel(x, y)), 0);
    }

    void eachPartIsItsRectangleOfTheCompleteFace_data()
    {
        QTest::addColumn<int>("girl");
        QTest::addColumn<int>("scale");
        for (int girl = 0; girl < gp::kGirlCount; ++girl) {
            for (int scale : {1, 2})
                QTest::addRow("%c %dx", 'a' + girl, scale) << girl << scale;
        }
    }
    void eachPartIsItsRectangleOfTheCompleteFace()
    {
        QFETCH(int, girl);
        QFETCH(int, scale);
        const QString g = girlName(girl);
        const QImage blank = art(g + "_blank" + suffix(scale));
        const QImage complete = art(g + "_complete" + suffix(scale));
        QVERIFY(!blank.isNull() && !complete.isNull());

        // Each part is its rectangle of the solution; with nothing changed outside the rectangles
        // (below), laid on the blank face they make it whole.
        for (int part = 0; part < gp::kPartCount; ++part) {
            const QImage picture = art(g + "_part" + QString::number(part) + suffix(scale));
            QCOMPARE(picture, complete.copy(cutRect(girl, part, scale)));
        }

        // The features change nothing outside the rectangles, and every part carries one of
        // them in the pixels that belong to it alone.
        std::array<int, gp::kPartCount> changed{};
        int stray = 0;
        for (int y = 0; y < complete.height(); ++y) {
            for (int x = 0; x < complete.width(); ++x) {
                if (blank.pixel(x, y) == complete.pixel(x, y))
                    continue;
                int owners = 0, owner = -1;
                for (int part = 0; part < gp::kPartCount; ++part) {
                    if (cutRect(girl, part, scale).contains(x, y)) {
                        ++owners;
                        owner = part;
                    }
                }
                stray += owners == 0;
                if (owners == 1)
                    ++changed[owner];
            }
        }
        QCOMPARE(stray, 0);
        for (int part = 0; part < gp::kPartCount; ++part) {
            const int area =
                cutRect(girl, part, scale).width() * cutRect(girl, part, scale).height();
            QVERIFY2(
                changed[part] * 20 > area,
                qPrintable(
                    QString("part %1: %2 of %3 pixels").arg(part).arg(changed[part]).arg(area)));
        }
    }

    // A fresh run writes the very bytes of the build's run, which are packed into the program.
    void generatorIsDeterministic()
    {
        QTemporaryDir dir;
        QCOMPARE(QProcess::execute(GP_ARTGEN, {dir.path()}), 0);
        const QStringList names = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names, QDir(":/art").entryList(QDir::Files, QDir::Name));
        for (const QString& name : names) {
            const QByteArray fresh = readBytes(dir.filePath(name));
            QVERIFY2(!fresh.isEmpty() && fresh == readBytes(":/art/" + name), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestArt)
#include "tst_art.moc"
