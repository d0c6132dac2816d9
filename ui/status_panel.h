// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A bevelled status panel: a caption, and a gauge that fills from the right end towards the left.

#include <QColor>
#include <QString>
#include <QWidget>

namespace gp {

class StatusPanel : public QWidget
{
    Q_OBJECT

public:
    explicit StatusPanel(QWidget* parent = nullptr);

    // Shown at once: a text unchanged, an integer as decimal text without a leading blank.
    void setCaption(const QString& caption);
    void setCaption(int value);
    QString caption() const { return m_caption; }

    // 0..100, fractions allowed; values outside are clamped when painting, never stored changed.
    void setGaugePercent(double percent);
    double gaugePercent() const { return m_gaugePercent; }

    void setGaugeColor(const QColor& color);
    QColor gaugeColor() const { return m_gaugeColor; }

    void setTextColor(const QColor& color);
    void setBackgroundColor(const QColor& color);

    // The filled part of the panel's inner area, in widget pixels (empty at 0 %).
    QRectF gaugeRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect innerRect() const;

    QString m_caption;
    double m_gaugePercent = 0;
    QColor m_gaugeColor = Qt::blue;
    QColor m_textColor = Qt::black;
    QColor m_background = Qt::lightGray;
};

} // namespace gp
