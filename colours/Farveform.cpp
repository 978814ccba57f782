// The colour box's controls, their layout and their texts.
#include "colours/Farveform.h"
#include "widgets/ScreenFit.h"
#include "appcore/DataFolder.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColorPan.h"
#include "colours/ColourControls.h"
#include "colours/ColourSlider.h"
#include "widgets/CompoFade.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* NewToolButton(QWidget* parent, const QString& text)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setAutoRaise(false);
    if (!text.isEmpty() && text.size() <= 2)
        b->setFixedWidth(24);
    return b;
}

QLineEdit* NewByteEdit(QWidget* parent)
{
    auto* e = new QLineEdit(QStringLiteral("255"), parent);
    e->setMaxLength(3);
    e->setFixedWidth(36);
    return e;
}

} // namespace

TFarveform::TFarveform(TMainServices& Services, TSharedPainters& Painters, const QString& PalFilnavn,
                       QWidget* parent)
    : QWidget(parent), PalFilnavn(PalFilnavn), Services(Services), Painters(Painters)
{
    setObjectName(QStringLiteral("Farveform"));
    LagerFilnavn = TDataFolder::FromEnvironment().LagerpalFilnavn;
    BuildControls();
    ConnectControls();

    FUpdateTimer = new QTimer(this);
    FUpdateTimer->setInterval(250);
    connect(FUpdateTimer, &QTimer::timeout, this, &TFarveform::UpdateOkKnap);

    const TOptions& Opt = Services.Options();
    FSprog = Opt.Sprog != 0;
    SetSprog(FSprog);
    SetPal(Opt.Fpal);
    // Store and history start empty; the fade colours white, red, black; mixing black, white, white.
    LClearKnapClick();
    LgemKnap->setEnabled(false);
    Hukpal->SetFarvePal(cpIngen);
    for (int i = 0; i < Hukpal->AntalIalt(); ++i)
        Hukpal->InitFarveFelt(i, clNone);
    const TColor fade[3] = {clWhite, clRed, clBlack};
    const TColor mix[3] = {clBlack, clWhite, clWhite};
    for (int i = 0; i < 3; ++i) {
        Fadepal->InitFarveFelt(i, fade[i]);
        mixPal->InitFarveFelt(i, mix[i]);
        PFpal->InitFarveFelt(i, InFarve);
    }
    InOutPal->InitFarveFelt(0, clBlack);
    SetSmallBox(!Opt.BigColBox);
    PlaceOnScreen(this, QPoint(Opt.FarveBoxX, Opt.FarveBoxY));
}

TFarveform::~TFarveform() = default;

TColorPan* TFarveform::NewPan(int Vandret, int Lodret, int Antal, int Bredde, int Hojde)
{
    TColorPan* pan = ColourControls::NewPanel(this, Painters, Vandret, Lodret, Antal, Bredde, Hojde);
    pan->OnMus = [this, pan](TObject*, TMouseButton b, int nr) { PanelKlik(*pan, b, nr); };
    pan->OnMusOver = [this, pan](TObject*, int nr) { PanelOver(*pan, nr); };
    return pan;
}

TRulskakt* TFarveform::NewSlider(int Max, int Pos)
{
    return NewColourSlider(this, Painters, 0, Max, Pos);
}

QGroupBox* TFarveform::NewRadioBox(int Antal, QButtonGroup*& Group)
{
    auto* box = new QGroupBox(this);
    auto* lay = new QVBoxLayout(box);
    lay->setContentsMargins(4, 2, 4, 2);
    lay->setSpacing(0);
    Group = new QButtonGroup(box);
    for (int i = 0; i < Antal; ++i) {
        auto* r = new QRadioButton(box);
        Group->addButton(r, i);
        lay->addWidget(r);
    }
    return box;
}

void TFarveform::BuildControls()
{
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(2, 2, 2, 2);
    top->setSpacing(2);
    top->addWidget(BuildPalettePart());
    top->addWidget(BuildShadePart());
    Bog = new QTabWidget(this);
    Bog->addTab(BuildRGBPage(), QString());
    Bog->addTab(BuildToolColourPage(), QString());
    top->addWidget(Bog);
    top->addStretch(1);
}

QWidget* TFarveform::BuildPalettePart()
{
    auto* part = new QWidget(this);
    auto* lay = new QGridLayout(part);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        PalKnap[i] = NewToolButton(part, QString::number(i + 1));
        buttons->addWidget(PalKnap[i]);
    }
    RiPalKnap1 = NewToolButton(part, QStringLiteral("2-"));
    RiPalKnap2 = NewToolButton(part, QStringLiteral("3-"));
    sortKnap = NewToolButton(part, QStringLiteral("S"));
    udvCheck = NewToolButton(part, QString());
    udvCheck->setCheckable(true);
    for (QToolButton* b : {RiPalKnap1, RiPalKnap2, sortKnap, udvCheck})
        buttons->addWidget(b);
    buttons->addStretch(1);
    lay->addLayout(buttons, 0, 0, 1, 3);

    BigSpal = NewPan(18, 7, 125, 18 * 15 + 6, 7 * 15 + 6);
    BigSpal->setObjectName(QStringLiteral("BigSpal"));
    lay->addWidget(BigSpal, 1, 0, 1, 3);
    RanPalKnappen = new QPushButton(part);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(RanPalKnappen, 1);
    for (QToolButton*& b : infoKnap) {
        b = NewToolButton(part, QStringLiteral("?"));
        fileRow->addWidget(b);
    }
    lay->addLayout(fileRow, 2, 0, 1, 3);

    InOutPal = NewPan(1, 1, 1, 40, 30);
    InOutPal->setObjectName(QStringLiteral("InOutPal"));
    navnFelt = new QLineEdit(part);
    navnFelt->setReadOnly(true);
    navnFelt->setMaximumWidth(140);
    Fadepal = NewPan(3, 1, 3, 60, 22);
    Fadepal->setObjectName(QStringLiteral("Fadepal"));
    lay->addWidget(InOutPal, 3, 0);
    lay->addWidget(navnFelt, 3, 1);
    lay->addWidget(Fadepal, 3, 2);
    return part;
}

QWidget* TFarveform::BuildShadePart()
{
    auto* part = new QWidget(this);
    auto* lay = new QGridLayout(part);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    BWPal = new TFadeCompo(part);
    BWPal->setObjectName(QStringLiteral("BWPal"));
    BWPal->SetRammeYdre(&Painters.RulRamme);
    BWPal->setFixedSize(256 + 4, 16);
    BWRul = NewSlider(255, 128);
    BWRul->setFixedWidth(256 + 4);
    lay->addWidget(BWPal, 0, 0);
    lay->addWidget(BWRul, 1, 0);

    PFpal = NewPan(3, 1, 3, 66, 24);
    PFpal->setObjectName(QStringLiteral("PFpal"));
    PFpal->SetNoInternMus(false);
    PFpal->SetPMBPalette(true);
    Hukpal = NewPan(12, 3, 36, 12 * 14 + 6, 3 * 14 + 6);
    Hukpal->setObjectName(QStringLiteral("Hukpal"));
    auto* row = new QHBoxLayout;
    row->addWidget(Hukpal);
    row->addWidget(PFpal, 0, Qt::AlignTop);
    row->addStretch(1);
    lay->addLayout(row, 2, 0);
    return part;
}

QWidget* TFarveform::BuildRGBPage()
{
    auto* page = new QWidget(Bog);
    auto* lay = new QGridLayout(page);
    lay->setContentsMargins(2, 2, 2, 2);
    lay->setSpacing(2);
    TRulskakt** bars[3] = {&RBar, &GBar, &BBar};
    QLineEdit** edits[3] = {&REdit, &GEdit, &BEdit};
    for (int k = 0; k < 3; ++k) {
        FLabels[k] = new QLabel(page);
        *bars[k] = NewSlider(255, 255);
        *edits[k] = NewByteEdit(page);
        lay->addWidget(FLabels[k], k, 0);
        lay->addWidget(*bars[k], k, 1);
        lay->addWidget(*edits[k], k, 2);
    }
    auto* checks = new QHBoxLayout;
    Penfelt = new QCheckBox(page);
    Middlefelt = new QCheckBox(page);
    Fillfelt = new QCheckBox(page);
    Penfelt->setChecked(true);
    OkKnap = new QPushButton(page);
    for (QWidget* w : {static_cast<QWidget*>(Penfelt), static_cast<QWidget*>(Middlefelt),
                       static_cast<QWidget*>(Fillfelt), static_cast<QWidget*>(OkKnap)})
        checks->addWidget(w);
    lay->addLayout(checks, 3, 0, 1, 3);

    FLabels[3] = new QLabel(page);
    lay->addWidget(FLabels[3], 4, 0, 1, 3);
    Lagerpal = NewPan(12, 2, 24, 12 * 14 + 6, 2 * 14 + 6);
    Lagerpal->setObjectName(QStringLiteral("Lagerpal"));
    Lagerpal->SetNumLodret(true);
    lay->addWidget(Lagerpal, 5, 0, 1, 3);
    auto* store = new QHBoxLayout;
    LInsKnap = new QPushButton(page);
    LClearKnap = new QPushButton(page);
    LgemKnap = NewToolButton(page, QStringLiteral("\u2193"));
    LhentKnap = NewToolButton(page, QStringLiteral("\u2191"));
    LgemKnap->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(LInsKnap), static_cast<QWidget*>(LClearKnap),
                       static_cast<QWidget*>(LgemKnap), static_cast<QWidget*>(LhentKnap)})
        store->addWidget(w);
    store->addStretch(1);
    lay->addLayout(store, 6, 0, 1, 3);
    return page;
}

QWidget* TFarveform::BuildToolColourPage()
{
    auto* page = new QWidget(Bog);
    auto* lay = new QGridLayout(page);
    lay->setContentsMargins(2, 2, 2, 2);
    lay->setSpacing(2);
    FLabels[4] = new QLabel(page);
    lay->addWidget(FLabels[4], 0, 0, 1, 3);
    for (int i = 0; i < 6; ++i) {
        flytKnap[i] = new QPushButton(page);
        lay->addWidget(flytKnap[i], 1 + i / 2, i % 2 == 0 ? 0 : 1, 1, i % 2 == 0 ? 1 : 2);
    }
    FLabels[5] = new QLabel(page);
    lay->addWidget(FLabels[5], 4, 0, 1, 3);
    grundCheck = NewRadioBox(3, FGrund);
    MixCheck = NewRadioBox(4, FMix);
    resultatCheck = NewRadioBox(3, FResultat);
    lay->addWidget(grundCheck, 5, 0);
    lay->addWidget(MixCheck, 5, 1);
    lay->addWidget(resultatCheck, 5, 2);
    SetGrundIndex(0);
    SetMixIndex(3);
    SetResultatIndex(2);

    auto* ops = new QHBoxLayout;
    FOperation = new QButtonGroup(page);
    QRadioButton** opButtons[3] = {&XORcheck, &ANDcheck, &ORcheck};
    const char* opNames[3] = {"XOR", "AND", "OR"};
    for (int i = 0; i < 3; ++i) {
        *opButtons[i] = new QRadioButton(QLatin1String(opNames[i]), page);
        FOperation->addButton(*opButtons[i], i);
        ops->addWidget(*opButtons[i]);
    }
    XORcheck->setChecked(true);
    mixPal = NewPan(3, 1, 3, 66, 24);
    mixPal->setObjectName(QStringLiteral("mixPal"));
    mixKnap = new QPushButton(page);
    ops->addWidget(mixPal);
    ops->addWidget(mixKnap);
    lay->addLayout(ops, 6, 0, 1, 3);
    lay->setRowStretch(7, 1);
    return page;
}

void TFarveform::ConnectControls()
{
    for (int i = 0; i < 4; ++i)
        connect(PalKnap[i], &QToolButton::clicked, this, [this, i] { SetPal(i + 1); });
    connect(RanPalKnappen, &QPushButton::clicked, this, &TFarveform::RanPalKnappenClick);
    connect(RiPalKnap1, &QToolButton::clicked, this, [this] { RiPalKnapClick(false); });
    connect(RiPalKnap2, &QToolButton::clicked, this, [this] { RiPalKnapClick(true); });
    connect(sortKnap, &QToolButton::clicked, this, [this] {
        if (VisSorter)
            VisSorter();
    });
    connect(udvCheck, &QToolButton::clicked, this, [this] { SetSmallBox(!FSmallBox); });
    const char* topics[3] = {"Redskabsfarverne", "Lidt om RGB", "Farveboks"};
    for (int i = 0; i < 3; ++i)
        connect(infoKnap[i], &QToolButton::clicked, this,
                [this, topic = QString::fromUtf8(topics[i])] { Services.HelpInfoNew(topic); });

    BWPal->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int X, int) { BWPalMouseDown(b, X); };
    BWRul->OnPosition = [this](TObject*, int pos) { BWRulChange(pos); };
    TRulskakt* bars[3] = {RBar, GBar, BBar};
    QLineEdit* edits[3] = {REdit, GEdit, BEdit};
    for (int k = 0; k < 3; ++k) {
        bars[k]->OnPosition = [this, k](TObject*, int pos) { RGBBarChange(k, pos); };
        connect(edits[k], &QLineEdit::textEdited, this, [this, k] { RGBEditChange(k); });
    }

    connect(OkKnap, &QPushButton::clicked, this, &TFarveform::OkKnapClick);
    connect(LInsKnap, &QPushButton::clicked, this, &TFarveform::LInsKnapClick);
    connect(LClearKnap, &QPushButton::clicked, this, &TFarveform::LClearKnapClick);
    connect(LgemKnap, &QToolButton::clicked, this, &TFarveform::LgemKnapClick);
    connect(LhentKnap, &QToolButton::clicked, this, &TFarveform::LhentKnapClick);
    for (int i = 0; i < 6; ++i)
        connect(flytKnap[i], &QPushButton::clicked, this, [this, i] { FlytKnapClick(i + 1); });
    for (QButtonGroup* g : {FGrund, FMix, FOperation})
        connect(g, &QButtonGroup::idClicked, this, [this] { MixUpdate(); });
    connect(FResultat, &QButtonGroup::idClicked, this, [this] { MixKnapClick(); });
    connect(mixKnap, &QPushButton::clicked, this, &TFarveform::MixKnapClick);

    // The help lines of the controls; the fields of the panels have their own (PanelOver).
    const std::pair<QWidget*, int> lines[] = {
        {LInsKnap, 3},   {LClearKnap, 4}, {PalKnap[0], 6}, {PalKnap[1], 7},  {PalKnap[2], 8},
        {RanPalKnappen, 9}, {RiPalKnap1, 10}, {RiPalKnap2, 11}, {Fadepal, 12}, {BWRul, 21},
        {BWPal, 21},     {OkKnap, 23},    {RBar, 26},      {GBar, 29},       {BBar, 32},
        {REdit, 35},     {GEdit, 36},     {BEdit, 37},     {Penfelt, 38},    {Fillfelt, 39},
        {flytKnap[0], 53}, {flytKnap[1], 54}, {flytKnap[2], 55}, {flytKnap[3], 56}, {flytKnap[4], 57},
        {flytKnap[5], 58}, {sortKnap, 59}, {Middlefelt, 60}, {PalKnap[3], 61}, {LgemKnap, 62},
        {LhentKnap, 63},
    };
    for (const auto& [w, nr] : lines)
        HelpLineOn(w, nr);
    HelpLineOn(udvCheck, -2);
}

void TFarveform::HelpLineOn(QWidget* w, int Nr)
{
    FHelpLines.append({w, Nr});
    w->installEventFilter(this);
}

bool TFarveform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        for (const auto& [w, nr] : FHelpLines)
            if (w == watched) {
                if (nr == -2) // the size button says which box it makes
                    Services.InfoHint(FSmallBox ? Sprogtekst(FSprog, "Stor farveboks udgave", "Big version of the colorbox")
                                                : Sprogtekst(FSprog, "Lille farveboks udgave",
                                                             "Small version of the colorbox"));
                else
                    Informa(nr);
            }
    return QWidget::eventFilter(watched, event);
}

void TFarveform::SetSmallBox(bool Small)
{
    FSmallBox = Small;
    Bog->setVisible(!Small);
    udvCheck->setChecked(Small);
    ShowSizeButtonText();
    adjustSize();
}

void TFarveform::ShowSizeButtonText()
{
    udvCheck->setText(FSmallBox ? Sprogtekst(FSprog, "Stor Boks", "Big box")
                                : Sprogtekst(FSprog, "Lille Boks", "Small box"));
}

void TFarveform::SetSprog(bool Engelsk)
{
    FSprog = Engelsk;
    const auto t = [Engelsk](const char* da, const char* en) { return Sprogtekst(Engelsk, da, en); };
    FbCap = t("Farveboks", "Colorbox");
    VisCaption();
    Bog->setTabText(0, QStringLiteral("RGB"));
    Bog->setTabText(1, t("Redskabsfarverne", "Toolcolors"));
    FLabels[4]->setText(t("Sæt farver identiske", "Set colors identical"));
    FLabels[5]->setText(t("Mix farver", "Mix colors"));
    grundCheck->setTitle(t("Grundfarve", "Basecolor"));
    MixCheck->setTitle(t("Mixfarve", "Mixcolor"));
    resultatCheck->setTitle(t("Resultatfarve", "Resultcolor"));
    const QString items[4] = {t("Pen", "Pen"), t("Mellem", "Middle"), t("Fyld", "Brush"), t("Hvid", "White")};
    for (QButtonGroup* g : {FGrund, FMix, FResultat})
        for (QAbstractButton* b : g->buttons())
            b->setText(items[g->id(b)]);
    mixKnap->setText(t("Udfør", "Perform"));
    LInsKnap->setText(t("Indsæt", "Insert"));
    LClearKnap->setText(t("Tøm", "Clear"));
    OkKnap->setText(t("Anvend", "Apply"));
    FLabels[0]->setText(t("Rød", "Red"));
    FLabels[1]->setText(t("Grøn", "Green"));
    FLabels[2]->setText(t("Blå", "Blue"));
    Penfelt->setText(t("Pen", "Pen"));
    Middlefelt->setText(t("Mellem", "Middle"));
    Fillfelt->setText(t("Fyld", "Fill"));
    FLabels[3]->setText(t("Farvelager", "Colorstore"));
    RanPalKnappen->setText(t("Vælg palette fra fil", "Select palette from file"));
    const char* flyt[6][2] = {{"Pen \u2192 Mellem", "Pen \u2192 Middle"}, {"Pen \u2192 Fyld", "Pen \u2192 Fill"},
                              {"Mellem \u2192 Pen", "Middle \u2192 Pen"}, {"Mellem \u2192 Fyld", "Middle \u2192 Fill"},
                              {"Fyld \u2192 Pen", "Fill \u2192 Pen"},     {"Fyld \u2192 Mellem", "Fill \u2192 Middle"}};
    for (int i = 0; i < 6; ++i)
        flytKnap[i]->setText(t(flyt[i][0], flyt[i][1]));
    ShowSizeButtonText();
    for (TColorPan* pan : {BigSpal, InOutPal, Fadepal, PFpal, Hukpal, Lagerpal, mixPal})
        pan->SetSprog(Engelsk ? stEngelsk : stDansk);
    // The active colour's name in the help lines follows the language too.
    FarveNavn = InOutPal->GetFarveNavn(OutFarve);
    navnFelt->setText(FarveNavn);
}
