#pragma once
// A 640 x 480 street photo of a car with its front plate, painted and passed through the JPEG
// codec so that it carries a photo's noise and block artefacts.
#include <QImage>
#include <QRect>

namespace photos::testing {

struct CarScene {
    QImage Photo; // QImage::Format_BGR888
    QRect Plate;  // where the plate lies on the photo
};

CarScene MakeCarScene();

} // namespace photos::testing
