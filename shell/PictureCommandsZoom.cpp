// Scaling through the scale question, the picture zoom (pixel magnifier) and the focus zoom.
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "shell/CommandWindows.h"
#include "shell/DocumentHost.h"
#include "shell/Malvoform.h"
#include "shell/PictureCommands.h"
#include <QCoreApplication>
#include <QInputDialog>
#include <QPointer>

namespace {

// A magnifier holds a raster of the picture times the cell size: keep it within what a
// screen can show in a scroll area and what memory holds easily (64 MB).
constexpr qint64 kMagnifierMaxSide = 16384;
constexpr qint64 kMagnifierMaxPixels = qint64(4096) * 4096;

} // namespace

std::function<bool(const TPictureCommands::TScaleQuestion&, int&)>
TPictureCommands::DefaultScaleQuestion(QWidget* parent)
{
    return [parent](const TScaleQuestion& question, int& Value) {
        bool ok = false;
        const int start = question.Input.isEmpty() ? 100 : question.Input.toInt();
        Value = QInputDialog::getInt(parent, QStringLiteral("Malvo"),
                                     question.InputLabel + QStringLiteral(" (") + question.UnitLabel +
                                         QStringLiteral(")"),
                                     start, 0, 1000000, 1, &ok);
        return ok;
    };
}

void TPictureCommands::Scale(const TScaleQuestion& question, bool (*scale)(TImagePic&, int))
{
    QPointer<TMalvoform> form = FHost.GForm();
    int value = 0;
    if (!form || !AskScale || !AskScale(question, value))
        return;
    QCoreApplication::processEvents();
    // The question let events run: the document may have closed meanwhile.
    if (!form)
        return;
    if (scale(*form->Image, value))
        return;
    if (form->Image->SizeRefused())
        ShowMessage(PictureSizeMessage(Engelsk()), Parent);
    else
        Message(QStringLiteral("Der opstod en fejl!"), QStringLiteral("An error occurred!"));
}

void TPictureCommands::AScaleExecute()
{
    Scale({0, QStringLiteral("Procent"), QStringLiteral("%"), QString()},
          [](TImagePic& p, int v) { return p.ScalePicture(v); });
}

void TPictureCommands::AScaleToWidthExecute()
{
    if (TImagePic* picture = Picture())
        Scale({1, Engelsk() ? QStringLiteral("Width") : QStringLiteral("Bredde"), QStringLiteral("pixels"),
               QString::number(picture->Picture().Width())},
              [](TImagePic& p, int v) { return p.ScaleHeight(v); });
}

void TPictureCommands::AScaleToHeightExecute()
{
    if (TImagePic* picture = Picture())
        Scale({2, Engelsk() ? QStringLiteral("Height") : QStringLiteral("Højde"), QStringLiteral("pixels"),
               QString::number(picture->Picture().Height())},
              [](TImagePic& p, int v) { return p.ScaleWidth(v); });
}

// --- zooms

bool TPictureCommands::MagnifierFits(int Width, int Height, int Cell)
{
    const qint64 w = qint64(Width) * Cell, h = qint64(Height) * Cell;
    return w <= kMagnifierMaxSide && h <= kMagnifierMaxSide && w * h <= kMagnifierMaxPixels;
}

void TPictureCommands::MiniPixZoom()
{
    TMalvoform* form = FHost.GForm();
    if (!form)
        return;
    const TOptions& opt = FHost.Opt();
    TImagePic& picture = *form->Image;
    const int w = picture.Picture().Width(), h = picture.Picture().Height();
    const bool tooBig = opt.Zuse ? (w > opt.ZmaxW || h > opt.ZmaxH) : !MagnifierFits(w, h, form->GetMiniDim());
    // Switching the magnifier off is always allowed.
    if (!form->MiniPix() && tooBig) {
        picture.FjernFocus();
        Message(QStringLiteral("Billedets dimensioner overskrider værdierne,\rder er sat under program fanen "
                               "Egenskaber!\rSæt nye maximaldimensioner eller vælg\rFocus zoom i stedet."),
                QStringLiteral("The dimensions of the picture are greater\rthan the values in the programs "
                               "properties!\rSet new maximal dimensions or choose\rFocus zoom."));
        return;
    }
    form->SetMiniPix(!form->MiniPix());
    form->MiniPic->Felter()->SetRammeFarve(opt.RammeCol);
    form->MiniPic->Felter()->SetGridFarve(opt.GridCol);
    form->MiniBitmap(true, form->MiniPix());
}

TPictureCommands::TZoomArea TPictureCommands::FocusZoomArea(int x1, int y1, int x2, int y2, const TOptions& opt)
{
    TZoomArea area{x1, y1, x2 - x1, y2 - y1};
    if (opt.Zuse) {
        if (area.W > opt.ZmaxW) {
            area.X += (area.W - opt.ZmaxW) / 2;
            area.W = opt.ZmaxW;
        }
        if (area.H > opt.ZmaxH) {
            area.Y += (area.H - opt.ZmaxH) / 2;
            area.H = opt.ZmaxH;
        }
    }
    return area;
}

void TPictureCommands::AFocusZoomExecute()
{
    QPointer<TMalvoform> form = FHost.GForm();
    if (!form || !FWindows.NyVisning)
        return;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    form->Image->GetFocusXY(x1, y1, x2, y2);
    form->Image->FjernFocus();
    QCoreApplication::processEvents();
    if (!form || FHost.GForm() != form)
        return;
    const TZoomArea area = FocusZoomArea(x1, y1, x2, y2, FHost.Opt());
    FWindows.NyVisning(area.X, area.Y, area.W, area.H);
}
