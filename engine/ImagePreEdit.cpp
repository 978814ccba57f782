#include "engine/ImagePreEdit.h"
#include "engine/Captions.h"
#include "platform/Clipboard.h"
#include <QFileInfo>

TImagePreEdit::TImagePreEdit(QWidget* parent) : TImageMetoder(parent)
{
    WithUndo = true;
    FInfoString = Caption(FSprog, kUndoGeneric);
}

void TImagePreEdit::SetScaleFraFil(bool value)
{
    FScaleFraFil = value;
    if (FPicture.Empty())
        FCanScale = false;
    else if (FScaleFraFil)
        FCanScale = QFileInfo::exists(FFilnavn);
    else
        FCanScale = true;
}

void TImagePreEdit::ShowPicture()
{
    FjernFocus();
    FModified = true;
    if (isVisible())
        RefreshView();
    else
        DeferViewRefresh();
}

void TImagePreEdit::RefreshView()
{
    TCanvas& view = Canvas();
    view.Draw(0, 0, FPicture);
    // Where the view is larger than the picture it shows the background, not an older picture.
    const int w = FPicture.Width(), h = FPicture.Height();
    const TRect all = view.ClipRect();
    if (all.Right > w || all.Bottom > h) {
        const TBrush tools = view.Brush;
        view.Brush = {clWhite, bsSolid};
        view.FillRect(Rect(w, 0, all.Right, all.Bottom));
        view.FillRect(Rect(0, h, w, all.Bottom));
        view.Brush = tools;
    }
}

void TImagePreEdit::BeginStep(const QString& Caption)
{
    WithUndo = true;
    FInfoString = Caption;
    if (FPicture.Empty())
        return;
    FjernFocus();
    FHistory.Begin(Caption);
}

void TImagePreEdit::CancelStep()
{
    if (!FHistory.Cancel())
        return;
    AutoDimensioner();
    ShowPicture();
    DefFocusRect(0, 0, width(), height());
    Objekt = false;
    NameUndoStep();
}

void TImagePreEdit::NameUndoStep()
{
    FInfoString = CanUndo() ? FHistory.UndoCaption() : Caption(FSprog, kUndoGeneric);
}

void TImagePreEdit::ShowRestored(const TRect& r, bool newSize)
{
    if (newSize) {
        AutoDimensioner();
        ShowPicture();
        return;
    }
    FjernFocus();
    FModified = true;
    if (!isVisible())
        DeferViewRefresh();
    else if (!r.IsEmpty())
        Canvas().CopyRect(r, FPicture.Canvas(), r);
}

bool TImagePreEdit::PutOnClipboard()
{
    return TClipboard::SetBitmap(EditBitmap);
}

bool TImagePreEdit::FetchClipboard()
{
    if (!TClipboard::Available())
        return false;
    TClipboard::GetBitmap(EditBitmap);
    return true;
}

bool TImagePreEdit::CBHasBitmap() const
{
    return TClipboard::HasBitmap();
}

TBitmap* TImagePreEdit::getCbBitmap()
{
    EditBitmap = TBitmap();
    if (!TClipboard::GetBitmap(EditBitmap))
        return nullptr;
    return &EditBitmap;
}
