// Tries the plate-blurring window on one photo: garvex-blur PHOTO.jpg writes PHOTO-flou.jpg.
#include "photos/BlurPhotoFile.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage : garvex-blur PHOTO.jpg\n", stderr);
        return photos::BlurFailed;
    }
    return photos::RunBlurOnFile(args.at(1));
}
