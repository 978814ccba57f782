// The text box: layout, the lists and buttons that format the selection, the controls that
// follow the caret, and the copy of the text area as a picture.
#include "textbox/Tekstform.h"
#include "widgets/ScreenFit.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColorPan.h"
#include "textbox/ColorGrid.h"
#include "textbox/ReditCan.h"
#include "widgets/FontSizeComboBox.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextCharFormat>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const int kSizeButtons[5] = {10, 11, 12, 14, 16};

TColorPan* NewStandardColour(QWidget* parent, TSharedPainters& painters, const char* name, TColor colour)
{
    auto* pan = new TColorPan(parent);
    pan->setObjectName(QLatin1String(name));
    pan->setFixedSize(25, 25);
    pan->SetAntalVandret(1);
    pan->SetAntalLodret(1);
    pan->SetAntalIalt(1);
    pan->SetRammeFelt(&painters.Framme1);
    pan->SetNoInternMus(true);
    pan->SetFarvePal(cpSelvValgt);
    pan->InitFarveFelt(0, colour);
    return pan;
}

} // namespace

TTekstform::TTekstform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent)
    : QWidget(parent), FServices(Services), FPainters(Painters)
{
    setObjectName("Tekstform");
    setMinimumSize(431, 240);
    Tekstbox = new TReditCan(this);
    Tekstbox->OnInput = [this] { UpdateControls(); };
    connect(Tekstbox, &QTextEdit::cursorPositionChanged, this, &TTekstform::UpdateControls);
    BuildActions();

    SpVert = new QSplitter(Qt::Horizontal, this);
    SpVert->setObjectName("SpVert");
    SpVert->setChildrenCollapsible(false);
    SpVert->addWidget(BuildLeftPanel());
    SpHoriz = new QSplitter(Qt::Vertical, SpVert);
    SpHoriz->setObjectName("SpHoriz");
    SpHoriz->setChildrenCollapsible(false);
    SpHoriz->addWidget(BuildTopPanel());
    SpHoriz->addWidget(Tekstbox);
    SpHoriz->setStretchFactor(1, 1);
    SpVert->addWidget(SpHoriz);
    SpVert->setStretchFactor(1, 1);
    for (QSplitter* s : {SpVert, SpHoriz})
        FTexts.Add([s](const QString& t) { s->handle(1)->setToolTip(t); }, "Reguler størrelsen af det grafiske område",
                   "Regulate the size of the graphic area");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(SpVert, 1);
    BuildStatusBar();

    const TOptions& opt = Services.Options();
    PlaceOnScreen(this, QPoint(opt.TbX, opt.TbY), QSize(opt.TbB, opt.TbH));
    SpVert->setSizes({opt.TBwidth, width() - opt.TBwidth});
    SpHoriz->setSizes({opt.TBheight, height() - opt.TBheight});

    // Every control's keys pass the window's shortcut filter first.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    SetSprog(Services.Engelsk());
    UpdateControls();
}

QWidget* TTekstform::BuildLeftPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName("VenstrePanel");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    auto label = [&](const char* da, const char* en) {
        auto* l = new QLabel(panel);
        FTexts.Add([l](const QString& t) { l->setText(t); }, da, en);
        column->addWidget(l);
    };

    label("Fontnavn", "Fontname");
    FontName = new QComboBox(panel);
    FontName->setObjectName("FontName");
    // Long family names must not widen the panel beyond its stored width.
    FontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FontName->setMinimumContentsLength(8);
    FontName->addItems(FNavne.Navne());
    connect(FontName, &QComboBox::activated, this, &TTekstform::FontNameChange);
    column->addWidget(FontName);

    label("Font størrelse", "Font size");
    SizBox = new TFontSizeComboBox(panel);
    SizBox->setObjectName("SizBox");
    SizBox->setEditable(true);
    SizBox->setInsertPolicy(QComboBox::NoInsert);
    SizBox->lineEdit()->setMaxLength(3);
    SizBox->OnNyFontSize = [this](TObject*, int size) { SetSelectionSize(size); };
    connect(SizBox->lineEdit(), &QLineEdit::editingFinished, this, &TTekstform::SizBoxChange);
    column->addWidget(SizBox);

    auto* sizes = new QHBoxLayout;
    sizes->setSpacing(1);
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(panel);
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        b->setText(QString::number(kSizeButtons[i]));
        b->setAutoRaise(true);
        const int size = kSizeButtons[i];
        connect(b, &QToolButton::clicked, this, [this, size] { SizeButtonClick(size); });
        sizes->addWidget(b);
        SpeedButton[i] = b;
    }
    column->addLayout(sizes);

    ColorGrid = new TColorGrid(panel);
    ColorGrid->OnChange = [this] { ColorGridClick(); };
    column->addWidget(ColorGrid, 1);

    tekstColor = NewStandardColour(panel, FPainters, "tekstColor", clBlack);
    overskriftColor = NewStandardColour(panel, FPainters, "overskriftColor", clBlue);
    auto* standards = new QGridLayout;
    int row = 0;
    for (auto [pan, action] : {std::pair{tekstColor, "Atekst"}, std::pair{overskriftColor, "Aoverskrift"}}) {
        TColorPan* p = pan;
        p->OnMus = [this, p](TObject*, TMouseButton, int) { StandardColourClick(p); };
        FTexts.Add([p](const QString& t) { p->setStatusTip(t); }, "Vælg farve i farveboksen og klik",
                   "Select color in the colorbox and click");
        auto* b = new QToolButton(panel);
        b->setDefaultAction(Action(QLatin1String(action)));
        standards->addWidget(p, row, 0);
        standards->addWidget(b, row, 1);
        ++row;
    }
    standards->setColumnStretch(2, 1);
    column->addLayout(standards);
    return panel;
}

QWidget* TTekstform::BuildTopPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName("TopPanel");
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(1, 1, 1, 1);
    rows->setSpacing(0);
    auto buttonRow = [&](std::initializer_list<const char*> names) {
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        for (const char* name : names) {
            auto* b = new QToolButton(panel);
            b->setDefaultAction(Action(QLatin1String(name)));
            b->setAutoRaise(true);
            b->setFixedSize(23, 23);
            row->addWidget(b);
        }
        rows->addLayout(row);
        return row;
    };
    buttonRow({"ABold", "AItalic", "AUnderline", "AStrikeOut", "ABullets"})->addStretch(1);
    QHBoxLayout* second = buttonRow({"AAlignLeft", "ACenter", "AAlignRight"});

    KopiKnap = new QToolButton(panel);
    KopiKnap->setObjectName("KopiKnap");
    KopiKnap->setPopupMode(QToolButton::MenuButtonPopup);
    KopiKnap->setMenu(Popup);
    KopiKnap->setFixedHeight(23);
    connect(KopiKnap, &QToolButton::clicked, this, &TTekstform::KopiKnapClick);
    FTexts.Add([this](const QString& t) { KopiKnap->setText(t); }, "Billede", "Picture");
    FTexts.Add([this](const QString& t) { KopiKnap->setStatusTip(t); KopiKnap->setToolTip(t); },
               "Kopier tekstområdet som grafik til klipbordet", "Copy the text area as graphic to the clipboard");
    spmKnap = new QToolButton(panel);
    spmKnap->setObjectName("spmKnap");
    spmKnap->setText(QStringLiteral("?"));
    spmKnap->setFixedSize(23, 23);
    FTexts.Add([this](const QString& t) { spmKnap->setToolTip(t); spmKnap->setStatusTip(t); }, "Hjælp til tekstboksen",
               "Help on the text box");
    connect(spmKnap, &QToolButton::clicked, this, [this] { FServices.HelpInfoNew(QStringLiteral("Tekstboks")); });
    second->addSpacing(6);
    second->addWidget(KopiKnap);
    second->addWidget(spmKnap);
    second->addStretch(1);
    rows->addStretch(1);
    return panel;
}

void TTekstform::BuildStatusBar()
{
    auto* bar = new QStatusBar(this);
    bar->setObjectName("InfoX");
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 7; ++i) {
        InfoX[i] = new QLabel(bar);
        InfoX[i]->setObjectName(QStringLiteral("InfoX%1").arg(i));
        bar->addWidget(InfoX[i], i == 6 ? 1 : 0);
    }
    FTexts.Add([this](const QString& t) { InfoX[0]->setText(t); }, "Linie antal", "Line count");
    FTexts.Add([this](const QString& t) { InfoX[2]->setText(t); }, "Linie", "Line");
    FTexts.Add([this](const QString& t) { InfoX[4]->setText(t); }, "Position", "Position");
    static_cast<QVBoxLayout*>(layout())->addWidget(bar);
}

void TTekstform::SetSprog(bool Engelsk)
{
    Sprog = Engelsk ? 1 : 0;
    setWindowTitle(Sprogtekst(Engelsk, "Tekstboks", "Textbox"));
    FTexts.Apply(Engelsk);
}

void TTekstform::GemPosition(TOptions& Opt) const
{
    if (!isMaximized()) {
        Opt.TbX = x();
        Opt.TbY = y();
        Opt.TbB = width();
        Opt.TbH = height();
        Opt.TBwidth = SpVert->sizes().value(0, Opt.TBwidth);
        Opt.TBheight = SpHoriz->sizes().value(0, Opt.TBheight);
    }
    Opt.Tbvis = isVisible();
}

// ---- formatting the selection

void TTekstform::ApplyFormat(const std::function<void(QTextCharFormat&)>& Change)
{
    QTextCharFormat format;
    Change(format);
    Tekstbox->mergeCurrentCharFormat(format);
}

void TTekstform::SetSelectionSize(int Size)
{
    if (Size <= 0)
        return;
    FLastSize = Size;
    ApplyFormat([Size](QTextCharFormat& f) { f.setFontPointSize(Size); });
}

void TTekstform::SetSelectionColour(TColor Colour)
{
    ApplyFormat([Colour](QTextCharFormat& f) { f.setForeground(ToQColor(Colour)); });
}

void TTekstform::FontNameChange()
{
    const QString name = FontName->currentText();
    if (name.isEmpty())
        return;
    ApplyFormat([&name](QTextCharFormat& f) { f.setFontFamilies(QStringList{name}); });
    const int size = qRound(Tekstbox->SelectionFont().pointSizeF());
    const int chosen = VaelgFontSize(*SizBox, name, OldFontSizname, size);
    if (chosen != size)
        SetSelectionSize(chosen);
    OldFontname = name;
}

void TTekstform::SizBoxChange()
{
    const int size = TypedFontSize(SizBox->currentText());
    if (size > 0) {
        // Leaving the field unchanged keeps mixed sizes of a selection.
        if (size != qRound(Tekstbox->SelectionFont().pointSizeF()))
            SetSelectionSize(size);
    }
    else
        SizBox->setEditText(QString::number(FLastSize));
}

void TTekstform::SizeButtonClick(int Size)
{
    const int index = SizBox->findText(QString::number(Size));
    if (index < 0)
        return;
    SizBox->setCurrentIndex(index);
    SetSelectionSize(Size);
}

void TTekstform::AtekstExecute()
{
    SizeButtonClick(10);
    SetSelectionColour(tekstColor->GetColor(0));
    ColorGrid->SetForegroundIndex(TColorGrid::IndexOf(tekstColor->GetColor(0)));
}

void TTekstform::AoverskriftExecute()
{
    SizeButtonClick(12);
    SetSelectionColour(overskriftColor->GetColor(0));
    ColorGrid->SetForegroundIndex(TColorGrid::IndexOf(overskriftColor->GetColor(0)));
}

void TTekstform::ColorGridClick()
{
    ColorGrid->SetBackgroundIndex(15);
    SetSelectionColour(ColorGrid->ForegroundColor());
}

void TTekstform::StandardColourClick(TColorPan* Pan)
{
    Pan->FarveFelt(0, ColorGrid->ForegroundColor());
    Pan->update();
}

void TTekstform::ToggleBullets()
{
    QTextCursor cursor = Tekstbox->textCursor();
    if (QTextList* list = cursor.currentList()) {
        list->remove(cursor.block());
        QTextBlockFormat block = cursor.blockFormat();
        block.setIndent(0);
        cursor.setBlockFormat(block);
    } else {
        cursor.createList(QTextListFormat::ListDisc);
    }
}

void TTekstform::KopiKnapClick()
{
    const bool engelsk = Sprog != 0;
    if (Tekstbox->document()->isEmpty()) {
        ShowMessage(Sprogtekst(engelsk, "Tekstboksen er tom, der er intet at kopiere",
                               "The text box is empty, there is nothing to copy"),
                    this);
        return;
    }
    // A field narrower or lower than its frame has no text area to copy.
    const int w = Tekstbox->width(), h = Tekstbox->height();
    if (w < 4 || h < 4)
        return;
    if (Tekstbox->KopierCan({0, 0, w - 4, h - 4}))
        FServices.InfoHint(Sprogtekst(engelsk, "Tekstområdet er kopieret til klipbordet som grafik",
                                      "The text area is copied to the clipboard as graphic"));
    else
        ShowMessage(Sprogtekst(engelsk, "Klipbordet kunne ikke modtage billedet", "The clipboard could not take the picture"),
                    this);
}

// ---- the controls follow the caret

void TTekstform::SetStatus(int Panel, const QString& Text)
{
    if (InfoX[Panel]->text() != Text)
        InfoX[Panel]->setText(Text);
}

void TTekstform::UpdateControls()
{
    const QFont font = Tekstbox->SelectionFont();
    const QString family = font.family();
    if (family != OldFontname && FontName->count() > 0) {
        FontName->setCurrentIndex(FNavne.IndexOf(family));
        OldFontname = family;
    }
    const int size = qRound(font.pointSizeF());
    if (family != OldFontSizname) {
        SizBox->SetFontName(family);
        OldFontSizname = family;
    }
    // The size as it is, also one the list does not offer.
    const int index = SizBox->findText(QString::number(size));
    if (index >= 0 && index != SizBox->currentIndex())
        SizBox->setCurrentIndex(index);
    if (SizBox->currentText() != QString::number(size))
        SizBox->setEditText(QString::number(size));
    if (size > 0)
        FLastSize = size;

    const TColor colour = FromQColor(Tekstbox->currentCharFormat().foreground().color());
    ColorGrid->SetForegroundIndex(TColorGrid::IndexOf(colour));
    ColorGrid->SetBackgroundIndex(15);

    const QTextCursor cursor = Tekstbox->textCursor();
    SetStatus(1, QString::number(Tekstbox->document()->blockCount()));
    SetStatus(3, QString::number(cursor.blockNumber() + 1) + u' ');
    SetStatus(5, QString::number(cursor.positionInBlock()) + u' ');

    FActions[QStringLiteral("ABold")]->setChecked(font.bold());
    FActions[QStringLiteral("AItalic")]->setChecked(font.italic());
    FActions[QStringLiteral("AUnderline")]->setChecked(font.underline());
    FActions[QStringLiteral("AStrikeOut")]->setChecked(font.strikeOut());
    FActions[QStringLiteral("ABullets")]->setChecked(cursor.currentList() != nullptr);
    const Qt::Alignment align = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    FActions[QStringLiteral("AAlignRight")]->setChecked(align & Qt::AlignRight);
    FActions[QStringLiteral("ACenter")]->setChecked(align & Qt::AlignHCenter);
    FActions[QStringLiteral("AAlignLeft")]->setChecked(!(align & (Qt::AlignRight | Qt::AlignHCenter)));
}

// ---- shortcuts and hints

bool TTekstform::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (TakeShortcut(watched, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::StatusTip:
        // Hints of the window's controls go to the main window's hint panel.
        if (watched == this)
            FServices.InfoHint(static_cast<QStatusTipEvent*>(event)->tip());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
