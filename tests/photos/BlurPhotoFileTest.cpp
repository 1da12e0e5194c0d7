// Opening the blurring window on a JPEG file and writing the result next to it.
#include "photos/BlurPhotoFile.h"

#include "CarScene.h"
#include "photos/PictureBox.h"
#include "photos/TFrmBlur.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace photos {
namespace {

// Acts on the first modal window of kind T that opens; anything else that stays modal
// for 5 s is closed so that the test fails instead of hanging.
template <typename T> void WhenModal(std::function<void(T*)> act) {
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* wanted = qobject_cast<T*>(modal)) {
            timer->deleteLater();
            timer->stop();
            act(wanted);
        } else if (++*waited > 500) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "the expected window never opened";
            if (modal) modal->close();
        }
    });
    timer->start(10);
}

double MeanDifference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * a.width() * a.height());
}

class BlurPhotoFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        photoPath_ = folder_.filePath("VO 1234.jpg");
        ASSERT_TRUE(scene_.Photo.save(photoPath_, "jpeg", 90));
        QFile file(photoPath_);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        photoBytes_ = file.readAll();
    }

    QByteArray PhotoBytes() const {
        QFile file(photoPath_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString Refusal(const QString& path) {
        QString message;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(RunBlurOnFile(path), BlurFailed);
        return message;
    }

    QTemporaryDir folder_;
    testing::CarScene scene_ = testing::MakeCarScene();
    QString photoPath_;
    QByteArray photoBytes_;
};

TEST_F(BlurPhotoFile, SavingWritesTheBlurredPhotoNextToTheOriginal) {
    QImage shown, blurred;
    QString caption;
    WhenModal<TFrmBlur>([&](TFrmBlur* window) {
        caption = window->windowTitle();
        shown = window->Picture();
        auto* image1 = window->findChild<PictureBox*>("Image1");
        const QRect plate = scene_.Plate;
        QTest::mousePress(image1, Qt::LeftButton, {}, plate.topLeft());
        QTest::mouseMove(image1, plate.bottomRight());
        QTest::mouseRelease(image1, Qt::LeftButton, {}, plate.bottomRight());
        blurred = window->Picture();
        QTest::mouseClick(window->findChild<QPushButton*>("BtnSave"), Qt::LeftButton);
    });
    EXPECT_EQ(RunBlurOnFile(photoPath_), BlurSaved);

    EXPECT_EQ(caption, "Formulaire de Floutage pour la plaque minéralogique : VO 1234.jpg");
    EXPECT_EQ(BlurredPathFor(photoPath_), folder_.filePath("VO 1234-flou.jpg"));
    const QImage written(folder_.filePath("VO 1234-flou.jpg"));
    ASSERT_EQ(written.size(), QSize(640, 480));
    EXPECT_LT(MeanDifference(written, blurred), 2.0);
    // The plate's letters are gone: the saved plate differs clearly from the photo's.
    EXPECT_GT(MeanDifference(written.copy(scene_.Plate), shown.copy(scene_.Plate)), 8.0);
    EXPECT_EQ(PhotoBytes(), photoBytes_);
}

TEST_F(BlurPhotoFile, QuittingWritesNothing) {
    WhenModal<TFrmBlur>([](TFrmBlur* window) {
        auto* image1 = window->findChild<PictureBox*>("Image1");
        QTest::mousePress(image1, Qt::LeftButton, {}, {10, 10});
        QTest::mouseRelease(image1, Qt::LeftButton, {}, {200, 100});
        QTest::mouseClick(window->findChild<QPushButton*>("BtnQuit"), Qt::LeftButton);
    });
    EXPECT_EQ(RunBlurOnFile(photoPath_), BlurQuit);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"VO 1234.jpg"});
}

TEST_F(BlurPhotoFile, UnreadablePhotosAreRefusedInFrench) {
    QFile corrupt(folder_.filePath("abîmée.jpg"));
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray("\xFF\xD8\xFF\xE0 ceci n'est pas une photo", 30));
    corrupt.close();
    ASSERT_TRUE(QDir(folder_.path()).mkdir("dossier.jpg"));
    const struct {
        QString name, message;
    } cases[] = {
        {"absente.jpg", "La photo « %1 » est introuvable."},
        {"abîmée.jpg", "La photo « %1 » n'a pas pu être lue : le fichier n'est pas une image JPEG valide."},
        {"dossier.jpg", "La photo « %1 » n'a pas pu être lue : le fichier n'est pas une image JPEG valide."},
    };
    for (const auto& c : cases) {
        const QString path = folder_.filePath(c.name);
        EXPECT_EQ(Refusal(path), c.message.arg(QDir::toNativeSeparators(path)));
        EXPECT_FALSE(QFile::exists(BlurredPathFor(path))) << c.name.toStdString();
    }
}

TEST_F(BlurPhotoFile, AFailedWriteIsToldAndLeavesNoFile) {
    for (const QString& target : {folder_.filePath("absent/VO-flou.jpg"), folder_.path()}) {
        const QString message = SaveBlurredPhoto(scene_.Photo, target);
        EXPECT_EQ(message, QString("La photo floutée n'a pas pu être enregistrée dans « %1 ». Vérifiez "
                                   "que le dossier existe et qu'il est accessible en écriture.")
                               .arg(QDir::toNativeSeparators(target)));
    }
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"VO 1234.jpg"});
}

TEST_F(BlurPhotoFile, AFolderThatCannotBeWrittenIsToldBeforeTheWork) {
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(folder_.path()).isWritable()) {
        QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user writes in read-only folders";
    }
    EXPECT_EQ(Refusal(photoPath_),
              QString("Le dossier « %1 » n'est pas accessible en écriture : la photo floutée ne "
                      "pourrait pas y être enregistrée.")
                  .arg(QDir::toNativeSeparators(folder_.path())));
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(PhotoBytes(), photoBytes_);
}

} // namespace
} // namespace photos
