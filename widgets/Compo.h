#pragma once
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Input.h"
#include "platform/Types.h"
#include "widgets/RammeX.h"
#include <QPointer>
#include <QString>
#include <QWidget>

// Direction of a bar: grows to the right or upwards, a horizontal or vertical scroll bar.
enum TCompoOrientering { coVandret, coLodret };
// JPEG quality 1 .. 100.
using TJPEGQualityRange = int;

// The base of the program's own drawn controls. A control renders itself into a raster of its
// own size at every paint; paintEvent only copies the changed part of that raster to the
// screen, so what the control shows can be read from View().
class TPreGrundCompo : public QWidget {
public:
    explicit TPreGrundCompo(QWidget* parent = nullptr);
    ~TPreGrundCompo() override;

    TSprogtype Sprog() const { return FSprog; }
    void SetSprog(TSprogtype value) { FSprog = value; }
    TJPEGQualityRange JpgKvalitet() const { return FJpgKvalitet; }
    void SetJpgKvalitet(TJPEGQualityRange value);
    // The first paint has run.
    bool CompoPainted() const { return FCompoPainted; }
    // A paint is running (focus changes meanwhile draw nothing).
    bool Painting() const { return FPainting; }

    // The widget's background colour; a change repaints.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFont Font() const { return FFont; }
    void SetFont(const TFont& value);
    // The widget takes part in keyboard focus.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus); }

    TCanvas& Canvas() const { return FView.Canvas(); }
    // What the widget shows.
    const TBitmap& View() const { return FView; }

    // Renders the widget now and shows it; a widget that is not shown renders at its next show.
    void Repaint();

    // The name up to the first "." of its file name, then "." and Ext (the folder is kept).
    static QString SetExt(const QString& FNavn, const QString& Ext);
    // Everything after the first "." of the file name, at most 255 characters; no "." gives "".
    static QString GetExt(const QString& FNavn);
    // Loads a ".jpg", ".bmp" or ".ico" file (extension compared case-sensitively), or a ".png",
    // ".webp", ".tif"/".tiff" or ".gif" file (any case), into Bitmap. A missing, unreadable or other file leaves Bitmap unchanged and returns False.
    static bool KunBitmap(const QString& FNavn, TBitmap& Bitmap);

    // Binds a painter's change notification to a repaint of this widget, and releases it again
    // (only while it is still this widget's binding: the painters are shared).
    void BindRepaint(TNotifyEvent& slot);
    void UnbindRepaint(TNotifyEvent& slot);

protected:
    // Moves this widget's repaint binding from the painter held in ref to value.
    template <typename TPainter>
    void Rebind(QPointer<TPainter>& ref, TPainter* value)
    {
        if (ref)
            UnbindRepaint(ref->OnChange);
        ref = value;
        if (value)
            BindRepaint(value->OnChange);
    }
    // Stores a property and repaints.
    template <typename T, typename V>
    void StoreRepaint(T& field, const V& value)
    {
        field = value;
        Repaint();
    }

    // The widget's paint: fills the raster with Color. Derived widgets draw after it.
    virtual void Paint();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Draws through a shared painter without the painter's own change notification repainting
    // this widget (the drawing would be erased at once).
    class TQuietBinding {
    public:
        explicit TQuietBinding(TPreGrundCompo& w) : FW(w) { ++FW.FQuiet; }
        ~TQuietBinding() { --FW.FQuiet; }
        TQuietBinding(const TQuietBinding&) = delete;
        TQuietBinding& operator=(const TQuietBinding&) = delete;

    private:
        TPreGrundCompo& FW;
    };

    bool FPainting = false;

private:
    struct TRepaintBinding;
    void Render();

    TSprogtype FSprog = stDansk;
    TJPEGQualityRange FJpgKvalitet = 100;
    bool FCompoPainted = false;
    TColor FColor = clBtnFace;
    TFont FFont;
    mutable TBitmap FView;
    // While a whole paint runs, one screen update at its end instead of one per drawing.
    bool FBulk = false;
    int FQuiet = 0;
};

// A framed widget: an outer frame drawn by a shared painter, an optional background picture
// inside it and the content area within.
class TPreRammeCompo : public TPreGrundCompo {
public:
    explicit TPreRammeCompo(QWidget* parent = nullptr);

    // Outer frame painter (shared, not owned); assigning repaints.
    TRammeGrundX* RammeYdre() const { return FRammeYdre; }
    void SetRammeYdre(TRammeGrundX* value);
    // Background picture, copied; assigning repaints.
    const TBitmap& BitmapGrund() const { return FBitmapGrund; }
    void SetBitmapGrund(const TBitmap& value);
    // Grey out the background picture while the widget is disabled.
    bool BitmapUaGray() const { return FBitmapUaGray; }
    void SetBitmapUaGray(bool value) { FBitmapUaGray = value; }

    // Repaints the content area's background.
    void OpfriskGrund();
    // Where child controls are laid out.
    TRect ClientRect();

    // The whole widget, inside the outer frame, and the content area; all inclusive except
    // IndreRekt, whose right and bottom are exclusive.
    TRect GrundRekt, IndreRekt, CompoRekt;
    bool CompoBeregnet = false;
    // The areas were computed; a reader clears it.
    bool YdreForandret = false;
    // 1 enabled, 0 disabled; OldTilstand is reset to -1 with every change.
    int Tilstand = 1;
    int OldTilstand = -1;
    // The widget has the input focus.
    bool Focus = false;

protected:
    void Paint() override;
    // Computes the three areas.
    void BeregnAreas();
    // The state for the painters: 1 enabled, 0 disabled.
    int EnabledState() const { return isEnabled() ? 1 : 0; }
    // Paints frame f on r for the current state and focus without its background fill, so the
    // content stays.
    void DrawFrameOnly(TRammeX& f, const TRect& r);
    // The focus handling of a framed widget, run on focus entry (True) and exit.
    virtual void FocusChanged(bool entered);

    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Computes the areas for the client rectangle; before the first paint they are not kept.
    void AreasForChildren();
    // The background picture stretched into IndreRekt, greyed when disabled.
    void DrawBitmapGrund();
    // The client rectangle from the areas as they stand, and the layout margins it gives.
    TRect ClientRectNow() const;
    void UpdateClientMargins();

    QPointer<TRammeGrundX> FRammeYdre;
    TBitmap FBitmapGrund;
    bool FBitmapUaGray = false;
};

// The framed container panel that holds ordinary child controls.
class TRammeCompo : public TPreRammeCompo {
public:
    using TPreRammeCompo::TPreRammeCompo;
};
