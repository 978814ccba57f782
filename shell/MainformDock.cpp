// Docking: the dock host places the tool windows in the dock book, the tool-properties dock
// or the picture book, and the options remember where each one is.
#include "shell/Mainform.h"
#include "toolprops/Tpform.h"
#include <QMdiArea>
#include <QSplitter>
#include <QTabWidget>

namespace {

// The width the dock book takes when a tool window is docked into it.
constexpr int kDockBookWidth = 300;

} // namespace

void TMainform::BuildDockHost()
{
    dockHost_ = new TDockHost(this, dropbog, dropbogRed, billedBog);
    dockHost_->OnPlaced = [this](TToolWindow kind, TDockSite site) { ToolWindowPlaced(kind, site); };
}

void TMainform::showToolBox(bool indlejret)
{
    SetToolBookVisible(indlejret);
    FOpt.ToolDock = indlejret;
    dropbogRed->setVisible(indlejret);
    // The tool properties window docks into the page "Redskaber" or floats again, so the
    // dock is never an empty frame.
    if (!tpform_)
        return;
    if (indlejret)
        dockHost_->Dock(tpform_, twToolProps, dsDropbogRed);
    else if (dockHost_->SiteOf(tpform_) == dsDropbogRed)
        dockHost_->Float(tpform_, twToolProps, QPoint(FOpt.PBoxX, FOpt.PBoxY));
}

void TMainform::ToolWindowPlaced(TToolWindow kind, TDockSite site)
{
    const bool docked = site != dsNone;
    switch (kind) {
    case twFarveBox: FOpt.ColDock = docked; break;
    case twPaletteBox: FOpt.ObjDock = docked; break;
    case twPictureBox: FOpt.GalDock = site == dsBilledBog || site == dsDropbog; break;
    case twClicheBox: FOpt.KlicheDock = docked; break;
    case twToolProps: FOpt.ToolDock = site == dsDropbogRed; break;
    case twTextBox: break;
    }
    if (site == dsDropbog) {
        dropbog->setVisible(true);
        QList<int> sizes = middle_->sizes();
        const int dock = middle_->indexOf(dropbog), centre = middle_->indexOf(mdiArea);
        sizes[centre] = qMax(0, sizes[centre] + sizes[dock] - kDockBookWidth);
        sizes[dock] = kDockBookWidth;
        middle_->setSizes(sizes);
    }
    if (site == dsBilledBog)
        topBog->setTabVisible(pgBilleder, true);
}

