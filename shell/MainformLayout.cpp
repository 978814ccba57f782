// The main window's layout: the order of its rows, the side of the dock book, the layout
// presets, the visibility toggles and the picture-zoom command.
#include "appcore/Message.h"
#include "widgets/ScreenFit.h"
#include "colours/Farveform.h"
#include "shell/EgenskaberPage.h"
#include "shell/Mainform.h"
#include "shell/PictureCommands.h"
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QResizeEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Main-window sizes of the presets 1-3.
constexpr QSize kPresetSizes[4] = {{0, 0}, {1091, 982}, {1091, 795}, {1091, 560}};

} // namespace

void TMainform::ArrangeRows()
{
    // From top to bottom: tool line, tab bar, documents, tool book; the tool line and the
    // tool book each sit at the top or at the bottom.
    for (QWidget* row : {toolLineRow_, tabRow_, static_cast<QWidget*>(middle_), static_cast<QWidget*>(topBog)})
        rows_->removeWidget(row);
    if (toolBookTop_)
        rows_->addWidget(topBog);
    if (toolLineTop_)
        rows_->addWidget(toolLineRow_);
    rows_->addWidget(tabRow_);
    rows_->addWidget(middle_, 1);
    if (!toolLineTop_)
        rows_->addWidget(toolLineRow_);
    if (!toolBookTop_)
        rows_->addWidget(topBog);
}

void TMainform::ArrangeCentre()
{
    // The dock book on its side, the icon palette panel on the other.
    const bool dockLeft = FOpt.PladsRed == 0;
    const QList<QWidget*> order = dockLeft ? QList<QWidget*>{dropbog, mdiArea, iconRamme}
                                           : QList<QWidget*>{iconRamme, mdiArea, dropbog};
    for (int i = 0; i < order.size(); ++i)
        middle_->insertWidget(i, order[i]);
    middle_->setStretchFactor(middle_->indexOf(mdiArea), 1);
    middle_->setStretchFactor(middle_->indexOf(dropbog), 0);
    middle_->setStretchFactor(middle_->indexOf(iconRamme), 0);
}

void TMainform::SetDockSide(int pladsRed)
{
    FOpt.PladsRed = uint8_t(pladsRed == 0 ? 0 : 1);
    ArrangeCentre();
    Egenskaber->VisPlaceringer(toolBookTop_, toolLineTop_);
}

void TMainform::SetToolBookTop(bool top)
{
    toolBookTop_ = top;
    Prog.ToolBookTop = top;
    ArrangeRows();
    Egenskaber->VisPlaceringer(toolBookTop_, toolLineTop_);
}

void TMainform::SetToolLineTop(bool top)
{
    toolLineTop_ = top;
    Prog.ToolLineTop = top;
    ArrangeRows();
    Egenskaber->VisPlaceringer(toolBookTop_, toolLineTop_);
}

void TMainform::SetDockBookVisible(bool visible)
{
    dropbog->setVisible(visible);
    AopenCloseDrop->setChecked(visible);
}

void TMainform::SetToolLineVisible(bool visible)
{
    bogLinje->setVisible(visible);
    AopenCloseLinje->setChecked(visible);
}

void TMainform::SetToolBookVisible(bool visible)
{
    topBog->setVisible(visible);
    AopenCloseRed->setChecked(visible);
}

void TMainform::SetIconPaletteVisible(bool visible)
{
    ArrangeCentre();
    iconRamme->setVisible(visible);
    MIkonPalette->setChecked(visible);
}

void TMainform::ShowIconPalette()
{
    SetIconPaletteVisible(true);
}

void TMainform::SetPoNummer(int nummer)
{
    Prog.poNummer = qBound(0, nummer, 3);
    applyLayoutPreset();
    UpdateActions();
}

void TMainform::applyLayoutPreset()
{
    const int preset = Prog.poNummer;
    if (preset == 0) {
        PlaceOnScreen(this, pos(), QSize(FOpt.MainW, FOpt.MainH));
        return;
    }
    showNormal();
    // A preset taller than the screen is fitted into it, so the title bar stays reachable.
    PlaceOnScreen(this, pos(), kPresetSizes[preset]);
    SetToolLineVisible(preset == 3);
    FOpt.BigColBox = preset == 1;
    if (farveform_)
        farveform_->SetSmallBox(!FOpt.BigColBox);
    if (preset == 3)
        showToolBox(false);
    else if (FOpt.ToolDock)
        SetToolBookVisible(true);
    else
        showToolBox(true);
}

void TMainform::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Egenskaber->ShowMainSize(width(), height());
}

void TMainform::AMiniPixExecute()
{
    // The picture commands own the one check of the magnifier's size (the maximum dimensions,
    // and what a screen and memory hold when they are off).
    if (!Opstart && gForm_)
        pictures_->MiniPixZoom();
}
