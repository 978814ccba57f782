// The picture box and the cliché box: creation, docking by their options, the transparent
// check boxes that mirror each other, the clip folder shown after every saved copy, language
// and what is kept at close.
#include "appcore/DataFolder.h"
#include "libraries/Bibform.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include "shell/Mainform.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QMenu>
#include <QTabWidget>

void TMainform::BuildLibraryWindows()
{
    libraryPainters_ = new TSharedPainters(this);
    galForm_ = new TGalForm(*this, *libraryPainters_, this);
    klicheForm_ = new TKlicheform(*this, *libraryPainters_, this);
    for (TBibBox* box : {static_cast<TBibBox*>(galForm_), static_cast<TBibBox*>(klicheForm_)}) {
        // Hidden windows of their own until they are placed, never children over the window.
        box->setWindowFlags(Qt::Tool);
        box->SetTrans(Prog.transInsert);
    }
    klicheForm_->KlicheBib = Folder.KlicheBib;
    klicheForm_->KlipbordBib = Folder.KlipbordBib;
    const QString shipped = TDataFolder::ShippedDataFolder();
    klicheForm_->MedfolgendeBib = shipped.isEmpty() ? QString() : shipped + QStringLiteral("/cliches");
    galForm_->SetGalBib(Prog.GalBib);
    galForm_->Bibform->move(TDockHost::OnScreen(QPoint(FOpt.BBoxX, FOpt.BBoxY), galForm_->Bibform->size()));

    galForm_->OnTransClick = [this](bool checked) {
        klicheForm_->SetTrans(checked);
        Prog.transInsert = checked;
    };
    klicheForm_->OnTransClick = [this](bool checked) {
        galForm_->SetTrans(checked);
        Prog.transInsert = checked;
    };
    galForm_->OnNytBibliotek = [this](const QString& dir) { Prog.GalBib = dir; };
    klicheForm_->OnAlleSlettet = [this] { klipbordCount_ = 0; };

    // The View menu brings a closed box back.
    auto* picture = new QAction(this);
    picture->setObjectName(QStringLiteral("AGalleri"));
    connect(picture, &QAction::triggered, this, &TMainform::ShowPictureBox);
    auto* cliche = new QAction(this);
    cliche->setObjectName(QStringLiteral("AKliche"));
    connect(cliche, &QAction::triggered, this, &TMainform::ShowClicheBox);
    Mvis->addActions({picture, cliche});
    texts_.AddCaptionHint(picture, "Billedboks", "Vis billedboksen", "Picturebox", "Show the picture box");
    texts_.AddCaptionHint(cliche, "Klicheboks", "Vis klicheboksen", "Clichébox", "Show the cliché box");

    // Both boxes are shown at every start; their visibility is only kept.
    ShowPictureBox();
    ShowClicheBox();
}

void TMainform::UpdateLibraryButtons()
{
    if (!galForm_)
        return;
    for (TBibBox* box : {static_cast<TBibBox*>(galForm_), static_cast<TBibBox*>(klicheForm_)})
        if (box->isVisible())
            box->UpdateButtons();
}

void TMainform::ShowPictureBox()
{
    if (FOpt.GalDock) {
        dockHost_->Dock(galForm_, twPictureBox, dsBilledBog);
        return;
    }
    galForm_->resize(FOpt.GBoxW, std::max(FOpt.GBoxH, galForm_->minimumHeight()));
    dockHost_->Float(galForm_, twPictureBox, QPoint(FOpt.GBoxX, FOpt.GBoxY));
}

void TMainform::ShowClicheBox()
{
    if (FOpt.KlicheDock) {
        dockHost_->Dock(klicheForm_, twClicheBox, dsDropbog);
        return;
    }
    klicheForm_->resize(FOpt.KBoxW, FOpt.KBoxH);
    dockHost_->Float(klicheForm_, twClicheBox, QPoint(FOpt.KBoxX, FOpt.KBoxY));
}

void TMainform::ShowClipFolder()
{
    if (klicheForm_)
        klicheForm_->BkKnapClick(1);
}

void TMainform::GemLibraryWindows()
{
    if (!galForm_)
        return;
    const auto shown = [this](QWidget* w) { return w->isVisible() || dockHost_->SiteOf(w) != dsNone; };
    const auto floating = [this](QWidget* w) {
        return dockHost_->SiteOf(w) == dsNone && !(w->windowState() & Qt::WindowMaximized);
    };
    if (floating(galForm_)) {
        FOpt.GBoxX = galForm_->x();
        FOpt.GBoxY = galForm_->y();
        FOpt.GBoxW = galForm_->width();
        FOpt.GBoxH = galForm_->height();
    }
    FOpt.GBoxV = galForm_->Panel->AntalVandret();
    FOpt.GBoxL = galForm_->Panel->AntalLodret();
    FOpt.GBoxVis = shown(galForm_);
    if (floating(klicheForm_)) {
        FOpt.KBoxX = klicheForm_->x();
        FOpt.KBoxY = klicheForm_->y();
        FOpt.KBoxW = klicheForm_->width();
        FOpt.KBoxH = klicheForm_->height();
    }
    FOpt.KBoxV = klicheForm_->Panel->AntalVandret();
    FOpt.KBoxL = klicheForm_->Panel->AntalLodret();
    FOpt.KBoxVis = shown(klicheForm_);
    FOpt.BBoxX = galForm_->Bibform->x();
    FOpt.BBoxY = galForm_->Bibform->y();
}
