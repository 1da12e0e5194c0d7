// Makes the README's picture of the blurring window: shot_blur_window OUT.png [--before]
// (offscreen; with --before, the window as it opens, before any selection).
#include "CarScene.h"
#include "photos/PictureBox.h"
#include "photos/TFrmBlur.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) return 2;

    const photos::testing::CarScene scene = photos::testing::MakeCarScene();
    photos::TFrmBlur window;
    window.setWindowTitle("Formulaire de Floutage pour la plaque minéralogique du VO N°1234");
    window.LoadPicture(scene.Photo);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    if (!args.contains("--before")) {
        auto* image1 = window.findChild<photos::PictureBox*>("Image1");
        QTest::mousePress(image1, Qt::LeftButton, {}, scene.Plate.topLeft() - QPoint(4, 4));
        QTest::mouseRelease(image1, Qt::LeftButton, {}, scene.Plate.bottomRight() + QPoint(5, 5));
    }
    return window.grab().save(args.at(1)) ? 0 : 1;
}
