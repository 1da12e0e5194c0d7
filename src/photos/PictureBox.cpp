#include "photos/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace photos {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::setRubberBand(std::optional<QRect> band) {
    if (band == rubberBand_) return;
    rubberBand_ = band;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPoint(0, 0), picture_);
    if (!rubberBand_ || rubberBand_->isEmpty()) return;
    // Every other pixel inverted, so the band shows on any part of the photo.
    QPen dots(Qt::white, 1);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawRect(rubberBand_->adjusted(0, 0, -1, -1));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

} // namespace photos
