// The frame of the tool properties window: the page control, the two action buttons, the
// tables of tools, pages, images and help topics, showing a tool, and Get and Apply.
#include "toolprops/Tpform.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "engine/ImagePic.h"
#include "platform/ToolIcons.h"
#include "toolprops/TpControls.h"
#include "toolprops/ToolPreview.h"
#include <QAction>
#include <QScopedValueRollback>
#include <QStatusTipEvent>
#include "colours/ColorPan.h"
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TTpform::TTpform(TMainServices& Services, QWidget* parent) : QWidget(parent), FServices(Services)
{
    setObjectName("Tpform");
    FSliderButtons.SetArt(rtUd);
    FSliderThumb.SetArt(rtUd);
    BuildFrame();
    BuildKlipbord();
    BuildRundRekt();
    BuildSpray();
    BuildPolygon();
    BuildPil();
    BuildRamme();
    BuildFokus();
    BuildZoom();
    BuildFarver();
    BuildSpecialRamme();
    BuildMulti();
    BuildText();
    Reset();
    SetSprog(Services.Engelsk());
    FitBookToPage();
}

void TTpform::FitBookToPage()
{
    // The book is as high as the page it shows, not as its highest page, so the window fits
    // the low dock of the tool book; a higher page makes that dock scroll. The width stays
    // that of the widest page, so no page is ever cut off at the side.
    for (int i = 0; i < TpBog->count(); ++i)
        TpBog->widget(i)->setSizePolicy(QSizePolicy::Preferred,
                                        i == TpBog->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    TpBog->updateGeometry();
}

TTpform::~TTpform() = default;

void TTpform::BuildFrame()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    auto* row = new QHBoxLayout;
    AHent = new QAction(this);
    AHent->setObjectName("AHent");
    ARealiser = new QAction(this);
    ARealiser->setObjectName("ARealiser");
    AOpdaterCB = new QAction(this);
    AOpdaterCB->setObjectName("AOpdaterCB");
    AobjektFokus = new QAction(this);
    AobjektFokus->setObjectName("AobjektFokus");
    APredef = new QAction(this);
    APredef->setObjectName("APredef");
    connect(AHent, &QAction::triggered, this, [this] { HentExecute(); });
    connect(ARealiser, &QAction::triggered, this, [this] { RealiserExecute(); });
    connect(AOpdaterCB, &QAction::triggered, this, [this] { AOpdaterCBExecute(); });
    connect(AobjektFokus, &QAction::triggered, this, [this] { AobjektFokusExecute(); });
    connect(APredef, &QAction::triggered, this, [this] { APredefExecute(); });
    Text([this](const QString& s) { AHent->setText(s); }, "Hent", "Get");
    Text([this](const QString& s) { ARealiser->setText(s); }, "Realiser", "Apply");
    Text([this](const QString& s) { AOpdaterCB->setText(s); }, "Opdater Klipbord", "Update Clipboard");
    Text([this](const QString& s) { AOpdaterCB->setStatusTip(s); AOpdaterCB->setToolTip(s); },
         "Opdater efter eksterne kopieringer", "Update after external copying");
    Text([this](const QString& s) { AobjektFokus->setText(s); }, "Sæt objektfokus", "Set object focus");
    Text([this](const QString& s) { AobjektFokus->setStatusTip(s); AobjektFokus->setToolTip(s); },
         "Flyt fokus til objektets rektangel", "Move the focus onto the rectangle of the object");
    Text([this](const QString& s) { APredef->setText(s); }, "Predefinerede pixel dimensioner",
         "Get predefined pixel dimensions");
    Text([this](const QString& s) { APredef->setStatusTip(s); APredef->setToolTip(s); },
         "Hent den pixelstørrelse zoomen selv vælger", "Get the pixel size the zoom chooses by itself");
    HentKnap = ActionButton(AHent, this);
    RealiserKnap = ActionButton(ARealiser, this);
    InfoKnap = new QToolButton(this);
    InfoKnap->setObjectName("InfoKnap");
    InfoKnap->setIcon(ToolIcon("Ainformation"));
    Hint(InfoKnap, "Hjælp til det valgte redskab", "Help on the chosen tool");
    connect(InfoKnap, &QToolButton::clicked, this, [this] { InfoExecute(); });
    row->addWidget(HentKnap);
    row->addWidget(RealiserKnap);
    row->addStretch(1);
    row->addWidget(InfoKnap);
    column->addLayout(row);
    TpBog = new QTabWidget(this);
    TpBog->setObjectName("TpBog");
    column->addWidget(TpBog, 1);
    connect(TpBog, &QTabWidget::currentChanged, this, [this] {
        FitBookToPage();
        UpdateHelpLines();
        UpdateActions();
    });
    Text([this](const QString& s) { setWindowTitle(s); }, "Redskabers egenskaber", "Tools properties");
}

QToolButton* TTpform::ActionButton(QAction* action, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setObjectName(action->objectName() + "Knap");
    return b;
}

QWidget* TTpform::NewPage(TPage page)
{
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("Side%1").arg(page + 1));
    Side[page] = w;
    TpBog->addTab(w, QString());
    return w;
}

void TTpform::Text(std::function<void(const QString&)> set, const char* dansk, const char* engelsk)
{
    FTexts.push_back({std::move(set), dansk, engelsk});
}

void TTpform::Caption(QWidget* w, const char* dansk, const char* engelsk)
{
    Text([w](const QString& s) { w->setProperty("text", s); w->setProperty("title", s); }, dansk, engelsk);
}

void TTpform::Hint(QWidget* w, const char* dansk, const char* engelsk)
{
    Text([w](const QString& s) { w->setToolTip(s); w->setStatusTip(s); }, dansk, engelsk);
}

void TTpform::PageCaption(TPage page, const char* dansk, const char* engelsk)
{
    Text([this, page](const QString& s) { TpBog->setTabText(page, s); }, dansk, engelsk);
}

void TTpform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk;
    for (TToolPreview* p : {Pic, Pic1, Pic2, Pic3, Pic4, Pic5, Pic6})
        p->SetSprog(Engelsk ? stEngelsk : stDansk);
    for (const TText& t : FTexts)
        t.Set(QString::fromUtf8(Engelsk ? t.Engelsk : t.Dansk));
    UpdateHelpLines();
}

void TTpform::FieldHints(TColorPan* pan, const char* const (*lines)[2])
{
    pan->OnMusOver = [this, lines](TObject*, int nr) {
        if (nr >= 0 && nr <= 1)
            FServices.InfoHint(QString::fromUtf8(lines[nr][Sprog ? 1 : 0]));
    };
}

bool TTpform::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip && isWindow()) {
        FServices.InfoHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

// The help lines of Get and Apply name the active page.
void TTpform::UpdateHelpLines()
{
    static const char* const names[kPageCount][2] = {
        {": Pen bredde", ": Pen width"}, {": Afrundet rektangel", ": Rounded rect"}, {": Spray", ": Spray"},
        {": Polygon", ": Polygon"}, {": Pil", ": Arrow"}, {": Ramme", ": Border"}, {": Fokus", ": Focus"},
        {": Zoom", ": Zoom"}, {": Farver", ": Colors"}, {": Special ramme", ": Special border"},
        {": Multifarver", ": Multi colors"}, {"", ""}, {"", ""}, {"", ""}};
    const int e = Sprog ? 1 : 0;
    const QString page = QString::fromUtf8(names[ActivePage()][e]);
    const QString get = QString::fromUtf8(Sprog ? "Get properties from picture" : "Hent egenskaber fra billedet");
    const QString set = QString::fromUtf8(Sprog ? "Transfer values to picture" : "Realiser egenskaberne");
    AHent->setStatusTip(get + page);
    AHent->setToolTip(get + page);
    ARealiser->setStatusTip(set + page);
    ARealiser->setToolTip(set + page);
}

// --- tables

TTpform::TPage TTpform::PageOfTool(int tool)
{
    switch (tool) {
    case 5: case 6: return pgRundRekt;
    case 22: return pgSpray;
    case 9: case 10: return pgPolygon;
    case 33: case 34: return pgPil;
    case 30: return pgRamme;
    case 0: return pgFokus;
    case 100: return pgFarver;
    case 31: case 32: return pgSpecialRamme;
    case 50: case 60: case 61: case 62: case 63: case 64: case 65: case 70: case 71: case 80: return pgMulti;
    case 40: return pgTekst;
    default: return pgKlipbord;
    }
}

int TTpform::ToolImageIndex(int tool)
{
    if (tool >= 0 && tool <= 10)
        return tool;
    if (tool >= 60 && tool <= 65)
        return 22 + tool - 60;
    switch (tool) {
    case 20: return 11;
    case 21: return 12;
    case 22: return 13;
    case 33: return 14;
    case 34: return 15;
    case 30: return 16;
    case 31: return 17;
    case 32: return 18;
    case 100: return 19;
    case 40: return 20;
    case 50: return 21;
    case 70: return 28;
    case 71: return 29;
    case 80: return 30;
    case 101: return 31;
    case 102: return 32;
    default: return -1;
    }
}

QString TTpform::ToolImageName(int index)
{
    static const char* const names[] = {
        "AFocus", "ABlyant", "AStreg", "ARekt", "ARektF", "ARundtRekt", "ARundtRektF", "AEllipse", "AEllipseF",
        "APoly", "APolyF", "AFyld", "AFyldTil", "ASpray", "APil", "APilF", "ARamme", "ARammeArt", "ARammeArtF",
        "APixelInfo", "ATekst", "FadeAction1", "FadeAction2", "FadeAction3", "FadeAction4", "FadeAction5",
        "FadeAction6", "FadeAction7", "FadeAction8", "FadeAction9", "FadeAction10", "ASelCopy", "ARedBlyant"};
    constexpr int count = int(sizeof(names) / sizeof(names[0]));
    return index >= 0 && index < count ? QString::fromLatin1(names[index]) : QString();
}

QString TTpform::HelpTopic(int tool)
{
    const char* topic = "Malvo information";
    switch (tool) {
    case 0: topic = "Fokus"; break;
    case 1: topic = "Blyant"; break;
    case 2: topic = "Streg"; break;
    case 3: case 4: topic = "Rektangel"; break;
    case 5: case 6: topic = "Afrundet rektangel"; break;
    case 7: case 8: topic = "Ellipse"; break;
    case 9: case 10: topic = "Polygon"; break;
    case 20: topic = "Fyld"; break;
    case 21: topic = "Fyld til"; break;
    case 22: topic = "Spray"; break;
    case 30: case 31: case 32: topic = "Ramme"; break;
    case 33: case 34: topic = "Pil"; break;
    case 40: topic = "Tekst"; break;
    case 50: topic = "Farvestreg"; break;
    case 60: topic = "Areal punkter"; break;
    case 61: topic = "Areal linier"; break;
    case 62: topic = "Areal rektangler"; break;
    case 63: topic = "Zoom rektangler"; break;
    case 64: topic = "Rektangel vifte"; break;
    case 65: topic = "Funktioner"; break;
    case 70: topic = "Areal ellipser"; break;
    case 71: topic = "Zoom ellipser"; break;
    case 80: topic = "Cirkel vifte"; break;
    case 100: topic = "Farvevælger"; break;
    case 101: topic = "Kopierings blyant"; break;
    case 102: topic = "Special blyant"; break;
    case 200: topic = "Specifikfarveomrids"; break;
    case 201: topic = "Farveomrids"; break;
    case 300: topic = "Farve manipulationer"; break;
    default: break;
    }
    return QString::fromUtf8(topic);
}

int TTpform::PairPartner(int tool)
{
    static const int pairs[][2] = {{5, 6}, {7, 8}, {9, 10}, {31, 32}, {33, 34}, {60, 61}, {62, 63}, {70, 71}};
    for (const auto& p : pairs) {
        if (p[0] == tool)
            return p[1];
        if (p[1] == tool)
            return p[0];
    }
    return -1;
}

// --- showing a tool

TToolPreview* TTpform::PreviewOf(TPage page) const
{
    switch (page) {
    case pgRundRekt: return Pic;
    case pgSpray: return Pic1;
    case pgPil: return Pic2;
    case pgRamme: return Pic3;
    case pgPolygon: return Pic4;
    case pgSpecialRamme: return Pic5;
    case pgMulti: return Pic6;
    default: return nullptr;
    }
}

void TTpform::HideToolPages()
{
    for (int i = 1; i < kPageCount; ++i)
        if (i != pgZoom)
            TpBog->setTabVisible(i, false);
}

void TTpform::ShowProp(int Toolnummer, const QString& Cap)
{
    const bool open = PictureOpen ? PictureOpen() : Picture() != nullptr;
    if (!open) {
        HideToolPages();
        TpBog->setTabVisible(pgZoom, false);
        TpBog->setCurrentIndex(pgKlipbord);
        if (OnToolCaption)
            OnToolCaption(Cap);
        return;
    }
    if (!Cap.isEmpty() && OnToolCaption)
        OnToolCaption(Cap);
    ShowTool(Toolnummer);
    if (OnObjektType)
        OnObjektType();
    const int zoom = ZoomKind ? ZoomKind() : 0;
    TpBog->setTabVisible(pgZoom, zoom != 0);
    if (zoom != 0) {
        BilledzoomRadio->setChecked(zoom == 1);
        FokuszoomRadio->setChecked(zoom == 2);
    }
    if (Cap.isEmpty())
        return;
    const bool goTo = GoToToolPage;
    GoToToolPage = false;
    if (goTo && OnShowWindow)
        OnShowWindow();
    if (Toolnummer == OldToolNr && !goTo)
        return;
    if (OldToolNr >= 0 && PairPartner(Toolnummer) == OldToolNr && !goTo) {
        // The other tool of a pair keeps the page and its values.
        OldToolNr = Toolnummer;
        if (TToolPreview* preview = PreviewOf(PageOfTool(Toolnummer)); preview && Toolnummer != 7 && Toolnummer != 8) {
            preview->SetToolNr(Toolnummer);
            RedrawPreview(PageOfTool(Toolnummer));
        }
        return;
    }
    OldToolNr = Toolnummer;
    HideToolPages();
    if (Toolnummer == 101)
        return;
    const TPage page = PageOfTool(Toolnummer);
    if (TToolPreview* preview = PreviewOf(page)) {
        if (preview->ToolNr() != Toolnummer) {
            preview->SetToolNr(Toolnummer);
            if (page == pgMulti)
                AdaptMulti(Toolnummer);
        }
        RedrawPreview(page);
    }
    if (page == pgTekst) {
        TpBog->setTabVisible(pgFont, true);
        TpBog->setTabVisible(pgTekst, true);
        TpBog->setTabVisible(pgEkstra, true);
        TpBog->setCurrentIndex(pgTekst);
        Memo->setFocus();
        return;
    }
    TpBog->setTabVisible(page, true);
    TpBog->setCurrentIndex(page);
}

void TTpform::ShowTool(int sToolNr)
{
    const int index = ToolImageIndex(sToolNr);
    if (index >= 0 && OnToolImage)
        OnToolImage(ToolIcon(ToolImageName(index)));
}

void TTpform::SetMetaMetode()
{
    SetMetaMetode(Picture());
}

void TTpform::SetMetaMetode(const TImagePic* p)
{
    if (!OnMetaMetode)
        return;
    if (p)
        OnMetaMetode(p->MetaFarve(), p->TransFarve(), p->MetaMetode());
    else
        OnMetaMetode(clWhite, clWhite, mmNormal);
}

// --- state

TImagePic* TTpform::Picture() const
{
    return FServices.ActivePicture();
}

TTpform::TPage TTpform::ActivePage() const
{
    const int i = TpBog->currentIndex();
    return i >= 0 && i < kPageCount ? TPage(i) : pgKlipbord;
}

void TTpform::Modified(TPage page)
{
    if (FLoading)
        return;
    eleModified = true;
    RedrawPreview(page);
    UpdateActions();
}

void TTpform::UpdateActions()
{
    const bool document = Picture() != nullptr;
    ARealiser->setEnabled(document && eleModified && ActivePage() != pgFarver);
    AHent->setEnabled(document && eleModified);
    AOpdaterCB->setEnabled(document);
    AobjektFokus->setEnabled(document);
    APredef->setEnabled(document && PredefinedCellSize && ZoomKind && ZoomKind() != 0);
    // The buttons that act on the active picture need one.
    for (QPushButton* b : {AfslutKnap, UdskiftKnap, RammeXYKnap, FHentKnap, FSaetKnap, GenkaldKnap})
        if (b)
            b->setEnabled(document);
    for (QWidget* w : FFontButtons)
        w->setEnabled(bool(OpenFontWindow));
}

void TTpform::HentExecute()
{
    TImagePic* p = Picture();
    if (!p)
        return;
    if (SetPenWidthEdit)
        SetPenWidthEdit(p->PenWidth());
    VPenWidth = p->PenWidth();
    FLoading = true;
    HentPage(ActivePage(), *p);
    FLoading = false;
    RedrawPreview(ActivePage());
    eleModified = false;
    UpdateActions();
}

void TTpform::RealiserExecute()
{
    TImagePic* p = Picture();
    if (!p || ActivePage() == pgFarver)
        return;
    if (PenWidthEdit)
        VPenWidth = PenWidthEdit();
    const TPage page = ActivePage();
    // Every number field shows the value it hands over (a clamp waits while one types).
    for (QLineEdit* line : findChildren<QLineEdit*>())
        if (auto* edit = dynamic_cast<TNumEdit*>(line))
            edit->Settle();
    {
        const QScopedValueRollback applying(FApplying, true);
        if ((page == pgFont || page == pgTekst || page == pgEkstra) && !RealiserText(*p))
            return;
        RealiserPage(page, *p);
    }
    eleModified = false;
    if (QWidget* f = focusWidget())
        f->clearFocus();
    UpdateActions();
}

void TTpform::HentPage(TPage page, TImagePic& p)
{
    switch (page) {
    case pgKlipbord: break;
    case pgFokus: HentFokus(); break;
    case pgZoom: HentZoom(); break;
    case pgFarver: break;
    case pgMulti: HentMulti(p); break;
    case pgFont: case pgTekst: case pgEkstra: HentText(p); break;
    default: HentShapes(page, p); break;
    }
}

void TTpform::RealiserPage(TPage page, TImagePic& p)
{
    switch (page) {
    case pgKlipbord: p.SetPenWidth(VPenWidth); break;
    case pgFokus: ApplyFokus(p); break;
    case pgZoom: RealiserZoom(); break;
    case pgFarver: break;
    case pgMulti: RealiserMulti(p); break;
    case pgFont: case pgTekst: case pgEkstra: break; // applied by RealiserText
    default: RealiserShapes(page, p); break;
    }
}

void TTpform::InfoExecute()
{
    TImagePic* p = Picture();
    FServices.HelpInfoNew(HelpTopic(p ? p->ToolNr() : OldToolNr));
}

// --- previews

void TTpform::RedrawPreview(TPage page)
{
    TToolPreview* preview = PreviewOf(page);
    if (!preview)
        return;
    if (PenWidthEdit)
        VPenWidth = PenWidthEdit();
    if (page == pgMulti)
        preview->Redraw(Picture(), VPenWidth, [this](TImagePic& p) { SetMultiValues(p); });
    else
        preview->Redraw(Picture(), VPenWidth, [this, page](TImagePic& p) { SetShapeValues(page, p); });
}

void TTpform::FornyPreview(TPage page)
{
    if (TToolPreview* preview = PreviewOf(page))
        preview->Forny(Picture(), PenWidthEdit ? PenWidthEdit() : VPenWidth);
}

QVBoxLayout* TTpform::PreviewColumn(QWidget* page, TToolPreview* preview, TPage which)
{
    auto* column = new QVBoxLayout;
    column->addWidget(preview);
    auto* forny = new QPushButton(page);
    forny->setObjectName(page->objectName() + "Forny");
    Caption(forny, "Forny canvas", "Clear preview");
    connect(forny, &QPushButton::clicked, this, [this, which] { FornyPreview(which); });
    column->addWidget(forny);
    column->addStretch(1);
    return column;
}

void TTpform::Reset()
{
    FLoading = true;
    VPenWidth = 1;
    if (SetPenWidthEdit)
        SetPenWidthEdit(1);
    VRoundB = VRoundH = 2;
    VSprayProcent = VSprayRadius = 10;
    VPolyAntal = 3;
    VPilBredde = 8;
    VPilHojde = 16;
    VPilHak = 0;
    VBorderCount = VBorderSpace = 1;
    VBorderLines = TBorderLines{blTop, blBottom, blLeft, blRight};
    VRamBredde = 3;
    VRamDybde = VRamRifleBredde = 1;
    VRamArt = rtUd;
    VRamFarveLys = 12632256;
    VRamFarveSkygge = 8421504;
    ResetShapeControls();
    ResetZoom();
    Interval = 1;
    IntervalEdit->SetValue(1);
    FocusEditTekst();
    AutoFocus = true;
    checkFunktion->setChecked(true);
    HideToolPages();
    TpBog->setTabVisible(pgZoom, false);
    TpBog->setCurrentIndex(pgKlipbord);
    OldToolNr = -1;
    eleModified = false;
    FLoading = false;
    UpdateActions();
}
