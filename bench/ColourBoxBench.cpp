// The colour windows against the panel work they stand on. The palette box's "create" from a
// 6000 x 4000 picture should cost at most 1.2 times the panel's own palette from that picture
// (both shown, so both repaint the same fields); a hover over the colour box's 125-field
// palette (a help line and the frames of the old and the new field) at most about two
// repaints of one field.
#include "bench/RatioMain.h"
#include "colours/ColorPan.h"
#include "colours/Colform.h"
#include "colours/Farveform.h"
#include "engine/ImagePic.h"
#include "tests/common/FakeMainServices.h"
#include "widgets/SharedPainters.h"

namespace {
constexpr int kW = 6000, kH = 4000;

// Hints are thrown away: a benchmark makes millions of them.
class QuietServices : public FakeMainServices {
public:
    void InfoHint(const QString&) override {}
};

TBitmap Make(TColor (*colour)(int x, int y))
{
    TBitmap b(kW, kH);
    for (int y = 0; y < kH; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < kW; ++x)
            line[x] = ToQRgb(colour(x, y));
    }
    return b;
}

// A photo-like picture with far more than 256 colours: the random phase finds them.
const TBitmap& Photo()
{
    static const TBitmap picture = Make([](int x, int y) { return RGB(x % 251, y % 241, (x + y) % 239); });
    return picture;
}

// Seven colours, each pixel unlike its left neighbour: the random phase cannot finish, so
// every pixel is scanned.
const TBitmap& Seven()
{
    static const TBitmap picture = Make([](int x, int y) { return RGB((x + y) % 7 * 30, 40, 50); });
    return picture;
}

void RunPanel(benchmark::State& state, const TBitmap& picture)
{
    TSharedPainters painters;
    TColorPan pan;
    pan.SetRammeYdre(&painters.PalRamme);
    pan.SetRammeFelt(&painters.Framme1);
    pan.SetAntalVandret(16);
    pan.SetAntalLodret(4);
    pan.setFixedSize(16 * 15 + 6, 4 * 20 + 6);
    pan.show();
    pan.Paint();
    for (auto _ : state)
        benchmark::DoNotOptimize(pan.PalFraBilDyn(256, picture));
}

void RunPaletteBox(benchmark::State& state, const TBitmap& picture)
{
    QuietServices services;
    TImagePic pic;
    pic.SetPicture(picture);
    services.Picture = &pic;
    TSharedPainters painters;
    TColform colform(services, painters);
    colform.FeltAntal = 256;
    colform.show();
    colform.ColPal->Paint();
    for (auto _ : state)
        colform.CreateKnapClick();
}

void BM_PanelPhoto(benchmark::State& state) { RunPanel(state, Photo()); }
void BM_PaletteBoxPhoto(benchmark::State& state) { RunPaletteBox(state, Photo()); }
void BM_PanelSeven(benchmark::State& state) { RunPanel(state, Seven()); }
void BM_PaletteBoxSeven(benchmark::State& state) { RunPaletteBox(state, Seven()); }
BENCHMARK(BM_PanelPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaletteBoxPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelSeven)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaletteBoxSeven)->Unit(benchmark::kMillisecond);

struct THoverBox {
    QuietServices services;
    TSharedPainters painters;
    TFarveform box{services, painters};
    TColorPan& big = *box.BigSpal;
    QPoint a, b;
    THoverBox()
    {
        big.NytAntalVL(18, 7);
        big.SetAntalIalt(125);
        big.Standard125(false);
        box.show();
        big.Paint();
        // Fields answer the mouse once the panel holds the focus.
        big.DoEnter();
        const TRect ra = big.Felt(40)->IR, rb = big.Felt(41)->IR;
        a = {(ra.Left + ra.Right) / 2, (ra.Top + ra.Bottom) / 2};
        b = {(rb.Left + rb.Right) / 2, (rb.Top + rb.Bottom) / 2};
    }
};

void BM_OneFieldRepaint(benchmark::State& state)
{
    THoverBox h;
    int k = 0;
    for (auto _ : state)
        h.big.RepaintFelt(40 + (++k & 1));
}
BENCHMARK(BM_OneFieldRepaint);

void RunHover(benchmark::State& state, bool helpLine)
{
    THoverBox h;
    if (!helpLine)
        h.big.OnMusOver = nullptr;
    int k = 0;
    for (auto _ : state) {
        const QPoint p = (++k & 1) ? h.a : h.b;
        h.big.MouseMove({}, p.x(), p.y());
    }
    if (h.big.OverNr < 0)
        state.SkipWithError("the hover reached no field");
}
// The hover as the box has it, and the panel's own part of it (the two frames) alone.
void BM_HoverOverBigPalette(benchmark::State& state) { RunHover(state, true); }
void BM_HoverFramesOnly(benchmark::State& state) { RunHover(state, false); }
BENCHMARK(BM_HoverOverBigPalette);
BENCHMARK(BM_HoverFramesOnly);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_PaletteBoxPhoto", "BM_PanelPhoto"},
                          {"BM_PaletteBoxSeven", "BM_PanelSeven"},
                          {"BM_HoverOverBigPalette", "BM_OneFieldRepaint"},
                          {"BM_HoverFramesOnly", "BM_OneFieldRepaint"}});
}
