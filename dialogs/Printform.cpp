#include "dialogs/Printform.h"
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include "appcore/Message.h"
#include "dialogs/BitmapPrint.h"
#include "dialogs/PrintformPreview.h"
#include "dialogs/PrintformSetup.h"
#include "platform/Bitmap.h"
#include "util/AlmenX.h"

namespace {

constexpr int kPresets[] = {25, 50, 100, 200, 300, 400, 500, 600};
constexpr int kSteps[] = {10, 50, 100};
enum { FlytVenstre, FlytHojre, FlytOp, FlytNed };

// Refuses typed text longer than Length (a validator does not see setText).
class TLengthValidator : public QValidator {
public:
    TLengthValidator(int Length, QObject* parent) : QValidator(parent), FLength(Length) {}
    State validate(QString& input, int&) const override
    {
        return input.size() <= FLength ? Acceptable : Invalid;
    }

private:
    int FLength;
};

QLabel* NewLabel(QWidget* parent)
{
    return new QLabel(parent);
}

} // namespace

TPrintform::TPrintform(TBitmapPrint& BitmapPrint, QWidget* parent)
    : QDialog(parent), FBitmapPrint(BitmapPrint)
{
    setObjectName("Printform");
    setModal(true);
    okKnap = new QPushButton(this);
    okKnap->setObjectName("okKnap");
    okKnap->setDefault(true);
    cancelKnap = new QPushButton(this);
    cancelKnap->setObjectName("cancelKnap");
    connect(okKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelKnap, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildMargner());
    left->addWidget(BuildStorrelse());
    left->addWidget(BuildFlyt());
    left->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(BuildBilledeOgPapir(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okKnap);
    buttons->addWidget(cancelKnap);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    Edit1->setText("0");
    Edit2->setText("0");
    EditProcent->setText("100");
    Edit5->setText("1");
    SetSprog(false);
    Beregn();
}

QLineEdit* TPrintform::AddFelt(const char* Name, bool Input)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Name);
    edit->setMaximumWidth(70);
    edit->setAlignment(Qt::AlignRight);
    if (Input) {
        // Typing is held to four characters; numbers the dialog writes itself are not cut.
        edit->setValidator(new TLengthValidator(4, edit));
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { FeltChange(edit); });
    } else {
        edit->setEnabled(false);
    }
    return edit;
}

QWidget* TPrintform::BuildMargner()
{
    FMargner = new QGroupBox(this);
    Edit1 = AddFelt("Edit1", true);
    Edit2 = AddFelt("Edit2", true);
    Edit3 = AddFelt("Edit3", false);
    Edit4 = AddFelt("Edit4", false);
    FVenstreLabel = NewLabel(FMargner);
    FTopLabel = NewLabel(FMargner);
    FHojreLabel = NewLabel(FMargner);
    FBundLabel = NewLabel(FMargner);
    auto* grid = new QGridLayout(FMargner);
    grid->addWidget(FVenstreLabel, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(FHojreLabel, 0, 2);
    grid->addWidget(Edit3, 0, 3);
    grid->addWidget(FTopLabel, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(FBundLabel, 1, 2);
    grid->addWidget(Edit4, 1, 3);
    return FMargner;
}

QWidget* TPrintform::BuildStorrelse()
{
    auto* box = new QWidget(this);
    EditProcent = AddFelt("EditProcent", true);
    Edit5 = AddFelt("Edit5", true);
    FStorrelseLabel = NewLabel(box);
    FKopierLabel = NewLabel(box);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(FStorrelseLabel, 0, 0);
    grid->addWidget(EditProcent, 0, 1);
    grid->addWidget(new QLabel("%", box), 0, 2);
    grid->addWidget(FKopierLabel, 0, 3);
    grid->addWidget(Edit5, 0, 4);
    ButtonGroup1 = new QButtonGroup(this);
    auto* presets = new QGridLayout;
    for (int i = 0; i < int(std::size(kPresets)); ++i) {
        auto* knap = new QPushButton(QString::number(kPresets[i]) + "%", box);
        knap->setObjectName(QString("Preset%1").arg(kPresets[i]));
        ButtonGroup1->addButton(knap, i);
        presets->addWidget(knap, i / 4, i % 4);
    }
    connect(ButtonGroup1, &QButtonGroup::idClicked, this,
            [this](int id) { SetFelt(EditProcent, kPresets[id]); });
    grid->addLayout(presets, 1, 0, 1, 5);
    return box;
}

QWidget* TPrintform::BuildFlyt()
{
    FFlytBillede = new QGroupBox(this);
    ButtonGroup2 = new QButtonGroup(this);
    const Qt::ArrowType arrows[] = {Qt::LeftArrow, Qt::RightArrow, Qt::UpArrow, Qt::DownArrow};
    const char* names[] = {"FlytVenstre", "FlytHojre", "FlytOp", "FlytNed"};
    auto* cross = new QGridLayout;
    const int places[][2] = {{1, 0}, {1, 2}, {0, 1}, {2, 1}};
    for (int i = 0; i < 4; ++i) {
        auto* knap = new QToolButton(FFlytBillede);
        knap->setObjectName(names[i]);
        knap->setArrowType(arrows[i]);
        ButtonGroup2->addButton(knap, i);
        cross->addWidget(knap, places[i][0], places[i][1]);
    }
    connect(ButtonGroup2, &QButtonGroup::idClicked, this, [this](int id) { Flyt(id); });
    StepGroup = new QButtonGroup(this);
    auto* steps = new QVBoxLayout;
    for (int i = 0; i < int(std::size(kSteps)); ++i) {
        auto* knap = new QToolButton(FFlytBillede);
        knap->setObjectName(QString("SpeedButton%1").arg(i + 1));
        knap->setText(QString::number(kSteps[i]));
        knap->setCheckable(true);
        knap->setChecked(kSteps[i] == flytInterval);
        StepGroup->addButton(knap, i);
        steps->addWidget(knap);
    }
    connect(StepGroup, &QButtonGroup::idClicked, this, [this](int id) { flytInterval = kSteps[id]; });
    centHknap = new QPushButton(FFlytBillede);
    centHknap->setObjectName("centHknap");
    centVknap = new QPushButton(FFlytBillede);
    centVknap->setObjectName("centVknap");
    connect(centHknap, &QPushButton::clicked, this, [this] {
        SetFelt(Edit1, CentrerPosition(Edit7->text().toInt(), Layout().Bredde));
    });
    connect(centVknap, &QPushButton::clicked, this, [this] {
        SetFelt(Edit2, CentrerPosition(Edit8->text().toInt(), Layout().Hojde));
    });
    auto* centre = new QVBoxLayout;
    centre->addWidget(centHknap);
    centre->addWidget(centVknap);
    auto* row = new QHBoxLayout(FFlytBillede);
    row->addLayout(cross);
    row->addLayout(steps);
    row->addLayout(centre);
    return FFlytBillede;
}

QWidget* TPrintform::BuildBilledeOgPapir()
{
    FBilledeOgPapir = new QGroupBox(this);
    papir = new TPrintPreview;
    auto* scroll = new QScrollArea(FBilledeOgPapir);
    scroll->setObjectName("PreviewArea");
    scroll->setWidget(papir);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setMinimumSize(340, 440);
    Edit6 = AddFelt("Edit6", false);
    Edit9 = AddFelt("Edit9", false);
    Edit7 = AddFelt("Edit7", false);
    Edit8 = AddFelt("Edit8", false);
    FBilledeLabel = NewLabel(FBilledeOgPapir);
    FPapirLabel = NewLabel(FBilledeOgPapir);
    FBreddeLabel = NewLabel(FBilledeOgPapir);
    FHojdeLabel = NewLabel(FBilledeOgPapir);
    auto* sizes = new QGridLayout;
    sizes->addWidget(FBreddeLabel, 0, 1);
    sizes->addWidget(FHojdeLabel, 0, 2);
    sizes->addWidget(FBilledeLabel, 1, 0);
    sizes->addWidget(Edit6, 1, 1);
    sizes->addWidget(Edit9, 1, 2);
    sizes->addWidget(FPapirLabel, 2, 0);
    sizes->addWidget(Edit7, 2, 1);
    sizes->addWidget(Edit8, 2, 2);
    auto* column = new QVBoxLayout(FBilledeOgPapir);
    column->addWidget(scroll, 1);
    column->addLayout(sizes);
    return FBilledeOgPapir;
}

void TPrintform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk;
    setWindowTitle(Sprogtekst(Engelsk, "Udskriv billede", "Print picture"));
    FMargner->setTitle(Sprogtekst(Engelsk, "Margner", "Margins"));
    FBilledeOgPapir->setTitle(Sprogtekst(Engelsk, "Billede og papir", "Picture and paper"));
    FFlytBillede->setTitle(Sprogtekst(Engelsk, "Flyt billede", "Move picture"));
    FVenstreLabel->setText(Sprogtekst(Engelsk, "Venstre", "Left"));
    FTopLabel->setText("Top");
    FHojreLabel->setText(Sprogtekst(Engelsk, "Højre", "Right"));
    FBundLabel->setText(Sprogtekst(Engelsk, "Bund", "Bottom"));
    FKopierLabel->setText(Sprogtekst(Engelsk, "Antal kopier", "Number of copies"));
    FStorrelseLabel->setText(Sprogtekst(Engelsk, "Størrelse", "Size"));
    FBreddeLabel->setText(Sprogtekst(Engelsk, "Bredde", "Width"));
    FHojdeLabel->setText(Sprogtekst(Engelsk, "Højde", "Height"));
    FBilledeLabel->setText(Sprogtekst(Engelsk, "Billede", "Picture"));
    FPapirLabel->setText(Sprogtekst(Engelsk, "Papir", "Paper"));
    centHknap->setText(Sprogtekst(Engelsk, "Centrer vandret", "Center horizontally"));
    centVknap->setText(Sprogtekst(Engelsk, "Centrer lodret", "Center vertically"));
    okKnap->setText(Sprogtekst(Engelsk, "Udskriv", "Print"));
    cancelKnap->setText(Sprogtekst(Engelsk, "Annuller", "Cancel"));
    const char* dansk[] = {"Flyt til venstre", "Flyt til højre", "Flyt op", "Flyt ned"};
    const char* english[] = {"Move left", "Move right", "Move up", "Move down"};
    for (int i = 0; i < 4; ++i)
        ButtonGroup2->button(i)->setToolTip(Sprogtekst(Engelsk, dansk[i], english[i]));
}

int TPrintform::FeltVaerdi(const QLineEdit* Edit)
{
    return std::max(0, TAlmenX::EditInteger(Edit->text()));
}

void TPrintform::SetFelt(QLineEdit* Edit, qint64 Value)
{
    Edit->setText(QString::number(std::clamp<qint64>(Value, 0, INT_MAX)));
}

void TPrintform::FeltChange(QLineEdit* Edit)
{
    bool ok = true;
    const int value = TAlmenX::EditInteger(Edit->text(), &ok);
    // A number beyond 32 bits keeps the field's last good text; a negative one becomes 0,
    // since nothing prints left of or above the page.
    const QString text = ok ? QString::number(std::max(0, value)) : FGodTekst.value(Edit, "0");
    FGodTekst[Edit] = text;
    if (Edit->text() != text) {
        Edit->setText(text); // comes back here once with the filtered text
        return;
    }
    Edit->end(false);
    Beregn();
}

TPrintLayout TPrintform::Layout() const
{
    return BeregnPrintLayout(FPicW, FPicH, FeltVaerdi(EditProcent), FeltVaerdi(Edit1), FeltVaerdi(Edit2),
                             Edit7->text().toInt(), Edit8->text().toInt());
}

void TPrintform::Beregn()
{
    // The constructor sets the inputs before the computed fields exist.
    if (!Edit3 || !Edit6 || !Edit7)
        return;
    const TPrintLayout l = Layout();
    Edit6->setText(QString::number(l.Bredde));
    Edit9->setText(QString::number(l.Hojde));
    Edit3->setText(QString::number(l.Hojre));
    Edit4->setText(QString::number(l.Bund));
    papir->SetLayout(l.Papir, l.Billede);
    // Nothing to print, or no copy of it: "Udskriv" would start an empty job.
    okKnap->setEnabled(l.Bredde > 0 && l.Hojde > 0 && FeltVaerdi(Edit5) > 0);
}

void TPrintform::Flyt(int Retning)
{
    QLineEdit* edit = Retning == FlytVenstre || Retning == FlytHojre ? Edit1 : Edit2;
    const int sign = Retning == FlytVenstre || Retning == FlytOp ? -1 : 1;
    SetFelt(edit, qint64(FeltVaerdi(edit)) + sign * flytInterval);
}

void TPrintform::Forbered(const TBitmap& Picture)
{
    int W = 0, H = 0;
    FBitmapPrint.GetPageSize(W, H);
    FPicW = Picture.Width();
    FPicH = Picture.Height();
    papir->SetBillede(Picture);
    Edit7->setText(QString::number(W));
    Edit8->setText(QString::number(H));
    Edit1->setText(QString::number(FBitmapPrint.X1));
    Edit2->setText(QString::number(FBitmapPrint.Y1));
    EditProcent->setText("400");
    Beregn();
}

bool TPrintform::PrintPicture(const TBitmap& Picture)
{
    Forbered(Picture);
    if (exec() != QDialog::Accepted)
        return false;
    QApplication::processEvents();
    return Udskriv(Picture);
}

bool TPrintform::Udskriv(const TBitmap& Picture)
{
    const TPrintLayout l = Layout();
    const int kopier = FeltVaerdi(Edit5);
    if (kopier <= 0 || l.Bredde <= 0 || l.Hojde <= 0)
        return true;
    bool askedFile = false;
    QPrinter* printer = FBitmapPrint.Printer();
    if (printer && !EnsurePdfFile(*printer, this, Sprog, askedFile))
        return false;
    // The job's numbers; the program's print keeps its own between jobs.
    TBitmapPrint& p = FBitmapPrint;
    const int saved[] = {p.KopiAntal, p.X1, p.Y1, p.X2, p.Y2};
    p.KopiAntal = kopier;
    p.X1 = FeltVaerdi(Edit1);
    p.Y1 = FeltVaerdi(Edit2);
    p.X2 = p.X1 + l.Bredde;
    p.Y2 = p.Y1 + l.Hojde;
    const bool ok = p.PrintStretchDraw(Picture);
    p.KopiAntal = saved[0];
    p.X1 = saved[1];
    p.Y1 = saved[2];
    p.X2 = saved[3];
    p.Y2 = saved[4];
    if (askedFile)
        printer->setOutputFileName(QString());
    if (!ok)
        ShowMessage(Sprogtekst(Sprog, "Udskriften mislykkedes!", "Printing failed!"), this);
    return ok;
}
