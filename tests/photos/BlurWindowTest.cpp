// The plate-blurring window, driven with the mouse like a user would.
#include "CarScene.h"
#include "photos/BlurBand.h"
#include "photos/PictureBox.h"
#include "photos/TFrmBlur.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace photos {
namespace {

using testing::CarScene;

const CarScene& Scene() {
    static const CarScene scene = testing::MakeCarScene();
    return scene;
}

// What the photo must be after `zone` was blurred from the pixels of `before`.
QImage WithBand(const QImage& before, QRect zone, bool inversion, int thickness, int radius) {
    const QImage cut = before.copy(zone);
    QImage band = cut.copy();
    BlurBand(cut, band, inversion, thickness, radius);
    QImage after = before.copy();
    for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < band.width(); ++x)
            after.setPixel(zone.left() + x, zone.top() + y, band.pixel(x, y));
    return after;
}

class BlurWindow : public ::testing::Test {
protected:
    void SetUp() override { Open(Scene().Photo.convertToFormat(QImage::Format_RGB32)); }

    void Open(const QImage& photo) {
        window_ = std::make_unique<TFrmBlur>();
        window_->LoadPicture(photo);
        original_ = window_->Picture();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    template <typename T> T* Control(const char* name) {
        T* control = window_->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    PictureBox* Image1() { return Control<PictureBox>("Image1"); }
    QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
    QSlider* Slider(const char* name) { return Control<QSlider>(name); }
    QPlainTextEdit* Memo() { return Control<QPlainTextEdit>("JvMemo1"); }

    void Press(QPoint at) { QTest::mousePress(Image1(), Qt::LeftButton, {}, at); }
    void MoveTo(QPoint at) { QTest::mouseMove(Image1(), at); }
    void Release(QPoint at) { QTest::mouseRelease(Image1(), Qt::LeftButton, {}, at); }
    void Drag(QPoint from, QPoint to) {
        Press(from);
        MoveTo((from + to) / 2);
        MoveTo(to);
        Release(to);
    }

    std::unique_ptr<TFrmBlur> window_;
    QImage original_;
};

TEST_F(BlurWindow, ShowsEveryControlInItsPlace) {
    EXPECT_EQ(window_->size(), QSize(905, 497));
    EXPECT_FALSE(window_->windowFlags() & Qt::WindowCloseButtonHint);
    const struct {
        const char* name;
        QRect place;
        QString text;
    } controls[] = {
        {"Image1", {0, 0, 640, 480}, {}},
        {"Image2", {696, 80, 156, 105}, {}},
        {"Image3", {696, 232, 156, 97}, {}},
        {"TrackBar1", {640, 16, 225, 41}, {}},
        {"TrackBar2", {648, 80, 41, 225}, {}},
        {"JvMemo1", {672, 80, 217, 281}, {}},
        {"Label1", {648, 0, 0, 0}, "Facteur de Floutage :"},
        {"Label2", {648, 56, 0, 0}, "Taille Maximale de de la Zone :"},
        {"BtnSave", {680, 400, 217, 25}, "Sauver et Transférer l'Image"},
        {"BtnQuit", {680, 432, 217, 25}, "Quitter"},
        {"BtnInversion", {680, 464, 217, 25}, "Inverser la Zone de Floutage"},
    };
    for (const auto& c : controls) {
        QWidget* control = Control<QWidget>(c.name);
        if (!control) continue;
        if (c.place.isEmpty())
            EXPECT_EQ(control->pos(), c.place.topLeft()) << c.name;
        else
            EXPECT_EQ(control->geometry(), c.place) << c.name;
        if (auto* label = qobject_cast<QLabel*>(control); label && !c.text.isEmpty()) {
            EXPECT_EQ(label->text(), c.text);
        }
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(button->text(), c.text);
        }
    }
    const struct {
        const char* name;
        Qt::Orientation orientation;
        int min, max, value, line, page, tick;
    } sliders[] = {{"TrackBar1", Qt::Horizontal, 2, 10, 5, 1, 2, 1},
                   {"TrackBar2", Qt::Vertical, 1, 100, 30, 5, 2, 5}};
    for (const auto& s : sliders) {
        QSlider* slider = Slider(s.name);
        EXPECT_EQ(slider->orientation(), s.orientation);
        EXPECT_EQ(QList<int>({slider->minimum(), slider->maximum(), slider->value(), slider->singleStep(),
                              slider->pageStep(), slider->tickInterval()}),
                  QList<int>({s.min, s.max, s.value, s.line, s.page, s.tick}))
            << s.name;
    }
    EXPECT_FALSE(Button("BtnInversion")->isEnabled());
    EXPECT_EQ(Control<QLabel>("Image2")->pixmap().size(), QSize(10, 10));
    EXPECT_EQ(Memo()->toPlainText().split('\n'),
              QStringList({"Pour le Floutage ", "en 1 Cliquez-Relachez...", "", "Procédez comme suit :",
                           "----------------------------", "", "->1<- cliquez en sélectionnant le coin ",
                           "supérieur de la plaque,", "", "->2 <- relachez la souris au dessus du coin ",
                           "inférieur...", "", "C'est Fait !!!", "", "", "Ajustez ensuite éventuellement ",
                           "le facteur de floutage ", "& la taille de la zone..."}));
    // Until the first selection the instructions cover the two zone pictures.
    EXPECT_TRUE(Memo()->isAncestorOf(window_->childAt(700, 100)));
    EXPECT_TRUE(Memo()->isAncestorOf(window_->childAt(700, 300)));
}

TEST_F(BlurWindow, TheBandFollowsTheDiagonalOfTheDragAndTheButtonFlipsIt) {
    const QRect plate = Scene().Plate;
    const struct {
        QPoint from, to;
        bool inversion;
    } drags[] = {
        {plate.topLeft(), plate.topLeft() + QPoint(plate.width(), plate.height()), true},
        {plate.topLeft() + QPoint(plate.width(), 0), plate.topLeft() + QPoint(0, plate.height()), false},
    };
    for (const auto& d : drags) {
        SCOPED_TRACE(d.inversion ? "dragged to the right" : "dragged to the left");
        Open(Scene().Photo);
        Drag(d.from, d.to);
        ASSERT_EQ(window_->Picture(), WithBand(original_, plate, d.inversion, 30, 5));
        EXPECT_EQ(Control<QLabel>("Image2")->pixmap().toImage().convertToFormat(QImage::Format_BGR888),
                  original_.copy(plate));
        EXPECT_EQ(Control<QLabel>("Image3")->pixmap().toImage().convertToFormat(QImage::Format_BGR888),
                  WithBand(original_, plate, d.inversion, 30, 5).copy(plate));
        EXPECT_FALSE(Memo()->isVisible());
        ASSERT_TRUE(Button("BtnInversion")->isEnabled());

        QTest::mouseClick(Button("BtnInversion"), Qt::LeftButton);
        EXPECT_EQ(window_->Picture(), WithBand(original_, plate, !d.inversion, 30, 5));
        QTest::mouseClick(Button("BtnInversion"), Qt::LeftButton);
        EXPECT_EQ(window_->Picture(), WithBand(original_, plate, d.inversion, 30, 5));
    }
}

TEST_F(BlurWindow, DrawsADottedRubberBandWhileDraggingAndErasesIt) {
    Press({100, 100});
    MoveTo({180, 150});
    ASSERT_EQ(Image1()->rubberBand(), QRect(100, 100, 80, 50));
    const QImage shown = Image1()->grab().toImage().convertToFormat(QImage::Format_BGR888);
    // Along the top edge, every other pixel is inverted and the others are left as they are.
    for (int x = 100; x < 180; ++x) {
        const QRgb photo = original_.pixel(x, 100);
        const QRgb dot = shown.pixel(x, 100);
        EXPECT_TRUE(dot == photo || dot == (~photo | 0xFF000000)) << x;
        if (x > 100) {
            EXPECT_NE(dot == photo, shown.pixel(x - 1, 100) == original_.pixel(x - 1, 100)) << x;
        }
    }
    EXPECT_EQ(shown.copy(101, 101, 78, 48), original_.copy(101, 101, 78, 48));
    Release({180, 150});
    EXPECT_EQ(Image1()->rubberBand(), std::nullopt);
    EXPECT_EQ(Image1()->grab().toImage().convertToFormat(QImage::Format_BGR888),
              window_->Picture().copy(0, 0, 640, 480));
}

TEST_F(BlurWindow, SlidersReblurTheLastZoneFromItsUnblurredPixels) {
    const QRect plate = Scene().Plate;
    Drag(plate.topLeft(), plate.topLeft() + QPoint(plate.width(), plate.height()));
    const QImage first = window_->Picture();

    Slider("TrackBar1")->setValue(10);
    EXPECT_EQ(window_->Picture(), WithBand(original_, plate, true, 30, 10));
    Slider("TrackBar2")->setValue(8);
    EXPECT_EQ(window_->Picture(), WithBand(original_, plate, true, 8, 10));
    Slider("TrackBar1")->setValue(5);
    Slider("TrackBar2")->setValue(30);
    EXPECT_EQ(window_->Picture(), first);
}

TEST_F(BlurWindow, ANewSelectionKeepsEarlierZonesBlurred) {
    const QRect first(200, 300, 120, 40), second(280, 320, 100, 60);
    Drag(first.topLeft(), first.topLeft() + QPoint(first.width(), first.height()));
    Drag(second.topLeft(), second.topLeft() + QPoint(second.width(), second.height()));
    const QImage afterFirst = WithBand(original_, first, true, 30, 5);
    EXPECT_EQ(window_->Picture(), WithBand(afterFirst, second, true, 30, 5));
    // The sliders now only redo the second zone, over the first one's blur.
    Slider("TrackBar1")->setValue(9);
    EXPECT_EQ(window_->Picture(), WithBand(afterFirst, second, true, 30, 9));
}

TEST_F(BlurWindow, AClickWithoutDragBlursNothingAndLeavesTheSlidersIdle) {
    const QRect plate = Scene().Plate;
    Drag(plate.topLeft(), plate.topLeft() + QPoint(plate.width(), plate.height()));
    const QImage blurred = window_->Picture();
    Press({50, 60});
    Release({50, 60});
    EXPECT_EQ(window_->Picture(), blurred);
    EXPECT_TRUE(Button("BtnInversion")->isEnabled());
    Slider("TrackBar1")->setValue(8);
    Slider("TrackBar2")->setValue(60);
    QTest::mouseClick(Button("BtnInversion"), Qt::LeftButton);
    EXPECT_EQ(window_->Picture(), blurred);
}

TEST_F(BlurWindow, SlidersDoNothingBeforeTheFirstSelection) {
    Slider("TrackBar1")->setValue(8);
    Slider("TrackBar2")->setValue(60);
    EXPECT_EQ(window_->Picture(), original_);
    EXPECT_TRUE(Memo()->isVisible());
}

TEST_F(BlurWindow, TheZoneIsClippedToThePicture) {
    Drag({600, 440}, {700, 520}); // released beyond the right and bottom edges
    EXPECT_EQ(window_->Picture(), WithBand(original_, QRect(600, 440, 40, 40), true, 30, 5));
    Drag({30, 40}, {-20, -10}); // released beyond the left and top edges
    const QImage first = WithBand(original_, QRect(600, 440, 40, 40), true, 30, 5);
    EXPECT_EQ(window_->Picture(), WithBand(first, QRect(0, 0, 30, 40), false, 30, 5));
}

TEST_F(BlurWindow, ADragBesideASmallPictureBlursNothing) {
    Open(Scene().Photo.copy(0, 0, 320, 240));
    Drag({400, 300}, {450, 350});
    EXPECT_EQ(window_->Picture(), original_);
    Drag({300, 200}, {450, 350});
    EXPECT_EQ(window_->Picture(), WithBand(original_, QRect(300, 200, 20, 40), true, 30, 5));
}

TEST_F(BlurWindow, PixelsNearTheZoneBorderAreBlurredWithTheZoneOnly) {
    // A black plate on white: blurring the plate alone must leave it black to its edges.
    QImage photo(640, 480, QImage::Format_BGR888);
    photo.fill(Qt::white);
    const QRect plate(100, 100, 60, 40);
    for (int y = plate.top(); y <= plate.bottom(); ++y)
        for (int x = plate.left(); x <= plate.right(); ++x)
            photo.setPixel(x, y, qRgb(0, 0, 0));
    Open(photo);
    Slider("TrackBar2")->setValue(100);
    Slider("TrackBar1")->setValue(10);
    Drag(plate.topLeft(), plate.topLeft() + QPoint(plate.width(), plate.height()));
    EXPECT_EQ(window_->Picture(), photo);
}

TEST_F(BlurWindow, TheClosingButtonsTellWhetherTheImageWasSaved) {
    const struct {
        const char* button;
        bool saved;
        QDialog::DialogCode result;
    } cases[] = {{"BtnSave", true, QDialog::Accepted}, {"BtnQuit", false, QDialog::Rejected}};
    for (const auto& c : cases) {
        Open(Scene().Photo);
        EXPECT_FALSE(window_->ImageSaved());
        QTest::mouseClick(Button(c.button), Qt::LeftButton);
        EXPECT_EQ(window_->ImageSaved(), c.saved) << c.button;
        EXPECT_EQ(window_->result(), c.result) << c.button;
        EXPECT_FALSE(window_->isVisible()) << c.button;
    }
}

TEST_F(BlurWindow, EnteringTheInstructionsDisablesThem) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::mouseClick(Memo()->viewport(), Qt::LeftButton, {}, {20, 20});
    EXPECT_FALSE(Memo()->isEnabled());
    QTest::keyClicks(Memo(), "abc");
    EXPECT_TRUE(Memo()->toPlainText().startsWith("Pour le Floutage \n"));
}

} // namespace
} // namespace photos
