#include "colours/Reguform.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColourSlider.h"
#include "dialogs/Centre.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kMaxSteps = 32;
} // namespace

TReguform::TReguform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : QDialog(parent, Qt::Tool), FServices(Services), FPainters(Painters)
{
    setObjectName("Reguform");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(2);
    AddRow(LRed, RBar, EditRed, Red, "Red");
    AddRow(LGreen, GBar, EditGreen, Green, "Green");
    AddRow(LBlue, BBar, EditBlue, Blue, "Blue");
    // The degree of reduction: few steps (much reduction) at the left end.
    auto* ends = new QHBoxLayout;
    ends->setContentsMargins(46, 0, 40, 0);
    ends->addWidget(new QLabel(QStringLiteral("Max"), this));
    ends->addStretch(1);
    ends->addWidget(new QLabel(QStringLiteral("Min"), this));
    layout->addLayout(ends);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    SpeedButton1->setAutoRaise(true);
    layout->addWidget(SpeedButton1, 0, Qt::AlignHCenter);
    resize(257, 150);

    const TOptions& opt = Services.Options();
    PlaceAt(this, opt.ReguX, opt.ReguY);
    SetSprog(Services.Engelsk());
}

void TReguform::AddRow(QLabel*& label, TRulskakt*& bar, QLineEdit*& edit, uint8_t& value, const char* name)
{
    auto* row = new QHBoxLayout;
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("L%1").arg(QLatin1String(name)));
    label->setFixedWidth(46);
    bar = NewColourSlider(this, FPainters, 0, kMaxSteps, value);
    bar->SetIntervalLin(&FPainters.ReguLin);
    bar->setObjectName(QStringLiteral("%1Bar").arg(QLatin1Char(name[0])));
    edit = new QLineEdit(QString::number(value), this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(QLatin1String(name)));
    edit->setFixedWidth(33);
    edit->setEnabled(false);
    row->addWidget(label);
    row->addWidget(bar, 1);
    row->addWidget(edit);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    bar->OnPosition = [&value, edit](TObject*, int position) {
        value = static_cast<uint8_t>(position);
        edit->setText(QString::number(position));
    };
}

void TReguform::DecValues()
{
    Count = Count >= 3 ? 1 : Count + 1;
    if (FServices.Options().AutoDec) {
        TRulskakt* bar = Count == 1 ? RBar : Count == 2 ? GBar : BBar;
        // A slider at 0 stays there (its position is limited to the range).
        bar->SetPosition(bar->Position() - 1);
    }
    if (RBar->Position() == 0 && GBar->Position() == 0 && BBar->Position() == 0) {
        show();
        raise();
    }
}

void TReguform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk ? 1 : 0;
    setWindowTitle(Sprogtekst(Engelsk, "Farve reduceringsgrad", "Color reducement degree"));
    LRed->setText(Sprogtekst(Engelsk, "Rød", "Red"));
    LGreen->setText(Sprogtekst(Engelsk, "Grøn", "Green"));
    LBlue->setText(Sprogtekst(Engelsk, "Blå", "Blue"));
    // Without the command the button says what it would do.
    if (!SpeedButton1->defaultAction())
        SpeedButton1->setText(Sprogtekst(Engelsk, "Reducer farveantal", "Reduce numbers of colors"));
}

void TReguform::GemPosition(TOptions& Opt) const
{
    Opt.ReguX = x();
    Opt.ReguY = y();
}

void TReguform::SetReduAction(QAction* Action)
{
    SpeedButton1->setDefaultAction(Action);
}
