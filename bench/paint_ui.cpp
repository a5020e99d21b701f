// SPDX-License-Identifier: MIT
// Painting one whole cabinet frame into an image, at 1x and 2x device pixel ratio.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "core/headless.h"
#include "game/game.h"
#include "game/startup.h"
#include "rules/strips.h"
#include "ui/cabinetpainter.h"

namespace {

using namespace tonvale;

// A frame as the player sees it between spins: reels at rest, meters filled, a
// winning cell framed.
struct Scene {
    Scene() {
        game.startup.Form_Load();
        MainWindow& ui = game.m.ui;
        constexpr int stops[6] = {0, 3, 7, 11, 15, 19};
        for (int r = 1; r <= 5; ++r) ui.reel[static_cast<std::size_t>(r)].top = restTop(stops[r]);
        ui.flasher[2].visible = true;
        ui.flasher[5].visible = true;
        ui.LABWIN.caption = "Good Luck";
    }
    HeadlessPlatform platform;
    Game game{platform.ports()};
};

void paintFrame(benchmark::State& state, qreal dpr, bool warm) {
    Scene scene;
    const QSize logical(MainWindow::kWidth / 15, MainWindow::kHeight / 15);
    QImage image(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    const ViewGeometry geometry(QSizeF(logical), dpr);
    SpriteCache sprites;
    CabinetPainter painter(sprites);
    const auto frame = [&] {
        QPainter p(&image);
        painter.paint(p, scene.game.m.ui, geometry);
    };
    if (warm) frame();  // pictures rendered once, as after the first frame of the game
    for (auto _ : state) {
        if (!warm) sprites.clear();
        frame();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["px"] = double(image.width()) * image.height();
}

void BM_PaintFrame_1x(benchmark::State& state) { paintFrame(state, 1.0, true); }
void BM_PaintFrame_2x(benchmark::State& state) { paintFrame(state, 2.0, true); }
// Every picture rendered from its SVG again: the first frame after a resize.
void BM_PaintFrameCold_1x(benchmark::State& state) { paintFrame(state, 1.0, false); }
void BM_PaintFrameCold_2x(benchmark::State& state) { paintFrame(state, 2.0, false); }

}  // namespace

BENCHMARK(BM_PaintFrame_1x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintFrame_2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintFrameCold_1x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFrameCold_2x)->Unit(benchmark::kMillisecond);
