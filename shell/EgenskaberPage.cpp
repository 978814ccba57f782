#include "shell/EgenskaberPage.h"
#include "appcore/Message.h"
#include "colours/ColorPan.h"
#include "colours/ColourControls.h"
#include "shell/ColourList.h"
#include "shell/RadioGroup.h"
#include "shell/StyleList.h"
#include "util/AlmenX.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The frame kinds of the items of ArtBox, in list order: "3D in", "Flat", "3D out".
constexpr TRammeXType kArtItems[3] = {rtInd, rtIngen, rtUd};

int ArtItemOf(TRammeXType art)
{
    switch (art) {
    case rtIngen: return 1;
    case rtUd:
    case rtRifletUd: return 2;
    default: return 0;
    }
}

constexpr int kFieldSide = 14;

// A colour panel of across x down fields of kFieldSide pixels with the given colours.
TColorPan* NewColourPanel(const char* name, int across, int down, QWidget* parent)
{
    TColorPan* pan = ColourControls::NewHoldingPanel(parent, across, down, across * down);
    pan->setObjectName(QString::fromLatin1(name));
    pan->setFixedSize(across * kFieldSide + 1, down * kFieldSide + 1);
    return pan;
}

template <class T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QCheckBox* NewCheck(const char* name, QWidget* parent)
{
    auto* check = Named(new QCheckBox(parent), name);
    return check;
}

QGroupBox* NewGroup(const char* name, QWidget* parent)
{
    return Named(new QGroupBox(parent), name);
}

} // namespace

TEgenskaberPage::TEgenskaberPage(TOptions& Opt, QWidget* parent) : QWidget(parent), Opt(Opt)
{
    setObjectName(QStringLiteral("side5"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* inner = new QWidget(scroll);
    auto* row = new QHBoxLayout(inner);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(BuildStartGroup());
    row->addWidget(BuildLookGroup());
    row->addWidget(BuildPresetGroup());
    row->addWidget(BuildPlacementGroup());
    row->addWidget(BuildLimitsGroup());
    row->addWidget(BuildHistoryGroup());
    row->addWidget(BuildFrameGroup());
    row->addWidget(BuildMagnifierGroup());
    row->addStretch(1);
    scroll->setWidget(inner);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    BuildTexts();
    BuildMagnifierTexts();
    VisOptions();
    VisFrameLook();
}

QWidget* TEgenskaberPage::BuildStartGroup()
{
    QGroupBox* box = NewGroup("opstartBoks", this);
    auto* layout = new QVBoxLayout(box);
    opstartCheck = NewCheck("opstartCheck", box);
    text6Check = NewCheck("text6Check", box);
    text14Check = NewCheck("text14Check", box);
    text13Check = NewCheck("text13Check", box);
    text15Check = NewCheck("text15Check", box);
    for (QCheckBox* check : {opstartCheck, text6Check, text14Check, text13Check, text15Check})
        layout->addWidget(check);
    layout->addStretch(1);
    connect(opstartCheck, &QCheckBox::toggled, this, [this](bool on) { this->Opt.HentPics = on; });
    connect(text6Check, &QCheckBox::toggled, this, [this](bool on) { this->Opt.AP = on; });
    connect(text14Check, &QCheckBox::toggled, this, [this](bool on) { this->Opt.SameTool = on; });
    connect(text13Check, &QCheckBox::toggled, this, [this](bool on) { this->Opt.SameColors = on; });
    connect(text15Check, &QCheckBox::toggled, this, [this](bool on) { this->Opt.AutoDec = on; });
    return box;
}

QWidget* TEgenskaberPage::BuildLookGroup()
{
    QGroupBox* box = NewGroup("designGroup", this);
    auto* layout = new QVBoxLayout(box);
    auto* designLabel = Named(new QLabel(box), "designLabel");
    designBox = Named(new QComboBox(box), "designBox");
    layout->addWidget(designLabel);
    layout->addWidget(designBox);
    sprogBox = Named(new TRadioGroup(2, box), "sprogBox");
    layout->addWidget(sprogBox);
    layout->addStretch(1);
    connect(designBox, &QComboBox::textActivated, this, &TEgenskaberPage::StyleChosen);
    connect(sprogBox, &TRadioGroup::Clicked, this, [this](int index) {
        this->Opt.Sprog = uint8_t(index);
        emit SprogChosen(index);
    });
    return box;
}

QWidget* TEgenskaberPage::BuildPresetGroup()
{
    QGroupBox* box = NewGroup("presetGroup", this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(Named(new QLabel(box), "poLabel01"));
    presetBox_ = new QWidget(box);
    auto* buttons = new QVBoxLayout(presetBox_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(1);
    layout->addWidget(presetBox_);
    auto* sizeRow = new QHBoxLayout;
    poLabelBH = Named(new QLabel(box), "poLabelBH");
    sizeRow->addWidget(Named(new QLabel(box), "poLabel02"));
    sizeRow->addWidget(poLabelBH);
    sizeRow->addStretch(1);
    layout->addLayout(sizeRow);
    layout->addStretch(1);
    return box;
}

QWidget* TEgenskaberPage::BuildPlacementGroup()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    redGroup = Named(new TRadioGroup(2, column, Qt::Horizontal), "redGroup");
    redskabsPladsRadio = Named(new TRadioGroup(2, column, Qt::Horizontal), "redskabsPladsRadio");
    linjePladsRadio = Named(new TRadioGroup(2, column, Qt::Horizontal), "linjePladsRadio");
    for (TRadioGroup* group : {redGroup, redskabsPladsRadio, linjePladsRadio})
        layout->addWidget(group);
    layout->addStretch(1);
    connect(redGroup, &TRadioGroup::Clicked, this, [this](int index) {
        this->Opt.PladsRed = uint8_t(index);
        emit DockSideChosen(index);
    });
    connect(redskabsPladsRadio, &TRadioGroup::Clicked, this,
            [this](int index) { emit ToolBookPlacementChosen(index == 0); });
    connect(linjePladsRadio, &TRadioGroup::Clicked, this,
            [this](int index) { emit ToolLinePlacementChosen(index == 0); });
    return column;
}

QWidget* TEgenskaberPage::BuildLimitsGroup()
{
    QGroupBox* box = NewGroup("zoomGroup", this);
    auto* layout = new QVBoxLayout(box);
    text11Check = NewCheck("text11Check", box);
    layout->addWidget(text11Check);
    auto* form = new QFormLayout;
    auto* label13 = Named(new QLabel(box), "Label13");
    auto* label14 = Named(new QLabel(box), "Label14");
    ZmaxWEdit = Named(new QLineEdit(box), "ZmaxWEdit");
    ZmaxHEdit = Named(new QLineEdit(box), "ZmaxHEdit");
    form->addRow(label13, ZmaxWEdit);
    form->addRow(label14, ZmaxHEdit);
    layout->addLayout(form);
    aKnap = Named(new QPushButton(box), "aKnap");
    layout->addWidget(aKnap);
    auto* jpgRow = new QHBoxLayout;
    auto* jpgLabel = Named(new QLabel(box), "jpgLabel");
    jpgEdit = Named(new QLineEdit(box), "jpgEdit");
    jpgKnap = Named(new QPushButton(box), "jpgKnap");
    jpgRow->addWidget(jpgLabel);
    jpgRow->addWidget(jpgEdit);
    jpgRow->addWidget(jpgKnap);
    layout->addLayout(jpgRow);
    layout->addStretch(1);
    for (QLineEdit* edit : {ZmaxWEdit, ZmaxHEdit, jpgEdit})
        edit->setMaximumWidth(48);
    // The maximum dimensions keep only what the byte filter lets through.
    for (QLineEdit* edit : {ZmaxWEdit, ZmaxHEdit})
        connect(edit, &QLineEdit::textEdited, edit,
                [edit](const QString& text) { edit->setText(QString::number(TAlmenX::EditByte(text))); });
    connect(text11Check, &QCheckBox::toggled, this, [this](bool on) { this->Opt.Zuse = on; });
    connect(aKnap, &QPushButton::clicked, this, &TEgenskaberPage::ApplyZmax);
    connect(jpgKnap, &QPushButton::clicked, this, &TEgenskaberPage::ApplyJpgKvalitet);
    return box;
}

QWidget* TEgenskaberPage::BuildHistoryGroup()
{
    QGroupBox* box = NewGroup("historyGroup", this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(Named(new QLabel(box), "historyLabel"));
    historyBudgetBox = Named(new QSpinBox(box), "historyBudgetBox");
    historyBudgetBox->setRange(16, 1 << 20);
    historyBudgetBox->setSingleStep(64);
    historyBudgetBox->setSuffix(QStringLiteral(" MB"));
    // Told once the user is done typing or stepping, not at every digit.
    historyBudgetBox->setKeyboardTracking(false);
    layout->addWidget(historyBudgetBox);
    layout->addStretch(1);
    connect(historyBudgetBox, &QSpinBox::valueChanged, this, &TEgenskaberPage::HistoryBudgetChosen);
    return box;
}

void TEgenskaberPage::VisHistoryBudget(int megabytes)
{
    const QSignalBlocker quiet(historyBudgetBox);
    historyBudgetBox->setValue(megabytes);
}

QWidget* TEgenskaberPage::BuildFrameGroup()
{
    QGroupBox* box = NewGroup("Label1", this);
    auto* form = new QFormLayout(box);
    ArtBox = Named(new QComboBox(box), "ArtBox");
    RObox = Named(new QComboBox(box), "RObox");
    ColorBox2 = Named(new TColourList(box), "ColorBox2");
    for (int i = 0; i < 3; ++i)
        ArtBox->addItem(QString());
    for (int i = 0; i < 2; ++i)
        RObox->addItem(QString());
    auto* label15 = Named(new QLabel(box), "Label15");
    auto* label16 = Named(new QLabel(box), "Label16");
    auto* label7 = Named(new QLabel(box), "Label7");
    form->addRow(label15, ArtBox);
    form->addRow(label16, RObox);
    form->addRow(label7, ColorBox2);
    PrePal = NewColourPanel("PrePal", 8, 2, box);
    PrePal->SetRammeFelt(&FFrammeProp);
    PrePal->SetFarvePal(cpStandard16);
    form->addRow(PrePal);
    anvendButton = Named(new QPushButton(box), "anvendButton");
    form->addRow(anvendButton);
    for (QComboBox* list : {ArtBox, RObox, static_cast<QComboBox*>(ColorBox2)})
        connect(list, &QComboBox::activated, this, &TEgenskaberPage::PreviewFrameChanged);
    connect(anvendButton, &QPushButton::clicked, this, [this] {
        this->Opt.PalSelFarve = FFrammeProp.FarveOver();
        this->Opt.ColRArt = FFrammeProp.Art();
        this->Opt.ColRRo = FFrammeProp.ReaktionOver();
        emit FrameLookApplied();
    });
    return box;
}

QWidget* TEgenskaberPage::BuildMagnifierGroup()
{
    QGroupBox* box = NewGroup("Label2", this);
    auto* layout = new QVBoxLayout(box);
    PixPal = NewColourPanel("PixPal", 2, 1, box);
    PixPal->setFixedSize(2 * 2 * kFieldSide + 1, 2 * kFieldSide + 1);
    PixPal->InitFarveFelt(0, Opt.GridCol);
    PixPal->InitFarveFelt(1, Opt.RammeCol);
    ColorBox = Named(new TColourList(box), "ColorBox");
    gendanKnap = Named(new QPushButton(box), "gendanKnap");
    layout->addWidget(Named(new QLabel(box), "Label3"));
    layout->addWidget(PixPal);
    layout->addWidget(ColorBox);
    layout->addWidget(gendanKnap);
    layout->addStretch(1);
    // A click gives the field the chosen colour of the list.
    PixPal->OnMus = [this](TObject*, TMouseButton, int FeltNr) {
        PixPal->FarveFelt(FeltNr, ColorBox->Colour());
        StoreMagnifierColours();
    };
    connect(gendanKnap, &QPushButton::clicked, this, [this] {
        PixPal->FarveFelt(0, clGray);
        PixPal->FarveFelt(1, clRed);
        StoreMagnifierColours();
    });
    return box;
}

void TEgenskaberPage::StoreMagnifierColours()
{
    Opt.GridCol = PixPal->GetColor(0);
    Opt.RammeCol = PixPal->GetColor(1);
}

void TEgenskaberPage::BuildTexts()
{
    using T = TTextTable;
    texts_.Add(findChild<QGroupBox*>("opstartBoks"), T::tkTitle, "Opstart", "Start-up");
    texts_.Add(opstartCheck, T::tkText,
               "Start Malvo op med de billeder, der var inde, da Malvo blev lukket sidst",
               "Open Malvo with the pictures there was when Malvo was closed");
    texts_.Add(text6Check, T::tkText,
               "Udfør automatisk et redskab, hvis der er valgt et område i billedet",
               "Autoperform tools if there is a selected area in the picture");
    texts_.Add(text14Check, T::tkText, "Samme redskab for alle billeder men med forskellige egenskaber",
               "Same tool for all pictures but with different properties");
    texts_.Add(text13Check, T::tkText, "Samme farver og metode for alle billeder",
               "Same colors and method for all pictures");
    texts_.Add(text15Check, T::tkText,
               "Formindsk automatisk værdier i forbindelse med reducering af farver",
               "Auto decrease values in relation to color change and reducement");
    texts_.Add(findChild<QGroupBox*>("designGroup"), T::tkTitle, "Udseende og sprog", "Look and language");
    texts_.Add(findChild<QLabel*>("designLabel"), T::tkText, "Design:", "Style:");
    texts_.Add(designBox, T::tkHint, "Vælg programmets udseende", "Choose the look of the program");
    texts_.Add(sprogBox, T::tkTitle, "Sprog", "Language");
    texts_.Add(sprogBox->Item(0), T::tkText, "Dansk", "Danish");
    texts_.Add(sprogBox->Item(1), T::tkText, "Engelsk", "English");
    texts_.Add(findChild<QGroupBox*>("presetGroup"), T::tkTitle, "Vinduets indretning", "Window layout");
    texts_.Add(findChild<QLabel*>("poLabel01"), T::tkText, "Vælg en indretning:", "Choose a layout:");
    texts_.Add(findChild<QLabel*>("poLabel02"), T::tkText, "Nuværende størrelse: ", "Current size: ");
    texts_.Add(redGroup, T::tkTitle, "Farveboks placering", "Color box placement");
    texts_.Add(redGroup->Item(0), T::tkText, "Venstre", "Left");
    texts_.Add(redGroup->Item(1), T::tkText, "Højre", "Right");
    texts_.Add(redskabsPladsRadio, T::tkTitle, "Redskabsbog placering", "Toolbook placement");
    texts_.Add(linjePladsRadio, T::tkTitle, "Redskabslinje placering", "Toolbar placement");
    for (TRadioGroup* group : {redskabsPladsRadio, linjePladsRadio}) {
        texts_.Add(group->Item(0), T::tkText, "Øverst", "Top");
        texts_.Add(group->Item(1), T::tkText, "Nederst", "Bottom");
    }
    texts_.Add(findChild<QGroupBox*>("zoomGroup"), T::tkTitle, "Zoom og JPEG", "Zoom and JPEG");
    texts_.Add(text11Check, T::tkText, "Anvend maximalstørelser", "Use maximum dimensions");
    texts_.Add(text11Check, T::tkHint, "Begræns billedzoom og fokuszoom til maksimalstørrelserne",
               "Limit picture zoom and focus zoom to the maximum dimensions");
    texts_.Add(findChild<QLabel*>("Label13"), T::tkText, "Maks. bredde:", "Max. width:");
    texts_.Add(findChild<QLabel*>("Label14"), T::tkText, "Maks. højde:", "Max. height:");
    texts_.Add(aKnap, T::tkText, "Anvend", "Apply");
    texts_.Add(aKnap, T::tkHint, "Gem maksimalstørrelserne", "Store the maximum dimensions");
    texts_.Add(findChild<QLabel*>("jpgLabel"), T::tkText, "JPEG kvalitet:", "JPEG quality:");
    texts_.Add(jpgEdit, T::tkHint, "1..100", "1..100");
    texts_.Add(jpgKnap, T::tkText, "Anvend", "Apply");
    texts_.Add(jpgKnap, T::tkHint, "Gem JPEG kvaliteten", "Store the JPEG quality");
    texts_.Add(findChild<QGroupBox*>("historyGroup"), T::tkTitle, "Fortryd", "Undo");
    texts_.Add(findChild<QLabel*>("historyLabel"), T::tkText, "Hukommelse til historikken:",
               "Memory for the history:");
    texts_.Add(historyBudgetBox, T::tkHint,
               "Så meget hukommelse må alle billeders fortrydelsestrin bruge tilsammen; de ældste trin går først",
               "The memory the undo steps of all pictures may take together; the oldest steps go first");
    texts_.Add(findChild<QGroupBox*>("Label1"), T::tkTitle, "Udsende", "Look");
    texts_.Add(findChild<QLabel*>("Label15"), T::tkText, "Ramme:", "Frame:");
    texts_.Add(findChild<QLabel*>("Label16"), T::tkText, "Reaktion:", "Reaction:");
    texts_.Add(findChild<QLabel*>("Label7"), T::tkText, "Farve ved mus:", "Mouse-over colour:");
    texts_.Add(ArtBox, T::tkItem, "3D ind", "3D in", 0);
    texts_.Add(ArtBox, T::tkItem, "Flad", "Flat", 1);
    texts_.Add(ArtBox, T::tkItem, "3D ud", "3D out", 2);
    texts_.Add(RObox, T::tkItem, "Ud-ind", "Out-in", 0);
    texts_.Add(RObox, T::tkItem, "Flad-ind", "Flat-in", 1);
    texts_.Add(PrePal, T::tkHint, "Sådan ser paletfelterne ud", "This is how the palette fields look");
    texts_.Add(anvendButton, T::tkText, "Anvend", "Apply");
    texts_.Add(anvendButton, T::tkHint, "Tegn paletfelterne med det valgte udseende",
               "Draw the palette fields with the chosen look");
}

void TEgenskaberPage::BuildMagnifierTexts()
{
    using T = TTextTable;
    texts_.Add(findChild<QGroupBox*>("Label2"), T::tkTitle, "Lupfarver", "Magnifier colours");
    texts_.Add(findChild<QLabel*>("Label3"), T::tkText, "Gitter og ramme:", "Grid and frame:");
    texts_.Add(PixPal, T::tkHint, "Klik på et felt for at give det farven fra listen",
               "Click a field to give it the colour of the list");
    texts_.Add(ColorBox, T::tkHint, "Farven et klik giver feltet", "The colour a click gives the field");
    texts_.Add(gendanKnap, T::tkText, "Gendan", "Restore");
    texts_.Add(gendanKnap, T::tkHint, "Gitter grå og ramme rød", "Grey grid and red frame");
}

void TEgenskaberPage::VisOptions()
{
    const QSignalBlocker blockers[] = {QSignalBlocker(opstartCheck), QSignalBlocker(text6Check),
                                       QSignalBlocker(text14Check), QSignalBlocker(text13Check),
                                       QSignalBlocker(text15Check), QSignalBlocker(text11Check)};
    opstartCheck->setChecked(Opt.HentPics);
    text6Check->setChecked(Opt.AP);
    text14Check->setChecked(Opt.SameTool);
    text13Check->setChecked(Opt.SameColors);
    text15Check->setChecked(Opt.AutoDec);
    text11Check->setChecked(Opt.Zuse);
    ZmaxWEdit->setText(QString::number(Opt.ZmaxW));
    ZmaxHEdit->setText(QString::number(Opt.ZmaxH));
    jpgEdit->setText(QString::number(Opt.JPGkvali));
    redGroup->SetItemIndex(Opt.PladsRed);
    sprogBox->SetItemIndex(Opt.Sprog);
}

void TEgenskaberPage::VisPlaceringer(bool toolBookTop, bool toolLineTop)
{
    redskabsPladsRadio->SetItemIndex(toolBookTop ? 0 : 1);
    linjePladsRadio->SetItemIndex(toolLineTop ? 0 : 1);
    redGroup->SetItemIndex(Opt.PladsRed);
}

void TEgenskaberPage::FillStyles(const QString& designName)
{
    const QSignalBlocker blocker(designBox);
    designBox->clear();
    designBox->addItems(StyleList::Names());
    const QString name = designName.isEmpty() ? StyleList::kSky : designName;
    designBox->setCurrentIndex(qMax(0, designBox->findText(name, Qt::MatchFixedString)));
}

void TEgenskaberPage::SetPresetActions(const QList<QAction*>& actions)
{
    for (QAction* action : actions) {
        auto* button = new QToolButton(presetBox_);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        presetBox_->layout()->addWidget(button);
    }
}

void TEgenskaberPage::ShowMainSize(int width, int height)
{
    poLabelBH->setText(QStringLiteral("%1 | %2").arg(width).arg(height));
}

void TEgenskaberPage::VisFrameLook()
{
    FFrammeProp.SetArt(Opt.ColRArt);
    FFrammeProp.SetReaktionOver(Opt.ColRRo);
    FFrammeProp.SetFarveOver(ColorBox2->Colour());
    PrePal->Repaint();
    PixPal->FarveFelt(0, Opt.GridCol);
    PixPal->FarveFelt(1, Opt.RammeCol);
    ArtBox->setCurrentIndex(ArtItemOf(Opt.ColRArt));
    RObox->setCurrentIndex(Opt.ColRRo == rtIngen ? 1 : 0);
}

void TEgenskaberPage::PreviewFrameChanged()
{
    FFrammeProp.SetArt(kArtItems[qBound(0, ArtBox->currentIndex(), 2)]);
    FFrammeProp.SetReaktionOver(RObox->currentIndex() == 1 ? rtIngen : rtUd);
    FFrammeProp.SetFarveOver(ColorBox2->Colour());
    PrePal->Repaint();
}

void TEgenskaberPage::ApplyZmax()
{
    Opt.ZmaxW = TAlmenX::EditByte(ZmaxWEdit->text());
    Opt.ZmaxH = TAlmenX::EditByte(ZmaxHEdit->text());
    ZmaxWEdit->setText(QString::number(Opt.ZmaxW));
    ZmaxHEdit->setText(QString::number(Opt.ZmaxH));
}

void TEgenskaberPage::ApplyJpgKvalitet()
{
    bool ok = false;
    const int value = jpgEdit->text().trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 255) {
        ShowMessage(Sprogtekst(Engelsk_, QStringLiteral("Skriv et tal fra 1 til 100!"),
                               QStringLiteral("Type a number from 1 to 100!")),
                    this);
        jpgEdit->setText(QString::number(Opt.JPGkvali));
        return;
    }
    Opt.JPGkvali = uint8_t(qBound(1, value, 100));
    jpgEdit->setText(QString::number(Opt.JPGkvali));
}

void TEgenskaberPage::SetSprog(bool Engelsk)
{
    Engelsk_ = Engelsk;
    texts_.Apply(Engelsk);
    ColorBox->SetSprog(Engelsk);
    ColorBox2->SetSprog(Engelsk);
}
