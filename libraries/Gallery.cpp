#include "libraries/Gallery.h"
#include "appcore/MainServices.h"
#include "appcore/Options.h"
#include "engine/ImagePic.h"
#include "libraries/Bibform.h"
#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int kMinHojde = 212;
}

TGalForm::TGalForm(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : TBibBox(Services, Painters, parent)
{
    // The fields share the panel by the grid counts, so the grid buttons decide the size.
    Panel->resize(4 * 112, 95);
    BibliotekKnap = new QPushButton(this);
    NytKnap = new QPushButton(this);
    MappeRaekke->addWidget(BibliotekKnap);
    MappeRaekke->addWidget(NytKnap);
    MappeRaekke->addStretch(1);
    AabenAlleKnap = new QPushButton(this);
    KnapRaekke->insertWidget(2, AabenAlleKnap);
    connect(BibliotekKnap, &QPushButton::clicked, this, [this] { BibliotekClick(); });
    connect(NytKnap, &QPushButton::clicked, this, [this] { NytClick(); });
    connect(AabenAlleKnap, &QPushButton::clicked, this, [this] { AabenAlleClick(); });
    Bibform = new TBibform(this);
    RunBibform = [](TBibform& form) { return form.Udfor(); };

    const TOptions& opt = Services.Options();
    StartAntal(opt.GBoxV, opt.GBoxL);
    setMinimumHeight(kMinHojde);

    Tekst(BibliotekKnap, QStringLiteral("Bibliotek"), QStringLiteral("Library"),
          QStringLiteral("Indlæs bibliotekets filer"), QStringLiteral("Read files from library"));
    Tekst(NytKnap, QStringLiteral("Nyt"), QStringLiteral("New"), QStringLiteral("Indlæs billeder fra nyt bibliotek"),
          QStringLiteral("Read files from new library"));
    Tekst(IndsaetKnap, QStringLiteral("Indsæt"), QStringLiteral("Insert"),
          QStringLiteral("Indsæt valgte billede i billedet"), QStringLiteral("Insert selected picture in picture"));
    Tekst(AabenKnap, QStringLiteral("Åben"), QStringLiteral("Open"),
          QStringLiteral("Åben valgte billede som nyt billede"), QStringLiteral("Open selected picture as new picture"));
    Tekst(AabenAlleKnap, QStringLiteral("Åben alle"), QStringLiteral("Open all"),
          QStringLiteral("Åben alle bibliotekets billeder"), QStringLiteral("Open every picture of the library"));
    Tekst(TransCheck, QString(), QString(), QStringLiteral("Indsæt transparent"), QStringLiteral("Insert transparent"));
    Tekst(SletKnap, QStringLiteral("Slet fil"), QStringLiteral("Delete file"), QStringLiteral("Slet valgte fil"),
          QStringLiteral("Delete selected file"));
    Tekst(ASletAlle, QStringLiteral("Slet alle..."), QStringLiteral("Delete all..."));
    SetSprog(Services.Engelsk());
}

TGalForm::~TGalForm() = default;

void TGalForm::SetGalBib(const QString& Dir)
{
    Panel->SetBibliotek(Dir);
    Bibform->Bibliotek = Dir;
    BibLabel->SetPath(Dir);
}

QString TGalForm::GalBib() const
{
    return Panel->Bibliotek();
}

void TGalForm::SetSprog(bool Engelsk)
{
    TBibBox::SetSprog(Engelsk);
    setWindowTitle(T(QStringLiteral("Billedboks"), QStringLiteral("Picturebox")));
    Bibform->SetSprog(Engelsk);
}

bool TGalForm::SletSprog() const
{
    return Services.Engelsk();
}

void TGalForm::UpdateButtons()
{
    TBibBox::UpdateButtons();
    const bool found = ValgtFindes();
    IndsaetKnap->setEnabled(found && Services.ActivePicture());
    AabenKnap->setEnabled(found);
    AabenAlleKnap->setEnabled(Panel->AntalIalt() > 1);
}

void TGalForm::BibliotekClick()
{
    Genindlaes(true);
    BibLabel->SetPath(Panel->Bibliotek());
}

void TGalForm::NytClick()
{
    Bibform->Bibliotek = Panel->Bibliotek();
    if (!RunBibform(*Bibform))
        return;
    RydValg();
    Genindlaes(true, Bibform->Bibliotek);
    BibLabel->SetPath(Bibform->Bibliotek);
    if (OnNytBibliotek)
        OnNytBibliotek(Bibform->Bibliotek);
}

void TGalForm::AabenAlleClick()
{
    const int count = int(Panel->Bil.size());
    for (int i = 0; i < count; ++i)
        Services.HentPicture(Panel->GetFilnavn(i, true));
}
