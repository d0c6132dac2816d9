// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/status_frame.h"

#include "ui/caption_label.h"
#include "ui/device_pixels.h"
#include "ui/fonts.h"
#include "ui/outline_box.h"
#include "ui/status_panel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace gp {

namespace {

StatusPanel* makePanel(QWidget* parent, QRect place, const QFont& font, const QColor& textColor,
                       const QColor& background, const QString& name)
{
    auto* panel = new StatusPanel(parent);
    panel->setGeometry(place);
    panel->setFont(font);
    panel->setTextColor(textColor);
    panel->setBackgroundColor(background);
    // The caption is the panel's accessible description; the name says what it shows.
    panel->setAccessibleName(name);
    return panel;
}

void makeOutline(QWidget* parent, QRect place)
{
    auto* outline = new OutlineBox(parent);
    outline->setGeometry(place);
    outline->setAccessibleName(StatusFrame::tr("枠"));
}

} // namespace

StatusFrame::StatusFrame(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("statusFrame"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setGeometry(566, 9, 154, 399);
    fillBackground(this, kStatusFrameBackground);
    setAccessibleName(tr("状況"));

    const QFont mincho9 = gameFont(FontFace::MsMincho, 9);
    const QFont mincho12 = gameFont(FontFace::MsMincho, 12);
    const QFont times12 = gameFont(FontFace::TimesNewRoman, 12);
    const QFont pgothic9 = gameFont(FontFace::MsPGothic, 9);

    // Created from the back: outlines, then captions and minute marks, then panels and button.
    makeOutline(this, QRect(13, 123, 135, 52)); // around the score
    makeOutline(this, QRect(17, 28, 126, 77));  // around the record
    makeOutline(this, QRect(4, 321, 147, 70));  // around the hint
    makeCaptionLabel(this, tr("メッセージ"), QRect(21, 325, 102, 23), mincho12,
                     systemColor(QPalette::Base));
    makeCaptionLabel(this, tr("2分"), QRect(53, 214, 21, 16), mincho9, kStatusFrameBackground);
    makeCaptionLabel(this, tr("1分"), QRect(89, 214, 21, 13), mincho9, kStatusFrameBackground);
    makeCaptionLabel(this, tr("0分"), QRect(125, 214, 19, 12), mincho9, kStatusFrameBackground,
                     kLastMinuteMarkText);
    makeOutline(this, QRect(11, 192, 137, 76)); // around the time gauge
    makeCaptionLabel(this, tr("残り時間"), QRect(27, 182, 102, 20), mincho12,
                     kTimeCaptionBackground);
    makeCaptionLabel(this, tr("Heigh Score"), QRect(25, 19, 102, 23), times12,
                     kStatusFrameBackground);
    makeCaptionLabel(this, tr("Score"), QRect(28, 113, 71, 23), times12, kStatusFrameBackground);
    makeCaptionLabel(this, tr("3分"), QRect(20, 214, 21, 13), mincho9, kStatusFrameBackground);

    m_score = makePanel(this, QRect(24, 139, 114, 27), pgothic9, kScorePanelText,
                        kScorePanelBackground, tr("Score"));
    m_timeGauge = makePanel(this, QRect(19, 234, 121, 22), pgothic9, kTimeGaugeText,
                            kTimeGaugeBackground, tr("残り時間"));
    m_hint = makePanel(this, QRect(14, 350, 128, 34), pgothic9, kHintPanelText,
                       kHintPanelBackground, tr("メッセージ"));
    m_recordHolder = makePanel(this, QRect(26, 72, 99, 25), gameFont(FontFace::MsGothic, 12, true),
                               kRecordHolderText, kRecordHolderBackground, tr("記録保持者"));
    m_recordScore =
        makePanel(this, QRect(26, 38, 99, 25), gameFont(FontFace::TimesNewRoman, 12, true),
                  kRecordScoreText, kRecordScoreBackground, tr("Heigh Score"));

    m_done = new QPushButton(tr("完了"), this);
    m_done->setObjectName(QStringLiteral("doneButton"));
    m_done->setGeometry(24, 280, 107, 37);
    m_done->setFont(mincho12);
    m_done->setFocusPolicy(Qt::TabFocus);
}

// The sunken edge in the style's colours, laid on device pixels: the style draws it one device
// pixel thin at any ratio.
void StatusFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    DevicePixels device(p);
    const QRect outer = device.map(rect());
    const int line = device.lineWidth();
    const QColor dark = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    device.drawFrame(outer, line, dark, light);
    device.drawFrame(outer.adjusted(line, line, -line, -line), line, light, dark);
}

} // namespace gp
