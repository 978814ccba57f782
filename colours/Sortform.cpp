#include "colours/Sortform.h"
#include "widgets/ScreenFit.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColorPan.h"
#include "colours/ColourSlider.h"
#include "util/AlmenX.h"
#include "widgets/Rulskakt.h"
#include <QEvent>
#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSortform::TSortform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Sortform"));
    const TOptions& Opt = Services.Options();
    auto* lay = new QGridLayout(this);
    FLabels[0] = new QLabel(this);
    lay->addWidget(FLabels[0], 0, 0, 1, 3);
    const int start[3] = {Opt.RPos, Opt.GPos, Opt.BPos};
    TRulskakt** bars[3] = {&RBar, &GBar, &BBar};
    QLineEdit** edits[3] = {&REdit, &GEdit, &BEdit};
    for (int k = 0; k < 3; ++k) {
        FLabels[k + 1] = new QLabel(this);
        *bars[k] = NewColourSlider(this, Painters, 1, 32, std::clamp(start[k], 1, 32));
        (*bars[k])->setMinimumWidth(160);
        *edits[k] = new QLineEdit(QString::number((*bars[k])->Position()), this);
        (*edits[k])->setMaxLength(k == 0 ? 2 : 3);
        (*edits[k])->setFixedWidth(36);
        lay->addWidget(FLabels[k + 1], k + 1, 0);
        lay->addWidget(*bars[k], k + 1, 1);
        lay->addWidget(*edits[k], k + 1, 2);
        (*bars[k])->OnPosition = [this, k](TObject*, int pos) { BarChange(k, pos); };
        connect(*edits[k], &QLineEdit::textEdited, this, [this, k] { EditChange(k); });
    }
    GendanKnap = new QPushButton(this);
    RealiserKnap = new QPushButton(this);
    LukKnap = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {GendanKnap, RealiserKnap, LukKnap})
        buttons->addWidget(b);
    lay->addLayout(buttons, 4, 0, 1, 3);
    connect(GendanKnap, &QPushButton::clicked, this, &TSortform::GendanClick);
    connect(RealiserKnap, &QPushButton::clicked, this, &TSortform::SorterFarvePalette);
    connect(LukKnap, &QPushButton::clicked, this, &QWidget::close);
    PlaceOnScreen(this, QPoint(Opt.SorX, Opt.SorY));
    SetSprog(Services.Engelsk());
}

void TSortform::SetSprog(bool Engelsk)
{
    const auto t = [Engelsk](const char* da, const char* en) { return Sprogtekst(Engelsk, da, en); };
    setWindowTitle(t("Sorter farver", "Arrange colors"));
    FLabels[0]->setText(t("RGB relativ vægtning", "RGB relative value"));
    FLabels[1]->setText(t("Rød", "Red"));
    FLabels[2]->setText(t("Grøn", "Green"));
    FLabels[3]->setText(t("Blå", "Blue"));
    GendanKnap->setText(t("Gendan", "Reset"));
    RealiserKnap->setText(t("Realiser", "Sort"));
    LukKnap->setText(t("Luk", "Close"));
}

TRulskakt* TSortform::Bar(int Kanal) const
{
    return Kanal == 0 ? RBar : Kanal == 1 ? GBar : BBar;
}

QLineEdit* TSortform::EditAf(int Kanal) const
{
    return Kanal == 0 ? REdit : Kanal == 1 ? GEdit : BEdit;
}

void TSortform::BarChange(int Kanal, int Pos)
{
    EditAf(Kanal)->setText(QString::number(Pos));
}

void TSortform::EditChange(int Kanal)
{
    QLineEdit* edit = EditAf(Kanal);
    // An emptied field waits for the next digit.
    if (edit->text().isEmpty())
        return;
    TRulskakt* bar = Bar(Kanal);
    bar->SetPosition(TAlmenX::EditByte(edit->text()));
    // The field shows the weight the slider took (1 .. 32), not the typed number.
    edit->setText(QString::number(bar->Position()));
    edit->setCursorPosition(edit->text().size());
}

void TSortform::Sorter(TColorPan& Pan)
{
    Pan.SorterColors(RBar->Position(), GBar->Position(), BBar->Position());
}

void TSortform::SorterFarvePalette()
{
    if (TColorPan* pan = Panel ? Panel(Palnummer) : nullptr)
        Sorter(*pan);
}

void TSortform::GendanClick()
{
    RBar->SetPosition(8);
    GBar->SetPosition(16);
    BBar->SetPosition(1);
}

void TSortform::GemPosition(TOptions& Opt) const
{
    Opt.SorX = x();
    Opt.SorY = y();
    Opt.RPos = RBar->Position();
    Opt.GPos = GBar->Position();
    Opt.BPos = BBar->Position();
    Opt.SorVis = isVisible();
}

void TSortform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RealiserKnap->setFocus();
}

void TSortform::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RealiserKnap->setFocus();
}
