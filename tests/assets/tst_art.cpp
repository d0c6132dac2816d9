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
    void sizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (int girl = 0; girl < gp::kGirlCount; ++girl) {
            for (int scale : {1, 2}) {
                const QString g = girlName(girl), sfx = suffix(scale);
                const QSize face(gp::kFaceWidth * scale, gp::kFaceHeight * scale);
                QTest::newRow(qPrintable(g + "_blank" + sfx)) << g + "_blank" + sfx << face;
                QTest::newRow(qPrintable(g + "_complete" + sfx)) << g + "_complete" + sfx << face;
                for (int part = 0; part < gp::kPartCount; ++part) {
                    const QString name = g + "_part" + QString::number(part) + sfx;
                    const QSize s = gp::kPartSizes[girl][part];
                    QTest::newRow(qPrintable(name)) << name << s * scale;
                }
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
    void sizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = art(name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QCOMPARE(image.size(), size);
        // The icons are a head on nothing: the corners show the desktop through.
        if (name.startsWith("icon")) {
            const QImage icon = image.convertToFormat(QImage::Format_ARGB32);
            for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)})
                QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        }
    }

    void cutRule_data()
    {
        QTest::addColumn<int>("girl");
        QTest::addColumn<int>("scale");
        for (int girl = 0; girl < gp::kGirlCount; ++girl) {
            for (int scale : {1, 2})
                QTest::addRow("%c %dx", 'a' + girl, scale) << girl << scale;
        }
    }
    void cutRule()
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

    void dragCursorIsInvisible()
    {
        const QImage drag = art("invisible_cursor.png").convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < drag.height(); ++y) {
            for (int x = 0; x < drag.width(); ++x)
                QCOMPARE(qAlpha(drag.pixel(x, y)), 0);
        }
    }

    // Two runs write the same bytes, and those are the bytes packed into the program.
    void generatorIsDeterministic()
    {
        QTemporaryDir one, two;
        QVERIFY(one.isValid() && two.isValid());
        QCOMPARE(QProcess::execute(GP_ARTGEN, {one.path()}), 0);
        QCOMPARE(QProcess::execute(GP_ARTGEN, {two.path()}), 0);
        const QStringList names = QDir(one.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names, QDir(":/art").entryList(QDir::Files, QDir::Name));
        QCOMPARE(QDir(two.path()).entryList(QDir::Files, QDir::Name), names);
        for (const QString& name : names) {
            const QByteArray first = readBytes(one.filePath(name));
            QVERIFY2(!first.isEmpty(), qPrintable(name));
            QVERIFY2(first == readBytes(two.filePath(name)), qPrintable(name));
            QVERIFY2(first == readBytes(":/art/" + name), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestArt)
#include "tst_art.moc"
