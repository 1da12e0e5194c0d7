#include "photos/BlurPhotoFile.h"

#include "photos/TFrmBlur.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMessageBox>
#include <QSaveFile>

namespace photos {

QString BlurredPathFor(const QString& jpegPath) {
    const QFileInfo info(jpegPath);
    return info.dir().filePath(info.completeBaseName() + "-flou.jpg");
}

LoadedPhoto LoadPhotoForBlur(const QString& jpegPath) {
    const QFileInfo info(jpegPath);
    if (!info.exists())
        return {{}, QString("La photo « %1 » est introuvable.").arg(QDir::toNativeSeparators(jpegPath))};
    QImageReader reader(jpegPath);
    QImage photo = info.isFile() ? reader.read() : QImage();
    if (photo.isNull())
        return {{},
                QString("La photo « %1 » n'a pas pu être lue : le fichier n'est pas une image JPEG "
                        "valide.")
                    .arg(QDir::toNativeSeparators(jpegPath))};
    return {photo.convertToFormat(QImage::Format_BGR888), {}};
}

QString SaveBlurredPhoto(const QImage& picture, const QString& targetPath) {
    QSaveFile file(targetPath);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QImageWriter writer(&file, "jpeg");
        writer.setQuality(90);
        written = writer.write(picture) && file.commit();
    }
    if (written) return {};
    return QString("La photo floutée n'a pas pu être enregistrée dans « %1 ». Vérifiez que le "
                   "dossier existe et qu'il est accessible en écriture.")
        .arg(QDir::toNativeSeparators(targetPath));
}

namespace {

int Refuse(const QString& message) {
    QMessageBox::warning(nullptr, "Floutage", message);
    return BlurFailed;
}

} // namespace

int RunBlurOnFile(const QString& jpegPath, const QString& caption) {
    const LoadedPhoto loaded = LoadPhotoForBlur(jpegPath);
    if (!loaded.Error.isEmpty()) return Refuse(loaded.Error);
    const QString target = BlurredPathFor(jpegPath);
    // Said before the work starts rather than after, when the blurred photo could not be kept.
    const QFileInfo folder(QFileInfo(target).absolutePath());
    if (!folder.isWritable())
        return Refuse(QString("Le dossier « %1 » n'est pas accessible en écriture : la photo floutée "
                              "ne pourrait pas y être enregistrée.")
                          .arg(QDir::toNativeSeparators(folder.filePath())));

    TFrmBlur window;
    window.setWindowTitle(caption.isEmpty() ? "Formulaire de Floutage pour la plaque minéralogique : " +
                                                  QFileInfo(jpegPath).fileName()
                                            : caption);
    window.LoadPicture(loaded.Photo);
    window.exec();
    if (!window.ImageSaved()) return BlurQuit;
    const QString error = SaveBlurredPhoto(window.Picture(), target);
    return error.isEmpty() ? BlurSaved : Refuse(error);
}

} // namespace photos
