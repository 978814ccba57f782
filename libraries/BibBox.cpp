#include "libraries/BibBox.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "engine/ImagePic.h"
#include "libraries/Thumbnail.h"
#include "platform/Cursors.h"
#include "widgets/CompoProgress.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QStatusTipEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QLineEdit* ReadOnlyField(QWidget* parent, int width)
{
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    if (width > 0)
        e->setFixedWidth(width);
    return e;
}

QToolButton* SmallButton(QWidget* parent, const QString& text)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setAutoRepeat(false);
    b->setFixedSize(22, 22);
    return b;
}
} // namespace

TBibBox::TBibBox(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : QWidget(parent), Services(Services), Painters(Painters), FListe(16, 16, this), FBitmapX(this)
{
    Byg();
}

TBibBox::~TBibBox() = default;

void TBibBox::Byg()
{
    FBitmapX.SetBitmapListe(&FListe);
    FBitmapX.SetBitType(btUnikSimpel);
    FBitmapX.SetRealDim(true);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(2, 2, 2, 2);
    top->setSpacing(2);

    MappeRaekke = new QHBoxLayout;
    MappeRaekke->setSpacing(2);
    InfoKnap = SmallButton(this, QStringLiteral("?"));
    connect(InfoKnap, &QToolButton::clicked, this, [this] { Services.HelpInfoNew(HelpTopic()); });
    top->addLayout(MappeRaekke);
    BibLabel = new TPathLabel(this);
    BibLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(BibLabel);

    // The panel with its scroll bar.
    auto* mid = new QHBoxLayout;
    mid->setSpacing(0);
    Panel = new TBibPan(this);
    Panel->SetRammeYdre(&Painters.BibR);
    Panel->SetRammeFelt(&Painters.BibRF);
    Panel->SetBitmapFelt(&FBitmapX);
    Panel->SetIndreMargen(4);
    Panel->SetFeltFarve(clGray);
    Panel->SetTabStop(true);
    Panel->setMinimumSize(60, 60);
    Panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Rul = new TRulskakt(this);
    Rul->SetOrientering(coLodret);
    Rul->setFixedWidth(18);
    Rul->SetRammeYdre(&Painters.RulRamme);
    Rul->SetRammeKnap(&Painters.RulKnap);
    Rul->SetRammePos(&Painters.PosKnapRamme);
    Rul->SetPosKnapDim(true);
    Rul->NyePos(1, 0, 0);
    mid->addWidget(Panel, 1);
    mid->addWidget(Rul);
    top->addLayout(mid, 1);

    // Grid counts.
    auto* grid = new QHBoxLayout;
    grid->setSpacing(1);
    VMinus = SmallButton(this, QStringLiteral("-"));
    VFelt = ReadOnlyField(this, 28);
    VPlus = SmallButton(this, QStringLiteral("+"));
    LMinus = SmallButton(this, QStringLiteral("-"));
    LFelt = ReadOnlyField(this, 28);
    LPlus = SmallButton(this, QStringLiteral("+"));
    for (QWidget* w : {static_cast<QWidget*>(VMinus), static_cast<QWidget*>(VFelt), static_cast<QWidget*>(VPlus)})
        grid->addWidget(w);
    grid->addSpacing(6);
    for (QWidget* w : {static_cast<QWidget*>(LMinus), static_cast<QWidget*>(LFelt), static_cast<QWidget*>(LPlus)})
        grid->addWidget(w);
    grid->addSpacing(6);
    Progress = new TProgressCompo(this);
    Progress->SetRammeYdre(&Painters.TekstRamme);
    Progress->SetTekstBog(&Painters.TekstCenter);
    Progress->SetTrin(1);
    Progress->setFixedHeight(22);
    Progress->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(Progress, 1);
    top->addLayout(grid);
    connect(VPlus, &QToolButton::clicked, this, [this] { PlusV(); });
    connect(VMinus, &QToolButton::clicked, this, [this] { MinusV(); });
    connect(LPlus, &QToolButton::clicked, this, [this] { PlusL(); });
    connect(LMinus, &QToolButton::clicked, this, [this] { MinusL(); });

    // The selected file.
    auto* fields = new QGridLayout;
    fields->setSpacing(2);
    FNavnLabel = new QLabel(this);
    FBreddeLabel = new QLabel(this);
    FHojdeLabel = new QLabel(this);
    NavnFelt = ReadOnlyField(this, 0);
    BreddeFelt = ReadOnlyField(this, 50);
    HojdeFelt = ReadOnlyField(this, 50);
    fields->addWidget(FNavnLabel, 0, 0);
    fields->addWidget(FBreddeLabel, 0, 1);
    fields->addWidget(FHojdeLabel, 0, 2);
    fields->addWidget(NavnFelt, 1, 0);
    fields->addWidget(BreddeFelt, 1, 1);
    fields->addWidget(HojdeFelt, 1, 2);
    fields->setColumnStretch(0, 1);
    top->addLayout(fields);

    // Insert, open, transparency, delete.
    KnapRaekke = new QHBoxLayout;
    KnapRaekke->setSpacing(2);
    IndsaetKnap = new QPushButton(this);
    AabenKnap = new QPushButton(this);
    TransCheck = new QCheckBox(QStringLiteral("T"), this);
    SletKnap = new QToolButton(this);
    SletKnap->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(SletKnap);
    ASletFil = menu->addAction(QString());
    ASletAlle = menu->addAction(QString());
    SletKnap->setMenu(menu);
    KnapRaekke->addWidget(IndsaetKnap);
    KnapRaekke->addWidget(AabenKnap);
    KnapRaekke->addWidget(TransCheck);
    KnapRaekke->addWidget(SletKnap);
    KnapRaekke->addStretch(1);
    KnapRaekke->addWidget(InfoKnap);
    top->addLayout(KnapRaekke);
    connect(IndsaetKnap, &QPushButton::clicked, this, [this] { IndsaetClick(); });
    connect(AabenKnap, &QPushButton::clicked, this, [this] { AabenClick(); });
    connect(ASletFil, &QAction::triggered, this, [this] { SletFilClick(); });
    connect(ASletAlle, &QAction::triggered, this, [this] { SletAlleClick(); });
    connect(menu, &QMenu::aboutToShow, this, [this] { UpdateButtons(); });
    // Only the user's clicks are mirrored: setting the box from the program sends no click.
    connect(TransCheck, &QCheckBox::clicked, this, [this](bool checked) {
        if (OnTransClick)
            OnTransClick(checked);
    });

    // The panel's events.
    Panel->OnMus = [this](TObject*, TMouseButton, int nr) { Vaelg(nr); };
    Panel->OnMusOver = [this](TObject*, int nr) { Over(nr); };
    Panel->OndblClick = [this](TObject*) { DblClick(); };
    Panel->OnKey = [this](TObject*, uint16_t key, int nr) {
        if (key == vk::Return) {
            Vaelg(nr);
            DblClick();
        }
    };
    Panel->OnAntalIalt = [this](TObject*, int ialt) { AntalIalt(ialt); };
    Panel->OnStartNr = [this](TObject*, int nr) { Rul->NyPosition(nr); };
    Panel->OnProgress = [this](TObject*, uint8_t procent) {
        Progress->SetPosition(procent);
        Progress->SetTekst(QString::number(procent) + QLatin1Char('%'));
        if (Progress->isVisible())
            Progress->repaint();
    };
    Rul->OnPosition = [this](TObject*, int pos) { Panel->NytStartNr(pos, false); };

    StartAntal(AntalV, AntalL);

    Tekst(FNavnLabel, QStringLiteral("Filnavn"), QStringLiteral("Filename"));
    Tekst(FBreddeLabel, QStringLiteral("Bredde"), QStringLiteral("Width"));
    Tekst(FHojdeLabel, QStringLiteral("Højde"), QStringLiteral("Height"));
    Tekst(VPlus, QString(), QString(), QStringLiteral("Forøg antal felter vandret."),
          QStringLiteral("Increase horizontal number."));
    Tekst(VMinus, QString(), QString(), QStringLiteral("Formindsk antal felter vandret."),
          QStringLiteral("Decrease horizontal number."));
    Tekst(LPlus, QString(), QString(), QStringLiteral("Forøg antallet af lodrette felter."),
          QStringLiteral("Increase vertical numbers."));
    Tekst(LMinus, QString(), QString(), QStringLiteral("Formindsk antallet af lodrette felter."),
          QStringLiteral("Decrease vertical numbers."));
    Tekst(SletKnap, QString(), QString(), QStringLiteral("Slet valgte fil"), QStringLiteral("Delete selected file"));
    Tekst(ASletFil, QStringLiteral("Slet fil..."), QStringLiteral("Delete file..."));
    Tekst(InfoKnap, QString(), QString(), QStringLiteral("Hjælp"), QStringLiteral("Help"));
}

void TBibBox::Tekst(QObject* Kontrol, const QString& Dansk, const QString& English, const QString& HintDansk,
                    const QString& HintEnglish)
{
    for (TTekst& t : FTekster)
        if (t.Kontrol == Kontrol) {
            t = {Kontrol, Dansk, English, HintDansk, HintEnglish};
            return;
        }
    FTekster.push_back({Kontrol, Dansk, English, HintDansk, HintEnglish});
}

void TBibBox::SetSprog(bool Engelsk)
{
    Sprog = Engelsk;
    Panel->SetSprog(Engelsk ? stEngelsk : stDansk);
    for (const TTekst& t : FTekster) {
        const QString text = T(t.Dansk, t.English), hint = T(t.HintDansk, t.HintEnglish);
        if (auto* a = qobject_cast<QAction*>(t.Kontrol)) {
            a->setText(text);
            a->setStatusTip(hint);
        } else if (auto* w = qobject_cast<QWidget*>(t.Kontrol)) {
            if (!text.isEmpty()) {
                if (auto* b = qobject_cast<QAbstractButton*>(w))
                    b->setText(text);
                else if (auto* l = qobject_cast<QLabel*>(w))
                    l->setText(text);
            }
            w->setToolTip(hint);
            w->setStatusTip(hint);
        }
    }
}

void TBibBox::SetTrans(bool value)
{
    TransCheck->setChecked(value);
}

bool TBibBox::Trans() const
{
    return TransCheck->isChecked();
}

void TBibBox::StartAntal(int V, int L)
{
    AntalV = std::clamp(V, 1, TBibPan::kMaxSide);
    AntalL = std::clamp(L, 1, TBibPan::kMaxSide);
    VFelt->setText(QString::number(AntalV));
    LFelt->setText(QString::number(AntalL));
    Panel->NytAntalVL(AntalV, AntalL);
}

void TBibBox::SkiftAntal(int& Antal, int Trin, QLineEdit* Felt)
{
    Antal += Trin;
    if (Antal < 1) {
        Antal = 1;
        Services.InfoHint(T(QStringLiteral("Et felt er mindste feltantal"), QStringLiteral("One is the smallest number")));
    } else if (Antal > TBibPan::kMaxSide) {
        Antal = TBibPan::kMaxSide;
        Services.InfoHint(T(QStringLiteral("%1 felter er største feltantal"), QStringLiteral("%1 is the largest number"))
                              .arg(TBibPan::kMaxSide));
    }
    Felt->setText(QString::number(Antal));
}

void TBibBox::AntalIalt(int Ialt)
{
    if (AntalFelt)
        AntalFelt->setText(QString::number(Ialt));
    // The scroll maximum is never negative, also for a panel that shows everything.
    const int visible = std::max(1, Panel->Antal());
    Rul->NyePos(visible, std::max(0, Ialt - Panel->Antal()), std::min(Panel->StartNr(), std::max(0, Ialt - Panel->Antal())));
}

void TBibBox::Genindlaes(bool Rapport, const QString& Mappe)
{
    TWaitCursor wait;
    if (Mappe.isEmpty())
        Panel->NyeFelterVL(AntalV, AntalL);
    else
        Panel->NewDirectory(AntalV, AntalL, Mappe);
    // A panel that was never painted (a hidden page) reads its folder only when told to.
    if (!Panel->CompoPainted)
        Panel->LoadListe();
    Rul->NyePos(std::max(1, Panel->Antal()), std::max(0, Panel->AntalIalt() - Panel->Antal()), 0);
    if (Rapport)
        VisAntal();
    UpdateButtons();
}

void TBibBox::VisAntal()
{
    Services.InfoHint(T(QStringLiteral("Antal billeder: "), QStringLiteral("Number of pictures: "))
                      + QString::number(Panel->AntalIalt()));
}

void TBibBox::Vaelg(int Nr)
{
    if (Nr < 0 || Nr >= int(Panel->Bil.size()))
        return;
    Filnavn = Panel->GetFilnavn(Nr, true);
    NavnFelt->setText(VistNavn(Panel->GetFilnavn(Nr, false)));
    BreddeFelt->setText(QString::number(Panel->GetBredde(Nr)));
    HojdeFelt->setText(QString::number(Panel->GetHojde(Nr)));
    UpdateButtons();
}

void TBibBox::Over(int Nr)
{
    if (Nr < 0 || Nr >= int(Panel->Bil.size()))
        return;
    Services.InfoHint(Panel->GetFilnavn(Nr, false) + QStringLiteral(" (") + QString::number(Panel->GetBredde(Nr))
                      + QLatin1Char('x') + QString::number(Panel->GetHojde(Nr)) + QLatin1Char(')'));
}

void TBibBox::RydValg()
{
    Filnavn.clear();
    NavnFelt->clear();
    BreddeFelt->clear();
    HojdeFelt->clear();
}

bool TBibBox::ValgtFindes() const
{
    return !Filnavn.isEmpty() && QFileInfo(Filnavn).isFile();
}

void TBibBox::Indsaet(TImagePic& Pic)
{
    // The picture is read here first, so that a file that cannot be read is reported rather
    // than passed over in silence.
    TBitmap check;
    if (!LoadLibraryPicture(Filnavn, check)) {
        ShowMessage(T(QStringLiteral("Fejl: Ukendt!\rEventuelt er filefternavnet ikke jpg, bmp eller ico!"),
                      QStringLiteral("Error: Unknown!")),
                    this);
        return;
    }
    const bool saved = Pic.MetaTrans();
    Pic.SetMetaTrans(Trans());
    Pic.InsertPic(Filnavn);
    Pic.SetMetaTrans(saved);
}

void TBibBox::IndsaetClick()
{
    TImagePic* pic = Services.ActivePicture();
    if (!pic)
        return;
    if (!ValgtFindes()) {
        Services.InfoHint(T(QStringLiteral("Der er ikke valgt et billede"), QStringLiteral("No picture selected")));
        return;
    }
    Indsaet(*pic);
}

void TBibBox::AabenClick()
{
    if (!ValgtFindes()) {
        Services.InfoHint(T(QStringLiteral("Der er ikke valgt et billede"), QStringLiteral("No picture selected")));
        return;
    }
    Services.HentPicture(Filnavn);
}

void TBibBox::DblClick()
{
    if (!ValgtFindes())
        return;
    TImagePic* pic = Services.ActivePicture();
    if (!pic) {
        Services.HentPicture(Filnavn);
        return;
    }
    if (!pic->Selected())
        pic->DefFocusRect(pic->FR.Left, pic->FR.Top, pic->FR.Left, pic->FR.Top);
    Indsaet(*pic);
}

void TBibBox::SletFilClick()
{
    if (!ValgtFindes())
        return;
    const bool engelsk = SletSprog();
    const TModalResult svar = Services.SpmJaNejAnnuller(
        Sprogtekst(engelsk, QStringLiteral("Skal filen: "), QStringLiteral("The file: ")) + Filnavn,
        Sprogtekst(engelsk, QStringLiteral("slettes til papirkurv?"), QStringLiteral("will be deleted! Continue?")),
        QString());
    if (svar != mrYes || !QFileInfo(Filnavn).isFile())
        return;
    // A file the recycle bin did not take stays where it is; the service says why.
    if (!Services.FileDeleteRB(Filnavn))
        return;
    if (RapporterSletning())
        RydValg();
    Genindlaes(RapporterSletning());
}

void TBibBox::SletAlleClick()
{
    if (Panel->Antal() < 1)
        return;
    const TModalResult svar = Services.SpmJaNejAnnuller(
        T(QStringLiteral("Skal alle filer"), QStringLiteral("All files")),
        T(QStringLiteral("slettes til papirkurv?"), QStringLiteral("will be deleted! Continue?")), QString());
    if (svar != mrYes)
        return;
    const int count = int(Panel->Bil.size());
    for (int i = 0; i < count; ++i) {
        const QString path = Panel->GetFilnavn(i, true);
        // One refusal is enough to know that this folder has no recycle bin: stop there
        // rather than repeat the message for every file.
        if (QFileInfo(path).isFile() && !Services.FileDeleteRB(path))
            break;
    }
    RydValg();
    Genindlaes(RapporterSletning());
    if (OnAlleSlettet)
        OnAlleSlettet();
}

void TBibBox::UpdateButtons()
{
    const bool found = ValgtFindes();
    ASletFil->setEnabled(found);
    ASletAlle->setEnabled(Panel->Antal() >= 1);
}

bool TBibBox::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        Services.InfoHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void TBibBox::closeEvent(QCloseEvent* event)
{
    Services.InfoHint(QStringLiteral(" "));
    QWidget::closeEvent(event);
}
