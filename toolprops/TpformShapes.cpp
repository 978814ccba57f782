// The pages of the shape tools: rounded rectangle, spray, polygon, arrow, border and special
// border, each with its preview.
#include "appcore/MainServices.h"
#include "colours/ColorPan.h"
#include "engine/ImagePic.h"
#include "platform/ToolIcons.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include "toolprops/ToolPreview.h"
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kPreviewW = 150;
constexpr int kPreviewH = 100;

// The sides of the sixteen border buttons, in their order.
const TBorderLines kBorderSides[16] = {
    {blTop, blBottom, blLeft, blRight}, {blTop}, {blBottom}, {blLeft}, {blRight}, {blTop, blBottom},
    {blLeft, blRight}, {blTop, blLeft}, {blTop, blRight}, {blBottom, blRight}, {blBottom, blLeft},
    {blTop, blLeft, blRight}, {blBottom, blLeft, blRight}, {blTop, blBottom, blLeft}, {blTop, blBottom, blRight},
    {}};
} // namespace

TSliderRow* TTpform::NewSlider(QWidget* parent, int Min, int Max, bool editable, int* field, TPage page)
{
    auto* s = new TSliderRow(Min, Max, editable, &FSliderButtons, &FSliderThumb, parent);
    s->OnValue = [this, field, page](int v) {
        *field = v;
        Modified(page);
    };
    return s;
}

TNumEdit* TTpform::NewEdit(QWidget* parent, int rule, int Min, int Max, const QString& suffix)
{
    auto* e = new TNumEdit(TNumEdit::TRule(rule), Min, Max, parent, suffix);
    e->setFixedWidth(suffix.isEmpty() ? 48 : 52);
    return e;
}

QVBoxLayout* TTpform::PreviewPage(TPage which, const char* dansk, const char* engelsk, TToolPreview*& preview,
                                  int tool)
{
    QWidget* page = NewPage(which);
    PageCaption(which, dansk, engelsk);
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    row->addLayout(left, 1);
    preview = new TToolPreview(tool, kPreviewW, kPreviewH, page);
    preview->setObjectName(QStringLiteral("Pic%1").arg(tool));
    row->addLayout(PreviewColumn(page, preview, which));
    return left;
}

TSliderRow* TTpform::AddSlider(QVBoxLayout* left, const char* name, int Min, int Max, bool editable, int* field,
                               TPage page, const char* dansk, const char* engelsk)
{
    TSliderRow* s = NewSlider(Side[page], Min, Max, editable, field, page);
    s->setObjectName(QLatin1String(name));
    Text([s](const QString& t) { s->SetCaption(t); }, dansk, engelsk);
    left->addWidget(s);
    return s;
}

void TTpform::BuildRundRekt()
{
    QVBoxLayout* left = PreviewPage(pgRundRekt, "Afrundet rektangel", "Rounded rectangle", Pic, 6);
    RulB = AddSlider(left, "RulB", 1, 10, false, &VRoundB, pgRundRekt, "Vandret", "Horizontal");
    RulH = AddSlider(left, "RulH", 1, 10, false, &VRoundH, pgRundRekt, "Lodret", "Vertical");
    left->addStretch(1);
}

void TTpform::BuildSpray()
{
    QVBoxLayout* left = PreviewPage(pgSpray, "Spray", "Spray", Pic1, 22);
    RulP = AddSlider(left, "RulP", 0, 100, false, &VSprayProcent, pgSpray, "Procent", "Percent");
    RulR = AddSlider(left, "RulR", 0, 100, false, &VSprayRadius, pgSpray, "Radius", "Radius");
    left->addStretch(1);
}

void TTpform::BuildPolygon()
{
    QVBoxLayout* left = PreviewPage(pgPolygon, "Polygon", "Polygon", Pic4, 10);
    QWidget* page = Side[pgPolygon];
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(page);
    Caption(label, "Punkter", "Points");
    PolyEdit = NewEdit(page, TNumEdit::nrByte, 0, 99);
    PolyEdit->setObjectName("PolyEdit");
    PolyEdit->OnValue = [this](int v) {
        VPolyAntal = v;
        Pic4->PolyAntal = v;
        Modified(pgPolygon);
    };
    row->addWidget(label);
    row->addWidget(PolyEdit);
    row->addStretch(1);
    left->addLayout(row);
    QList<int> numbers;
    for (int n = 3; n <= 20; ++n)
        numbers << n;
    auto setCount = [this](int n) {
        PolyEdit->SetValue(n);
        VPolyAntal = n;
        Pic4->PolyAntal = n;
        Modified(pgPolygon);
    };
    left->addWidget(NumberButtonRow(page, numbers, setCount, 9));
    auto* countRow = new QHBoxLayout;
    AfslutKnap = new QPushButton(page);
    AfslutKnap->setObjectName("AfslutKnap");
    Caption(AfslutKnap, "Afslut", "Finalize");
    Hint(AfslutKnap, "Afslut polygonen med nuværende punktantal", "Finalize the polygon with current number of points");
    connect(AfslutKnap, &QPushButton::clicked, this, [this] { AfslutExecute(); });
    polyFelt = new QLabel("0", page);
    polyFelt->setObjectName("polyFelt");
    countRow->addWidget(AfslutKnap);
    countRow->addWidget(polyFelt);
    countRow->addStretch(1);
    left->addLayout(countRow);
    left->addStretch(1);
    Pic4->OnPoly = [this](TObject*) { polyFelt->setText(QString::number(Pic4->PolyCount())); };
}

void TTpform::BuildPil()
{
    QVBoxLayout* left = PreviewPage(pgPil, "Pil", "Arrow", Pic2, 34);
    RulPilB = AddSlider(left, "RulPilB", 0, 50, false, &VPilBredde, pgPil, "Bredde", "Width");
    RulPilH = AddSlider(left, "RulPilH", 0, 50, false, &VPilHojde, pgPil, "Højde", "Height");
    RulPilHak = AddSlider(left, "RulPilHak", 0, 50, false, &VPilHak, pgPil, "Vinger", "Wings");
    left->addStretch(1);
}

void TTpform::BuildRamme()
{
    QVBoxLayout* left = PreviewPage(pgRamme, "Ramme", "Border", Pic3, 30);
    QWidget* page = Side[pgRamme];
    auto* grid = new QGridLayout;
    auto* antal = new QLabel(page);
    Caption(antal, "Antal", "Number");
    AntalEdit = NewEdit(page, TNumEdit::nrByte, 0, 99);
    AntalEdit->setObjectName("AntalEdit");
    AntalEdit->OnValue = [this](int v) { VBorderCount = v; Modified(pgRamme); };
    auto* afstand = new QLabel(page);
    Caption(afstand, "Afstand", "Space");
    AfstandEdit = NewEdit(page, TNumEdit::nrByte, 0, 99);
    AfstandEdit->setObjectName("AfstandEdit");
    AfstandEdit->OnValue = [this](int v) { VBorderSpace = v; Modified(pgRamme); };
    grid->addWidget(antal, 0, 0);
    grid->addWidget(AntalEdit, 0, 1);
    grid->addWidget(NumberButtonRow(page, {1, 2, 3, 4, 5}, [this](int n) {
        AntalEdit->SetValue(n);
        VBorderCount = n;
        Modified(pgRamme);
    }), 0, 2);
    grid->addWidget(afstand, 1, 0);
    grid->addWidget(AfstandEdit, 1, 1);
    grid->addWidget(NumberButtonRow(page, {0, 1, 2, 3, 4}, [this](int n) {
        AfstandEdit->SetValue(n);
        VBorderSpace = n;
        Modified(pgRamme);
    }), 1, 2);
    left->addLayout(grid);
    auto* sides = new QGridLayout;
    sides->setSpacing(1);
    for (int i = 0; i < 16; ++i) {
        SideKnap[i] = new QToolButton(page);
        SideKnap[i]->setObjectName(QStringLiteral("SideKnap%1").arg(i));
        SideKnap[i]->setIcon(ToolIcon(QStringLiteral("RammeSide%1").arg(i)));
        SideKnap[i]->setCheckable(true);
        SideKnap[i]->setAutoRaise(true);
        connect(SideKnap[i], &QToolButton::clicked, this, [this, i] { BorderSideClick(i); });
        sides->addWidget(SideKnap[i], i / 8, i % 8);
    }
    left->addLayout(sides);
    left->addStretch(1);
}

void TTpform::BuildSpecialRamme()
{
    QVBoxLayout* left = PreviewPage(pgSpecialRamme, "Special ramme", "Special border", Pic5, 32);
    QWidget* page = Side[pgSpecialRamme];
    RulRamB = AddSlider(left, "RulRamB", 1, 44, true, &VRamBredde, pgSpecialRamme, "Bredde", "Width");
    RulRamD = AddSlider(left, "RulRamD", 0, 10, true, &VRamDybde, pgSpecialRamme, "Dybde", "Depth");
    RulRamR = AddSlider(left, "RulRamR", 0, 10, true, &VRamRifleBredde, pgSpecialRamme, "Riflebredde", "Wave width");
    auto* row = new QHBoxLayout;
    auto* artLabel = new QLabel(page);
    Caption(artLabel, "Rammetype", "Border type");
    RamArtBox = new QComboBox(page);
    RamArtBox->setObjectName("RamArtBox");
    RamArtBox->addItems(QStringList(5, QString()));
    static const char* const arts[5][2] = {
        {"Flad", "Flat"}, {"Ud", "Out"}, {"Ind", "In"}, {"Riflet ud", "Waved out"}, {"Riflet ind", "Waved in"}};
    for (int i = 0; i < 5; ++i)
        Text([this, i](const QString& s) { RamArtBox->setItemText(i, s); }, arts[i][0], arts[i][1]);
    connect(RamArtBox, &QComboBox::activated, this, [this](int i) {
        VRamArt = TRammeXType(i);
        Modified(pgSpecialRamme);
    });
    row->addWidget(artLabel);
    row->addWidget(RamArtBox);
    left->addLayout(row);
    auto* shadowRow = new QHBoxLayout;
    auto* shadowLabel = new QLabel(page);
    Caption(shadowLabel, "Skyggefarver", "Shadow colors");
    SkyggePan = FieldPanel(page, "SkyggePan", 2);
    SkyggePan->OnMus = [this](TObject*, TMouseButton, int nr) {
        if (nr < 0 || nr > 1)
            return;
        if (ShowColourBox)
            ShowColourBox();
        const TColor c = ColourBoxColour ? ColourBoxColour() : SkyggePan->GetColor(nr);
        SkyggePan->FarveFelt(nr, c);
        (nr == 0 ? VRamFarveLys : VRamFarveSkygge) = c;
        Modified(pgSpecialRamme);
    };
    static const char* const lines[2][2] = {
        {"Sæt rammens lyse skyggefarve", "Set the light shadow color of the border"},
        {"Sæt rammens mørke skyggefarve", "Set the dark shadow color of the border"}};
    FieldHints(SkyggePan, lines);
    shadowRow->addWidget(shadowLabel);
    shadowRow->addWidget(SkyggePan);
    shadowRow->addStretch(1);
    left->addLayout(shadowRow);
    left->addStretch(1);
}

void TTpform::ResetShapeControls()
{
    RulB->SetValue(VRoundB);
    RulH->SetValue(VRoundH);
    RulP->SetValue(VSprayProcent);
    RulR->SetValue(VSprayRadius);
    PolyEdit->SetValue(VPolyAntal);
    Pic4->PolyAntal = VPolyAntal;
    RulPilB->SetValue(VPilBredde);
    RulPilH->SetValue(VPilHojde);
    RulPilHak->SetValue(VPilHak);
    AntalEdit->SetValue(VBorderCount);
    AfstandEdit->SetValue(VBorderSpace);
    ShowBorderSides();
    RulRamB->SetValue(VRamBredde);
    RulRamD->SetValue(VRamDybde);
    RulRamR->SetValue(VRamRifleBredde);
    RamArtBox->setCurrentIndex(VRamArt);
    SkyggePan->FarveFelt(0, VRamFarveLys);
    SkyggePan->FarveFelt(1, VRamFarveSkygge);
}

void TTpform::BorderSideClick(int Nr)
{
    if (Nr < 0 || Nr >= 16)
        return;
    VBorderLines = kBorderSides[Nr];
    ShowBorderSides();
    Modified(pgRamme);
}

void TTpform::ShowBorderSides()
{
    for (int i = 0; i < 16; ++i)
        SideKnap[i]->setChecked(kBorderSides[i] == VBorderLines);
}

void TTpform::AfslutExecute()
{
    Pic4->AfslutPolygon();
    if (TImagePic* p = Picture())
        p->AfslutPolygon();
    polyFelt->setText(QString::number(Pic4->PolyCount()));
}

void TTpform::ShowPolyCount(int count)
{
    polyFelt->setText(QString::number(count));
}

void TTpform::SetShapeValues(TPage page, TImagePic& p) const
{
    switch (page) {
    case pgRundRekt:
        p.RoundB = VRoundB;
        p.RoundH = VRoundH;
        break;
    case pgSpray:
        p.SprayProcent = VSprayProcent;
        p.SprayRadius = VSprayRadius;
        break;
    case pgPolygon: p.PolyAntal = VPolyAntal; break;
    case pgPil:
        p.PilBredde = VPilBredde;
        p.PilHojde = VPilHojde;
        p.PilHak = VPilHak;
        break;
    case pgRamme:
        p.BorderCount = VBorderCount;
        p.BorderSpace = VBorderSpace;
        p.BorderLines = VBorderLines;
        break;
    case pgSpecialRamme:
        p.RamBredde = VRamBredde;
        p.RamDybde = VRamDybde;
        p.RamRifleBredde = VRamRifleBredde;
        p.RamArt = VRamArt;
        p.SetRamFarveLys(VRamFarveLys);
        p.SetRamFarveSkygge(VRamFarveSkygge);
        break;
    default: break;
    }
}

void TTpform::RealiserShapes(TPage page, TImagePic& p)
{
    SetShapeValues(page, p);
}

void TTpform::HentShapes(TPage page, TImagePic& p)
{
    switch (page) {
    case pgRundRekt:
        VRoundB = p.RoundB;
        VRoundH = p.RoundH;
        break;
    case pgSpray:
        VSprayProcent = p.SprayProcent;
        VSprayRadius = p.SprayRadius;
        break;
    case pgPolygon: VPolyAntal = p.PolyAntal; break;
    case pgPil:
        VPilBredde = p.PilBredde;
        VPilHojde = p.PilHojde;
        VPilHak = p.PilHak;
        break;
    case pgRamme:
        VBorderCount = p.BorderCount;
        VBorderSpace = p.BorderSpace;
        VBorderLines = p.BorderLines;
        break;
    case pgSpecialRamme:
        VRamBredde = p.RamBredde;
        VRamDybde = p.RamDybde;
        VRamRifleBredde = p.RamRifleBredde;
        VRamArt = p.RamArt;
        VRamFarveLys = p.RamFarveLys();
        VRamFarveSkygge = p.RamFarveSkygge();
        break;
    default: break;
    }
    ResetShapeControls();
}
