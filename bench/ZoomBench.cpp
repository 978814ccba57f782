// A zoomed document costs what the window shows, not what the picture holds: repaints of a
// 1000 x 700 window at fit and at 3200 % against 100 %, a pencil stroke at fit against 100 %,
// and a rubber band at 800 % on a big picture against a small one.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "shell/ZoomView.h"
#include <QCoreApplication>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// A 1000 x 700 scrolling window showing a picture component at a zoom: at 1 the component
// itself, otherwise the zoom view in its place (the document window's arrangement).
struct TZoomWindow {
    std::unique_ptr<TImagePic> pic;
    QScrollArea area;
    QWidget* sheet = new QWidget;
    TZoomView* view = nullptr;

    TZoomWindow(int w, int h, double zoom) : pic(MakePic(w, h, true))
    {
        area.setFrameShape(QFrame::NoFrame);
        area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area.resize(1000, 700);
        pic->setParent(sheet);
        view = new TZoomView(*pic, sheet);
        area.setWidget(sheet);
        area.show();
        SetZoom(zoom);
    }
    // Shows the middle of the picture at the zoom.
    void SetZoom(double zoom)
    {
        view->SetZoom(zoom);
        pic->setVisible(zoom == 1);
        view->setVisible(zoom != 1);
        sheet->resize(zoom == 1 ? pic->size() : view->size());
        area.horizontalScrollBar()->setValue((sheet->width() - 1000) / 2);
        area.verticalScrollBar()->setValue((sheet->height() - 700) / 2);
        QCoreApplication::processEvents();
    }
    // The pixel at the window's centre.
    QPoint Centre() const
    {
        const QPoint screen(area.horizontalScrollBar()->value() + 500, area.verticalScrollBar()->value() + 350);
        return view->isVisible() ? view->PicturePoint(screen) : screen;
    }
    ~TZoomWindow() { pic->setParent(nullptr); }
};

void Repaint(benchmark::State& state, double zoom)
{
    TZoomWindow window(6000, 4000, zoom);
    for (auto _ : state) {
        window.area.viewport()->repaint();
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
        QCoreApplication::processEvents();
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
        QCoreApplication::processEvents();
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
    window.area.viewport()->repaint();
    const qint64 at100 = ResidentBytes();
    window.SetZoom(32);
    window.area.viewport()->repaint();
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
