#include "widgets/Compo.h"
#include "platform/PictureCodecs.h"
#include <QEvent>
#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace {
int ClampToInt(int64_t v)
{
    return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

// The folder part of a path (with its final "/") and the file name.
void SplitPath(const QString& path, QString& folder, QString& name)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    folder = path.left(slash + 1);
    name = path.mid(slash + 1);
}

// Icon pixels that are transparent in the mask and black in the colour image take the
// program's icon background colour.
void FillIconBackground(TBitmap& colour, const TBitmap& mask)
{
    const uint32_t white = ToQRgb(clWhite), black = ToQRgb(clBlack), background = ToQRgb(0x80C0C0);
    const int w = std::min(colour.Width(), mask.Width()), h = std::min(colour.Height(), mask.Height());
    for (int y = 0; y < h; ++y) {
        uint32_t* c = colour.ScanLine(y);
        const uint32_t* m = mask.ScanLine(y);
        for (int x = 0; x < w; ++x)
            if (m[x] == white && c[x] == black)
                c[x] = background;
    }
}
} // namespace

// ---------------------------------------------------------------------------------------------
// TPreGrundCompo

// A painter's change notification that repaints one widget; the widget recognises its own
// binding by the pointer it holds.
struct TPreGrundCompo::TRepaintBinding {
    TPreGrundCompo* Widget;
    void operator()(TObject*) const
    {
        if (Widget->FQuiet == 0)
            Widget->Repaint();
    }
};

TPreGrundCompo::TPreGrundCompo(QWidget* parent) : QWidget(parent), FView(64, 64)
{
    setFocusPolicy(Qt::NoFocus);
    FView.Canvas().OnChange = [this](const TRect& r) {
        if (!FBulk)
            update(ToQRect(r));
    };
    resize(64, 64);
}

TPreGrundCompo::~TPreGrundCompo() = default;

void TPreGrundCompo::SetJpgKvalitet(TJPEGQualityRange value)
{
    FJpgKvalitet = std::clamp(value, 1, 100);
}

void TPreGrundCompo::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Repaint();
}

void TPreGrundCompo::SetFont(const TFont& value)
{
    if (value == FFont)
        return;
    FFont = value;
    Repaint();
}

void TPreGrundCompo::Repaint()
{
    if (isVisible())
        Render();
}

void TPreGrundCompo::Render()
{
    if (FView.Width() != width() || FView.Height() != height())
        FView.SetSize(width(), height());
    const bool wasBulk = FBulk;
    FBulk = true;
    Paint();
    FBulk = wasBulk;
    if (!wasBulk)
        update();
}

void TPreGrundCompo::Paint()
{
    FCompoPainted = true;
    TCanvas& c = Canvas();
    c.Brush = {FColor, bsSolid};
    c.FillRect(FView.BoundsRect());
}

void TPreGrundCompo::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect r = event->rect().intersected(FView.Image().rect());
    if (!r.isEmpty())
        painter.drawImage(r, FView.Image(), r);
}

void TPreGrundCompo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Repaint();
}

void TPreGrundCompo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Render();
}

void TPreGrundCompo::BindRepaint(TNotifyEvent& slot)
{
    slot = TRepaintBinding{this};
}

void TPreGrundCompo::UnbindRepaint(TNotifyEvent& slot)
{
    const TRepaintBinding* binding = slot.target<TRepaintBinding>();
    if (binding && binding->Widget == this)
        slot = nullptr;
}

QString TPreGrundCompo::SetExt(const QString& FNavn, const QString& Ext)
{
    QString folder, name;
    SplitPath(FNavn, folder, name);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return folder + name + QLatin1Char('.') + Ext;
}

QString TPreGrundCompo::GetExt(const QString& FNavn)
{
    QString folder, name;
    SplitPath(FNavn, folder, name);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1, 255);
}

bool TPreGrundCompo::KunBitmap(const QString& FNavn, TBitmap& Bitmap)
{
    const QString ext = GetExt(FNavn);
    const PictureCodecs::TPictureType type = PictureCodecs::PictureTypeOf(ext);
    if (ext != QLatin1String("jpg") && ext != QLatin1String("bmp") && ext != QLatin1String("ico")
        && type == PictureCodecs::ptNone)
        return false;
    QByteArray data;
    if (!QFileInfo(FNavn).isFile() || !PictureCodecs::ReadFile(FNavn, data))
        return false;
    TBitmap picture;
    if (ext == QLatin1String("jpg")) {
        if (!PictureCodecs::ReadJpeg(data, picture))
            return false;
    } else if (ext == QLatin1String("bmp")) {
        if (!PictureCodecs::ReadBmp(data, picture))
            return false;
    } else if (type != PictureCodecs::ptNone) {
        if (!PictureCodecs::ReadPicture(type, data, picture))
            return false;
    } else {
        TBitmap mask;
        if (!PictureCodecs::ReadIcon(data, picture, mask))
            return false;
        FillIconBackground(picture, mask);
    }
    Bitmap = picture;
    Bitmap.SetPixelFormat(picture.PixelFormat());
    return true;
}

// ---------------------------------------------------------------------------------------------
// TPreRammeCompo

TPreRammeCompo::TPreRammeCompo(QWidget* parent) : TPreGrundCompo(parent) {}

void TPreRammeCompo::SetRammeYdre(TRammeGrundX* value)
{
    FRammeYdre = value;
    // Areas kept from another frame would put the content over the new frame.
    CompoBeregnet = false;
    AreasForChildren();
    Repaint();
}

void TPreRammeCompo::AreasForChildren()
{
    // Child controls need their client rectangle before the first paint too; the areas are
    // kept only from a paint, at the size the widget is shown in.
    BeregnAreas();
    if (!CompoPainted()) {
        CompoBeregnet = false;
        UpdateClientMargins();
    }
}

void TPreRammeCompo::resizeEvent(QResizeEvent* event)
{
    if (!CompoBeregnet)
        AreasForChildren();
    TPreGrundCompo::resizeEvent(event);
}

void TPreRammeCompo::SetBitmapGrund(const TBitmap& value)
{
    FBitmapGrund = value;
    Repaint();
}

void TPreRammeCompo::BeregnAreas()
{
    const int W = width(), H = height();
    GrundRekt = Rect(0, 0, W - 1, H - 1);
    if (!FRammeYdre) {
        IndreRekt = Rect(0, 0, W, H);
        CompoRekt = GrundRekt;
        CompoBeregnet = false;
    } else {
        const TRammeGrundX& f = *FRammeYdre;
        const int64_t B = f.Bredde();
        IndreRekt = Rect(ClampToInt(B), ClampToInt(B), ClampToInt(W - B), ClampToInt(H - B));
        CompoRekt = Rect(ClampToInt(B + f.AfstandV()), ClampToInt(B + f.AfstandO()),
                         ClampToInt(W - B - f.AfstandH() - 1), ClampToInt(H - B - f.AfstandN() - 1));
        CompoBeregnet = !f.TilpasAlign();
    }
    YdreForandret = true;
    UpdateClientMargins();
}

TRect TPreRammeCompo::ClientRect()
{
    if (!CompoBeregnet && FRammeYdre && FRammeYdre->NytClientRect())
        BeregnAreas();
    return ClientRectNow();
}

TRect TPreRammeCompo::ClientRectNow() const
{
    const TRect whole = Rect(0, 0, width(), height());
    if (CompoBeregnet || (FRammeYdre && FRammeYdre->NytClientRect()))
        return CompoRekt;
    if (!FRammeYdre)
        return whole;
    return InflateRect(whole, -FRammeYdre->Bredde(), -FRammeYdre->Bredde());
}

void TPreRammeCompo::UpdateClientMargins()
{
    const TRect r = ClientRectNow();
    const int w = width(), h = height();
    auto margin = [](int64_t v, int size) { return int(std::clamp<int64_t>(v, 0, size)); };
    setContentsMargins(margin(r.Left, w), margin(r.Top, h), margin(int64_t(w) - r.Right, w),
                       margin(int64_t(h) - r.Bottom, h));
}

void TPreRammeCompo::Paint()
{
    TPreGrundCompo::Paint();
    if (!CompoBeregnet)
        BeregnAreas();
    if (FRammeYdre)
        FRammeYdre->MakeRamme(Canvas(), GrundRekt, EnabledState(), Focus);
    DrawBitmapGrund();
}

void TPreRammeCompo::DrawBitmapGrund()
{
    if (FBitmapGrund.Empty())
        return;
    TCanvas& c = Canvas();
    c.StretchDraw(IndreRekt, FBitmapGrund);
    if (!FBitmapUaGray || isEnabled())
        return;
    // A grey checkerboard over the picture, both ends of IndreRekt included.
    TBitmap& view = c.Bitmap();
    const TRect r = IntersectRect(Rect(IndreRekt.Left, IndreRekt.Top, IndreRekt.Right + 1, IndreRekt.Bottom + 1),
                                  view.BoundsRect());
    if (r.IsEmpty())
        return;
    const uint32_t grey = ToQRgb(0x808080);
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint32_t* line = view.ScanLine(y);
        for (int x = r.Left + ((r.Left + y) & 1); x < r.Right; x += 2)
            line[x] = grey;
    }
    c.Changed(r);
}

void TPreRammeCompo::OpfriskGrund()
{
    if (!FBitmapGrund.Empty()) {
        DrawBitmapGrund();
        return;
    }
    TCanvas& c = Canvas();
    const bool frameFill = FRammeYdre && FRammeYdre->MedFeltFarve();
    c.Brush = {frameFill ? FRammeYdre->FarveFelt() : Color(), bsSolid};
    c.FillRect(Rect(CompoRekt.Left, CompoRekt.Top, ClampToInt(int64_t(CompoRekt.Right) + 1),
                    ClampToInt(int64_t(CompoRekt.Bottom) + 1)));
}

void TPreRammeCompo::FocusChanged(bool entered)
{
    if (!TabStop())
        return;
    Focus = entered;
    if (!FRammeYdre || !FRammeYdre->FocusRamme() || !CompoPainted())
        return;
    DrawFrameOnly(*FRammeYdre, GrundRekt);
}

void TPreRammeCompo::DrawFrameOnly(TRammeX& f, const TRect& r)
{
    const bool fill = f.MedFeltFarve();
    f.SetMedFeltFarve(false);
    f.MakeRamme(Canvas(), r, EnabledState(), Focus);
    f.SetMedFeltFarve(fill);
}

void TPreRammeCompo::changeEvent(QEvent* event)
{
    TPreGrundCompo::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        Tilstand = isEnabled() ? 1 : 0;
        OldTilstand = -1;
        Repaint();
    }
}

void TPreRammeCompo::focusInEvent(QFocusEvent* event)
{
    TPreGrundCompo::focusInEvent(event);
    FocusChanged(true);
}

void TPreRammeCompo::focusOutEvent(QFocusEvent* event)
{
    TPreGrundCompo::focusOutEvent(event);
    FocusChanged(false);
}
