// The focus page: the selection rectangle by numbers, moved and resized by buttons, stored and
// recalled, and set from the picture's size, squares or the special border's inner area.
#include "appcore/MainServices.h"
#include "appcore/Options.h"
#include "engine/ImagePic.h"
#include "platform/ToolIcons.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace {
// Step directions of the eight move buttons: left, right, up, down, then the diagonals
// up-left, up-right, down-left, down-right.
constexpr int kMoves[8][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

int Saturated(int64_t v)
{
    return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}
} // namespace

void TTpform::BuildFokus()
{
    QWidget* page = NewPage(pgFokus);
    PageCaption(pgFokus, "Fokus", "Focus");
    auto* row = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    row->addLayout(left);
    auto* grid = new QGridLayout;
    static const char* const names[4] = {"X1", "Y1", "X2", "Y2"};
    TNumEdit** edits[4] = {&EX1, &EY1, &EX2, &EY2};
    int* values[4] = {&vX1, &vY1, &vX2, &vY2};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromLatin1(names[i]), page);
        TNumEdit* e = NewEdit(page, TNumEdit::nrInteger, INT_MIN, INT_MAX);
        e->setObjectName(QStringLiteral("E%1").arg(QLatin1String(names[i])));
        int* value = values[i];
        e->OnValue = [this, value](int v) {
            *value = v;
            ShowFokus();
            FokusChanged();
        };
        *edits[i] = e;
        grid->addWidget(label, i / 2, (i % 2) * 2);
        grid->addWidget(e, i / 2, (i % 2) * 2 + 1);
    }
    BreddeFelt = new QLineEdit(page);
    BreddeFelt->setObjectName("BreddeFelt");
    BreddeFelt->setReadOnly(true);
    BreddeFelt->setFixedWidth(48);
    HojdeFelt = new QLineEdit(page);
    HojdeFelt->setObjectName("HojdeFelt");
    HojdeFelt->setReadOnly(true);
    HojdeFelt->setFixedWidth(48);
    auto* bLabel = new QLabel(page);
    Caption(bLabel, "Bredde", "Width");
    auto* hLabel = new QLabel(page);
    Caption(hLabel, "Højde", "Height");
    grid->addWidget(bLabel, 2, 0);
    grid->addWidget(BreddeFelt, 2, 1);
    grid->addWidget(hLabel, 2, 2);
    grid->addWidget(HojdeFelt, 2, 3);
    left->addLayout(grid);
    checkFunktion = new QCheckBox(page);
    checkFunktion->setObjectName("checkFunktion");
    Caption(checkFunktion, "Realiser straks", "Auto perform");
    connect(checkFunktion, &QCheckBox::toggled, this, [this](bool on) {
        AutoFocus = on;
        Modified(pgFokus);
    });
    left->addWidget(checkFunktion);
    auto* intervalRow = new QHBoxLayout;
    auto* iLabel = new QLabel(page);
    Caption(iLabel, "Flytinterval", "Interval");
    IntervalEdit = NewEdit(page, TNumEdit::nrInteger, INT_MIN, INT_MAX);
    IntervalEdit->setObjectName("IntervalEdit");
    IntervalEdit->OnValue = [this](int v) {
        Interval = v;
        Modified(pgFokus);
    };
    intervalRow->addWidget(iLabel);
    intervalRow->addWidget(IntervalEdit);
    intervalRow->addStretch(1);
    left->addLayout(intervalRow);
    auto* buttons = new QHBoxLayout;
    FHentKnap = new QPushButton(page);
    FHentKnap->setObjectName("FHentKnap");
    Caption(FHentKnap, "Hent", "Get");
    Hint(FHentKnap, "Hent fokusrektangel koordinater", "Get the Focus Rectangle coordinates");
    connect(FHentKnap, &QPushButton::clicked, this, [this] {
        HentFokus();
        eleModified = false;
        UpdateActions();
    });
    FSaetKnap = new QPushButton(page);
    FSaetKnap->setObjectName("FSaetKnap");
    Caption(FSaetKnap, "Sæt", "Set");
    Hint(FSaetKnap, "Sæt fokusrektangel", "Set the Focus Rectangle");
    connect(FSaetKnap, &QPushButton::clicked, this, [this] {
        RealiserFokus();
        eleModified = false;
        UpdateActions();
    });
    buttons->addWidget(FHentKnap);
    buttons->addWidget(FSaetKnap);
    buttons->addStretch(1);
    left->addLayout(buttons);
    left->addStretch(1);

    // Moves and resizes.
    auto* middle = new QVBoxLayout;
    row->addLayout(middle);
    auto* moves = new QGridLayout;
    moves->setSpacing(1);
    static const int movePlace[8][2] = {{1, 0}, {1, 2}, {0, 1}, {2, 1}, {0, 0}, {0, 2}, {2, 0}, {2, 2}};
    static const char* const moveHints[8][2] = {
        {"Flyt fokus til venstre", "Move the focus left"}, {"Flyt fokus til højre", "Move the focus right"},
        {"Flyt fokus op", "Move the focus up"}, {"Flyt fokus ned", "Move the focus down"},
        {"Flyt fokus op til venstre", "Move the focus up left"}, {"Flyt fokus op til højre", "Move the focus up right"},
        {"Flyt fokus ned til venstre", "Move the focus down left"},
        {"Flyt fokus ned til højre", "Move the focus down right"}};
    for (int i = 0; i < 8; ++i) {
        FlytKnap[i] = new QToolButton(page);
        FlytKnap[i]->setObjectName(QStringLiteral("FlytKnap%1").arg(i));
        FlytKnap[i]->setIcon(ToolIcon(QStringLiteral("FokusFlyt%1").arg(i)));
        Hint(FlytKnap[i], moveHints[i][0], moveHints[i][1]);
        connect(FlytKnap[i], &QToolButton::clicked, this, [this, i] { FocusMove(i); });
        moves->addWidget(FlytKnap[i], movePlace[i][0], movePlace[i][1]);
    }
    auto* movesBox = new QGroupBox(page);
    Caption(movesBox, "Flyt", "Move");
    movesBox->setLayout(moves);
    middle->addWidget(movesBox);
    auto* sizes = new QGridLayout;
    sizes->setSpacing(1);
    for (int i = 0; i < 9; ++i) {
        DimKnap[i] = new QToolButton(page);
        DimKnap[i]->setObjectName(QStringLiteral("DimKnap%1").arg(i));
        DimKnap[i]->setIcon(ToolIcon(QStringLiteral("FokusDim%1").arg(i)));
        Hint(DimKnap[i], "Flyt den viste side eller det viste hjørne med intervallet",
             "Move the side or corner shown by the interval");
        connect(DimKnap[i], &QToolButton::clicked, this, [this, i] { FocusResize(i); });
        sizes->addWidget(DimKnap[i], i / 3, i % 3);
    }
    auto* sizesBox = new QGroupBox(page);
    Caption(sizesBox, "Rektangel", "Rectangle");
    auto* sizesColumn = new QVBoxLayout(sizesBox);
    sizesColumn->addLayout(sizes);
    ForogRadio = new QRadioButton(sizesBox);
    ForogRadio->setObjectName("ForogRadio");
    Caption(ForogRadio, "Forøg", "Increase");
    ForogRadio->setChecked(true);
    FormindskRadio = new QRadioButton(sizesBox);
    FormindskRadio->setObjectName("FormindskRadio");
    Caption(FormindskRadio, "Formindsk", "Decrease");
    connect(FormindskRadio, &QRadioButton::clicked, this, [this] { Modified(pgFokus); });
    connect(ForogRadio, &QRadioButton::clicked, this, [this] { Modified(pgFokus); });
    sizesColumn->addWidget(ForogRadio);
    sizesColumn->addWidget(FormindskRadio);
    middle->addWidget(sizesBox);
    middle->addStretch(1);

    // Stored rectangle and the other sources of a rectangle.
    auto* right = new QVBoxLayout;
    row->addLayout(right);
    GemtFelt = new QLineEdit(page);
    GemtFelt->setObjectName("GemtFelt");
    GemtFelt->setReadOnly(true);
    right->addWidget(GemtFelt);
    auto button = [this, page, right](QPushButton*& b, const char* name, const char* da, const char* en,
                                      const char* hintDa, const char* hintEn, std::function<void()> click) {
        b = new QPushButton(page);
        b->setObjectName(QLatin1String(name));
        Caption(b, da, en);
        Hint(b, hintDa, hintEn);
        connect(b, &QPushButton::clicked, this, click);
        right->addWidget(b);
    };
    button(GemKnap, "GemKnap", "Gem", "Store", "Gem nuværende koordinater", "Store current coordinates",
           [this] { GemFokus(); });
    button(GenkaldKnap, "GenkaldKnap", "Genkald", "Recall", "Hent gemte coordinater", "Get the stored coordinates",
           [this] { GenkaldFokus(); });
    button(BilDimKnap, "BilDimKnap", "Billedets mål", "Picture size", "Sæt billedets dimensioner",
           "Get the dimensions of the picture", [this] { BilledDimensioner(); });
    button(KvadratHKnap, "KvadratHKnap", "Højde = bredde", "Height = width", "Sæt højde lig bredde",
           "Make height equal to width", [this] { KvadratHojde(); });
    button(KvadratBKnap, "KvadratBKnap", "Bredde = højde", "Width = height", "Sæt bredde lig højde",
           "Make width equal to height", [this] { KvadratBredde(); });
    button(RammeXYKnap, "RammeXYKnap", "Rammens indre", "Border inside",
           "Hent coordinater for specialrammes indre felt", "Get the coordinates of the inner area of special border",
           [this] { RammeXY(); });
    ObjektFokusKnap = ActionButton(AobjektFokus, page);
    right->addWidget(ObjektFokusKnap);
    ZoomRow = new QWidget(page);
    auto* zoomLayout = new QHBoxLayout(ZoomRow);
    zoomLayout->setContentsMargins(0, 0, 0, 0);
    right->addWidget(ZoomRow);
    right->addStretch(1);
}

void TTpform::SetZoomActions(QAction* pictureZoom, QAction* focusZoom)
{
    for (QAction* a : {pictureZoom, focusZoom})
        if (a) {
            auto* b = new QToolButton(ZoomRow);
            b->setDefaultAction(a);
            ZoomRow->layout()->addWidget(b);
        }
}

// Width and height fields, and the four edits, from the values.
void TTpform::ShowFokus()
{
    BreddeFelt->setText(QString::number(int64_t(vX2) - vX1));
    HojdeFelt->setText(QString::number(int64_t(vY2) - vY1));
}

void TTpform::FocusEditTekst()
{
    EX1->SetValue(vX1);
    EY1->SetValue(vY1);
    EX2->SetValue(vX2);
    EY2->SetValue(vY2);
    ShowFokus();
}

void TTpform::FokusChanged()
{
    TImagePic* p = Picture();
    if (AutoFocus && p && p->Selected())
        ApplyFokus(*p);
    else
        Modified(pgFokus);
}

// The edits may hold the corners in any order and any size: the picture gets them ordered and
// within the raster limits, so its width and height stay meaningful.
void TTpform::ApplyFokus(TImagePic& p)
{
    auto limit = [](int v) { return std::clamp(v, -TBitmap::kMaxSide, TBitmap::kMaxSide); };
    p.NewFocusRect(limit(std::min(vX1, vX2)), limit(std::min(vY1, vY2)), limit(std::max(vX1, vX2)),
                   limit(std::max(vY1, vY2)));
}

void TTpform::HentFokus()
{
    if (TImagePic* p = Picture())
        p->GetFocusXY(vX1, vY1, vX2, vY2);
    FocusEditTekst();
}

void TTpform::RealiserFokus()
{
    if (TImagePic* p = Picture())
        ApplyFokus(*p);
}

void TTpform::FocusMove(int Nr)
{
    if (Nr < 0 || Nr >= 8)
        return;
    const int64_t dx = int64_t(kMoves[Nr][0]) * Interval, dy = int64_t(kMoves[Nr][1]) * Interval;
    vX1 = Saturated(vX1 + dx);
    vX2 = Saturated(vX2 + dx);
    vY1 = Saturated(vY1 + dy);
    vY2 = Saturated(vY2 + dy);
    AfterFocusStep();
}

void TTpform::FocusResize(int Nr)
{
    if (Nr < 0 || Nr >= 9)
        return;
    // Outward: the left or top edge goes towards smaller values, the right or bottom edge
    // towards larger ones; "Formindsk" turns every step inward.
    const int64_t step = FormindskRadio->isChecked() ? -int64_t(Interval) : int64_t(Interval);
    const int col = Nr % 3, line = Nr / 3;
    const bool all = Nr == 4;
    if (col == 0 || all)
        vX1 = Saturated(vX1 - step);
    if (col == 2 || all)
        vX2 = Saturated(vX2 + step);
    if (line == 0 || all)
        vY1 = Saturated(vY1 - step);
    if (line == 2 || all)
        vY2 = Saturated(vY2 + step);
    AfterFocusStep();
}

// After a move or resize: the edits show the rectangle, which auto perform applies at once.
void TTpform::AfterFocusStep()
{
    FocusEditTekst();
    TImagePic* p = Picture();
    if (AutoFocus && p)
        ApplyFokus(*p);
    else
        Modified(pgFokus);
}

void TTpform::GemFokus()
{
    gX1 = vX1;
    gY1 = vY1;
    gX2 = vX2;
    gY2 = vY2;
    GemtFelt->setText(QStringLiteral("%1,%2,%3,%4").arg(gX1).arg(gY1).arg(gX2).arg(gY2));
}

void TTpform::GenkaldFokus()
{
    TImagePic* p = Picture();
    if (!p)
        return;
    vX1 = gX1;
    vY1 = gY1;
    vX2 = gX2;
    vY2 = gY2;
    FocusEditTekst();
    ApplyFokus(*p);
}

void TTpform::BilledDimensioner()
{
    vX1 = vY1 = 0;
    if (TImagePic* p = Picture()) {
        vX2 = p->Picture().Width();
        vY2 = p->Picture().Height();
    } else {
        vX2 = FServices.Options().GBredde;
        vY2 = FServices.Options().GHojde;
    }
    FocusEditTekst();
    FokusChanged();
}

void TTpform::KvadratHojde()
{
    vY2 = Saturated(int64_t(vY1) + (int64_t(vX2) - vX1));
    FocusEditTekst();
    FokusChanged();
}

void TTpform::KvadratBredde()
{
    vX2 = Saturated(int64_t(vX1) + (int64_t(vY2) - vY1));
    FocusEditTekst();
    FokusChanged();
}

void TTpform::RammeXY()
{
    TImagePic* p = Picture();
    if (!p)
        return;
    p->GetRammeXY(vX1, vY1, vX2, vY2);
    FocusEditTekst();
    FokusChanged();
}

void TTpform::AobjektFokusExecute()
{
    TImagePic* p = Picture();
    if (!p)
        return;
    HentFokus();
    p->MoveRtoFocusR();
    p->GetFocusXY(vX1, vY1, vX2, vY2);
    FocusEditTekst();
    ApplyFokus(*p);
}
