#pragma once
// The plate-blurring window: the user drags over the plate of a 640 x 480 photo, a slanted band
// of that rectangle is blurred, two sliders set strength and thickness, a button flips the band.
// The caller sets the caption, loads the photo, runs it modally, then reads ImageSaved() and
// Picture().
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace photos {

class PictureBox;

class TFrmBlur : public QDialog {
    Q_OBJECT
public:
    explicit TFrmBlur(QWidget* owner = nullptr);

    // The photo to work on, converted to 24-bit blue-green-red.
    void LoadPicture(const QImage& photo);
    // The photo with every zone blurred so far.
    const QImage& Picture() const;
    bool ImageSaved() const { return imageSaved_; }

    // The rectangle between DragStart and DragEnd on the window, clipped to the picture.
    QRect ZoneRect() const;

public slots:
    void Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void Image1MouseMove(Qt::KeyboardModifiers shift, QPoint at);
    void Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at);
    void TrackBar1Change();
    void TrackBar2Change();
    void BtnInversionClick();
    void BtnSaveClick();
    void BtnQuitClick();
    void JvMemo1Enter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void DrawRubberBand();
    void EraseRubberBand();
    void CutAndBlurZone();
    void BlurZone();
    void ReblurLastZone();

    PictureBox* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Label1 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* Label2 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnQuit = nullptr;
    QPushButton* BtnInversion = nullptr;
    QPlainTextEdit* JvMemo1 = nullptr;

    QPoint DragStart{-1, -1};
    QPoint DragEnd{-1, -1};
    bool Dragging = false;
    bool BandShown = false;
    bool Inversion = false;
    QRect Zone;
    bool imageSaved_ = false;

    QImage unblurredZone_; // Image2's picture: the last zone as cut
    QImage blurredZone_;   // Image3's picture: null until a zone has been cut
};

} // namespace photos
