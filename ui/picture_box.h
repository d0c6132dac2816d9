#pragma once

// A picture box: a plain background with an optional picture at its top left corner.

#include "ui/art.h"

#include <QPixmap>
#include <QWidget>

namespace gp {

class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(const QColor& background, QWidget* parent = nullptr);

    // A generated picture, decoded when it is first drawn or asked for.
    void setPicture(const QString& name, QSize size);
    const QPixmap& picture() const { return m_picture.get(); }
    QColor backgroundColor() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    LazyPicture m_picture;
    QRect m_pictureRect;
};

} // namespace gp
