// The designer with 5,000 objects on the layout area: hit testing, a band
// selecting all, moving all by one grid step with the repaint, placing one more.
#include "Unit1.h"
#include "benchmain.h"
#include "dsn8register.h"
#include "dsnbutton.h"
#include "dsnstage.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <QImage>
#include <QMouseEvent>
#include <memory>

namespace {

constexpr int kObjects = 5000;

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::KeyboardModifiers modifiers = {})
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
{
    sendMouse(widget, QEvent::MouseButtonPress, from, modifiers);
    sendMouse(widget, QEvent::MouseMove, to, modifiers);
    sendMouse(widget, QEvent::MouseButtonRelease, to, modifiers);
}

/// The window in design mode with 5,000 tents, hills and labels, overlapping
/// in rows across the layout area.
struct Campsite {
    TForm1 form;
    TDsnStage* stage = form.DsnStage1;
    TDsn8Register* designer = form.Dsn8Register1;
    QImage screen{stage->size(), QImage::Format_RGB32};

    Campsite()
    {
        const char* kinds[] = {"Dpst_TImage", "Dpst_TImageXXXX", "Dpst_TLabel", "Dpst_TImageXXX"};
        for (int i = 0; i < kObjects; ++i) {
            auto object =
                std::make_unique<CampsiteObject>(*form.findTemplate(QLatin1String(kinds[i % 4])));
            object->name.clear();
            object->geometry.moveTo(8 + (i * 7) % 500, 8 + (i / 71) * 6 % 440);
            object->geometry.setSize(QSize(24, 24));
            object->autoSize = false;
            designer->addReadInObject(std::move(object));
        }
        designer->setDesignMode(true);
    }
    void repaint() { stage->render(&screen); }
};

std::unique_ptr<Campsite> sharedCampsite;

Campsite& campsite()
{
    if (!sharedCampsite)
        sharedCampsite = std::make_unique<Campsite>();
    return *sharedCampsite;
}

void BM_HitTestBottomObject(benchmark::State& state)
{
    Campsite& site = campsite();
    // The first object lies under all later ones at its corner: the search runs through all.
    const QPoint point = site.designer->objects().first()->geometry.topLeft();
    for (auto _ : state)
        benchmark::DoNotOptimize(site.stage->campsiteLayout().objectAt(point));
}
BENCHMARK(BM_HitTestBottomObject)->Unit(benchmark::kMicrosecond);

void BM_HitTestEmptyPlace(benchmark::State& state)
{
    Campsite& site = campsite();
    for (auto _ : state)
        benchmark::DoNotOptimize(site.stage->campsiteLayout().objectAt({535, 461}));
}
BENCHMARK(BM_HitTestEmptyPlace)->Unit(benchmark::kMicrosecond);

void BM_BandSelectingAll(benchmark::State& state)
{
    Campsite& site = campsite();
    const QPoint corner(site.stage->width() - 1, site.stage->height() - 1);
    for (auto _ : state) {
        drag(site.stage, corner, {0, 0}, Qt::ControlModifier);
        site.repaint();
    }
    if (site.designer->selectedObjects().size() != kObjects)
        state.SkipWithError("the band did not select all objects");
}
BENCHMARK(BM_BandSelectingAll)->Unit(benchmark::kMillisecond);

void BM_MovingAllOneStepWithRepaint(benchmark::State& state)
{
    Campsite& site = campsite();
    drag(site.stage, {site.stage->width() - 1, site.stage->height() - 1}, {0, 0},
         Qt::ControlModifier);
    CampsiteObject* first = site.designer->objects().first();
    int step = 8;
    for (auto _ : state) {
        const QPoint from = first->geometry.topLeft() + QPoint(1, 1);
        drag(site.stage, from, from + QPoint(step, 0));
        site.repaint();
        step = -step;
    }
    if (site.designer->selectedObjects().size() != kObjects)
        state.SkipWithError("the move lost the selection");
}
BENCHMARK(BM_MovingAllOneStepWithRepaint)->Unit(benchmark::kMillisecond);

void BM_PlacingOneMore(benchmark::State& state)
{
    Campsite& site = campsite();
    site.designer->clearSelection(); // the handles of a selection would take the press
    for (auto _ : state) {
        site.form.DsnButton1->pressed();
        drag(site.stage, {200, 200}, {240, 240});
        state.PauseTiming();
        site.designer->deleteSelection();
        state.ResumeTiming();
    }
    if (site.designer->objects().size() != kObjects)
        state.SkipWithError("placing went wrong");
}
BENCHMARK(BM_PlacingOneMore)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [] { sharedCampsite.reset(); });
}
