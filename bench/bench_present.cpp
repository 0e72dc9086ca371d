// Presenting the 8-bit primary surface on a 32-bit screen: a palette write reconverts and
// repaints the whole 1920 x 1080 frame, a figure move only its 300 x 300 box. Both include
// the QPainter paint of the converted region onto a screen-sized picture, as the presenter
// widget does.
#include "display/DisplayDevice.h"
#include "display/FrameConverter.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using namespace trelon;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Screen {
    std::shared_ptr<DisplayDevice> device;
    std::shared_ptr<Surface> primary;
    PaletteTable table = defaultPaletteTable();
    FrameConverter converter;
    QImage backingStore{kWidth, kHeight, QImage::Format_RGB32};

    Screen() {
        DisplayDevice::create(QSize(kWidth, kHeight), {}, device);
        device->createPrimarySurface(primary);
        SurfaceLock access;
        primary->lock(access);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                access.bits[y * access.pitch + x] = static_cast<std::uint8_t>((x / 7 + y) & 0xFF);
            }
        }
        primary->unlock();
        converter.update(*primary, table);
    }

    void present() {
        const QRegion converted = converter.update(*primary, table);
        QPainter painter(&backingStore);
        for (const QRect& box : converted) {
            painter.drawImage(box.topLeft(), converter.frame(), box);
        }
    }
};

void BM_PresentAfterPaletteWrite(benchmark::State& state) {
    Screen screen;
    int step = 0;
    for (auto _ : state) {
        screen.table[23].red = static_cast<std::uint8_t>(++step);
        screen.converter.invalidateAll();
        screen.present();
        benchmark::DoNotOptimize(screen.backingStore.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_PresentAfterPaletteWrite)->Unit(benchmark::kMicrosecond);

void BM_PresentDirtyBox(benchmark::State& state) {
    Screen screen;
    const QRect box(800, 400, 300, 300);
    for (auto _ : state) {
        screen.converter.invalidate(box);
        screen.present();
        benchmark::DoNotOptimize(screen.backingStore.constBits());
    }
    state.SetItemsProcessed(state.iterations() * box.width() * box.height());
}
BENCHMARK(BM_PresentDirtyBox)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
