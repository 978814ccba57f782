// The colour box, the palette box, the palette dialog and the sort dialog: creation, their
// links to the main window's colour controls and documents, docking, language and options.
#include "colours/ColorPan.h"
#include "colours/Colform.h"
#include "colours/Farveform.h"
#include "colours/Palform.h"
#include "colours/Sortform.h"
#include "shell/Mainform.h"
#include "shell/ToolCommands.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QTabWidget>

void TMainform::BuildColourWindows()
{
    colourPainters_ = new TSharedPainters(this);
    farveform_ = new TFarveform(*this, *colourPainters_, Prog.PalFilnavn, this);
    palform_ = new TPalform(*this, *colourPainters_, this);
    colform_ = new TColform(*this, *colourPainters_, this);
    sortform_ = new TSortform(*this, *colourPainters_, this);
    // The palette fields take the frame look the options give every palette field.
    for (QWidget* w : {static_cast<QWidget*>(farveform_), static_cast<QWidget*>(palform_), static_cast<QWidget*>(colform_)})
        for (QWidget* child : w->findChildren<QWidget*>())
            if (auto* pan = dynamic_cast<TColorPan*>(child))
                pan->SetRammeFelt(&Framme1);
    // Until they are placed the tool windows are hidden windows of their own, never children
    // drawn over the main window.
    for (QWidget* w : {static_cast<QWidget*>(farveform_), static_cast<QWidget*>(colform_)})
        w->setWindowFlags(Qt::Tool);

    farveform_->VaelgPaletteFil = [this] { return palform_->Vis(true) == QDialog::Accepted ? palform_->Filnavn : QString(); };
    farveform_->OnPalFilnavn = [this](const QString& f) { Prog.PalFilnavn = f; };
    farveform_->VisSorter = [this] { ShowSortform(1); };
    farveform_->OnPFfelt = [this](int nr, TColor c) { colform_->SetPFfelt(nr, c); };
    farveform_->MetaPanelFarve = [this] { return tools_->Metapan->GetColor(0); };
    farveform_->TransPanelFarve = [this] { return tools_->Transpan->GetColor(0); };
    farveform_->MetaKnapMetode = [this] {
        if (tools_->Action(QStringLiteral("AMetaNormal"))->isChecked())
            return mmNormal;
        return tools_->Action(QStringLiteral("AMetaFarve"))->isChecked() ? mmFarve : mmNotFarve;
    };
    // The meta-method buttons follow the picture at the next action update.
    farveform_->VisMetaFarver = [this](TColor meta, TColor trans, TMetaMetode) {
        ShowMetaColour(meta);
        tools_->ShowTransColour(trans);
    };

    // A palette field goes to the tool and fade field of the button; a tool-colour field only
    // becomes the active colour.
    colform_->OnFarveKlik = [this](TMouseButton b, TColor c, bool tool) {
        if (tool)
            farveform_->VaelgFarve(b, c, true);
        else
            farveform_->SetOutFarve(c, true, true);
    };
    colform_->OnFarveOver = [this](TColor c) { farveform_->VisPaletteNavn(c); };
    colform_->Sorter = [this](TColorPan& pan) { sortform_->Sorter(pan); };
    colform_->VisSorter = [this](TColorPan&) { ShowSortform(0); };
    colform_->VaelgGemFil = [this](const TColorPan& pan) {
        palform_->Palet->KopierPalette(pan);
        return palform_->Vis(false) == QDialog::Accepted ? palform_->Filnavn : QString();
    };
    sortform_->Panel = [this](int nr) { return nr == 1 ? farveform_->BigSpal : colform_->ColPal; };

    windows_.ShowColourBox = [this] { ShowColourBox(); };
    windows_.SetSliderColour = [this](uint8_t r, uint8_t g, uint8_t b) { farveform_->SetSliderFarve(r, g, b); };
    windows_.SetFadeFarve = [this](int nr, TColor c) { farveform_->SetFadeFarve(nr, c); };
    windows_.Informa = [this](int nr) { farveform_->Informa(nr); };
    windows_.PenFyldFarver = [this](TMouseButton b, TColor c) { farveform_->PenFyldFarver(b, c); };
    windows_.ShowPaletteBox = [this] { ShowPaletteBoxWindow(); };

    if (FOpt.FarveBoxVis)
        ShowColourBox();
    if (FOpt.CBoxVis)
        ShowPaletteBoxWindow();
    if (FOpt.SorVis)
        sortform_->show();
}

void TMainform::ShowColourBox()
{
    if (FOpt.ColDock)
        dockHost_->Dock(farveform_, twFarveBox, dsDropbog);
    else
        dockHost_->Float(farveform_, twFarveBox, QPoint(FOpt.FarveBoxX, FOpt.FarveBoxY));
}

void TMainform::ShowPaletteBoxWindow()
{
    if (FOpt.ObjDock)
        dockHost_->Dock(colform_, twPaletteBox, dsDropbog);
    else
        dockHost_->Float(colform_, twPaletteBox, QPoint(FOpt.CBoxX, FOpt.CBoxY));
}

void TMainform::ShowSortform(int palnummer)
{
    sortform_->Palnummer = palnummer;
    sortform_->show();
    sortform_->raise();
}

void TMainform::GemColourWindows()
{
    if (!FOpt.ColDock) {
        FOpt.FarveBoxX = farveform_->x();
        FOpt.FarveBoxY = farveform_->y();
    }
    // A docked box counts as shown also while another page of the dock book is in front.
    const auto shown = [this](QWidget* w) { return w->isVisible() || dockHost_->SiteOf(w) != dsNone; };
    FOpt.FarveBoxVis = shown(farveform_);
    FOpt.BigColBox = !farveform_->SmallBox();
    if (!FOpt.ObjDock) {
        FOpt.CBoxX = colform_->x();
        FOpt.CBoxY = colform_->y();
    }
    FOpt.CBoxVis = shown(colform_);
    sortform_->GemPosition(FOpt);
}

// ---- the colour box's part of TDocumentHost

void TMainform::ShowPickedColour(TColor colour)
{
    if (!farveform_->isVisible())
        ShowColourBox();
    farveform_->SetOutFarve(colour, true, true);
}

TColor TMainform::OutFarve() const
{
    return farveform_ ? farveform_->OutFarve : clBlack;
}

void TMainform::PushColours(TImagePic&)
{
    // The document window made its picture the active one before it calls this.
    if (farveform_)
        farveform_->PFfarver();
}

void TMainform::ColoursToWhite()
{
    if (farveform_)
        farveform_->FarverTilHvid();
}
