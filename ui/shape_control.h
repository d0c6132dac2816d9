#pragma once

// A rectangle outline drawn over its container; it takes no input.

#include <QWidget>

namespace gp {

class ShapeControl : public QWidget
{
    Q_OBJECT

public:
    explicit ShapeControl(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace gp
