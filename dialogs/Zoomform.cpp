#include "dialogs/Zoomform.h"
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "dialogs/Centre.h"
#include "pixeledit/PixelPic.h"

namespace {
// The magnifier's distance from the window's top-left corner.
constexpr int kKant = 8;
// Without a screen to ask, no magnifier side passes this.
constexpr int kMaxSide = 4096;
} // namespace

TZoomform::TZoomform(TMainServices& Services, QWidget* parent)
    : QWidget(parent, Qt::Tool), FServices(Services)
{
    setObjectName("Zoomform");
    Zoomfelt = new TPixelPic(this);
    Zoomfelt->setObjectName("Zoomfelt");
    Zoomfelt->move(kKant, kKant);
    const TOptions& opt = Services.Options();
    Zoomfelt->Felter()->SetRammeFarve(opt.RammeCol);
    Zoomfelt->Felter()->SetGridFarve(opt.GridCol);
    Zoomfelt->OnMus = [this](int X, int Y) {
        FServices.StatusText(0, "X: " + QString::number(X));
        FServices.StatusText(1, "Y: " + QString::number(Y));
    };
    HentPosition(opt);
    SetSprog(Services.Engelsk());
}

void TZoomform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk;
    if (!Zoomfelt->Malvok())
        setWindowTitle("Zoom");
}

int TZoomform::GetMiniDim(int B, int H)
{
    const int M = std::max(B, H);
    if (M <= 32)
        return 10;
    if (M <= 64)
        return 8;
    if (M <= 80)
        return 6;
    if (M <= 128)
        return 4;
    return 2;
}

QSize TZoomform::MaxZoomSize() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {kMaxSide, kMaxSide};
    const QSize free = screen->availableGeometry().size();
    return {std::min(kMaxSide, free.width() - 2 * kKant), std::min(kMaxSide, free.height() - 2 * kKant)};
}

bool TZoomform::NyVisning(int X, int Y, int Vant, int Lant)
{
    FrigivVisning();
    TImagePic* picture = FServices.ActivePicture();
    if (!picture)
        return false;
    const int dim = GetMiniDim(Vant, Lant);
    const QSize max = MaxZoomSize();
    // Area plus its ring of cells, as the magnifier lays itself out.
    if (Vant < 1 || Lant < 1 || (qint64(Vant) + 2) * dim > max.width() || (qint64(Lant) + 2) * dim > max.height()) {
        ShowMessage(Sprogtekst(Sprog,
                               "Billedets dimensioner overskrider værdierne,\rder er sat under program fanen "
                               "Egenskaber!\rSæt nye maximaldimensioner eller vælg\rFocus zoom i stedet.",
                               "The dimensions of the picture are greater\rthan the values in the programs "
                               "properties!\rSet new maximal dimensions or choose\rFocus zoom."),
                    parentWidget());
        return false;
    }
    const TOptions& opt = FServices.Options();
    Zoomfelt->SetNulX(X);
    Zoomfelt->SetNulY(Y);
    TPixFelt* felter = Zoomfelt->Felter();
    felter->SetRammeFarve(opt.RammeCol);
    felter->SetGridFarve(opt.GridCol);
    felter->SetAntalV(Vant);
    felter->SetAntalL(Lant);
    felter->SetFeltDim(dim);
    Zoomfelt->SetMalvok(picture);
    if (OnFocusZoom)
        OnFocusZoom(true);
    MiniBitmap(true);
    setWindowTitle("Zoom: " + (OnDocumentName ? OnDocumentName() : QString()));
    Zoomfelt->SetCursor(picture->ToolCursor());
    show();
    return true;
}

void TZoomform::FrigivVisning()
{
    if (OnFocusZoom && Zoomfelt->Malvok())
        OnFocusZoom(false);
    Zoomfelt->FreeDim();
    Zoomfelt->SetMalvok(nullptr);
}

void TZoomform::MiniBitmap(bool NyeDim)
{
    TImagePic* picture = Zoomfelt->Malvok();
    if (!picture)
        return;
    if (NyeDim) {
        // Lay out and load the cells again on the repaint.
        Zoomfelt->CompoBeregnet = false;
        Zoomfelt->Paint();
    }
    if (!isMaximized())
        resize(2 * Zoomfelt->x() + Zoomfelt->GetWidth(), 2 * Zoomfelt->y() + Zoomfelt->GetHeight());
    if (OnShowProp)
        OnShowProp(picture->ToolNr());
}

void TZoomform::HentPosition(const TOptions& Opt)
{
    PlaceAt(this, Opt.ZoomX, Opt.ZoomY);
}

void TZoomform::GemPosition(TOptions& Opt) const
{
    Opt.ZoomX = x();
    Opt.ZoomY = y();
}

void TZoomform::closeEvent(QCloseEvent* event)
{
    FrigivVisning();
    QWidget::closeEvent(event);
}

bool TZoomform::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && OnActivated)
        OnActivated();
    return QWidget::event(event);
}
