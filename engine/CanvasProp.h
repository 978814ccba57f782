#pragma once
#include "engine/ImageCurs.h"

class TTekstX;

// Second link: the picture raster and the canvas settings of the tools.
// The pen and brush setters reach the view and the picture's canvas at once; the meta
// bitmap gets them only when a figure starts.
class TCanvasProp : public TImageCurs {
public:
    explicit TCanvasProp(QWidget* parent = nullptr);

    int JpgKvalitet() const { return FJpgKvalitet; }
    void SetJpgKvalitet(int value) { FJpgKvalitet = value; }
    TColor Papirfarve() const { return FPapirfarve; }
    void SetPapirfarve(TColor value) { FPapirfarve = value; }
    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor value);
    int PenWidth() const { return FPenWidth; }
    void SetPenWidth(int value);
    TPenStyle PenStyle() const { return FPenStyle; }
    void SetPenStyle(TPenStyle value);
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor value);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle value);
    TColor RamFarveSkygge() const { return FRamFarveSkygge; }
    void SetRamFarveSkygge(TColor value) { FRamFarveSkygge = value; }
    TColor RamFarveLys() const { return FRamFarveLys; }
    void SetRamFarveLys(TColor value) { FRamFarveLys = value; }
    TTekstX* TekstBog() const { return FTekstBog; }
    void SetTekstBog(TTekstX* value) { FTekstBog = value; }
    TMetaMetode MetaMetode() const { return FMetaMetode; }
    void SetMetaMetode(TMetaMetode value) { FMetaMetode = value; }
    TColor MetaFarve() const { return FMetaFarve; }
    void SetMetaFarve(TColor value) { FMetaFarve = value; }
    TColor TransFarve() const { return FTransFarve; }
    void SetTransFarve(TColor value) { FTransFarve = value; }
    bool MetaTrans() const { return FMetaTrans; }
    void SetMetaTrans(bool value) { FMetaTrans = value; }
    bool Painting() const { return FPainting; }
    void SetPainting(bool value) { FPainting = value; }

    TBitmap& Picture() { return FPicture; }
    const TBitmap& Picture() const { return FPicture; }
    // Copies the raster into the component's own picture; with AutoDim the component takes
    // the picture's size; then the view is redrawn.
    void SetPicture(const TBitmap& value);

    // Sizes the component to the picture when AutoDim is set.
    void AutoDimensioner();
    // Gives the picture's canvas the pen and brush settings (after the picture was replaced).
    void ApplyCanvasSettings();
    // Gives any canvas the pen colour, style and width and the brush colour and style.
    void ApplySettingsTo(TCanvas& c) const;
    // Exchanges pen and brush colour on the view and the picture's canvas (right-button drags).
    void SwapColours();

protected:
    // Applies a setting to the two canvases the tool settings reach: the view and the picture's.
    template <typename Fn>
    void ForToolCanvases(Fn fn)
    {
        fn(ViewCanvasSettings());
        fn(FPicture.Canvas());
    }

    TColor FPapirfarve = clWhite;
    TColor FPenColor = clBlack;
    TColor FBrushColor = clWhite;
    int FJpgKvalitet = 100;
    int FPenWidth = 1;
    TBrushStyle FBrushStyle = bsSolid;
    TPenStyle FPenStyle = psSolid;
    TColor FRamFarveLys = 0;
    TColor FRamFarveSkygge = 0;
    TTekstX* FTekstBog = nullptr;
    TMetaMetode FMetaMetode = mmNormal;
    TColor FMetaFarve = 0;
    TColor FTransFarve = 0;
    bool FMetaTrans = false;
    bool FPainting = false;
    TBitmap FPicture;
    // Pen width saved while the special frame tool draws with width 1.
    int PWidth = 0;
};
