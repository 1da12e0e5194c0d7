// Speed of the plate blur: a 200 x 60 plate zone and a whole 640 x 480 photo at radii 2, 5, 10.
// bench_blur --write-scene DIR writes the same photo and zone as PPM files for the comparison
// with ImageMagick (compare_blur.sh).
#include "CarScene.h"
#include "photos/BlurBand.h"
#include "photos/GaussianBlur.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

const photos::testing::CarScene& Scene() {
    static const photos::testing::CarScene scene = photos::testing::MakeCarScene();
    return scene;
}

// 200 x 60 around the painted plate, as a user's drag would take it.
QImage PlateZone() {
    return Scene().Photo.copy(Scene().Plate.center().x() - 100, 364, 200, 60);
}

void BM_GaussianBlurPlateZone(benchmark::State& state) {
    const QImage zone = PlateZone();
    for (auto _ : state) {
        QImage work = zone.copy();
        photos::GaussianBlur(work, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(work.constBits());
    }
}
BENCHMARK(BM_GaussianBlurPlateZone)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

// What one slider step costs: the band of the zone recomputed from its unblurred pixels.
void BM_BlurBandPlateZone(benchmark::State& state) {
    const QImage zone = PlateZone();
    for (auto _ : state) {
        QImage work = zone.copy();
        photos::BlurBand(zone, work, true, 30, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(work.constBits());
    }
}
BENCHMARK(BM_BlurBandPlateZone)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_GaussianBlurWholePhoto(benchmark::State& state) {
    const QImage photo = Scene().Photo;
    for (auto _ : state) {
        QImage work = photo.copy();
        photos::GaussianBlur(work, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(work.constBits());
    }
}
BENCHMARK(BM_GaussianBlurWholePhoto)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv); // the scene's plate letters need fonts
    if (argc == 3 && std::strcmp(argv[1], "--write-scene") == 0) {
        const QString dir = QString::fromLocal8Bit(argv[2]);
        return Scene().Photo.save(dir + "/photo.ppm") && PlateZone().save(dir + "/zone.ppm") ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
