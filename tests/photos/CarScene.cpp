#include "CarScene.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <random>

namespace photos::testing {

namespace {

void PaintStreet(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0, QColor(118, 160, 214));
    sky.setColorAt(1, QColor(214, 226, 236));
    p.fillRect(0, 0, 640, 260, sky);
    const QColor fronts[] = {{181, 160, 138}, {205, 196, 180}, {150, 128, 116}, {196, 178, 150}};
    for (int i = 0; i < 6; ++i) {
        const QRect front(i * 112 - 20, 40 + (i % 3) * 22, 118, 240);
        p.fillRect(front, fronts[i % 4]);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col)
                p.fillRect(front.left() + 14 + col * 34, front.top() + 18 + row * 48, 20, 30,
                           QColor(70, 82, 96));
    }
    QLinearGradient road(0, 260, 0, 480);
    road.setColorAt(0, QColor(96, 96, 100));
    road.setColorAt(1, QColor(58, 58, 62));
    p.fillRect(0, 260, 640, 220, road);
    p.fillRect(0, 258, 640, 8, QColor(170, 168, 160));
}

void PaintCar(QPainter& p, const QRect& plate) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QRectF(130, 400, 380, 40));

    QPainterPath body;
    body.moveTo(150, 410);
    body.lineTo(148, 330);
    body.cubicTo(150, 300, 170, 290, 200, 286);
    body.lineTo(230, 222);
    body.cubicTo(240, 206, 260, 200, 290, 200);
    body.lineTo(350, 200);
    body.cubicTo(380, 200, 400, 206, 410, 222);
    body.lineTo(440, 286);
    body.cubicTo(470, 290, 490, 300, 492, 330);
    body.lineTo(490, 410);
    body.closeSubpath();
    QLinearGradient paint(0, 200, 0, 410);
    paint.setColorAt(0, QColor(196, 40, 36));
    paint.setColorAt(0.5, QColor(150, 22, 24));
    paint.setColorAt(1, QColor(96, 14, 16));
    p.setBrush(paint);
    p.drawPath(body);

    QPainterPath windscreen;
    windscreen.moveTo(240, 280);
    windscreen.lineTo(262, 222);
    windscreen.lineTo(378, 222);
    windscreen.lineTo(400, 280);
    windscreen.closeSubpath();
    QLinearGradient glass(0, 222, 0, 280);
    glass.setColorAt(0, QColor(160, 190, 210));
    glass.setColorAt(1, QColor(40, 52, 66));
    p.setBrush(glass);
    p.drawPath(windscreen);

    p.setBrush(QColor(30, 30, 34));
    p.drawRoundedRect(QRectF(225, 336, 190, 36), 8, 8);
    p.setBrush(QColor(60, 60, 66));
    for (int x = 236; x < 404; x += 12)
        p.drawRect(QRectF(x, 342, 6, 24));
    for (const int x : {170, 400}) {
        QRadialGradient lamp(x + 35, 318, 40);
        lamp.setColorAt(0, QColor(255, 252, 236));
        lamp.setColorAt(1, QColor(170, 170, 160));
        p.setBrush(lamp);
        p.drawRoundedRect(QRectF(x, 304, 70, 26), 10, 10);
    }
    p.setBrush(QColor(22, 22, 24));
    p.drawRoundedRect(QRectF(160, 398, 52, 40), 6, 6);
    p.drawRoundedRect(QRectF(428, 398, 52, 40), 6, 6);

    p.setBrush(QColor(246, 246, 242));
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.drawRoundedRect(plate, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 51, 153));
    p.drawRect(QRect(plate.left() + 1, plate.top() + 1, 14, plate.height() - 2));
    p.drawRect(QRect(plate.right() - 14, plate.top() + 1, 14, plate.height() - 2));
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(16, 16, 16));
    p.drawText(plate.adjusted(16, 0, -16, 0), Qt::AlignCenter, "AB-123-CD");
}

} // namespace

CarScene MakeCarScene() {
    CarScene scene{QImage(640, 480, QImage::Format_RGB32), QRect(256, 380, 128, 28)};
    {
        QPainter p(&scene.Photo);
        PaintStreet(p);
        PaintCar(p, scene.Plate);
    }
    std::mt19937 random(8);
    std::normal_distribution<double> grain(0, 3);
    for (int y = 0; y < 480; ++y) {
        auto* row = reinterpret_cast<QRgb*>(scene.Photo.scanLine(y));
        for (int x = 0; x < 640; ++x) {
            const int n = static_cast<int>(grain(random));
            const auto channel = [n](int v) { return std::clamp(v + n, 0, 255); };
            row[x] = qRgb(channel(qRed(row[x])), channel(qGreen(row[x])), channel(qBlue(row[x])));
        }
    }
    QBuffer jpeg;
    jpeg.open(QIODevice::ReadWrite);
    scene.Photo.save(&jpeg, "jpeg", 88);
    scene.Photo = QImage::fromData(jpeg.data(), "jpeg").convertToFormat(QImage::Format_BGR888);
    return scene;
}

} // namespace photos::testing
