#include "colours/Justform.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColourSlider.h"
#include "dialogs/Centre.h"
#include "engine/ImagePic.h"
#include "util/AlmenX.h"
#include "widgets/Rulskakt.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLabelWidth = 46;
constexpr int kEditWidth = 33;
} // namespace

TJustform::TJustform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : QDialog(parent, Qt::Tool), FServices(Services), FPainters(Painters)
{
    setObjectName("Justform");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(2);
    TekstRGBmax = new QLabel(this);
    TekstRGBmax->setAlignment(Qt::AlignCenter);
    layout->addWidget(TekstRGBmax);
    AddRow(RedFelt, REdit, Rulskakt1, 255, "REdit", "Rulskakt1");
    AddRow(Greenfelt, GEdit, Rulskakt2, 255, "GEdit", "Rulskakt2");
    AddRow(Bluefelt, BEdit, Rulskakt3, 255, "BEdit", "Rulskakt3");
    TekstRGBmin = new QLabel(this);
    TekstRGBmin->setAlignment(Qt::AlignCenter);
    layout->addWidget(TekstRGBmin);
    AddRow(Redfeltmin, Edit1, Rulskakt4, 0, "Edit1", "Rulskakt4");
    AddRow(Greenfeltmin, Edit2, Rulskakt5, 0, "Edit2", "Rulskakt5");
    AddRow(Bluefeltmin, Edit3, Rulskakt6, 0, "Edit3", "Rulskakt6");
    FSliders[0] = Rulskakt1, FSliders[1] = Rulskakt2, FSliders[2] = Rulskakt3;
    FSliders[3] = Rulskakt4, FSliders[4] = Rulskakt5, FSliders[5] = Rulskakt6;

    okKnap = new QPushButton(this);
    okKnap->setObjectName("okKnap");
    // Enter on the focused button runs the adjustment, also outside a modal loop.
    okKnap->setAutoDefault(true);
    connect(okKnap, &QPushButton::clicked, this, &TJustform::JusterFarver);
    layout->addWidget(okKnap, 0, Qt::AlignHCenter);
    resize(257, 199);

    const TOptions& opt = Services.Options();
    PlaceAt(this, opt.JustX, opt.JustY);
    SetSprog(Services.Engelsk());
}

void TJustform::AddRow(QLabel*& label, QLineEdit*& edit, TRulskakt*& slider, int start, const char* editName,
                       const char* sliderName)
{
    auto* row = new QHBoxLayout;
    label = new QLabel(this);
    label->setFixedWidth(kLabelWidth);
    edit = new QLineEdit(QString::number(start), this);
    edit->setObjectName(QLatin1String(editName));
    edit->setFixedWidth(kEditWidth);
    edit->setMaxLength(3);
    slider = NewColourSlider(this, FPainters, 0, 255, start);
    slider->setObjectName(QLatin1String(sliderName));
    row->addWidget(label);
    row->addWidget(edit);
    row->addWidget(slider, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);

    // Typing: the byte rule cleans the text, the slider follows.
    connect(edit, &QLineEdit::textChanged, this, [edit, slider](const QString& text) {
        const uint8_t value = TAlmenX::EditByte(text);
        const QString clean = QString::number(value);
        if (clean != text) {
            edit->setText(clean);
            edit->setCursorPosition(clean.size());
        }
        slider->SetPosition(value);
    });
    // Sliding: the edit shows the position.
    slider->OnPosition = [edit](TObject*, int position) {
        const QString text = QString::number(position);
        if (edit->text() != text)
            edit->setText(text);
        edit->setCursorPosition(text.size());
    };
}

uint8_t TJustform::Limit(int Nr) const
{
    return static_cast<uint8_t>(FSliders[Nr]->Position());
}

void TJustform::JusterFarver()
{
    if (TImagePic* picture = FServices.ActivePicture())
        picture->JusterFarver(Limit(3), Limit(4), Limit(5), Limit(0), Limit(1), Limit(2));
}

void TJustform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk ? 1 : 0;
    setWindowTitle(Sprogtekst(Engelsk, "Juster farver", "Adjust colors"));
    TekstRGBmax->setText(Sprogtekst(Engelsk, "Maximum af rød, grøn og blå", "Maximum of red, green and blue"));
    TekstRGBmin->setText(Sprogtekst(Engelsk, "Minimum af rød, grøn og blå", "Minimum of red, green and blue"));
    okKnap->setText(Sprogtekst(Engelsk, "Reguler", "Regulate"));
    for (QLabel* l : {RedFelt, Redfeltmin})
        l->setText(Sprogtekst(Engelsk, "Rød", "Red"));
    for (QLabel* l : {Greenfelt, Greenfeltmin})
        l->setText(Sprogtekst(Engelsk, "Grøn", "Green"));
    for (QLabel* l : {Bluefelt, Bluefeltmin})
        l->setText(Sprogtekst(Engelsk, "Blå", "Blue"));
}

void TJustform::GemPosition(TOptions& Opt) const
{
    Opt.JustX = x();
    Opt.JustY = y();
}

void TJustform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (FServices.ActivePicture())
        okKnap->setFocus();
}
