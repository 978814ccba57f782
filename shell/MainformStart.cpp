// Start-up of the main window: the settings list and the options applied to the window, the
// first showing, reopening the pictures of the last run, and files dropped on the window.
#include "appcore/Message.h"
#include "colours/Colform.h"
#include "colours/ColorPan.h"
#include "colours/Farveform.h"
#include "colours/Reguform.h"
#include "dialogs/Flytform.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include "platform/PictureCodecs.h"
#include "shell/EgenskaberPage.h"
#include "shell/FileCommands.h"
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include "shell/NytPage.h"
#include "shell/StyleList.h"
#include "textbox/Tekstform.h"
#include "toolprops/Tpform.h"
#include "util/AlmenX.h"
#include "widgets/ScreenFit.h"
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <QTabWidget>
#include <QUrl>

namespace {

// The extensions the picture readers know; anything else given on the command line or
// dropped on the window is not a picture and is passed over.
bool IsPictureFile(const QString& name)
{
    const QFileInfo info(name);
    if (!info.isFile())
        return false;
    const QString ext = TAlmenX::GetExt(name).toLower();
    return ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") || ext == QLatin1String("bmp")
        || ext == QLatin1String("ico") || PictureCodecs::PictureTypeOf(ext) != PictureCodecs::ptNone;
}

// The frame settings every palette field or button frame takes from the options.
void ApplyFrameLook(TRammeX& frame, TRammeXType art, TRammeXType reaktion, TColor farve)
{
    frame.SetArt(art);
    frame.SetReaktionOver(reaktion);
    frame.SetFarveOver(farve);
}

} // namespace

void TMainform::HentProgstring()
{
    Prog = ::HentProgstring(Folder.StringFilnavn, Folder);
    // A style the platform does not know leaves the current one.
    if (!StyleList::Apply(Prog.designName))
        Prog.designName = StyleList::Apply(StyleList::kSky) ? StyleList::kSky : QString();
    toolBookTop_ = Prog.ToolBookTop;
    toolLineTop_ = Prog.ToolLineTop;
    ArrangeRows();
    topBog->setCurrentIndex(qBound(0, Prog.ToolBookPage, topBog->count() - 1));
    SetToolBookVisible(Prog.ToolBookVisible);
    SetDockBookVisible(Prog.DockBookVisible);
    SetToolLineVisible(Prog.ToolLineVisible);
    textShowCheck->setChecked(Prog.VisKlipbord);
    PicsName = HentOpenFiles(Folder.openFilesFilnavn);
    gemKlipCheck->setChecked(Prog.gemKlip);
    Egenskaber->VisPlaceringer(toolBookTop_, toolLineTop_);
}

void TMainform::HentOptions()
{
    FOpt = ::HentOptions(Folder.OptFilnavn, Folder.SingleUserOptFilnavn);
    Egenskaber->VisOptions();
    FileCommands().NytPage()->ShowOptions(FOpt);
    topBog->setTabVisible(pgBilleder, FOpt.GalDock);
}

void TMainform::ApplyFrames()
{
    ApplyFrameLook(Framme1, FOpt.ColRArt, FOpt.ColRRo, FOpt.PalSelFarve);
    ApplyFrameLook(KnapFramme, FOpt.KnapArt, FOpt.KnapRo, FOpt.KnapSelFarve);
    KnapFramme.SetFocusRamme(!FOpt.DontUseFcol);
    MiniFramme.SetFarveRamme(FOpt.RammeCol);
    // Windows drawn with the palette-field frame are drawn again, so they take the new look.
    const QList<QWidget*> windows{farveform_, tpform_, colform_, galForm_, klicheForm_, tekstform_, flytform_, reguform_};
    for (QWidget* w : windows)
        if (w) {
            // The panels have no meta-object of their own, so they are told apart by type.
            for (QWidget* child : w->findChildren<QWidget*>())
                if (auto* pan = dynamic_cast<TColorPan*>(child))
                    pan->Repaint();
            w->update();
        }
    for (TColorPan* pan : {Iconpal, IconpalTrans})
        pan->Repaint();
}

void TMainform::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (Opstart) {
        FormShow();
        QTimer::singleShot(0, this, [this] { AfterFirstShowing(0); });
    }
}

void TMainform::AfterFirstShowing(int tries)
{
    // Wait until the window system has put the window on the screen and framed it (a window
    // manager adds the frame a moment after the first showing), within reason.
    const QWindow* window = windowHandle();
    const bool framed = frameGeometry() != geometry() || QGuiApplication::platformName() == QLatin1String("offscreen");
    if (window && (!window->isExposed() || !framed) && tries < 50) {
        QTimer::singleShot(20, this, [this, tries] { AfterFirstShowing(tries + 1); });
        return;
    }
    // Now the frame the window system added is known: fit once more, so the title bar is on
    // the screen also when the frame made the window taller than the free area.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        PlaceOnScreen(this, pos());
    const QString text = std::exchange(startMessages_, QString());
    if (!text.isEmpty())
        ShowMessage(text, this);
}

void TMainform::FormShow()
{
    if (!Opstart)
        return;
    Opstart = false;
    applyLayoutPreset();
    PlaceOnScreen(this, QPoint(FOpt.MainX, FOpt.MainY));
    SetSprog();
    // Nothing is said while the main window is starting: the messages of the start-up are
    // gathered and shown in one box once the window is on the screen.
    TMessageBatch startBatch;
    ReportFailedWrites();

    // Parameters win over the pictures of the last run; each is used whole, without quotes.
    if (!params_.isEmpty()) {
        QStringList names;
        for (const QString& param : params_)
            names.append(QString(param).remove(QLatin1Char('"')));
        OpenPictureFiles(names);
    } else if (FOpt.HentPics) {
        OpenPictureFiles(PicsName);
    }
    startMessages_ = startBatch.Close();

    activateWindow();
    InfoHint(QString());
    if (dropbog->count() > 0)
        dropbog->setCurrentIndex(0);
    ApplyFrames();
    Egenskaber->VisFrameLook();
    Egenskaber->FillStyles(Prog.designName);
    RestoreHandPlacements();
    UpdateActions();
}

void TMainform::OpenPictureFiles(const QStringList& names)
{
    QStringList pictures;
    for (const QString& name : names)
        if (IsPictureFile(name))
            pictures.append(name);
    FileCommands().HentPictures(pictures);
}

void TMainform::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainform::dropEvent(QDropEvent* event)
{
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            names.append(url.toLocalFile());
    OpenPictureFiles(names);
    event->acceptProposedAction();
}

void TMainform::designBoxChange(const QString& name)
{
    if (!mdiArea->subWindowList().isEmpty()) {
        ShowMessage(QStringLiteral("Luk alle dokumenter og prøv igen!"), this);
        Egenskaber->FillStyles(Prog.designName);
        return;
    }
    if (name.compare(Prog.designName, Qt::CaseInsensitive) != 0 && StyleList::Apply(name))
        Prog.designName = name;
    Egenskaber->FillStyles(Prog.designName);
}
