#include "widgets/PreFelter.h"
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <map>

// ---- Painter bindings ----
//
// A painter has one change notification (an OnChange member) but may be shared by many
// panels. The hub keeps, per painter, the panels that subscribed; the painter's OnChange is a
// THubCall that notifies them all. A panel unbinds in its destructor; a destroyed painter's
// entry is dropped when it goes.

namespace {
struct THubEntry {
    std::vector<TPreFelter*> panels;
    QMetaObject::Connection destroyed;
};

std::map<TObject*, THubEntry>& Hub()
{
    static std::map<TObject*, THubEntry> hub;
    return hub;
}

// The OnChange of a painter bound to panels.
struct THubCall {
    TObject* painter;
    void operator()(TObject*) const;
};
} // namespace

// Paints running in any panel: painter notifications are ignored meanwhile.
static int gPaintDepth = 0;

TPreFelter::TPaintGuard::TPaintGuard()
{
    ++gPaintDepth;
}

TPreFelter::TPaintGuard::~TPaintGuard()
{
    --gPaintDepth;
}

// Lets the hub reach the protected notification of a panel.
class TPreFelterHubAccess {
public:
    static void Notify(TPreFelter* panel, TObject* painter)
    {
        if (gPaintDepth == 0)
            panel->PainterChanged(painter);
    }
};

namespace {
void THubCall::operator()(TObject*) const
{
    auto it = Hub().find(painter);
    if (it == Hub().end())
        return;
    // A panel may unbind (or be destroyed) while others repaint: walk a copy and check.
    const std::vector<TPreFelter*> panels = it->second.panels;
    for (TPreFelter* p : panels) {
        auto again = Hub().find(painter);
        if (again == Hub().end())
            return;
        const auto& now = again->second.panels;
        if (std::find(now.begin(), now.end(), p) != now.end())
            TPreFelterHubAccess::Notify(p, painter);
    }
}
} // namespace

void TPreFelter::BindPainter(TObject* painter, TNotifyEvent* onChange)
{
    if (!painter || !onChange)
        return;
    auto& hub = Hub();
    auto it = hub.find(painter);
    if (it == hub.end()) {
        it = hub.emplace(painter, THubEntry{}).first;
        it->second.destroyed =
            QObject::connect(painter, &QObject::destroyed, [painter] { Hub().erase(painter); });
    }
    auto& panels = it->second.panels;
    if (std::find(panels.begin(), panels.end(), this) == panels.end())
        panels.push_back(this);
    *onChange = THubCall{painter};
    for (const TBinding& b : FBindings)
        if (b.painter == painter)
            return;
    FBindings.push_back({painter, onChange});
}

void TPreFelter::UnbindPainter(TObject* painter)
{
    if (!painter)
        return;
    TNotifyEvent* onChange = nullptr;
    for (auto b = FBindings.begin(); b != FBindings.end();) {
        if (b->painter == painter || b->painter.isNull()) {
            if (b->painter == painter)
                onChange = b->onChange;
            b = FBindings.erase(b);
        } else {
            ++b;
        }
    }
    auto& hub = Hub();
    auto it = hub.find(painter);
    if (it == hub.end())
        return;
    auto& panels = it->second.panels;
    panels.erase(std::remove(panels.begin(), panels.end(), this), panels.end());
    if (!panels.empty())
        return;
    // The last panel went: the painter no longer calls the hub.
    if (onChange) {
        const THubCall* call = onChange->target<THubCall>();
        if (call && call->painter == painter)
            *onChange = nullptr;
    }
    QObject::disconnect(it->second.destroyed);
    hub.erase(it);
}

void TPreFelter::PainterChanged(TObject*)
{
    Repaint();
}

// ---- TPreFelter ----

TPreFelter::TPreFelter(QWidget* parent) : QWidget(parent)
{
    resize(64, 64);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every change of the raster is shown on screen, and only the changed rectangle.
    FView.Canvas().OnChange = [this](const TRect& r) { update(ToQRect(r)); };
}

TPreFelter::~TPreFelter()
{
    while (!FBindings.empty()) {
        TBinding b = FBindings.back();
        if (b.painter)
            UnbindPainter(b.painter);
        else
            FBindings.pop_back();
    }
}

bool TPreFelter::TabStop() const
{
    return (focusPolicy() & Qt::TabFocus) != 0;
}

void TPreFelter::SetTabStop(bool value)
{
    setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TPreFelter::SetRammeYdre(TRammeGrundX* value)
{
    FRammeYdre = value;
    NulstilBeregning();
    // The rectangles at once: child controls are aligned by them before the first paint.
    BeregnRekt();
    Repaint();
}

void TPreFelter::SetRammeIndre(TRammeIndreX* value)
{
    FRammeIndre = value;
    NulstilBeregning();
    Repaint();
}

void TPreFelter::SetBitmapGrund(const TBitmap& value)
{
    FBitmapGrund = value;
    Repaint();
}

void TPreFelter::SetBitmapIndre(const TBitmap& value)
{
    FBitmapIndre = value;
    Repaint();
}

void TPreFelter::SetBitmapUaGray(bool value)
{
    FBitmapUaGray = value;
    Repaint();
}

void TPreFelter::SetColor(TColor value)
{
    FColor = value;
    Repaint();
}

void TPreFelter::Repaint()
{
    if (CompoPainted)
        Paint();
}

void TPreFelter::NulstilBeregning()
{
    CompoBeregnet = false;
}

void TPreFelter::EnsureViewSize()
{
    const int w = std::max(0, width()), h = std::max(0, height());
    if (FView.Width() != w || FView.Height() != h) {
        FView.SetSize(w, h);
        NulstilBeregning();
    }
}

void TPreFelter::Beregn()
{
    EnsureViewSize();
    if (!CompoBeregnet)
        BeregnRekt();
}

void TPreFelter::BeregnRekt()
{
    const int w = width(), h = height();
    GrundRekt = Rect(0, 0, w - 1, h - 1);
    ClientRekt = GrundRekt;
    TRammeGrundX* ydre = FRammeYdre.data();
    if (!ydre) {
        IndreRekt = Rect(0, 0, w, h);
        CompoRekt = GrundRekt;
        CompoBeregnet = false;
    } else {
        const int b = ydre->Bredde();
        ClientRekt = Rect(b + ydre->ClientLodret(), b + ydre->ClientVandret(), w - b - ydre->ClientLodret(),
                          h - b - ydre->ClientVandret());
        IndreRekt = Rect(b, b, w - b, h - b);
        CompoRekt = Rect(b + ydre->AfstandV(), b + ydre->AfstandO(), w - b - ydre->AfstandH() - 1,
                         h - b - ydre->AfstandN() - 1);
        CompoBeregnet = !ydre->TilpasAlign();
    }
    const TRect& C = CompoRekt;
    if (TRammeIndreX* indre = FRammeIndre.data()) {
        const int i = indre->Bredde();
        BitRekt = Rect(C.Left + i, C.Top + i, C.Right - i + 1, C.Bottom - i + 1);
        FeltRekt = Rect(C.Left + i + indre->AfstandLodret(), C.Top + i + indre->AfstandVandret(),
                        C.Right - i - indre->AfstandLodret(), C.Bottom - i - indre->AfstandVandret());
    } else {
        BitRekt = C;
        FeltRekt = C;
    }
    AlignChildren();
}

void TPreFelter::AlignChildren()
{
    // Child controls (a scroll bar inside the panel) are laid out inside AlignRekt, so they
    // never cover the frame.
    const TRect r = AlignRekt();
    const int w = width(), h = height();
    const auto margin = [](int64_t v, int size) { return int(std::clamp<int64_t>(v, 0, std::max(0, size))); };
    const QMargins m(margin(r.Left, w), margin(r.Top, h), margin(int64_t(w) - r.Right, w),
                     margin(int64_t(h) - r.Bottom, h));
    if (contentsMargins() != m)
        setContentsMargins(m);
}

TRect TPreFelter::AlignRekt() const
{
    TRammeGrundX* ydre = FRammeYdre.data();
    if (!ydre)
        return Rect(0, 0, width(), height());
    const int b = ydre->Bredde();
    if (!ydre->NytClientRect() && !CompoBeregnet)
        return Rect(b, b, width() - b, height() - b);
    return ClientRekt;
}

namespace {
// Sets every pixel of r (clipped) whose x and y are both even or both odd to grey.
void GreyOut(TCanvas& c, const TRect& r)
{
    TBitmap& bmp = c.Bitmap();
    const TRect k = IntersectRect(NormalizedRect(r), bmp.BoundsRect());
    if (k.IsEmpty())
        return;
    const uint32_t grey = ToQRgb(clGray);
    for (int y = k.Top; y < k.Bottom; ++y) {
        uint32_t* line = bmp.ScanLine(y);
        for (int x = k.Left + ((k.Left + y) & 1); x < k.Right; x += 2)
            line[x] = grey;
    }
    c.Changed(k);
}
} // namespace

void TPreFelter::PaintGrund()
{
    TCanvas& c = Canvas();
    c.Brush = {FColor, bsSolid};
    c.FillRect(FView.BoundsRect());
    const bool enabled = isEnabled();
    if (TRammeGrundX* ydre = FRammeYdre.data())
        ydre->MakeRamme(c, GrundRekt, enabled ? 1 : 0, Focus);
    if (!FBitmapGrund.Empty() && !IndreRekt.IsEmpty()) {
        c.StretchDraw(IndreRekt, FBitmapGrund);
        if (FBitmapUaGray && !enabled)
            GreyOut(c, IndreRekt);
    }
    if (TRammeIndreX* indre = FRammeIndre.data())
        indre->MakeRamme(c, CompoRekt, enabled ? 1 : 0, Focus);
    if (!FBitmapIndre.Empty() && !BitRekt.IsEmpty()) {
        c.StretchDraw(BitRekt, FBitmapIndre);
        if (FBitmapUaGray && !enabled)
            GreyOut(c, BitRekt);
    }
}

void TPreFelter::Paint()
{
    TPaintGuard guard;
    Beregn();
    PaintGrund();
    CompoPainted = true;
}

void TPreFelter::paintEvent(QPaintEvent* event)
{
    if (!CompoPainted)
        Paint();
    EnsureViewSize();
    QPainter painter(this);
    const QRect r = event->rect();
    painter.drawImage(r, FView.Image(), r);
}

void TPreFelter::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    EnsureViewSize();
    NulstilBeregning();
    // The rectangles at once: child controls are aligned by them before the first paint.
    BeregnRekt();
    Repaint();
}

void TPreFelter::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TPreFelter::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TPreFelter::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The platform sends a press before the double click; the double click is reported
    // after it.
    QWidget::mouseDoubleClickEvent(event);
    if (OndblClick)
        OndblClick(this);
}

QString TPreFelter::ExtractFilename(const QString& FNavn)
{
    const qsizetype slash = std::max(FNavn.lastIndexOf(QLatin1Char('/')), FNavn.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? FNavn : FNavn.mid(slash + 1);
}

QString TPreFelter::GetExt(const QString& FNavn)
{
    const QString name = ExtractFilename(FNavn);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString TPreFelter::FilCaption(const QString& FNavn)
{
    const QString name = ExtractFilename(FNavn);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}
