// SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A rectangle outline drawn over its container; it takes no input.

#include <QWidget>

namespace gp {

class OutlineBox : public QWidget
{
    Q_OBJECT

public:
    explicit OutlineBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace gp
