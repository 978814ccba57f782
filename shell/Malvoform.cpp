#include "shell/Malvoform.h"
#include "appcore/Message.h"
#include "platform/PictureCodecs.h"
#include "shell/DocumentHost.h"
#include "shell/FileCommands.h"
#include "shell/FileDialogs.h"
#include "shell/ZoomView.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QWheelEvent>

namespace {

constexpr int kSelectionCopyTool = 101;
constexpr int kTextTool = 40;

TFont CourierBold(int pixels)
{
    TFont font;
    font.Name = QStringLiteral("Courier New");
    font.Style = TFontStyles{fsBold};
    font.SetHeight(pixels);
    return font;
}

} // namespace

TMalvoform::TMalvoform(TDocumentHost& host) : QMdiSubWindow(nullptr), Host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);

    Box = new QScrollArea;
    Box->setFrameShape(QFrame::NoFrame);
    Box->setBackgroundRole(QPalette::Dark);
    // The whole area around the picture is painted, so no other window shows through it.
    Box->viewport()->setBackgroundRole(QPalette::Dark);
    Box->viewport()->setAutoFillBackground(true);
    setAutoFillBackground(true);
    Box->viewport()->installEventFilter(this);
    Sheet = new QWidget;
    Sheet->setBackgroundRole(QPalette::Dark);
    Sheet->installEventFilter(this);
    Box->setWidget(Sheet);
    setWidget(Box);
    FreeCtrlW();

    TekstX1 = new TTekstX(this);
    TekstX1->SetAlignVandret(avVenstre);
    TekstX1->SetAlignLodret(alOppe);
    TekstX1->OnChange = [this](TObject*) { Host.SetSkyggeCheck(TekstX1->SkyggeTekst()); };

    Image = new TImagePic(Sheet);
    Image->SetAutoDim(true);
    Image->SetPainting(false);
    Image->SetFarveMetode(fmInterval);
    Image->BorderCount = 1;
    Image->SetFont(CourierBold(13));
    Image->SetMerFont(CourierBold(11));
    Image->SetTekstBog(TekstX1);
    Image->installEventFilter(this);
    ZoomView = new TZoomView(*Image, Sheet);
    ZoomView->hide();
    ZoomView->SetGridColour(QColor::fromRgb(ToQRgb(Host.Opt().GridCol)));
    ZoomView->installEventFilter(this);
    BindImageEvents();

    MiniPic = new TPixelPic(Sheet);
    SetupMagnifier();
    KeepOutOfTabChain();

    FormCreate();
}

void TMalvoform::KeepOutOfTabChain()
{
    // A document becomes active only when the user chooses it. When a tool page that holds
    // the keyboard focus is hidden, Qt passes the focus along the tab chain; a document in
    // that chain would silently become the active one.
    setFocusPolicy(Qt::ClickFocus);
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus)
            w->setFocusPolicy(Qt::ClickFocus);
}

void TMalvoform::BindImageEvents()
{
    Image->OnMusPos = [this](TObject*, int X, int Y) { ShowMousePosition(X, Y); };
    Image->OnPosition = [this](TObject*, int X, int Y) { Host.ShowPosition(X, Y); };
    Image->OnCursor = [this](TObject*, TCursor cursor) {
        ZoomView->setCursor(Image->cursor());
        MiniPic->SetCursor(cursor);
        if (FFocusZoom)
            Host.SetZoomCursor(cursor);
    };
    Image->OnObjekt = [this](TObject*, bool, int) { ImageObjekt(); };
    Image->OnAutoPerform = [this](TObject*, bool NewPicture) { ImageAutoPerform(NewPicture); };
    Image->OnPixelInfo = [this](TObject*, int, int, uint8_t, uint8_t, uint8_t, TColor Farve, TMouseButton) {
        ImagePixelInfo(Farve);
    };
    Image->OnLoad = [this](TObject*, int, int) { ImageLoad(); };
    Image->OnScale = [this](TObject*, int, int, double) { ImageScale(); };
    Image->OnFriFocus = [this](TObject*, bool& NoNew) { ImageFriFocus(NoNew); };
    Image->OnCopy = [this](TObject*, TBitmap& copyBitmap) { ImageCopy(copyBitmap); };
    Image->OnPoly = [this](TObject*) { Host.ShowPolyCount(Image->PolyCount()); };
}

void TMalvoform::SetupMagnifier()
{
    MiniPic->hide();
    TPixFelt* felter = MiniPic->Felter();
    felter->SetFeltDim(8);
    felter->SetFarve(clWhite);
    felter->SetGridFarve(Host.Opt().GridCol);
    felter->SetRammeFarve(Host.Opt().RammeCol);
    felter->SetAntalV(20);
    felter->SetAntalL(20);
    felter->SetGrids(true);
    MiniPic->SetMalvok(Image);
    MiniPic->SetRamme(Host.MagnifierFrame());
    MiniPic->OnMus = [this](int X, int Y) { ShowMousePosition(X, Y); };
    MiniPic->installEventFilter(this);
}

void TMalvoform::FormCreate()
{
    FMiniPix = false;
    // Maximised before it joins the area: a state change there would show the window, and a
    // shown window would draw a picture that is still loading.
    // The normal size is the new picture's, so the window looks right when it is restored
    // (the area restores the former maximised window when another one is maximised).
    const TOptions& sizes = Host.Opt();
    resize(sizes.GBredde + 2 * sizes.GMargenL + 16, sizes.GHojde + 2 * sizes.GMargenV + 40);
    Host.MdiArea()->addSubWindow(this);

    Host.SetGForm(this);
    Host.SetPictureCount(Host.PictureCount() + 1);

    const TOptions& opt = Host.Opt();
    SetSprog(Engelsk());
    Image->move(opt.GMargenL, opt.GMargenV);
    Image->SetToolNr(opt.SameTool ? Host.UserToolnummer() : opt.GToolNr);

    connect(this, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive))
            FormActivate();
    });

    if (Host.NewImage()) {
        Host.SetnewPictureCount(Host.newPictureCount() + 1);
        Image->NewBitmap(opt.GBredde, opt.GHojde);
        ApplyZoom(FittingZoom());
        MakeNewName();
        Host.AddTab(*this);
        Host.SetPropOldToolNr(-1);
    }
    FitSheet();
}

void TMalvoform::FormActivate()
{
    if (ReturnToTool)
        return;
    Host.SetGForm(this);
    Host.TabFocus(*this);
    if (Host.Opt().SameTool)
        Image->SetToolNr(Host.UserToolnummer());
    Host.PushColours(*Image);
    Host.PushMetaMetode(*Image);
    Host.ShowProp(Image->ToolNr(), PNavn);
    Host.SetPropEleModified();
}

void TMalvoform::closeEvent(QCloseEvent* event)
{
    if (!FormClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

bool TMalvoform::FormClose()
{
    if (Image->Modified()) {
        if (!LukImage())
            return false;
        Image->SetModified(false);
    }
    if (FFocusZoom)
        Host.CloseZoomWindow();
    Host.SetPictureCount(Host.PictureCount() - 1);
    FMiniPix = false;
    FFocusZoom = false;
    Host.ShowProp(-1, QString());
    Host.RemoveTab(*this);
    Host.SetStatusPanel(0, QStringLiteral("X:"));
    Host.SetStatusPanel(1, QStringLiteral("Y:"));
    // Another window that is already active stays GForm.
    if (Host.GForm() == this)
        Host.SetGForm(nullptr);
    return true;
}

bool TMalvoform::Engelsk() const
{
    return Host.Opt().Sprog != 0;
}

void TMalvoform::SetMiniPix(bool Value)
{
    FMiniPix = Value;
    Image->SetFocusType(Value ? ftNormal : ftMove);
}

void TMalvoform::SetFocusZoom(bool Value)
{
    FFocusZoom = Value;
    Image->SetFocusType(Value ? ftNormal : ftMove);
}

void TMalvoform::MakeNewName()
{
    static const char* const extensions[] = {".bmp", ".jpg", ".ico"};
    const int type = Host.FileCommands().FiltypeIndex();
    QString name = Engelsk() ? QStringLiteral("Noname") : QStringLiteral("UdenNavn");
    name += QString::number(Host.newPictureCount());
    if (type >= 0 && type < 3)
        name += QLatin1String(extensions[type]);
    SetPNavn(name);
}

void TMalvoform::SetPNavn(const QString& name)
{
    PNavn = name;
    setWindowTitle(name);
}

bool TMalvoform::LukImage()
{
    TFileCommands& files = Host.FileCommands();
    const TModalResult answer = files.Dialogs().AskSave(PNavn, Engelsk());
    if (answer == mrCancel)
        return false;
    if (answer != mrYes)
        return true;
    QString target = Image->Filnavn();
    if (target.isEmpty() || !QFileInfo(target).isFile() || !TImageMetoder::Writable(target)) {
        target = files.Dialogs().RunSave(PNavn, Engelsk(), Image->Filnavn());
        if (target.isEmpty())
            return false;
    }
    return SaveTo(target);
}

bool TMalvoform::SaveTo(const QString& FileName)
{
    Image->SetJpgKvalitet(Host.Opt().JPGkvali);
    if (Image->SaveBitmap(FileName))
        return true;
    ShowMessage(Sprogtekst(Engelsk(), QStringLiteral("Fejl: Filen kunne ikke gemmes!"),
                           QStringLiteral("Error: The file was not saved!")),
                this);
    return false;
}

int TMalvoform::MiniDimFor(int Width, int Height)
{
    const int D = std::max(Width, Height);
    if (D < 0)
        return 2;
    static const struct {
        int upTo;
        int dim;
    } steps[] = {{16, 16}, {24, 12}, {32, 10}, {64, 8}, {80, 6}, {128, 4}, {160, 3}};
    for (const auto& step : steps)
        if (D <= step.upTo)
            return step.dim;
    return 2;
}

int TMalvoform::GetMiniDim() const
{
    return MiniDimFor(Image->Picture().Width(), Image->Picture().Height());
}

QSize TMalvoform::ClientSize() const
{
    return Box->size();
}

void TMalvoform::SetClientSize(int w, int h)
{
    if (isMaximized())
        return;
    const QMargins m = contentsMargins();
    resize(w + m.left() + m.right(), h + m.top() + m.bottom());
}

void TMalvoform::ResizeFormToPic()
{
    const TOptions& opt = Host.Opt();
    const QSize shown = ShownPictureSize();
    SetClientSize(shown.width() + 2 * opt.GMargenL, shown.height() + 2 * opt.GMargenV);
}

void TMalvoform::MiniBitmap(bool NyeDim, bool AutoFeltDim)
{
    if (!NyeDim)
        return;
    const TOptions& opt = Host.Opt();
    const int picW = Image->Picture().Width();
    const int picH = Image->Picture().Height();
    if (FMiniPix) {
        TPixFelt* felter = MiniPic->Felter();
        felter->SetAntalV(picW);
        felter->SetAntalL(picH);
        if (AutoFeltDim)
            felter->SetFeltDim(GetMiniDim());
        MiniPic->BeregnCompo();
        const int shownW = ShownPictureSize().width();
        MiniPic->move(2 * opt.GMargenL + shownW, opt.GMargenV);
        SetClientSize(3 * opt.GMargenL + shownW + MiniPic->GetWidth(), 2 * opt.GMargenV + MiniPic->GetHeight());
        MiniPic->show();
    } else {
        MiniPic->FreeDim();
        ResizeFormToPic();
        MiniPic->hide();
    }
    FitSheet();
    Host.ShowProp(Image->ToolNr(), PNavn);
}

void TMalvoform::ShowActive()
{
    // Activated first: the area keeps one window maximised and would otherwise restore this one
    // in favour of the window that was active before.
    Host.MdiArea()->setActiveSubWindow(this);
    showMaximized();
}

void TMalvoform::FitSheet()
{
    const TOptions& opt = Host.Opt();
    QRect used = Shown()->geometry();
    if (MiniPic->isVisibleTo(Sheet))
        used |= MiniPic->geometry();
    Sheet->resize(used.right() + 1 + opt.GMargenL, used.bottom() + 1 + opt.GMargenV);
}

bool TMalvoform::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((watched == Image || watched == ZoomView || watched == MiniPic) &&
        (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show || type == QEvent::Hide))
        FitSheet();
    if (type == QEvent::Wheel && (watched == Image || watched == ZoomView || watched == Sheet || watched == Box->viewport()) &&
        WheelZoom(watched, static_cast<QWheelEvent*>(event)))
        return true;
    if (watched == Image && type == QEvent::MouseButtonPress && Image->ToolNr() == kTextTool && !Image->HasText())
        Host.InfoHint(Engelsk() ? QStringLiteral("Write the text on the page \"Text\" of the tools properties and "
                                                 "press \"Apply\"")
                                : QStringLiteral("Skriv teksten på siden \"Tekst\" i redskabernes egenskaber og "
                                                 "tryk \"Realiser\""));
    if ((watched == Sheet || watched == Box->viewport()) && type == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            BoxMouseDown(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void TMalvoform::BoxMouseDown(const QPoint& screenPos)
{
    if (QMenu* menu = Host.PictureMenu())
        menu->popup(screenPos);
}

void TMalvoform::ShowMousePosition(int X, int Y)
{
    Host.SetStatusPanel(0, QStringLiteral("X: ") + QString::number(X));
    Host.SetStatusPanel(1, QStringLiteral("Y: ") + QString::number(Y));
}

void TMalvoform::ImageObjekt()
{
    if (Image->ToolNr() == kSelectionCopyTool) {
        Image->SetToolNr(OldToolNr);
        Host.SetUserToolnummer(OldToolNr);
        Host.ShowProp(OldToolNr, PNavn);
    }
    Host.ShowObjektType();
}

void TMalvoform::ImageAutoPerform(bool NewPicture)
{
    if (NewPicture) {
        if (FMiniPix) {
            FMiniPix = false;
            MiniBitmap(true, false);
        }
        if (FFocusZoom)
            Host.CloseZoomWindow();
        return;
    }
    if (FMiniPix)
        MiniPic->Transfer();
    if (FFocusZoom)
        Host.ZoomTransfer();
}

void TMalvoform::ImagePixelInfo(TColor Farve)
{
    if (OnlyColor) {
        OnlyColor = false;
        Host.ShowPickedColour(Farve);
        Image->SetToolNr(OldToolNr);
    } else if (!ReturnToTool) {
        Host.ShowPickedColour(Farve);
        Host.SetPixelfelt(Host.OutFarve());
    } else {
        ReturnToTool = false;
        Image->SetMetaFarve(Farve);
        Host.ShowMetaColour(Farve);
        Image->SetToolNr(OldToolNr);
    }
}

void TMalvoform::ImageLoad()
{
    // A picture opens whole: at 1, or smaller when it is larger than the window.
    if (!FZoomChosen)
        ApplyZoom(FittingZoom());
    const bool magnifierShown = FMiniPix;
    if (magnifierShown) {
        FMiniPix = false;
        MiniBitmap(true, false);
    } else {
        ResizeFormToPic();
    }
    if (FFocusZoom)
        Host.CloseZoomWindow();
    QCoreApplication::processEvents();
    if (magnifierShown)
        Host.AMiniPixExecute();
}

void TMalvoform::ImageScale()
{
    if (FMiniPix) {
        FMiniPix = false;
        MiniBitmap(true, false);
    }
    if (FFocusZoom)
        Host.CloseZoomWindow();
}

void TMalvoform::ImageFriFocus(bool& NoNew)
{
    ShowMessage(Sprogtekst(Engelsk(),
                           QStringLiteral("Fokus blyanten har opbrugt sin kapasitet!\rOmråder er blevet kopieret."),
                           QStringLiteral("No more capacity!\rThe area has been copied.")),
                this);
    NoNew = false;
}

QString TMalvoform::ClipFileName(const QString& folder, int number)
{
    return folder + QStringLiteral("/Klip_") + QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0')) +
           QStringLiteral(".bmp");
}

int TMalvoform::NextFreeClip(const QString& folder, int count)
{
    while (QFileInfo::exists(ClipFileName(folder, count)))
        ++count;
    return count;
}

void TMalvoform::ImageCopy(TBitmap& copyBitmap)
{
    if (Host.gemKlip()) {
        const QString folder = Host.KlipbordBib();
        const int number = NextFreeClip(folder, Host.KlipbordCount() + 1);
        Host.SetKlipbordCount(number);
        QByteArray data;
        if (PictureCodecs::WriteBmp(copyBitmap, data))
            PictureCodecs::WriteFileSafely(ClipFileName(folder, number), data);
        Host.ShowClipFolder();
    }
    Host.ShowClipboardPreview(copyBitmap);
}

void TMalvoform::SetSprog(bool Engelsk)
{
    Image->SetSprog(Engelsk ? stEngelsk : stDansk);
    // Qt's window menu of a document speaks English; its items come in this order.
    static const char* const texts[][2] = {{"&Gendan", "&Restore"},         {"&Flyt", "&Move"},
                                           {"&Størrelse", "&Size"},         {"Mi&nimer", "Mi&nimize"},
                                           {"Ma&ksimer", "Ma&ximize"},      {"Altid &øverst", "Stay on &Top"},
                                           {"&Luk", "&Close"}};
    QMenu* menu = systemMenu();
    if (!menu)
        return;
    int i = 0;
    for (QAction* a : menu->actions())
        if (!a->isSeparator() && i < 7)
            a->setText(QString::fromUtf8(texts[i++][Engelsk ? 1 : 0]));
}

void TMalvoform::FreeCtrlW()
{
    // Ctrl+W pastes transparently; the window menu's close item keeps its other keys.
    const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
    if (QMenu* menu = systemMenu())
        for (QAction* a : menu->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            if (keys.removeAll(ctrlW) > 0)
                a->setShortcuts(keys);
        }
}
