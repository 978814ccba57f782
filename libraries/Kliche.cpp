#include "libraries/Kliche.h"
#include "appcore/DataFolder.h"
#include "appcore/MainServices.h"
#include "appcore/Options.h"
#include "appcore/Message.h"
#include "engine/ImagePic.h"
#include "libraries/Filform.h"
#include "platform/PictureCodecs.h"
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TKlicheform::TKlicheform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : TBibBox(Services, Painters, parent)
{
    const TDataFolder folder = TDataFolder::FromEnvironment();
    KlicheBib = folder.KlicheBib;
    KlipbordBib = folder.KlipbordBib;
    const QString shipped = TDataFolder::ShippedDataFolder();
    MedfolgendeBib = shipped.isEmpty() ? QString() : shipped + QStringLiteral("/cliches");

    for (int i = 0; i < 3; ++i) {
        MappeKnap[i] = new QPushButton(this);
        MappeRaekke->addWidget(MappeKnap[i]);
        connect(MappeKnap[i], &QPushButton::clicked, this, [this, i] { BkKnapClick(i); });
    }
    MappeRaekke->addStretch(1);
    AntalFelt = new QLineEdit(this);
    AntalFelt->setReadOnly(true);
    AntalFelt->setFixedWidth(44);
    MappeRaekke->addWidget(AntalFelt);
    GemKnap = new QPushButton(this);
    KnapRaekke->insertWidget(4, GemKnap);
    connect(GemKnap, &QPushButton::clicked, this, [this] { GemKlicheClick(); });
    Filform = new TFilform(this);
    RunFilform = [](TFilform& form) { return form.exec() == QDialog::Accepted; };

    const TOptions& opt = Services.Options();
    StartAntal(opt.KBoxV, opt.KBoxL);

    const QString mappeHint = QStringLiteral("Indlæs eller realiser billedantal eller ny størelse");
    const QString mappeHintEn = QStringLiteral("Load or create gallery with the new numbers or size");
    Tekst(MappeKnap[0], QStringLiteral("Indlæs klicheer"), QStringLiteral("Load clichés"), mappeHint, mappeHintEn);
    Tekst(MappeKnap[1], QStringLiteral("Indlæs personlige klip"), QStringLiteral("Load personal clips"), mappeHint,
          mappeHintEn);
    Tekst(MappeKnap[2], QStringLiteral("Indlæs medfølgende klip"), QStringLiteral("Load included clips"), mappeHint,
          mappeHintEn);
    Tekst(IndsaetKnap, QStringLiteral("Indsæt"), QStringLiteral("Insert"), QStringLiteral("Indsæt valgte kliche i billedet"),
          QStringLiteral("Insert selected cliché in picture"));
    Tekst(AabenKnap, QStringLiteral("Åben"), QStringLiteral("Open"), QStringLiteral("Åben valgte kliche som et nyt billede"),
          QStringLiteral("Open cliché as new picture"));
    Tekst(TransCheck, QString(), QString(), QStringLiteral("Insert transparent"), QStringLiteral("Insert transparent"));
    Tekst(SletKnap, QStringLiteral("Slet"), QStringLiteral("Delete"), QStringLiteral("Slet valgte fil"),
          QStringLiteral("Delete selected file"));
    Tekst(ASletAlle, QStringLiteral("Slet alle filer..."), QStringLiteral("Delete all files..."));
    Tekst(GemKnap, QStringLiteral("Indsæt som kliche"), QStringLiteral("Insert as cliché"),
          QStringLiteral("Gem valgte område eller hele billedet som kliche"),
          QStringLiteral("Save selected area or hole picture as cliché"));
    Tekst(AntalFelt, QString(), QString(), QStringLiteral("Antal billeder"), QStringLiteral("Number of pictures"));
    SetSprog(Services.Engelsk());
}

TKlicheform::~TKlicheform() = default;

void TKlicheform::SetSprog(bool Engelsk)
{
    TBibBox::SetSprog(Engelsk);
    setWindowTitle(T(QStringLiteral("Klicheboks"), QStringLiteral("Clichébox")));
}

QString TKlicheform::VistNavn(const QString& Navn) const
{
    return TPreFelter::FilCaption(Navn);
}

bool TKlicheform::ViserMedfolgende() const
{
    return !MedfolgendeBib.isEmpty() && QDir(Panel->Bibliotek()) == QDir(MedfolgendeBib);
}

void TKlicheform::UpdateButtons()
{
    TBibBox::UpdateButtons();
    const bool document = Services.ActivePicture() != nullptr;
    IndsaetKnap->setEnabled(document);
    GemKnap->setEnabled(document);
    // The clichés the program ships are not the user's to delete.
    SletKnap->setEnabled(!ViserMedfolgende());
}

void TKlicheform::BkKnapClick(int Nr)
{
    const QString folders[3] = {KlicheBib, KlipbordBib, MedfolgendeBib};
    if (Nr < 0 || Nr > 2)
        return;
    Genindlaes(true, folders[Nr]);
    BibLabel->SetPath(folders[Nr]);
}

TBitmap TKlicheform::FocusBitmap(TImagePic& Pic)
{
    const TRect r = IntersectRect(NormalizedRect(Pic.GetFocusRect()), Pic.Picture().BoundsRect());
    TBitmap bitmap(r.Width(), r.Height());
    if (!bitmap.Empty())
        bitmap.Canvas().CopyRect(bitmap.BoundsRect(), Pic.Picture().Canvas(), r);
    return bitmap;
}

bool TKlicheform::GemNyFil(const QString& Path, const TBitmap& Bitmap)
{
    QByteArray data;
    if (Bitmap.Empty() || !PictureCodecs::WriteBmp(Bitmap, data))
        return false;
    // A new file only: a cliché of the same name is never overwritten.
    return !QFileInfo::exists(Path) && WriteFileSafely(Path, data);
}

void TKlicheform::GemKlicheClick()
{
    TImagePic* pic = Services.ActivePicture();
    if (!pic)
        return;
    Filform->SetTekst(Sprog, T(QStringLiteral("Klichenavne"), QStringLiteral("Cliché names")), QStringLiteral("Ok"),
                      T(QStringLiteral("Annuller"), QStringLiteral("Cancel")));
    Filform->SetBibliotek(KlicheBib);
    Filform->NavnFelt->clear();
    Filform->Filnavn.clear();
    if (!RunFilform(*Filform) || Filform->Filnavn.isEmpty())
        return;
    if (!GemNyFil(Filform->Filnavn, FocusBitmap(*pic))) {
        ShowMessage(T(QStringLiteral("Fejl: Filen kunne ikke gemmes!"), QStringLiteral("Error: The file was not saved!")),
                    this);
        return;
    }
    // The new cliché is shown where it was saved.
    BkKnapClick(0);
}
