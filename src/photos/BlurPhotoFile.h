#pragma once
// Blurring the plate of one JPEG file on disk: open the window on it, write the result next to it.
#include <QImage>
#include <QString>

namespace photos {

// "dir/name.jpg" -> "dir/name-flou.jpg".
QString BlurredPathFor(const QString& jpegPath);

struct LoadedPhoto {
    QImage Photo;  // null when the file could not be read
    QString Error; // French message for the user, empty on success
};
LoadedPhoto LoadPhotoForBlur(const QString& jpegPath);

// Writes the picture as a JPEG (quality 90) in one step, so a failed write leaves no half file
// behind. Returns a French message for the user, empty on success.
QString SaveBlurredPhoto(const QImage& picture, const QString& targetPath);

enum BlurRunResult { BlurSaved = 0, BlurQuit = 1, BlurFailed = 2 };

// Shows the plate-blurring window on the photo; when the user saves, writes BlurredPathFor(jpegPath).
// Problems are told in French message boxes. Returns a BlurRunResult, usable as an exit status.
int RunBlurOnFile(const QString& jpegPath, const QString& caption = {});

} // namespace photos
