// The pages without a preview of their own: the clipboard, the zoom and the colours page.
#include "appcore/MainServices.h"
#include "appcore/Options.h"
#include "colours/ColorPan.h"
#include "engine/ImagePic.h"
#include "pixeledit/PixelPic.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include "widgets/CompoBil.h"
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kMinCell = 2;
constexpr int kMaxCell = 64;
} // namespace

void TTpform::BuildKlipbord()
{
    QWidget* page = NewPage(pgKlipbord);
    PageCaption(pgKlipbord, "Klipbord", "Clipboard");
    auto* row = new QHBoxLayout(page);
    cbImage = new TBilCompo(page);
    cbImage->setObjectName("cbImage");
    cbImage->setMinimumSize(150, 100);
    row->addWidget(cbImage, 1);
    auto* column = new QVBoxLayout;
    OpdaterKnap = ActionButton(AOpdaterCB, page);
    column->addWidget(OpdaterKnap);
    PasteRow = new QWidget(page);
    auto* pastes = new QVBoxLayout(PasteRow);
    pastes->setContentsMargins(0, 0, 0, 0);
    column->addWidget(PasteRow);
    column->addStretch(1);
    row->addLayout(column);
}

void TTpform::SetPasteActions(const QList<QAction*>& actions)
{
    for (QAction* a : actions) {
        auto* b = new QToolButton(PasteRow);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        PasteRow->layout()->addWidget(b);
    }
}

void TTpform::ShowClipboard(const TBitmap& bitmap, bool ShowClipboardPage)
{
    if (bitmap.Empty())
        cbImage->FreeBitmap();
    else
        cbImage->SetBitmapBil(bitmap);
    if (ShowClipboardPage && TpBog->isVisible())
        TpBog->setCurrentIndex(pgKlipbord);
}

void TTpform::AOpdaterCBExecute()
{
    TImagePic* p = Picture();
    if (!p)
        return;
    TpBog->setCurrentIndex(pgKlipbord);
    if (TBitmap* b = p->getCbBitmap())
        cbImage->SetBitmapBil(*b);
    else
        cbImage->FreeBitmap();
}

void TTpform::BuildZoom()
{
    QWidget* page = NewPage(pgZoom);
    PageCaption(pgZoom, "Zoom", "Zoom");
    auto* row = new QHBoxLayout(page);
    auto* kind = new QGroupBox(page);
    Caption(kind, "Zoomtype", "Zoom type");
    auto* kindColumn = new QVBoxLayout(kind);
    BilledzoomRadio = new QRadioButton(kind);
    BilledzoomRadio->setObjectName("BilledzoomRadio");
    Caption(BilledzoomRadio, "Billedzoom", "Picture zoom");
    FokuszoomRadio = new QRadioButton(kind);
    FokuszoomRadio->setObjectName("FokuszoomRadio");
    Caption(FokuszoomRadio, "Fokuszoom", "Focus zoom");
    // The document decides the kind; the group only shows it.
    BilledzoomRadio->setEnabled(false);
    FokuszoomRadio->setEnabled(false);
    kindColumn->addWidget(BilledzoomRadio);
    kindColumn->addWidget(FokuszoomRadio);
    row->addWidget(kind);
    auto* column = new QVBoxLayout;
    auto* dimRow = new QHBoxLayout;
    auto* dimLabel = new QLabel(page);
    Caption(dimLabel, "Pixel dimensioner", "Pixel width/height");
    PixelDimEdit = NewEdit(page, TNumEdit::nrInteger, kMinCell, kMaxCell);
    PixelDimEdit->setObjectName("PixelDimEdit");
    PixelDimEdit->SetClampWhenDone(2);
    PixelDimEdit->OnValue = [this](int) { Modified(pgZoom); };
    dimRow->addWidget(dimLabel);
    dimRow->addWidget(PixelDimEdit);
    dimRow->addStretch(1);
    column->addLayout(dimRow);
    GridCheck = new QCheckBox(page);
    GridCheck->setObjectName("GridCheck");
    Caption(GridCheck, "Grids", "Grids");
    connect(GridCheck, &QCheckBox::clicked, this, [this] { Modified(pgZoom); });
    column->addWidget(GridCheck);
    auto* colours = new QHBoxLayout;
    ZoomPan = FieldPanel(page, "ZoomPan", 2);
    static const char* const lines[2][2] = {{"Sæt farven som gridfarve", "Set the color as grid color"},
                                            {"Sæt farven som rammefarve", "Set the color as bordercolor"}};
    FieldHints(ZoomPan, lines);
    ZoomStdPan = new TColorPan(page);
    ZoomStdPan->setObjectName("ZoomStdPan");
    ZoomStdPan->SetAntalVandret(8);
    ZoomStdPan->SetAntalLodret(2);
    ZoomStdPan->SetAntalIalt(16);
    ZoomStdPan->SetNoInternMus(true);
    ZoomStdPan->setFixedSize(8 * 14, 2 * 14);
    ZoomStdPan->Standard16();
    ZoomStdPan->NyFarve(clGray);
    ZoomStdPan->OnMus = [this](TObject*, TMouseButton, int nr) {
        if (nr >= 0)
            ZoomStdPan->NyFarve(ZoomStdPan->GetColor(nr));
    };
    ZoomPan->OnMus = [this](TObject*, TMouseButton, int nr) {
        if (nr < 0 || nr > 1)
            return;
        ZoomPan->FarveFelt(nr, ZoomStdPan->Farve());
        Modified(pgZoom);
    };
    colours->addWidget(ZoomPan);
    colours->addWidget(ZoomStdPan);
    colours->addStretch(1);
    column->addLayout(colours);
    auto* buttons = new QHBoxLayout;
    GendanKnap = new QPushButton(page);
    GendanKnap->setObjectName("GendanKnap");
    Caption(GendanKnap, "Gendan", "Reset");
    connect(GendanKnap, &QPushButton::clicked, this, [this] { GendanZoom(); });
    buttons->addWidget(GendanKnap);
    buttons->addWidget(ActionButton(APredef, page));
    buttons->addStretch(1);
    column->addLayout(buttons);
    column->addStretch(1);
    row->addLayout(column, 1);
}

void TTpform::ResetZoom()
{
    ZoomPan->FarveFelt(0, FServices.Options().GridCol);
    ZoomPan->FarveFelt(1, FServices.Options().RammeCol);
    PixelDimEdit->SetValue(8);
    GridCheck->setChecked(true);
}

void TTpform::GendanZoom()
{
    ZoomPan->FarveFelt(0, clGray);
    ZoomPan->FarveFelt(1, clRed);
    Modified(pgZoom);
}

void TTpform::APredefExecute()
{
    if (!Picture() || !PredefinedCellSize)
        return;
    PixelDimEdit->SetValue(PredefinedCellSize());
    Modified(pgZoom);
}

void TTpform::HentZoom()
{
    TPrePixelPic* mag = ShownMagnifier ? ShownMagnifier() : nullptr;
    if (!mag || !mag->Felter())
        return;
    const TPixFelt& f = *mag->Felter();
    GridCheck->setChecked(f.Grids());
    PixelDimEdit->SetValue(f.FeltDim());
    ZoomPan->FarveFelt(0, f.GridFarve());
    ZoomPan->FarveFelt(1, f.RammeFarve());
}

void TTpform::RealiserZoom()
{
    TPrePixelPic* mag = ShownMagnifier ? ShownMagnifier() : nullptr;
    if (!mag || !mag->Felter())
        return;
    TPixFelt& f = *mag->Felter();
    f.SetGrids(GridCheck->isChecked());
    f.SetFeltDim(PixelDimEdit->Value());
    f.SetGridFarve(ZoomPan->GetColor(0));
    f.SetRammeFarve(ZoomPan->GetColor(1));
    mag->Paint();
}

void TTpform::BuildFarver()
{
    QWidget* page = NewPage(pgFarver);
    PageCaption(pgFarver, "Farver", "Colors");
    auto* column = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(page);
    Caption(label, "Pixelfarve og ny farve", "Pixel color and new color");
    Pixelfelt = FieldPanel(page, "Pixelfelt", 2);
    Pixelfelt->FarveFelt(0, clWhite);
    Pixelfelt->FarveFelt(1, clBlack);
    Hint(Pixelfelt, "Farven under farvevælgeren og den nye farve", "The color under the color picker and the new color");
    row->addWidget(label);
    row->addWidget(Pixelfelt);
    row->addStretch(1);
    column->addLayout(row);
    UdskiftKnap = new QPushButton(page);
    UdskiftKnap->setObjectName("UdskiftKnap");
    Caption(UdskiftKnap, "Udskift pixels", "Change pixelcolor");
    connect(UdskiftKnap, &QPushButton::clicked, this, [this] { UdskiftExecute(); });
    InversCheck = new QCheckBox(page);
    InversCheck->setObjectName("InversCheck");
    Caption(InversCheck, "Invers pixelblanding", "Inverse pixelblend");
    connect(InversCheck, &QCheckBox::toggled, this, [this](bool on) {
        MetodeNr = on ? 1 : 0;
        Modified(pgFarver);
    });
    column->addWidget(UdskiftKnap, 0, Qt::AlignLeft);
    column->addWidget(InversCheck);
    column->addStretch(1);
}

void TTpform::SetPixelfelt(TColor colour)
{
    Pixelfelt->FarveFelt(0, colour);
}

void TTpform::SetNyPixelfelt(TColor colour)
{
    Pixelfelt->FarveFelt(1, colour);
}

void TTpform::UdskiftExecute()
{
    TImagePic* p = Picture();
    if (!p)
        return;
    if (ColourBoxColour)
        SetNyPixelfelt(ColourBoxColour());
    p->UdskiftPixels(Pixelfelt->GetColor(0), Pixelfelt->GetColor(1), MetodeNr);
}
