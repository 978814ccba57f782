#pragma once
#include "widgets/Compo.h"
#include <memory>

// A picture preview: the held picture is fitted into the content area, reduced to fit but never
// enlarged, and centred.
class TBilCompo : public TPreRammeCompo {
public:
    explicit TBilCompo(QWidget* parent = nullptr);

    // The previewed picture (nullptr while none is held); assigning copies it.
    const TBitmap* BitmapBil() const { return FBitmapBil.get(); }
    void SetBitmapBil(const TBitmap& value);
    // Loads a picture file; the held picture is replaced only when the file reads.
    bool LoadBitmap(const QString& FNavn);
    void FreeBitmap();
    // Fits the picture again (after a size change) and repaints.
    void NewPaint();

    bool NoBitmap() const { return !FBitmapBil; }
    int RealBredde() const { return FRealBredde; }
    int RealHojde() const { return FRealHojde; }
    // Where the picture is drawn; valid while RektBeregnet.
    TRect Drect;
    bool RektBeregnet = false;

protected:
    void Paint() override;

private:
    void Hold(std::unique_ptr<TBitmap> picture);
    void Fit();

    std::unique_ptr<TBitmap> FBitmapBil;
    int FRealBredde = 0;
    int FRealHojde = 0;
    // The content area Drect was fitted into.
    TRect FFittedTo;
};
