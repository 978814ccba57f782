// The multicolour page: the colour method and the figure parameters of the multicolour tools,
// each control shown or enabled for the tools that use it.
#include "engine/ImagePic.h"
#include "platform/ToolIcons.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include "toolprops/ToolPreview.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <climits>

namespace {
// A row of a caption and its controls.
QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* w = new QWidget(parent);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* c : widgets) {
        c->setParent(w);
        row->addWidget(c);
    }
    row->addStretch(1);
    return w;
}

bool OneOf(int tool, std::initializer_list<int> tools)
{
    return std::find(tools.begin(), tools.end(), tool) != tools.end();
}
} // namespace

void TTpform::BuildMulti()
{
    QVBoxLayout* left = PreviewPage(pgMulti, "Multifarver", "Multicolors", Pic6, 65);
    QWidget* page = Side[pgMulti];
    auto label = [this, page](const char* da, const char* en) {
        auto* l = new QLabel(page);
        Caption(l, da, en);
        return l;
    };
    auto changed = [this] { Modified(pgMulti); };

    RetningBox = new QComboBox(page);
    RetningBox->setObjectName("RetningBox");
    for (int i = 0; i < 6; ++i)
        RetningBox->addItem(ToolIcon(QStringLiteral("Retning%1").arg(i)), QString());
    Hint(RetningBox, "Retning for gentagelser", "Direction of repetition");
    connect(RetningBox, &QComboBox::activated, this, changed);
    MetodeBox = new QComboBox(page);
    MetodeBox->setObjectName("MetodeBox");
    MetodeBox->addItems(QStringList(4, QString()));
    static const char* const methods[4][2] = {
        {"Tilfældig", "Random"}, {"Interval", "Fade"}, {"Mellem", "Random fade"}, {"Paradox", "Paradox"}};
    for (int i = 0; i < 4; ++i)
        Text([this, i](const QString& s) { MetodeBox->setItemText(i, s); }, methods[i][0], methods[i][1]);
    connect(MetodeBox, &QComboBox::activated, this, changed);
    left->addWidget(Row(page, {RetningBox, MetodeBox}));

    auto numberRow = [&](TNumEdit*& edit, const char* name, const char* da, const char* en) {
        edit = NewEdit(page, TNumEdit::nrByte, 0, 255);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(3);
        edit->OnValue = [changed](int) { changed(); };
        TNumEdit* e = edit;
        QWidget* buttons = NumberButtonRow(page, {1, 2, 3, 4, 5}, [e, changed](int n) {
            e->SetValue(n);
            changed();
        });
        left->addWidget(Row(page, {label(da, en), edit, buttons}));
    };
    numberRow(ProduEdit, "ProduEdit", "Antal", "Number");
    numberRow(FrekvensEdit, "FrekvensEdit", "Frekvens", "Frequensy");

    MellemCheck = new QCheckBox(page);
    MellemCheck->setObjectName("MellemCheck");
    Caption(MellemCheck, "Mellemfarve", "Middle color");
    Hint(MellemCheck, "Anvend mellemfarve", "Use middle color");
    connect(MellemCheck, &QCheckBox::clicked, this, changed);
    MinDimCheck = new QCheckBox(page);
    MinDimCheck->setObjectName("MinDimCheck");
    Caption(MinDimCheck, "Mindste mål", "Smallest size");
    Hint(MinDimCheck, "Anvend minimums dimensioner for faveovergang", "Uses smallest dimension for color change in fade");
    connect(MinDimCheck, &QCheckBox::clicked, this, changed);
    left->addWidget(Row(page, {MellemCheck, MinDimCheck}));

    auto edit = [&](TNumEdit*& e, const char* name, int rule, int start, const QString& suffix = {}) {
        e = NewEdit(page, rule, 0, rule == TNumEdit::nrByte ? 255 : INT_MAX, suffix);
        e->setObjectName(QLatin1String(name));
        e->SetValue(start);
        e->OnValue = [changed](int) { changed(); };
        return e;
    };
    CentrumRow = Row(page, {label("Centrum X", "X center"), edit(CentrumXEdit, "CentrumXEdit", TNumEdit::nrByte, 50, "%"),
                            label("Centrum Y", "Y center"), edit(CentrumYEdit, "CentrumYEdit", TNumEdit::nrByte, 50, "%")});
    left->addWidget(CentrumRow);
    FormRekt = new QRadioButton(page);
    FormRekt->setObjectName("FormRekt");
    Caption(FormRekt, "Rektangel", "Rectangle");
    FormRekt->setChecked(true);
    FormEllipse = new QRadioButton(page);
    FormEllipse->setObjectName("FormEllipse");
    Caption(FormEllipse, "Ellipse", "Ellipse");
    connect(FormRekt, &QRadioButton::clicked, this, changed);
    connect(FormEllipse, &QRadioButton::clicked, this, changed);
    FormRow = Row(page, {label("Form", "Form"), FormRekt, FormEllipse});
    left->addWidget(FormRow);
    GraderRow = Row(page, {label("Grader", "Degrees"), edit(GraderEdit, "GraderEdit", TNumEdit::nrPosInteger, 400),
                           label("Start", "Start"), edit(StartEdit, "StartEdit", TNumEdit::nrPosInteger, 0),
                           label("Slut", "End"), edit(SlutEdit, "SlutEdit", TNumEdit::nrPosInteger, 399)});
    left->addWidget(GraderRow);
    FunktionBox = new QComboBox(page);
    FunktionBox->setObjectName("FunktionBox");
    FunktionBox->addItems(QStringList(4, QString()));
    static const char* const functions[4][2] = {
        {"Sinus", "Sin"}, {"Cosinus", "Cos"}, {"Tangens", "Tan"}, {"Cotangens", "Cotan"}};
    for (int i = 0; i < 4; ++i)
        Text([this, i](const QString& s) { FunktionBox->setItemText(i, s); }, functions[i][0], functions[i][1]);
    connect(FunktionBox, &QComboBox::activated, this, changed);
    FunkRow = Row(page, {FunktionBox, label("Bredde", "Width"), edit(FunkBEdit, "FunkBEdit", TNumEdit::nrPosInteger, 20),
                         label("Højde", "Height"), edit(FunkHEdit, "FunkHEdit", TNumEdit::nrPosInteger, 20)});
    left->addWidget(FunkRow);
    left->addStretch(1);

    RetningBox->setCurrentIndex(0);
    MetodeBox->setCurrentIndex(1);
    FunktionBox->setCurrentIndex(0);
    ProduEdit->SetValue(1);
    FrekvensEdit->SetValue(1);
    AdaptMulti(65);
}

void TTpform::AdaptMulti(int tool)
{
    RetningBox->setEnabled(OneOf(tool, {60, 61, 65}));
    MinDimCheck->setEnabled(OneOf(tool, {62, 63, 70, 71}));
    CentrumRow->setVisible(OneOf(tool, {62, 63, 64, 70, 71, 80}));
    FormRow->setVisible(!OneOf(tool, {70, 71, 80}));
    GraderRow->setVisible(tool == 80);
    FunkRow->setVisible(tool == 65);
}

void TTpform::SetMultiValues(TImagePic& p) const
{
    const int tool = Pic6->ToolNr();
    if (OneOf(tool, {60, 61, 65}))
        p.SetRepRetning(TRepRet(RetningBox->currentIndex()));
    p.SetFarveMetode(TFarveMet(MetodeBox->currentIndex()));
    p.SetProduAntal(ProduEdit->Value());
    p.SetFrekvens(FrekvensEdit->Value());
    p.SetUseMellem(MellemCheck->isChecked());
    p.SetMinColDim(MinDimCheck->isChecked());
    p.SetCentrumX(CentrumXEdit->Value());
    p.SetCentrumY(CentrumYEdit->Value());
    p.SetFadeStregType(FormEllipse->isChecked() ? ftElipse : ftRektangel);
    p.SetSomEllipse(FormEllipse->isChecked());
    p.SetGrader(GraderEdit->Value());
    p.SetStartGrad(StartEdit->Value());
    p.SetSlutGrad(SlutEdit->Value());
    p.SetFunktion(TFunkType(FunktionBox->currentIndex()));
    p.SetFunkBredde(FunkBEdit->Value());
    p.SetFunkHojde(FunkHEdit->Value());
}

void TTpform::RealiserMulti(TImagePic& p)
{
    SetMultiValues(p);
}

void TTpform::HentMulti(TImagePic& p)
{
    if (OneOf(Pic6->ToolNr(), {60, 61, 65}))
        RetningBox->setCurrentIndex(p.RepRetning());
    MetodeBox->setCurrentIndex(p.FarveMetode());
    ProduEdit->SetValue(p.ProduAntal());
    FrekvensEdit->SetValue(p.Frekvens());
    MellemCheck->setChecked(p.UseMellem());
    MinDimCheck->setChecked(p.MinColDim());
    CentrumXEdit->SetValue(p.CentrumX());
    CentrumYEdit->SetValue(p.CentrumY());
    FormEllipse->setChecked(p.FadeStregType() == ftElipse);
    FormRekt->setChecked(p.FadeStregType() != ftElipse);
    GraderEdit->SetValue(p.Grader());
    StartEdit->SetValue(p.StartGrad());
    SlutEdit->SetValue(p.SlutGrad());
    FunktionBox->setCurrentIndex(p.Funktion());
    FunkBEdit->SetValue(p.FunkBredde());
    FunkHEdit->SetValue(p.FunkHojde());
}
