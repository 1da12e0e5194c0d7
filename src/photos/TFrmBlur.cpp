#include "photos/TFrmBlur.h"

#include "photos/BlurBand.h"
#include "photos/PictureBox.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStringList>
#include <algorithm>
#include <cstring>

namespace photos {

namespace {

const QStringList& Instructions() {
    static const QStringList lines = {
        "Pour le Floutage ",
        "en 1 Cliquez-Relachez...",
        "",
        "Procédez comme suit :",
        "----------------------------",
        "",
        "->1<- cliquez en sélectionnant le coin ",
        "supérieur de la plaque,",
        "",
        "->2 <- relachez la souris au dessus du coin ",
        "inférieur...",
        "",
        "C'est Fait !!!",
        "",
        "",
        "Ajustez ensuite éventuellement ",
        "le facteur de floutage ",
        "& la taille de la zone...",
    };
    return lines;
}

QFont Font(const QStringList& families, int pixels, bool bold = false) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

const QStringList FormFamilies = {"MS Sans Serif", "DejaVu Sans Condensed", "DejaVu Sans"};
const QStringList TitleFamilies = {"Comic Sans MS", "DejaVu Sans"};

template <typename W> W* Place(W* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QImage EmptyBitmap(int width, int height) {
    QImage bitmap(width, height, QImage::Format_BGR888);
    bitmap.fill(Qt::white);
    return bitmap;
}

// Both pictures are 24-bit; the zone lies inside the picture.
void PasteZone(QImage& picture, const QImage& zone, QPoint at) {
    const std::size_t rowBytes = static_cast<std::size_t>(zone.width()) * 3;
    for (int y = 0; y < zone.height(); ++y)
        std::memcpy(picture.scanLine(at.y() + y) + 3 * at.x(), zone.constScanLine(y), rowBytes);
}

} // namespace

TFrmBlur::TFrmBlur(QWidget* owner) : QDialog(owner) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(Font(FormFamilies, 11));
    BuildControls();
    unblurredZone_ = EmptyBitmap(10, 10);
    Image2->setPixmap(QPixmap::fromImage(unblurredZone_));
}

void TFrmBlur::BuildControls() {
    setFixedSize(905, 497); // the controls and a margin of 8 on the right and at the bottom

    Image1 = Place(new PictureBox(this), "Image1", 0, 0, 640, 480);
    connect(Image1, &PictureBox::mouseDown, this, &TFrmBlur::Image1MouseDown);
    connect(Image1, &PictureBox::mouseMove, this, &TFrmBlur::Image1MouseMove);
    connect(Image1, &PictureBox::mouseUp, this, &TFrmBlur::Image1MouseUp);

    for (QLabel** image : {&Image2, &Image3}) {
        *image = new QLabel(this);
        (*image)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Place(Image2, "Image2", 696, 80, 156, 105);
    Place(Image3, "Image3", 696, 232, 156, 97);

    Label1 = Place(new QLabel("Facteur de Floutage :", this), "Label1", 648, 0, 217, 18);
    Label2 = Place(new QLabel("Taille Maximale de de la Zone :", this), "Label2", 648, 56, 240, 18);
    for (QLabel* label : {Label1, Label2})
        label->setFont(Font(TitleFamilies, 12));

    TrackBar1 = Place(new QSlider(Qt::Horizontal, this), "TrackBar1", 640, 16, 225, 41);
    TrackBar1->setRange(2, 10);
    TrackBar1->setValue(5);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(2);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    connect(TrackBar1, &QSlider::valueChanged, this, &TFrmBlur::TrackBar1Change);

    TrackBar2 = Place(new QSlider(Qt::Vertical, this), "TrackBar2", 648, 80, 41, 225);
    TrackBar2->setRange(1, 100);
    TrackBar2->setValue(30);
    TrackBar2->setSingleStep(5);
    TrackBar2->setPageStep(2);
    TrackBar2->setTickInterval(5);
    TrackBar2->setTickPosition(QSlider::TicksRight);
    TrackBar2->setInvertedAppearance(true); // the smallest thickness at the top
    connect(TrackBar2, &QSlider::valueChanged, this, &TFrmBlur::TrackBar2Change);

    const QFont buttonFont = Font(TitleFamilies, 13, true);
    BtnSave = Place(new QPushButton("Sauver et Transférer l'Image", this), "BtnSave", 680, 400, 217, 25);
    BtnQuit = Place(new QPushButton("Quitter", this), "BtnQuit", 680, 432, 217, 25);
    BtnInversion =
        Place(new QPushButton("Inverser la Zone de Floutage", this), "BtnInversion", 680, 464, 217, 25);
    for (QPushButton* button : {BtnSave, BtnQuit, BtnInversion}) {
        button->setFont(buttonFont);
        button->setAutoDefault(false);
    }
    BtnInversion->setEnabled(false);
    connect(BtnSave, &QPushButton::clicked, this, &TFrmBlur::BtnSaveClick);
    connect(BtnQuit, &QPushButton::clicked, this, &TFrmBlur::BtnQuitClick);
    connect(BtnInversion, &QPushButton::clicked, this, &TFrmBlur::BtnInversionClick);

    JvMemo1 = Place(new QPlainTextEdit(this), "JvMemo1", 672, 80, 217, 281);
    JvMemo1->setPlainText(Instructions().join('\n'));
    JvMemo1->setReadOnly(true);
    // A pixel smaller than the form so its longest line fits; wrapped rather than scrolled
    // sideways where a wider font stands in.
    JvMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    JvMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    JvMemo1->setFont(Font(FormFamilies, 10));
    QPalette colours = JvMemo1->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, QColor(0xE8, 0xE8, 0xE8));
        colours.setColor(group, QPalette::Text, QColor(0xFF, 0x00, 0xFF));
    }
    JvMemo1->setPalette(colours);
    JvMemo1->installEventFilter(this);
    JvMemo1->raise();
}

void TFrmBlur::LoadPicture(const QImage& photo) {
    Image1->setPicture(photo.convertToFormat(QImage::Format_BGR888));
}

const QImage& TFrmBlur::Picture() const {
    return Image1->picture();
}

QRect TFrmBlur::ZoneRect() const {
    const QPoint origin = Image1->pos();
    const QSize picture = Image1->picture().size();
    const int left = std::max(std::min(DragStart.x(), DragEnd.x()) + origin.x(), origin.x());
    const int top = std::max(std::min(DragStart.y(), DragEnd.y()) + origin.y(), origin.y());
    const int right =
        std::min(std::max(DragStart.x(), DragEnd.x()) + origin.x(), origin.x() + picture.width());
    const int bottom =
        std::min(std::max(DragStart.y(), DragEnd.y()) + origin.y(), origin.y() + picture.height());
    // A drag wholly outside the picture leaves nothing, not a rectangle turned inside out.
    return QRect(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
}

void TFrmBlur::DrawRubberBand() {
    Image1->setRubberBand(ZoneRect().translated(-Image1->pos()));
}

void TFrmBlur::EraseRubberBand() {
    Image1->setRubberBand(std::nullopt);
}

void TFrmBlur::Image1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) {
    if (BandShown) EraseRubberBand();
    DragStart = DragEnd = at;
    DrawRubberBand();
    Dragging = true;
    BandShown = true;
}

void TFrmBlur::Image1MouseMove(Qt::KeyboardModifiers, QPoint at) {
    if (!Dragging) return;
    EraseRubberBand();
    DragEnd = at;
    DrawRubberBand();
}

void TFrmBlur::Image1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) {
    if (BandShown) {
        EraseRubberBand();
        DragEnd = at;
        Inversion = DragEnd.x() > DragStart.x();
        Zone = ZoneRect();
        JvMemo1->hide();
        CutAndBlurZone();
        BtnInversion->setEnabled(true);
    }
    Dragging = false;
    BandShown = false;
}

void TFrmBlur::CutAndBlurZone() {
    Zone.translate(-Image1->pos());
    unblurredZone_ = Image1->picture().copy(Zone);
    if (Zone.isEmpty()) unblurredZone_ = QImage();
    Image2->setPixmap(QPixmap::fromImage(unblurredZone_));
    BlurZone();
}

void TFrmBlur::BlurZone() {
    blurredZone_ = unblurredZone_.copy();
    BlurBand(unblurredZone_, blurredZone_, Inversion, TrackBar2->value(), TrackBar1->value());
    Image3->setPixmap(QPixmap::fromImage(blurredZone_));
    if (blurredZone_.isNull()) return;
    QImage picture = Image1->picture();
    PasteZone(picture, blurredZone_, Zone.topLeft());
    Image1->setPicture(picture);
}

void TFrmBlur::ReblurLastZone() {
    if (!blurredZone_.isNull()) BlurZone();
}

void TFrmBlur::TrackBar1Change() {
    ReblurLastZone();
}

void TFrmBlur::TrackBar2Change() {
    ReblurLastZone();
}

void TFrmBlur::BtnInversionClick() {
    Inversion = !Inversion;
    ReblurLastZone();
}

void TFrmBlur::BtnSaveClick() {
    imageSaved_ = true;
    accept();
}

void TFrmBlur::BtnQuitClick() {
    imageSaved_ = false;
    reject();
}

void TFrmBlur::JvMemo1Enter() {
    JvMemo1->setEnabled(false);
}

bool TFrmBlur::eventFilter(QObject* watched, QEvent* event) {
    if (watched == JvMemo1 && event->type() == QEvent::FocusIn) JvMemo1Enter();
    return QDialog::eventFilter(watched, event);
}

} // namespace photos
