#include "colours/Colform.h"
#include "widgets/ScreenFit.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColorPan.h"
#include "colours/ColourControls.h"
#include "engine/ImagePic.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kSynlige = 64;
constexpr int kAntal[10] = {8, 16, 32, 64, 256, 20, 22, 30, 36, 44};

} // namespace

TColform::TColform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : QWidget(parent), Services(Services)
{
    setObjectName(QStringLiteral("Colform"));
    auto* lay = new QGridLayout(this);
    lay->setContentsMargins(2, 2, 2, 2);
    lay->setSpacing(2);

    ColPal = ColourControls::NewPanel(this, Painters, 16, 4, 16, 16 * 15 + 6, 4 * 20 + 6);
    ColPal->setObjectName(QStringLiteral("ColPal"));
    ColPal->SetFarvePal(cpStandard16);
    ColPal->OnAntalIalt = [this](TObject*, int n) { ColPalAntalIalt(n); };
    ColPal->OnMus = [this](TObject*, TMouseButton b, int nr) { Klik(*ColPal, b, nr); };
    ColPal->OnMusOver = [this](TObject*, int nr) {
        if (OnFarveOver)
            OnFarveOver(ColPal->GetColor(nr));
    };
    Colrul = ColourControls::NewPanelBar(this, Painters, *ColPal);
    // Scrolling the panel moves the bar.
    ColPal->OnStartNr = [this](TObject*, int nr) { Colrul->NyPosition(nr); };

    PFpal = ColourControls::NewPanel(this, Painters, 3, 1, 3, 66, 24);
    PFpal->setObjectName(QStringLiteral("PFpal"));
    for (int i = 0; i < 3; ++i)
        PFpal->InitFarveFelt(i, clWhite);
    PFpal->OnMus = [this](TObject*, TMouseButton b, int nr) { Klik(*PFpal, b, nr); };
    PFpal->OnMusOver = [this](TObject*, int nr) {
        if (OnFarveOver)
            OnFarveOver(PFpal->GetColor(nr));
    };

    FAntalLabel = new QLabel(this);
    Edit = new QLineEdit(QString::number(FeltAntal), this);
    Edit->setReadOnly(true);
    Edit->setFixedWidth(40);
    FIaltLabel = new QLabel(this);
    AntalInfo = new QLineEdit(QStringLiteral("16"), this);
    AntalInfo->setReadOnly(true);
    AntalInfo->setFixedWidth(40);
    auto* antal1 = new QHBoxLayout;
    auto* antal2 = new QHBoxLayout;
    for (int i = 0; i < 10; ++i) {
        AntalKnap[i] = new QPushButton(QString::number(kAntal[i]), this);
        AntalKnap[i]->setFixedWidth(34);
        (i < 5 ? antal1 : antal2)->addWidget(AntalKnap[i]);
        connect(AntalKnap[i], &QPushButton::clicked, this, [this, i] { AntalKlik(kAntal[i]); });
    }
    createKnap = new QPushButton(this);
    sortKnap = new QPushButton(this);
    AutoCheck = new QCheckBox(this);
    AutoCheck->setChecked(true);
    autoCreateCheck = new QCheckBox(QStringLiteral("Auto create"), this);
    autoCreateCheck->setChecked(true);
    Agem = new QAction(this);
    Agem->setObjectName(QStringLiteral("Agem"));
    gemKnap = new QToolButton(this);
    gemKnap->setDefaultAction(Agem);

    lay->addWidget(ColPal, 0, 0, 1, 4);
    lay->addWidget(Colrul, 1, 0, 1, 4);
    lay->addWidget(PFpal, 2, 0);
    lay->addWidget(FIaltLabel, 2, 1, 1, 2);
    lay->addWidget(AntalInfo, 2, 3);
    lay->addWidget(FAntalLabel, 3, 0);
    lay->addWidget(Edit, 3, 1);
    lay->addWidget(autoCreateCheck, 3, 2, 1, 2);
    lay->addLayout(antal1, 4, 0, 1, 4);
    lay->addLayout(antal2, 5, 0, 1, 4);
    lay->addWidget(createKnap, 6, 0, 1, 2);
    lay->addWidget(sortKnap, 6, 2);
    lay->addWidget(gemKnap, 6, 3);
    lay->addWidget(AutoCheck, 7, 0, 1, 4);
    lay->setRowStretch(8, 1);

    connect(createKnap, &QPushButton::clicked, this, &TColform::CreateKnapClick);
    createKnap->installEventFilter(this);
    connect(sortKnap, &QPushButton::clicked, this, [this] {
        if (VisSorter)
            VisSorter(*ColPal);
    });
    connect(Agem, &QAction::triggered, this, &TColform::GemKlik);
    const TOptions& Opt = Services.Options();
    PlaceOnScreen(this, QPoint(Opt.CBoxX, Opt.CBoxY));
    ColPalAntalIalt(ColPal->AntalIalt());
    SetSprog(Services.Engelsk());
}

void TColform::SetSprog(bool Engelsk)
{
    FSprog = Engelsk;
    const auto t = [Engelsk](const char* da, const char* en) { return Sprogtekst(Engelsk, da, en); };
    setWindowTitle(t("Paletteboks", "Palettebox"));
    createKnap->setText(t("Lav palette", "Create palette"));
    sortKnap->setText(t("Sorter palette", "Sort palette"));
    FAntalLabel->setText(t("Antal farver", "Numbers of colors"));
    FIaltLabel->setText(t("Antal farver i paletten", "Numbers of colors in the palette"));
    AntalInfo->setToolTip(t("Antal farver i paletten. Max 256", "Numbers of colors in the palette. Max 256"));
    AutoCheck->setText(t("Auto sorter", "Auto sort"));
    AutoCheck->setToolTip(t("Sorter automatisk farverne når paletten laves",
                            "Automatically sorts the colors when creating the palette"));
    autoCreateCheck->setToolTip(t("Skab ved valg af antal farver", "Make by choosing number of colors"));
    sortKnap->setToolTip(t("Sorter farverne i paletten", "Sort the colors in the palette"));
    Agem->setText(t("Gem", "Save"));
    Agem->setToolTip(t("Gem paletten i en palettefil", "Save the palette in a palette file"));
    Agem->setStatusTip(Agem->toolTip());
    for (QWidget* w : {static_cast<QWidget*>(AntalInfo), static_cast<QWidget*>(AutoCheck),
                       static_cast<QWidget*>(autoCreateCheck), static_cast<QWidget*>(sortKnap)})
        w->setStatusTip(w->toolTip());
    CreateHint();
    ColPal->SetSprog(Engelsk ? stEngelsk : stDansk);
    PFpal->SetSprog(Engelsk ? stEngelsk : stDansk);
}

void TColform::CreateHint()
{
    const QString hint = Services.ActivePicture()
                             ? Sprogtekst(FSprog, "Fabriker en palette fra billede", "Make a palette from picture")
                             : Sprogtekst(FSprog, "Der er intet aktiveret billede", "No picture has focus");
    createKnap->setToolTip(hint);
    createKnap->setStatusTip(hint);
}

bool TColform::eventFilter(QObject* watched, QEvent* event)
{
    // Before the hint is shown: the active picture may have come or gone since.
    if (watched == createKnap && event->type() == QEvent::Enter)
        CreateHint();
    return QWidget::eventFilter(watched, event);
}

void TColform::SetPFfelt(int Nr, TColor Col)
{
    if (Nr >= 0 && Nr < 3 && PFpal->GetColor(Nr) != Col)
        PFpal->FarveFelt(Nr, Col);
}

void TColform::Klik(TColorPan& Pan, TMouseButton Button, int FeltNr)
{
    const TColor c = Pan.GetColor(FeltNr);
    if (FeltNr < 0 || FeltNr >= Pan.AntalIalt() || c == clNone || !OnFarveKlik)
        return;
    OnFarveKlik(Button, c, &Pan == ColPal);
}

void TColform::CreateKnapClick()
{
    if (TImagePic* pic = Services.ActivePicture()) {
        ColPal->PalFraBilDyn(FeltAntal, pic->Picture());
    } else {
        ColPal->NytAntalVL(16, 4);
        ColPal->SetAntalIalt(16);
        ColPal->Standard16();
        ColPalAntalIalt(16);
    }
    if (AutoCheck->isChecked() && Sorter)
        Sorter(*ColPal);
}

void TColform::AntalKlik(int Antal)
{
    FeltAntal = Antal;
    Edit->setText(QString::number(Antal));
    if (autoCreateCheck->isChecked())
        CreateKnapClick();
}

void TColform::ColPalAntalIalt(int Antal)
{
    // Only what changed is drawn again: a new palette of the same size leaves the bar be.
    const int synlige = std::min(Antal, kSynlige), maks = std::max(0, Antal - synlige);
    if (Colrul->PosVisible() != synlige || Colrul->PosMax() != maks || Colrul->Position() != 0)
        Colrul->NyePos(synlige, maks, 0);
    if (Colrul->isEnabled() != (Antal > kSynlige))
        Colrul->setEnabled(Antal > kSynlige);
    const QString antal = QString::number(Antal);
    if (AntalInfo->text() != antal)
        AntalInfo->setText(antal);
    UpdateAgem();
}

void TColform::UpdateAgem()
{
    Agem->setEnabled(ColPal->AntalIalt() <= kSynlige);
}

void TColform::GemKlik()
{
    if (ColPal->AntalIalt() > kSynlige || !VaelgGemFil)
        return;
    const QString fil = VaelgGemFil(*ColPal);
    if (fil.isEmpty())
        return;
    if (QFileInfo::exists(fil)) {
        const QStringList spm = FSprog ? QStringList{"The file:", fil, "exists.", "Do you want to owerwrite it?"}
                                       : QStringList{"Filen:", fil, "eksisterer allerede.", "Skal den overskrives?"};
        if (Services.SpmOkAnnuller(spm) != mrOk)
            return;
    }
    if (!ColPal->GemPalette(fil))
        ShowMessage(Sprogtekst(FSprog, "Paletten kunne ikke gemmes i filen:\r", "The palette could not be saved in the file:\r") + fil,
                    this);
}
