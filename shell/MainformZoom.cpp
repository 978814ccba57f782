// The zoom window of the focus zoom: it magnifies an area of the active picture and tells the
// document windows when it shows one of them.
#include "dialogs/Zoomform.h"
#include "pixeledit/PixelPic.h"
#include "shell/Mainform.h"
#include "toolprops/Tpform.h"
#include <QRadioButton>
#include <QMdiArea>

void TMainform::BuildZoomWindow()
{
    zoomform_ = new TZoomform(*this, this);
    zoomform_->Zoomfelt->SetRamme(&MiniFramme);
    windows_.NyVisning = [this](int X, int Y, int W, int H) { zoomform_->NyVisning(X, Y, W, H); };
    zoomform_->OnDocumentName = [this] { return gForm_ ? gForm_->PNavn : QString(); };
    zoomform_->OnFocusZoom = [this](bool On) {
        if (On) {
            if (gForm_)
                gForm_->SetFocusZoom(true);
            return;
        }
        for (TMalvoform* form : Documents())
            if (form->FocusZoom()) {
                form->SetFocusZoom(false);
                return;
            }
    };
    // Activating the zoom window makes the tool properties' zoom page speak of the focus zoom.
    zoomform_->OnActivated = [this] {
        if (tpform_ && tpform_->FokuszoomRadio)
            tpform_->FokuszoomRadio->setChecked(true);
    };
    zoomform_->OnShowProp = [this](int ToolNr) {
        if (gForm_)
            ShowProp(ToolNr, gForm_->PNavn);
    };
}

void TMainform::CloseZoomWindow()
{
    if (zoomform_)
        zoomform_->close();
}

void TMainform::SetZoomCursor(TCursor cursor)
{
    if (zoomform_)
        zoomform_->Zoomfelt->SetCursor(cursor);
}

void TMainform::ZoomTransfer()
{
    if (zoomform_ && zoomform_->Zoomfelt->Malvok())
        zoomform_->Zoomfelt->Transfer();
}
