// A zoomed document costs what the window shows, not what the picture holds: repaints of a
// 1000 x 700 window at fit and at 3200 % against 100 %, a pencil stroke at fit against 100 %,
// and a rubber band at 800 % on a big picture against a small one.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "shell/ZoomView.h"
#include <QFile>
#include <QPainter>

namespace {

// A 1000 x 700 window onto the middle of a picture at a zoom. It paints what a document
// window paints: at 1 the component's paint (a copy from its view), otherwise the zoom
// view's; after a change, only the rectangles the change reported.
struct TZoomWindow {
    std::unique_ptr<TImagePic> pic;
    std::unique_ptr<TZoomView> view;
    QImage screen{1000, 700, QImage::Format_RGB32};
    QRect shown; // the window's rectangle in the shown widget's coordinates
    QRegion dirty;

    TZoomWindow(int w, int h, double zoom) : pic(MakePic(w, h, true)), view(std::make_unique<TZoomView>(*pic))
    {
        SetZoom(zoom);
        // Every change of the view is also noted here as the screen rectangle to repaint.
        const auto show = pic->OnViewChange;
        pic->OnViewChange = [this, show](const TRect& r) {
            show(r);
            const double z = view->Zoom();
            dirty += z == 1 ? QRect(r.Left, r.Top, r.Width(), r.Height())
                            : QRect(view->ScreenPoint(QPoint(r.Left - 1, r.Top - 1)),
                                    view->ScreenPoint(QPoint(r.Right + 1, r.Bottom + 1)));
        };
    }
    void SetZoom(double zoom)
    {
        view->SetZoom(zoom);
        const QSize size = zoom == 1 ? pic->size() : view->size();
        shown = QRect(QPoint(std::max(0, (size.width() - 1000) / 2), std::max(0, (size.height() - 700) / 2)),
                      screen.size());
    }
    void Paint(const QRegion& region)
    {
        QPainter painter(&screen);
        painter.translate(-shown.topLeft());
        for (const QRect& r : region & shown) {
            if (view->Zoom() == 1)
                painter.drawImage(r, pic->View().Image(), r);
            else
                view->PaintArea(painter, r);
        }
    }
    void PaintChanges()
    {
        Paint(dirty);
        dirty = QRegion();
    }
    // The pixel at the window's centre.
    QPoint Centre() const
    {
        return view->Zoom() == 1 ? shown.center() : view->PicturePoint(shown.center());
    }
};

void Repaint(benchmark::State& state, double zoom)
{
    TZoomWindow window(6000, 4000, zoom);
    for (auto _ : state) {
        window.Paint(window.shown);
        benchmark::ClobberMemory();
    }
}
void BM_Repaint100(benchmark::State& state) { Repaint(state, 1); }
void BM_RepaintFit(benchmark::State& state) { Repaint(state, 1.0 / 8); }
void BM_Repaint3200(benchmark::State& state) { Repaint(state, 32); }
BENCHMARK(BM_Repaint100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintFit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Repaint3200)->Unit(benchmark::kMicrosecond);

// A pencil stroke of 40 pixels near the centre, then the window's repaint of what it changed.
void PencilAt(benchmark::State& state, double zoom)
{
    TZoomWindow window(6000, 4000, zoom);
    window.pic->SetToolNr(1);
    const QPoint c = window.Centre();
    int i = 0;
    for (auto _ : state) {
        const int y = c.y() - 100 + (++i % 200);
        window.pic->MouseDown(mbLeft, {}, c.x() - 20, y);
        window.pic->MouseMove({}, c.x() + 20, y);
        window.pic->MouseUp(mbLeft, {}, c.x() + 20, y);
        window.PaintChanges();
        benchmark::ClobberMemory();
    }
}
void BM_PencilAt100(benchmark::State& state) { PencilAt(state, 1); }
void BM_PencilAtFit(benchmark::State& state) { PencilAt(state, 1.0 / 8); }
BENCHMARK(BM_PencilAt100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PencilAtFit)->Unit(benchmark::kMicrosecond);

// One step of a rectangle's rubber band at 800 %, with the window's repaint.
void RubberBandAt800(benchmark::State& state, int w, int h)
{
    TZoomWindow window(w, h, 8);
    window.pic->SetToolNr(3);
    const QPoint c = window.Centre();
    window.pic->MouseDown(mbLeft, {}, c.x() - 30, c.y() - 20);
    int i = 0;
    for (auto _ : state) {
        const int d = ++i % 10;
        window.pic->MouseMove({}, c.x() + 20 + d, c.y() + 10 + d);
        window.PaintChanges();
        benchmark::ClobberMemory();
    }
    window.pic->MouseUp(mbLeft, {}, c.x(), c.y());
}
void BM_RubberBandAt800Big(benchmark::State& state) { RubberBandAt800(state, 6000, 4000); }
void BM_RubberBandAt800Small(benchmark::State& state) { RubberBandAt800(state, 600, 400); }
BENCHMARK(BM_RubberBandAt800Big)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RubberBandAt800Small)->Unit(benchmark::kMicrosecond);

qint64 ResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

// The program's memory with a 6000 x 4000 picture shown at 100 % and then at 3200 %.
void PrintMemory()
{
    TZoomWindow window(6000, 4000, 1);
    window.Paint(window.shown);
    const qint64 at100 = ResidentBytes();
    window.SetZoom(32);
    window.Paint(window.shown);
    const qint64 at3200 = ResidentBytes();
    std::printf("\nResident memory with a 6000 x 4000 picture: %.1f MB at 100 %%, %.1f MB at 3200 %% (%.3f x)\n",
                double(at100) / (1 << 20), double(at3200) / (1 << 20), at100 > 0 ? double(at3200) / at100 : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_RepaintFit", "BM_Repaint100"},
                          {"BM_Repaint3200", "BM_Repaint100"},
                          {"BM_PencilAtFit", "BM_PencilAt100"},
                          {"BM_RubberBandAt800Big", "BM_RubberBandAt800Small"}},
                         PrintMemory);
}
