// Docking: the dock host places the tool windows in the dock book, the tool-properties dock
// or the picture book, and the options remember where each one is. Where the user placed a
// tool window by hand is kept in the settings file as well, so a restart puts it back there.
#include "colours/ColorPan.h"
#include "colours/Colform.h"
#include "colours/Farveform.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include "textbox/Tekstform.h"
#include "shell/HistoryWindow.h"
#include "shell/Mainform.h"
#include "toolprops/Tpform.h"
#include <QMdiArea>
#include <QSplitter>
#include <QTabWidget>

namespace {

// The width the dock book takes when a tool window is docked into it, unless a docked
// window needs more.
constexpr int kDockBookWidth = 300;

constexpr TToolWindow kDockable[] = {twFarveBox, twToolProps, twPaletteBox, twPictureBox, twClicheBox};

// The settings that name where a tool window was placed by hand.
QString HandKey(TToolWindow kind)
{
    switch (kind) {
    case twFarveBox: return QStringLiteral("Dok.Farveboks");
    case twToolProps: return QStringLiteral("Dok.Redskabsegenskaber");
    case twPaletteBox: return QStringLiteral("Dok.Paletboks");
    case twPictureBox: return QStringLiteral("Dok.Billedboks");
    case twClicheBox: return QStringLiteral("Dok.Klicheboks");
    case twHistory: return QStringLiteral("Dok.Historik");
    case twTextBox: break;
    }
    return QString();
}

const char* const kSiteNames[] = {"flydende", "dropbog", "dropbogRed", "billedBog"};

QString SiteName(TDockSite site)
{
    return QString::fromLatin1(kSiteNames[site]);
}

bool SiteFromName(const QString& name, TDockSite& site)
{
    for (TDockSite s : {dsNone, dsDropbog, dsDropbogRed, dsBilledBog})
        if (name == QLatin1String(kSiteNames[s])) {
            site = s;
            return true;
        }
    return false;
}

} // namespace

void TMainform::BuildDockHost()
{
    dockHost_ = new TDockHost(this, dropbog, dropbogRed, billedBog);
    dockHost_->OnPlaced = [this](TToolWindow kind, TDockSite site) { ToolWindowPlaced(kind, site); };
    dockHost_->OnPlacedByHand = [this](TToolWindow kind, TDockSite site) {
        settings_.SetValue(HandKey(kind), SiteName(site));
        // A window docked by hand stays in sight: the tool book shows the page that holds it.
        if (site == dsDropbogRed)
            topBog->setCurrentIndex(pgRedskaber);
        else if (site == dsBilledBog)
            topBog->setCurrentIndex(pgBilleder);
        // The colour box placed by hand is the box in use: its palette takes the keyboard
        // focus, so hovering names its colours there too.
        if (kind == twFarveBox) {
            if (site == dsNone)
                farveform_->activateWindow();
            farveform_->BigSpal->setFocus();
        }
    };
    dockHost_->Engelsk = [this] { return Engelsk(); };
    settings_ = TSettings(TSettings::FileNameIn(Folder));
    settings_.Load();
}

QWidget* TMainform::ToolWindow(TToolWindow kind) const
{
    switch (kind) {
    case twFarveBox: return farveform_;
    case twToolProps: return tpform_;
    case twPaletteBox: return colform_;
    case twPictureBox: return galForm_;
    case twClicheBox: return klicheForm_;
    case twTextBox: return tekstform_;
    case twHistory: return historyForm_;
    }
    return nullptr;
}

TDockSite TMainform::HandSite(TToolWindow kind, bool& placedByHand) const
{
    TDockSite site = dsNone;
    placedByHand = SiteFromName(settings_.Value(HandKey(kind)), site);
    return site;
}

void TMainform::RestoreHandPlacements()
{
    for (TToolWindow kind : kDockable) {
        bool byHand = false;
        const TDockSite site = HandSite(kind, byHand);
        QWidget* window = ToolWindow(kind);
        if (!byHand || !window)
            continue;
        const TDockSite now = dockHost_->SiteOf(window);
        // A window that was closed at the last close stays closed.
        if (site == now || (now == dsNone && !window->isVisible()))
            continue;
        if (site != dsNone) {
            dockHost_->Dock(window, kind, site);
            continue;
        }
        QPoint pos;
        QSize size = window->sizeHint().expandedTo(window->minimumSizeHint());
        switch (kind) {
        case twFarveBox: pos = {FOpt.FarveBoxX, FOpt.FarveBoxY}; break;
        case twToolProps: pos = {FOpt.PBoxX, FOpt.PBoxY}; break;
        case twPaletteBox: pos = {FOpt.CBoxX, FOpt.CBoxY}; break;
        case twPictureBox:
            pos = {FOpt.GBoxX, FOpt.GBoxY};
            size = QSize(FOpt.GBoxW, FOpt.GBoxH).expandedTo(window->minimumSizeHint());
            break;
        case twClicheBox:
            pos = {FOpt.KBoxX, FOpt.KBoxY};
            size = QSize(FOpt.KBoxW, FOpt.KBoxH).expandedTo(window->minimumSizeHint());
            break;
        case twTextBox:
        case twHistory: break;
        }
        window->resize(size);
        dockHost_->Float(window, kind, pos);
    }
    handPlacementsRestored_ = true;
    // The palette is the colour box's first control and holds the keyboard focus once the
    // start is over (the reopened pictures took it meanwhile): its fields answer the pointer
    // only while it does, so hovering names the colours at once.
    if (farveform_ && farveform_->isVisible())
        farveform_->BigSpal->setFocus();
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
    case twToolProps:
        FOpt.ToolDock = site == dsDropbogRed;
        // The dock on the page "Redskaber" is shown exactly while it holds the window.
        dropbogRed->setVisible(FOpt.ToolDock);
        if (FOpt.ToolDock)
            SetToolBookVisible(true);
        break;
    case twTextBox:
    case twHistory: break;
    }
    // Once the start-up has put back the places of the last run, a window the user placed by
    // hand keeps its record up to date wherever it goes, also by a layout preset.
    if (handPlacementsRestored_ && settings_.Contains(HandKey(kind)))
        settings_.SetValue(HandKey(kind), SiteName(site));
    if (site == dsDropbog) {
        SetDockBookVisible(true);
        QList<int> sizes = middle_->sizes();
        const int dock = middle_->indexOf(dropbog), centre = middle_->indexOf(mdiArea);
        // Never narrower than the widest docked window needs.
        const int width = qMax(kDockBookWidth, dropbog->minimumSizeHint().width());
        sizes[centre] = qMax(0, sizes[centre] + sizes[dock] - width);
        sizes[dock] = width;
        middle_->setSizes(sizes);
    }
    if (site == dsBilledBog)
        topBog->setTabVisible(pgBilleder, true);
}
