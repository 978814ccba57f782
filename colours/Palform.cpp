#include "colours/Palform.h"
#include "appcore/DataFolder.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "colours/ColorPan.h"
#include "colours/ColourControls.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TPalform::TPalform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : QDialog(parent), Services(Services)
{
    setObjectName(QStringLiteral("Palform"));
    auto* lay = new QGridLayout(this);
    Palet = ColourControls::NewPanel(this, Painters, 16, 4, 64, 16 * 14 + 6, 4 * 19 + 6);
    Palet->setObjectName(QStringLiteral("Palet"));
    Palet->SetFarvePal(cpIngen); // empty until a file is previewed
    Palet->OnAntalIalt = [this](TObject*, int n) { PaletAntal(n); };
    PalRul = ColourControls::NewPanelBar(this, Painters, *Palet);
    filListe = new QListWidget(this);
    FNavnLabel = new QLabel(this);
    Edit = new QLineEdit(this);
    okKnap = new QPushButton(this);
    lukKnap = new QPushButton(this);
    sletKnap = new QPushButton(this);
    infoKnap = new QPushButton(QStringLiteral("?"), this);
    okKnap->setDefault(true);

    lay->addWidget(Palet, 0, 0, 1, 2);
    lay->addWidget(PalRul, 1, 0, 1, 2);
    lay->addWidget(filListe, 2, 0, 1, 2);
    lay->addWidget(FNavnLabel, 3, 0);
    lay->addWidget(Edit, 3, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {okKnap, lukKnap, sletKnap, infoKnap})
        buttons->addWidget(b);
    lay->addLayout(buttons, 4, 0, 1, 2);

    connect(filListe, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { FilKlik(item->text()); });
    connect(filListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        FilKlik(item->text());
        if (HentBox)
            OkKlik();
    });
    connect(okKnap, &QPushButton::clicked, this, &TPalform::OkKlik);
    connect(lukKnap, &QPushButton::clicked, this, &TPalform::reject);
    connect(sletKnap, &QPushButton::clicked, this, &TPalform::SletKlik);
    connect(infoKnap, &QPushButton::clicked, this,
            [this] { this->Services.HelpInfoNew(HentBox ? QStringLiteral("Paletter") : QStringLiteral("Paletteboks")); });
    PaletAntal(0);
    SetSprog(Services.Engelsk());
}

void TPalform::SetSprog(bool Engelsk)
{
    FSprog = Engelsk;
    setWindowTitle(QStringLiteral("Palette"));
    FNavnLabel->setText(Sprogtekst(Engelsk, "Filnavn", "Filename"));
    lukKnap->setText(Sprogtekst(Engelsk, "Annuller", "Cancel"));
    sletKnap->setText(Sprogtekst(Engelsk, "Slet", "Delete"));
    Palet->SetSprog(Engelsk ? stEngelsk : stDansk);
    VisTekster();
}

void TPalform::VisTekster()
{
    okKnap->setText(HentBox ? Sprogtekst(FSprog, "Hent", "Load") : Sprogtekst(FSprog, "Gem", "Save"));
}

QString TPalform::Folder() const
{
    const QString folder = TDataFolder::FromEnvironment().PaletDir;
    QDir().mkpath(folder);
    return folder;
}

void TPalform::Opdater()
{
    filListe->clear();
    filListe->addItems(QDir(Folder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TPalform::Forbered(bool Hent)
{
    HentBox = Hent;
    Filnavn.clear();
    Edit->clear();
    VisTekster();
    Opdater();
}

int TPalform::Vis(bool Hent)
{
    Forbered(Hent);
    return exec();
}

void TPalform::PaletAntal(int Antal)
{
    const int synlige = Palet->Antal();
    PalRul->NyePos(synlige, std::max(0, Antal - synlige), 0);
    PalRul->setEnabled(Antal > synlige);
}

void TPalform::Besked(const char* Dansk, const char* Engelsk)
{
    ShowMessage(Sprogtekst(FSprog, Dansk, Engelsk), this);
}

void TPalform::FilKlik(const QString& Navn)
{
    Edit->setText(Navn);
    if (HentBox)
        Palet->HentPalette(Folder() + QLatin1Char('/') + Navn);
}

QString TPalform::FilFor(const QString& Navn)
{
    // Only a name inside the listed folder: no folder parts, no "." or "..".
    if (Navn.contains(QLatin1Char('/')) || Navn.contains(QLatin1Char('\\')) || Navn == QLatin1String(".") ||
        Navn == QLatin1String("..")) {
        Besked("Filnavnet må ikke indeholde en mappe", "The filename must not contain a folder");
        return QString();
    }
    // Only the last extension goes: "Dark.blue.pal" stays itself, "Sky.txt" becomes "Sky.pal".
    const int dot = Navn.lastIndexOf(QLatin1Char('.'));
    const QString stamme = dot > 0 ? Navn.left(dot) : Navn;
    return Folder() + QLatin1Char('/') + stamme + QStringLiteral(".pal");
}

void TPalform::OkKlik()
{
    const QString navn = Edit->text().trimmed();
    if (navn.isEmpty()) {
        Besked("Der mangler et filnavn", "There is no filename");
        return;
    }
    const QString fil = FilFor(navn);
    if (fil.isEmpty())
        return;
    if (HentBox && !QFileInfo(fil).isFile()) {
        Besked("Filen kunne ikke findes!", "The file was not found!");
        return;
    }
    Filnavn = fil;
    accept();
}

void TPalform::SletKlik()
{
    const QString navn = Edit->text();
    if (navn.isEmpty()) {
        Besked("Der mangler et filnavn!", "There is no filename!");
        return;
    }
    // Only an entry of the list can be deleted.
    const QString fil = Folder() + QLatin1Char('/') + navn;
    if (filListe->findItems(navn, Qt::MatchExactly).isEmpty() || !QFileInfo(fil).isFile()) {
        Besked("Filen kunne ikke findes!", "The file was not found!");
        return;
    }
    const TModalResult svar = FSprog ? Services.SpmJaNejAnnuller("Do you want to delete:", navn, "to the Recycle Bin?")
                                     : Services.SpmJaNejAnnuller("Vil du slette filen:", navn, "til papirkurven?");
    if (svar != mrYes)
        return;
    if (!Services.FileDeleteRB(fil)) {
        Besked("Filen kunne ikke flyttes til papirkurven og er ikke slettet.",
               "The file could not be moved to the Recycle Bin and was not deleted.");
        return;
    }
    Opdater();
    Palet->SetFarvePal(cpIngen);
    Edit->clear();
}

void TPalform::reject()
{
    Filnavn.clear();
    QDialog::reject();
}
