#include "dialogs/Flytform.h"
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "dialogs/Centre.h"
#include "engine/ImagePic.h"
#include "util/AlmenX.h"

namespace {
constexpr int kFirstRepeat = 500;
constexpr int kRepeat = 100;
} // namespace

TFlytform::TFlytform(TMainServices& Services, QWidget* parent) : QDialog(parent), FServices(Services)
{
    setObjectName("Flytform");
    setModal(true);
    Timer = new QTimer(this);
    connect(Timer, &QTimer::timeout, this, &TFlytform::TimerTick);

    const Qt::ArrowType arrows[] = {Qt::LeftArrow, Qt::RightArrow, Qt::UpArrow, Qt::DownArrow};
    const char* names[] = {"PilVenstre", "PilHojre", "PilOp", "PilNed"};
    const int places[][2] = {{1, 0}, {1, 2}, {0, 1}, {2, 1}};
    auto* cross = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* pil = new QToolButton(this);
        pil->setObjectName(names[i]);
        pil->setArrowType(arrows[i]);
        pil->setFixedSize(32, 32);
        pil->installEventFilter(this);
        const auto retning = TFlytRetning(i);
        connect(pil, &QToolButton::pressed, this, [this, pil, retning] {
            if (Timer->isActive())
                return;
            FHeld = pil;
            ArrowDown(retning);
        });
        connect(pil, &QToolButton::released, this, &TFlytform::ArrowUp);
        cross->addWidget(pil, places[i][0], places[i][1]);
        Pile[i] = pil;
    }

    FStepLabel = new QLabel(this);
    StepEdit = new QLineEdit("1", this);
    StepEdit->setObjectName("StepEdit");
    StepEdit->setMaxLength(3);
    StepEdit->setMaximumWidth(50);
    connect(StepEdit, &QLineEdit::textChanged, this, &TFlytform::StepChange);
    StepOp = new QToolButton(this);
    StepOp->setObjectName("StepOp");
    StepOp->setArrowType(Qt::UpArrow);
    StepNed = new QToolButton(this);
    StepNed->setObjectName("StepNed");
    StepNed->setArrowType(Qt::DownArrow);
    connect(StepOp, &QToolButton::clicked, this, [this] { if (OnStepUp) OnStepUp(); });
    connect(StepNed, &QToolButton::clicked, this, [this] { if (OnStepDown) OnStepDown(); });

    PosX = new QLineEdit(this);
    PosX->setObjectName("PosX");
    PosY = new QLineEdit(this);
    PosY->setObjectName("PosY");
    for (QLineEdit* e : {PosX, PosY}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setMaximumWidth(60);
    }
    GendanKnap = new QPushButton(this);
    GendanKnap->setObjectName("GendanKnap");
    GendanKnap->installEventFilter(this);
    // Enter in the step field must not restore the picture.
    GendanKnap->setAutoDefault(false);
    connect(GendanKnap, &QPushButton::clicked, this, &TFlytform::GendanClick);
    LukKnap = new QPushButton(this);
    LukKnap->setObjectName("LukKnap");
    LukKnap->setDefault(true);
    connect(LukKnap, &QPushButton::clicked, this, &QDialog::accept);

    auto* step = new QHBoxLayout;
    step->addWidget(FStepLabel);
    step->addWidget(StepEdit);
    step->addWidget(StepOp);
    step->addWidget(StepNed);
    auto* pos = new QHBoxLayout;
    pos->addWidget(new QLabel("X:", this));
    pos->addWidget(PosX);
    pos->addWidget(new QLabel("Y:", this));
    pos->addWidget(PosY);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(GendanKnap);
    buttons->addStretch();
    buttons->addWidget(LukKnap);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(cross);
    layout->addLayout(step);
    layout->addLayout(pos);
    layout->addLayout(buttons);

    SetMoved(false);
    const TOptions& opt = Services.Options();
    HentPosition(opt);
    SetSprog(Services.Engelsk());
}

void TFlytform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk;
    setWindowTitle(Sprogtekst(Engelsk, "Flyt billede", "Move picture"));
    FStepLabel->setText(Sprogtekst(Engelsk, "Flytinterval", "Interval"));
    GendanKnap->setText(Sprogtekst(Engelsk, "Gendan", "Restore"));
    LukKnap->setText(Sprogtekst(Engelsk, "Luk", "Close"));
    StepOp->setToolTip(Sprogtekst(Engelsk, "Forøg flytintervallet", "Increase move interval"));
    StepNed->setToolTip(Sprogtekst(Engelsk, "Formindsk flytintervallet", "Decrease move interval"));
}

void TFlytform::Vis()
{
    exec();
}

void TFlytform::SetPicture(TImagePic* Picture)
{
    FPicture = Picture;
}

void TFlytform::ShowPosition(int X, int Y)
{
    PosX->setText(QString::number(X));
    PosY->setText(QString::number(Y));
}

void TFlytform::SetStepText(const QString& S)
{
    if (StepEdit->text() != S)
        StepEdit->setText(S);
}

void TFlytform::HentPosition(const TOptions& Opt)
{
    PlaceAt(this, Opt.FlytX, Opt.FlytY);
}

void TFlytform::GemPosition(TOptions& Opt) const
{
    Opt.FlytX = x();
    Opt.FlytY = y();
}

void TFlytform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FPicture = FServices.ActivePicture();
    SetMoved(false);
    ShowPosition(0, 0);
    if (FPicture) {
        FPicture->MoveStep = TAlmenX::EditByte(StepEdit->text());
        FPicture->ResetMove();
    }
}

void TFlytform::hideEvent(QHideEvent* event)
{
    ArrowUp();
    QDialog::hideEvent(event);
}

bool TFlytform::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == FHeld && (type == QEvent::Hide || type == QEvent::Leave || type == QEvent::EnabledChange))
        ArrowUp();
    if (watched == GendanKnap && type == QEvent::Enter)
        FServices.InfoHint(Sprogtekst(Sprog, "Annuller alle flytninger", "Undo all movement"));
    return QDialog::eventFilter(watched, event);
}

void TFlytform::ArrowDown(TFlytRetning Retning)
{
    if (Timer->isActive())
        return;
    FRetning = Retning;
    Move();
    Timer->start(kFirstRepeat);
}

void TFlytform::ArrowUp()
{
    Timer->stop();
    FHeld = nullptr;
}

void TFlytform::TimerTick()
{
    // The repeat lives only while its arrow is held and the picture exists.
    if (!FPicture || (FHeld && !FHeld->isDown())) {
        ArrowUp();
        return;
    }
    Timer->setInterval(kRepeat);
    Move();
}

void TFlytform::Move()
{
    if (!FPicture) {
        ArrowUp();
        return;
    }
    FPicture->FlytBillede(FRetning);
    SetMoved(true);
}

void TFlytform::GendanClick()
{
    if (!FMoved || !FPicture)
        return;
    FPicture->AnnullerFlytning();
    FPicture->ResetMove();
    SetMoved(false);
}

void TFlytform::SetMoved(bool Moved)
{
    FMoved = Moved;
    GendanKnap->setEnabled(Moved);
}

void TFlytform::StepChange()
{
    const QString text = QString::number(TAlmenX::EditByte(StepEdit->text()));
    if (StepEdit->text() != text) {
        StepEdit->setText(text); // comes back here once with the filtered text
        return;
    }
    StepEdit->end(false);
    if (FPicture)
        FPicture->MoveStep = uint8_t(text.toInt());
    if (OnStepText)
        OnStepText(text);
}
