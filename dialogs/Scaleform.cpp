#include "dialogs/Scaleform.h"
#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "dialogs/Centre.h"
#include "engine/ImagePic.h"
#include "util/AlmenX.h"

namespace {

int ClampedInt(qint64 v)
{
    return int(std::clamp<qint64>(v, INT_MIN, INT_MAX));
}

} // namespace

QSize SkaleretStorrelse(int Mode, int v, int W, int H)
{
    const TImageMani::TScaledSize size = Mode == TScaleform::ModeProcent
                                             ? TImageMani::ScaledByPercent(v, W, H)
                                             : TImageMani::ScaledToSide(Mode == TScaleform::ModeBredde, v, W, H);
    return {ClampedInt(size.Width), ClampedInt(size.Height)};
}

TScaleform::TScaleform(TMainServices& Services, QWidget* parent) : QDialog(parent), FServices(Services)
{
    setObjectName("Scaleform");
    setModal(true);
    InputLabel = new QLabel(this);
    UnitLabel = new QLabel(this);
    Input = new QLineEdit(this);
    Input->setObjectName("Input");
    connect(Input, &QLineEdit::textChanged, this, [this] { InputChange(); });

    Metode = new QGroupBox(this);
    FraBillede = new QRadioButton(Metode);
    FraBillede->setObjectName("FraBillede");
    FraFil = new QRadioButton(Metode);
    FraFil->setObjectName("FraFil");
    FMetodeGruppe = new QButtonGroup(this);
    FMetodeGruppe->addButton(FraBillede, 0);
    FMetodeGruppe->addButton(FraFil, 1);
    connect(FMetodeGruppe, &QButtonGroup::idClicked, this, [this](int id) { MetodeClick(id == 1); });
    InfoLabel = new QLabel(Metode);
    InfoLabel->setWordWrap(true);
    auto* metode = new QVBoxLayout(Metode);
    metode->addWidget(FraBillede);
    metode->addWidget(FraFil);
    metode->addWidget(InfoLabel);

    NyBredde = new QLineEdit(this);
    NyBredde->setObjectName("NyBredde");
    NyHojde = new QLineEdit(this);
    NyHojde->setObjectName("NyHojde");
    for (QLineEdit* e : {NyBredde, NyHojde}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    FBreddeLabel = new QLabel(this);
    FHojdeLabel = new QLabel(this);

    SkalerKnap = new QPushButton(this);
    SkalerKnap->setObjectName("SkalerKnap");
    SkalerKnap->setDefault(true);
    AnnullerKnap = new QPushButton(this);
    AnnullerKnap->setObjectName("AnnullerKnap");
    connect(SkalerKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(AnnullerKnap, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(InputLabel, 0, 0);
    grid->addWidget(Input, 0, 1);
    grid->addWidget(UnitLabel, 0, 2);
    grid->addWidget(FBreddeLabel, 1, 0);
    grid->addWidget(NyBredde, 1, 1);
    grid->addWidget(new QLabel("pixels", this), 1, 2);
    grid->addWidget(FHojdeLabel, 2, 0);
    grid->addWidget(NyHojde, 2, 1);
    grid->addWidget(new QLabel("pixels", this), 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SkalerKnap);
    buttons->addWidget(AnnullerKnap);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Metode);
    layout->addLayout(buttons);
    resize(360, 260);

    const TOptions& opt = Services.Options();
    HentPosition(opt);
    SetSprog(Services.Engelsk());
}

void TScaleform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk;
    setWindowTitle(Sprogtekst(Engelsk, "Skaler billede", "Scale picture"));
    Metode->setTitle(Sprogtekst(Engelsk, "Metode", "Method"));
    FraBillede->setText(Sprogtekst(Engelsk, "Skaler fra billede", "Scale from picture"));
    FraFil->setText(Sprogtekst(Engelsk, "Skaler fra fil", "Scale from file"));
    FBreddeLabel->setText(Sprogtekst(Engelsk, "Ny bredde", "New width"));
    FHojdeLabel->setText(Sprogtekst(Engelsk, "Ny højde", "New height"));
    SkalerKnap->setText(Sprogtekst(Engelsk, "Skaler", "Scale"));
    AnnullerKnap->setText(Sprogtekst(Engelsk, "Annuller", "Cancel"));
    ShowInfo(FraFil->isChecked(), FInfoValgt);
}

void TScaleform::Forbered(const QString& InputText, const QString& UnitText, const QString& Value, int Mode)
{
    InputLabel->setText(InputText);
    UnitLabel->setText(UnitText);
    ScaleMode = Mode;
    FGodTekst = Value;
    const QSignalBlocker block(Input);
    Input->setText(Value);
    ScaleProcent = TAlmenX::EditPosInteger(Value);
}

bool TScaleform::Spoerg()
{
    return exec() == QDialog::Accepted;
}

void TScaleform::HentPosition(const TOptions& Opt)
{
    PlaceAt(this, Opt.ScaleX, Opt.ScaleY);
}

void TScaleform::GemPosition(TOptions& Opt) const
{
    Opt.ScaleX = x();
    Opt.ScaleY = y();
}

void TScaleform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FPicture = FServices.ActivePicture();
    const bool fraFil = FPicture && FPicture->ScaleFraFil();
    (fraFil ? FraFil : FraBillede)->setChecked(true);
    Metode->setEnabled(FPicture);
    ShowInfo(fraFil, false);
    VisStorrelse();
    Input->setFocus();
    Input->end(false);
}

void TScaleform::MetodeClick(bool FraFilValgt)
{
    if (FPicture)
        FPicture->SetScaleFraFil(FraFilValgt);
    ShowInfo(FraFilValgt, true);
    VisStorrelse();
}

void TScaleform::ShowInfo(bool FraFilValgt, bool Valgt)
{
    FInfoValgt = Valgt;
    const QString end = Valgt ? "." : "!";
    if (FraFilValgt)
        InfoLabel->setText(Sprogtekst(Sprog, "Billedet der skaleres ud fra hentes fra fil og alle modifikationer vil gå tabt" + end,
                                      "The picture used to scaling is loaded from file and all modification will be lost!"));
    else
        InfoLabel->setText(Sprogtekst(Sprog, "Der skaleres ud fra aktuelle billede således at modifikationer forsøges bevaret" + end,
                                      "The picture used to scaling is the actual picture!"));
}

void TScaleform::InputChange()
{
    bool ok = true;
    const int value = TAlmenX::EditPosInteger(Input->text(), &ok);
    // A number beyond 32 bits keeps the last good text.
    const QString text = ok ? QString::number(value) : FGodTekst;
    FGodTekst = text;
    if (Input->text() != text) {
        Input->setText(text); // comes back here once with the filtered text
        return;
    }
    ScaleProcent = value;
    VisStorrelse();
}

QSize TScaleform::KildeStorrelse() const
{
    if (!FPicture)
        return {0, 0};
    const QSize picture(FPicture->Picture().Width(), FPicture->Picture().Height());
    if (!FPicture->ScaleFraFil() || !QFileInfo(FPicture->Filnavn()).isFile())
        return picture;
    // The header tells the size without reading the pixels; an icon scales from its largest entry.
    QImageReader reader(FPicture->Filnavn());
    QSize largest;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QSize s = reader.size();
        if (qint64(s.width()) * s.height() > qint64(largest.width()) * largest.height())
            largest = s;
    }
    return largest.isValid() && !largest.isEmpty() ? largest : picture;
}

void TScaleform::VisStorrelse()
{
    const QSize source = KildeStorrelse();
    const QSize made = SkaleretStorrelse(ScaleMode, TAlmenX::EditPosInteger(Input->text()), source.width(), source.height());
    NyBredde->setText(QString::number(made.width()));
    NyHojde->setText(QString::number(made.height()));
}
