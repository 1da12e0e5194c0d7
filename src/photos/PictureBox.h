#pragma once
// A picture shown at its own size from the top-left corner, reporting the mouse and drawing a
// dotted rubber band over itself.
#include <QImage>
#include <QWidget>
#include <optional>

namespace photos {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // The band in this widget's coordinates; none hides it.
    std::optional<QRect> rubberBand() const { return rubberBand_; }
    void setRubberBand(std::optional<QRect> band);

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void mouseMove(Qt::KeyboardModifiers shift, QPoint at);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    std::optional<QRect> rubberBand_;
};

} // namespace photos
