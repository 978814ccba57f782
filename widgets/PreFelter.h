#pragma once
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Types.h"
#include "widgets/BitmapX.h"
#include "widgets/RammeX.h"
#include "widgets/TekstX.h"
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

// Button panels. The chain TPreFelter -> TFCompo -> TBFCompo -> TBTFCompo ->
// TKnapPan adds one concern per link. Every panel renders into a raster of its own size
// (View()) at every paint and field repaint; paintEvent only copies the changed rectangle of
// that raster to the screen. Painters (frames, image painter, text painter) are referenced,
// never owned: a destroyed painter reads as none, and a panel unbinds from the painters'
// change notifications in its destructor (several panels may share one painter).

// One record per grid cell.
struct TFeltRec {
    int Nummer = 0;     // index of the cell, 0-based
    TRect YR;           // outer rectangle (inclusive): where the field frame is painted
    TRect IR;           // inner rectangle: image, text or colour, and the mouse's hit area
    uint8_t Sit = 1;    // 0 inactive, 1 normal, 2 pressed, 3 hovered
    bool Fokus = false; // carries the highlight (hovered or pressed)
    bool Down = false;  // latched down: losing the highlight returns to state 2 instead of 1
};

// How a field's line of Tekst is written: whole, its file-name part, or its file-name part up
// to the first ".".
enum TTekstUdskriv { tuNormal, tuExtractFilename, tuFilecaption };

using TAntalIaltEvent = std::function<void(TObject* Sender, int NytAntalIalt)>;
using TPanMus = std::function<void(TObject* Sender, TMouseButton Button, int FeltNr)>;
using TPanMusOver = std::function<void(TObject* Sender, int FeltNr)>;
using TOnKey = std::function<void(TObject* Sender, uint16_t Key, int FeltNr)>;
using TStartNr = std::function<void(TObject* Sender, int NytStartNr)>;

// Key codes of the platform that the panels handle (OnKey reports 13, 45 and 46).
namespace vk {
constexpr uint16_t Return = 13, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38,
                   Right = 39, Down = 40, Insert = 45, Delete = 46;
} // namespace vk

// First link: the windowed, self-painted control with its outer and inner frame, its
// rectangles, two optional background images and the focus flag. Created 64 x 64.
class TPreFelter : public QWidget {
public:
    explicit TPreFelter(QWidget* parent = nullptr);
    ~TPreFelter() override;

    TRammeGrundX* RammeYdre() const { return FRammeYdre.data(); }
    void SetRammeYdre(TRammeGrundX* value);
    TRammeIndreX* RammeIndre() const { return FRammeIndre.data(); }
    void SetRammeIndre(TRammeIndreX* value);
    // Owned copies; an empty raster means none.
    const TBitmap& BitmapGrund() const { return FBitmapGrund; }
    void SetBitmapGrund(const TBitmap& value);
    const TBitmap& BitmapIndre() const { return FBitmapIndre; }
    void SetBitmapIndre(const TBitmap& value);
    bool BitmapUaGray() const { return FBitmapUaGray; }
    void SetBitmapUaGray(bool value);
    // Language of derived panels; the setter only stores.
    TSprogtype Sprog() const { return FSprog; }
    void SetSprog(TSprogtype value) { FSprog = value; }
    // The background every full paint starts from (the platform's erase), clBtnFace.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // The platform's TabStop: the panel takes the focus with Tab as well as with the mouse.
    bool TabStop() const;
    void SetTabStop(bool value);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OndblClick;

    // State.
    bool Focus = false;         // the panel holds the keyboard focus
    bool CompoPainted = false;  // painted at least once
    bool CompoBeregnet = false; // the rectangles are computed and kept
    TRect GrundRekt, IndreRekt, CompoRekt, BitRekt, FeltRekt, ClientRekt;

    // The panel's raster and its canvas (tests read the pixels here).
    const TBitmap& View() const { return FView; }
    TCanvas& Canvas() const { return FView.Canvas(); }

    // Renders the whole panel into its raster (the platform's paint) and shows it.
    virtual void Paint();
    // The platform's repaint: renders again once the panel has been painted; before the first
    // paint it does nothing (the first paint comes with showing the panel or a call of Paint).
    void Repaint();
    // Computes what a paint needs (rectangles, and in derived links the field layout) without
    // painting, unless it is kept.
    virtual void Beregn();
    // Drops the kept rectangles and layout: the next paint computes them again (after a
    // painter's sizes changed, for instance).
    virtual void NulstilBeregning();
    // The rectangle in which child controls (a scroll bar inside the panel) are aligned; the
    // panel's contents margins follow it, so a layout on the panel keeps its children there.
    TRect AlignRekt() const;

    // The text after the first "." of the file name in FNavn (empty without a "."), case kept.
    static QString GetExt(const QString& FNavn);
    // The file name of FNavn without folder, up to (not including) its first ".".
    static QString FilCaption(const QString& FNavn);
    // The file name of FNavn without folder.
    static QString ExtractFilename(const QString& FNavn);

protected:
    // The panel's rectangles.
    void BeregnRekt();
    // Paints the background, the frames and the background images (the first part of the paint).
    void PaintGrund();
    // Makes the raster the control's size.
    void EnsureViewSize();
    // Sets the contents margins from AlignRekt.
    void AlignChildren();

    // Subscribes the panel to a painter's change notification (several panels may share a
    // painter); PainterChanged is called for every change. Unbinding is idempotent; the
    // destructor unbinds from every painter still alive.
    void BindPainter(TObject* painter, TNotifyEvent* onChange);
    void UnbindPainter(TObject* painter);
    // A bound painter changed: by default the panel repaints. Notifications that arrive while
    // any panel paints are ignored (a text painter reports a change after every write).
    virtual void PainterChanged(TObject* painter);
    // Marks the scope of a paint for that rule; Paint and RepaintFelt hold one, a derived panel
    // that paints outside them may hold one too.
    class TPaintGuard {
    public:
        TPaintGuard();
        ~TPaintGuard();
        TPaintGuard(const TPaintGuard&) = delete;
        TPaintGuard& operator=(const TPaintGuard&) = delete;
    };

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    QPointer<TRammeGrundX> FRammeYdre;
    QPointer<TRammeIndreX> FRammeIndre;
    TBitmap FBitmapGrund;
    TBitmap FBitmapIndre;
    bool FBitmapUaGray = false;
    TSprogtype FSprog = stDansk;
    TColor FColor = clBtnFace;

private:
    friend class TPreFelterHubAccess;
    struct TBinding {
        QPointer<TObject> painter;
        TNotifyEvent* onChange = nullptr;
    };
    std::vector<TBinding> FBindings;
    mutable TBitmap FView;
};

// Second link: the grid of fields, their layout and frames.
class TFCompo : public TPreFelter {
public:
    explicit TFCompo(QWidget* parent = nullptr);

    TRammeFeltX* RammeFelt() const { return FRammeFelt.data(); }
    void SetRammeFelt(TRammeFeltX* value);
    bool AutoDim() const { return FAutoDim; }
    void SetAutoDim(bool value);
    bool NumLodret() const { return FNumLodret; }
    void SetNumLodret(bool value);
    int FeltBredde() const { return FFeltBredde; }
    // Acts only while AutoDim is off.
    void SetFeltBredde(int value);
    int FeltHojde() const { return FFeltHojde; }
    // Acts only while AutoDim is off; the height is then an input of the layout (below 1
    // counts as 1).
    void SetFeltHojde(int value);
    int AntalVandret() const { return FAntalVandret; }
    // Below 1 becomes 1 (and above kMaxAkse becomes kMaxAkse).
    void SetAntalVandret(int value);
    int AntalLodret() const { return FAntalLodret; }
    void SetAntalLodret(int value);
    int Antal() const { return FAntal; }
    // Antal := min(value, columns x rows); AntalIalt := max(AntalIalt, Antal); repaint.
    void SetAntal(int value);
    int AntalIalt() const { return FAntalIalt; }
    // AntalIalt := value (at least 0); Antal := min(value, columns x rows); FStartNr clamped;
    // repaint; OnAntalIalt once the panel has been painted.
    void SetAntalIalt(int value);

    TAntalIaltEvent OnAntalIalt;

    // First and last visible item, the layout state and the cells.
    int StartNr() const { return FStartNr; }
    int SlutNr() const { return FSlutNr; }
    bool Beregnet() const { return FBeregnet; }
    const std::vector<TFeltRec>& Felter() const { return F; }
    // Cell k, nullptr out of range.
    const TFeltRec* Felt(int k) const { return k >= 0 && k < int(F.size()) ? &F[k] : nullptr; }
    // Sets the state of cell k (0 inactive ... 3 hovered) and repaints it; nothing out of range.
    void SetSit(int k, uint8_t Sit);
    // Latches cell k down (or releases it) and repaints it; nothing out of range.
    void SetDown(int k, bool Down);
    // The visible field whose inner rectangle holds (X, Y), -1 for none.
    int FeltVed(int X, int Y) const;
    // The largest first item: max(0, AntalIalt - Antal).
    int MaxStartNr() const { return std::max(0, FAntalIalt - FAntal); }

    void Paint() override;
    void Beregn() override;
    void NulstilBeregning() override;
    // Repaints visible field k (its frame and, unless KunRamme, its content) once the panel
    // has been painted.
    void RepaintFelt(int k, bool KunRamme = false);

    // At most this many columns and rows.
    static constexpr int kMaxAkse = 512;

protected:
    // The field layout inside FeltRekt.
    void BeregnFelter();
    // Antal := min(columns x rows, AntalIalt), FSlutNr and FStartNr follow.
    void RetAntal();
    // The frame of field k.
    virtual void PaintFeltRamme(int k);
    // The content of field k: image and text in the links below; a derived panel adds its own
    // content (call the base first). Used by the full paint and by field repaints.
    virtual void PaintFeltIndhold(int k);
    // Frame and content of visible field k.
    void PaintFelt(int k);
    // Paints every visible field.
    void PaintFelter();
    // Called after the whole paint; a derived panel may paint more here.
    virtual void PaintEfter() {}
    // The layout may be kept.
    bool LayoutKept() const;
    // Field k is visible and laid out with a positive size.
    bool Synlig(int k) const;

    void changeEvent(QEvent* event) override;

    QPointer<TRammeFeltX> FRammeFelt;
    bool FAutoDim = true;
    bool FNumLodret = false;
    int FFeltBredde = 0;
    int FFeltHojde = 0;
    int FAntalVandret = 1;
    int FAntalLodret = 1;
    int FAntal = 1;
    int FAntalIalt = 1;
    int FStartNr = 0;
    int FSlutNr = 0;
    bool FBeregnet = false;
    std::vector<TFeltRec> F;
};

// Third link: an image per field, drawn by a TBitmapX.
class TBFCompo : public TFCompo {
public:
    explicit TBFCompo(QWidget* parent = nullptr);
    ~TBFCompo() override;

    TBitmapX* BitmapFelt() const { return FBitmapFelt.data(); }
    void SetBitmapFelt(TBitmapX* value);
    // Passed to the painter as its start index before each image.
    int BitmapIndex() const { return FBitmapIndex; }
    void SetBitmapIndex(int value);

protected:
    void PaintFeltIndhold(int k) override;

    QPointer<TBitmapX> FBitmapFelt;
    int FBitmapIndex = 0;
};

// Fourth link: a text per field from a string list, written by a TTekstX.
class TBTFCompo : public TBFCompo {
public:
    explicit TBTFCompo(QWidget* parent = nullptr);
    ~TBTFCompo() override;

    // The item texts (owned); SetTekst repaints, changes through Tekst() show at the next paint.
    QStringList& Tekst() { return FTekst; }
    const QStringList& Tekst() const { return FTekst; }
    void SetTekst(const QStringList& value);
    TTekstX* TekstFelt() const { return FTekstFelt.data(); }
    void SetTekstFelt(TTekstX* value);
    TTekstUdskriv TekstUdskriv() const { return FTekstUdskriv; }
    void SetTekstUdskriv(TTekstUdskriv value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value);

    // The text written into the field of item FeltNr (empty without a line).
    QString FeltTekst(int FeltNr) const;

protected:
    void PaintFeltIndhold(int k) override;

    QStringList FTekst;
    QPointer<TTekstX> FTekstFelt;
    TTekstUdskriv FTekstUdskriv = tuNormal;
    TFont FFont;
};

// Fifth link: button behaviour: field states, mouse, keyboard, scrolling and events.
class TKnapPan : public TBTFCompo {
public:
    explicit TKnapPan(QWidget* parent = nullptr);

    bool FocusOver() const { return FFocusOver; }
    void SetFocusOver(bool value) { FFocusOver = value; }
    bool FocusInOut() const { return FFocusInOut; }
    void SetFocusInOut(bool value) { FFocusInOut = value; }
    bool NoOverFocus() const { return FNoOverFocus; }
    void SetNoOverFocus(bool value) { FNoOverFocus = value; }
    bool FocusReguler() const { return FFocusReguler; }
    void SetFocusReguler(bool value) { FFocusReguler = value; }
    bool NoMouse() const { return FNoMouse; }
    void SetNoMouse(bool value) { FNoMouse = value; }
    bool RulRundt() const { return FRulRundt; }
    void SetRulRundt(bool value) { FRulRundt = value; }
    bool FlatSelect() const { return FFlatSelect; }
    void SetFlatSelect(bool value) { FFlatSelect = value; }

    TPanMus OnMus;
    TPanMusOver OnMusOver;
    TOnKey OnKey;
    TStartNr OnStartNr;

    // State.
    int ANr = -1;            // the current field (a visible index), -1 for none
    int OverNr = -1;         // the field last entered by the pointer, -1
    bool MouseNede = false;  // a button went down on a field and is still held
    bool MouseOver = false;  // the pointer is inside the current field
    bool KunRam = false;     // field repaints paint frames only
    bool PaintingOn = false; // NytStartNr is running

    // Scrolls so that item NytNr is the first visible one (clamped to
    // 0 .. MaxStartNr(); negative values, a running call and an empty panel are ignored).
    void NytStartNr(int NytNr, bool Opkald);
    // A new grid of AVandret columns and ALodret rows from item 0.
    void NytAntalVL(int AVandret, int ALodret);

    // The platform's handlers, also called directly by tests and owners.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Keyboard navigation for the key code Key (vk:: codes).
    void KeyDown(uint16_t Key, TShiftState Shift = {});
    // Gaining and losing the keyboard focus.
    void DoEnter();
    void DoExit();

    void Paint() override;

protected:
    // Field state changes, each followed by repainting the field.
    void FeltNede(int k);   // press: Sit 2, Fokus
    void FeltOver(int k);   // hover: Sit 3, Fokus, then OnMusOver
    void FeltNormal(int k); // normal: Sit 1, no Fokus
    // Field k loses its highlight: state 2 if latched, else 1; no Fokus.
    void FjernFokus(int k);
    // Highlights field k if it is active and not highlighted yet; the current field loses its
    // highlight first. True when k now carries the highlight.
    bool SaetFokus(int k);
    // Fires OnMusOver for visible field k.
    void MusOver(int k);
    // Number of active visible fields, and the first (from the front) or last active one.
    int AntalAktive() const;
    int ForsteAktive() const;
    int SidsteAktive() const;
    bool Aktiv(int k) const { return Synlig(k) && F[k].Sit != 0; }
    // Scrolls like NytStartNr(NytNr, True) without its OnMusOver; true when it scrolled.
    bool Rul(int NytNr);
    // The pointer left the fields (a move over no field).
    void ForladFelter();
    // Repaints the frames that show a focus ring after the focus changed.
    void RepaintFocusRammer();

    // Hooks for derived panels: a click before OnMus, and a replacement of the default
    // repaint after the first visible item changed.
    std::function<void(TMouseButton Button, int FeltNr)> FOnMusKlik;
    std::function<void()> FOnstartNrChange;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

    bool FFocusOver = true;
    bool FFocusInOut = true;
    bool FNoOverFocus = false;
    bool FFocusReguler = true;
    bool FNoMouse = false;
    bool FRulRundt = true;
    bool FFlatSelect = false;

private:
    // Scrolling; OnMusOver only when MedOver. True when the first item changed.
    bool StartNrTil(int NytNr, bool Opkald, bool MedOver);
    // One keyboard step from the current field: the target field p (in 0 .. Antal - 1)
    // and, without RulRundt, the unclamped target p0. False for a key that does not move.
    bool KeyTarget(uint16_t Key, int c, int& p, int& p0) const;
    // Last keyboard step: scroll so that item FStartNr + p0 is visible.
    bool RulTil(int p0);
};
