#pragma once

// A picture box: a plain background with an optional picture at its top left corner.

#include <QPixmap>
#include <QWidget>

namespace gp {

class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(const QColor& background, QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    QColor backgroundColor() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    QPixmap m_picture;
};

} // namespace gp
