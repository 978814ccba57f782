#pragma once
// A button panel for the button panel tests: flat field frames whose ring colour tells the
// field state, counters of field repaints and every event recorded.
#include "platform/Bitmap.h"
#include "widgets/BitmapX.h"
#include "widgets/PreFelter.h"
#include <map>
#include <memory>
#include <vector>

namespace paneltest {
constexpr TColor kNormal = clRed;    // ring of state 1
constexpr TColor kNede = clLime;     // ring of state 2
constexpr TColor kOver = clBlue;     // ring of state 3
constexpr TColor kUaktiv = clTeal;   // ring of state 0
constexpr TColor kFelt = clSilver;   // the field's fill
constexpr TColor kBaggrund = clWhite; // the panel's background

class TTestPan : public TKnapPan {
public:
    explicit TTestPan(QWidget* parent = nullptr) : TKnapPan(parent)
    {
        SetColor(kBaggrund);
        // Hovering works without the keyboard focus (the tests' window is never active).
        SetFocusReguler(false);
        Felt.SetArt(rtIngen);
        Felt.SetArtUaktiv(rtIngen);
        Felt.SetReaktionNede(rtIngen);
        Felt.SetReaktionOver(rtIngen);
        Felt.SetFarveRamme(kNormal);
        Felt.SetFarveAktiv(kNede);
        Felt.SetFarveOver(kOver);
        Felt.SetFarveUaktiv(kUaktiv);
        Felt.SetFarveFelt(kFelt);
        Felt.SetBredde(1);
        Felt.SetAfstandLodret(2);
        Felt.SetAfstandVandret(2);
        SetRammeFelt(&Felt);
        OnMus = [this](TObject*, TMouseButton b, int nr) { Mus.push_back(nr); Buttons.push_back(b); };
        OnMusOver = [this](TObject*, int nr) { Over.push_back(nr); };
        OnKey = [this](TObject*, uint16_t key, int nr) { Keys.push_back({key, nr}); };
        OnStartNr = [this](TObject*, int nr) { Starts.push_back(nr); };
        OnAntalIalt = [this](TObject*, int n) { Totals.push_back(n); };
        FOnMusKlik = [this](TMouseButton, int nr) { Klik.push_back(nr); };
    }

    // A grid of v x l fields of about cell pixels each (gap 2), total items t, painted.
    void Grid(int v, int l, int t, int cell = 20)
    {
        resize(v * cell + 1, l * cell + 1);
        SetAntalVandret(v);
        SetAntalLodret(l);
        SetAntalIalt(t);
        Paint();
        Clear();
    }

    void Clear()
    {
        Mus.clear();
        Buttons.clear();
        Over.clear();
        Keys.clear();
        Starts.clear();
        Totals.clear();
        Klik.clear();
        Repaints.clear();
    }

    // The middle of field k's inner rectangle.
    TPoint Mid(int k) const
    {
        const TRect r = Felter()[size_t(k)].IR;
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // A point of no field: the top-left pixel of the panel (a gap).
    TPoint Gap() const { return {0, 0}; }
    void Hover(int k) { const TPoint p = Mid(k); MouseMove({}, p.X, p.Y); }
    void Press(int k) { const TPoint p = Mid(k); MouseDown(mbLeft, {}, p.X, p.Y); }
    void Release(int k) { const TPoint p = Mid(k); MouseUp(mbLeft, {}, p.X, p.Y); }
    void Key(uint16_t key) { KeyDown(key); }

    // The ring colour of field k on the raster (the top-left pixel of its frame).
    TColor Ring(int k) const
    {
        const TRect r = Felter()[size_t(k)].YR;
        return View().Canvas().Pixels(r.Left, r.Top);
    }
    uint8_t Sit(int k) const { return Felter()[size_t(k)].Sit; }
    bool Fokus(int k) const { return Felter()[size_t(k)].Fokus; }
    // The fields repainted since the last Clear (frames painted per field).
    int RepaintCount() const
    {
        int n = 0;
        for (const auto& [k, count] : Repaints)
            n += count;
        return n;
    }

    using TKnapPan::FOnstartNrChange;

    TRammeFeltX Felt;
    std::vector<int> Mus, Over, Starts, Totals, Klik;
    std::vector<TMouseButton> Buttons;
    struct KeyEvent {
        uint16_t key;
        int nr;
        bool operator==(const KeyEvent&) const = default;
    };
    std::vector<KeyEvent> Keys;
    std::map<int, int> Repaints;

protected:
    void PaintFeltRamme(int k) override
    {
        ++Repaints[k];
        TKnapPan::PaintFeltRamme(k);
    }
};

// An image list of n solid 4 x 4 images in the given colours.
inline std::unique_ptr<TImageList> SolidList(const std::vector<TColor>& colours, int size = 4)
{
    auto list = std::make_unique<TImageList>(size, size);
    for (TColor c : colours) {
        TBitmap b(size, size);
        b.Canvas().Brush = {c, bsSolid};
        b.Canvas().FillRect(b.BoundsRect());
        list->Add(b);
    }
    return list;
}
} // namespace paneltest
