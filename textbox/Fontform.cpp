#include "textbox/Fontform.h"
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "widgets/FontSizeComboBox.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

Tfontform::Tfontform(TMainServices& Services, QWidget* parent) : QWidget(parent, Qt::Tool), FServices(Services)
{
    setObjectName("fontform");
    Splitter = new QSplitter(Qt::Horizontal, this);
    fontnames = new QListWidget(Splitter);
    fontnames->setObjectName("fontnames");
    fontnames->addItems(FNavne.Navne());
    // A click or the arrow keys choose; the program's own selections are made with signals blocked.
    connect(fontnames, &QListWidget::currentItemChanged, this, &Tfontform::FontnamesClick);

    auto* right = new QWidget(Splitter);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(4, 0, 0, 0);
    FontSize = new TFontSizeComboBox(right);
    FontSize->setObjectName("FontSize");
    FontSize->OnNyFontSize = [this](TObject*, int size) { FontSizeChange(size); };
    column->addWidget(FontSize);
    auto* checks = new QHBoxLayout;
    for (auto [box, name, da, en] : {std::tuple{&boldCheck, "boldCheck", "Fed", "Bold"},
                                     std::tuple{&kursivCheck, "kursivCheck", "Kursiv", "Italic"},
                                     std::tuple{&underCheck, "underCheck", "Understreget", "Underline"}}) {
        auto* check = new QCheckBox(right);
        check->setObjectName(QLatin1String(name));
        FTexts.Add([check](const QString& t) { check->setText(t); }, da, en);
        connect(check, &QCheckBox::clicked, this, &Tfontform::StyleClick);
        checks->addWidget(check);
        *box = check;
    }
    checks->addStretch(1);
    column->addLayout(checks);
    Memo = new QPlainTextEdit(QStringLiteral("Font preview"), right);
    Memo->setObjectName("Memo");
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    column->addWidget(Memo, 1);

    auto* buttons = new QHBoxLayout;
    auto button = [&](QPushButton*& b, const char* name, const char* da, const char* en) {
        b = new QPushButton(right);
        b->setObjectName(QLatin1String(name));
        FTexts.Add([b](const QString& t) { b->setText(t); }, da, en);
        buttons->addWidget(b);
    };
    button(tekstfontKnap, "tekstfontKnap", "Tekstfont", "Text font");
    button(ekstrafontKnap, "ekstrafontKnap", "Extra font", "Extra font");
    button(lukKnap, "lukKnap", "Luk", "Close");
    button(infoKnap, "infoKnap", "Info", "Info");
    connect(tekstfontKnap, &QPushButton::clicked, this, [this] { FontKnapClick(false); });
    connect(ekstrafontKnap, &QPushButton::clicked, this, [this] { FontKnapClick(true); });
    connect(lukKnap, &QPushButton::clicked, this, &QWidget::close);
    connect(infoKnap, &QPushButton::clicked, this, [this] { FServices.HelpInfoNew(QStringLiteral("Tekst")); });
    column->addLayout(buttons);

    Splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Splitter);
    resize(480, 300);
    SetMemoFont(FFont);
    SetSprog(Services.Engelsk());
}

void Tfontform::SetSprog(bool Engelsk)
{
    setWindowTitle(Sprogtekst(Engelsk, "Fontboks", "Fontbox"));
    FTexts.Apply(Engelsk);
}

void Tfontform::SelectFont()
{
    const int index = FNavne.IndexOf(FFont.Name);
    {
        const QSignalBlocker block(fontnames);
        fontnames->setCurrentRow(index);
    }
    const QString name = index >= 0 ? FNavne.Navne()[index] : FFont.Name;
    OldFontname = name;
    // Refilled each time, so a size added for an earlier font does not stay in the list.
    FontSize->SetFontName(name);
    OldFontSizname = name;
    FontSize->SelectSize(FFont.Size);
}

void Tfontform::ShowFont()
{
    Memo->setFont(FFont.ToQFont());
}

void Tfontform::SetMemoFont(const TFont& Font)
{
    FFont = Font;
    ShowFont();
    SelectFont();
}

void Tfontform::Vis(const TFont& Font, const QString& Text)
{
    boldCheck->setChecked(Font.Style.Contains(fsBold));
    kursivCheck->setChecked(Font.Style.Contains(fsItalic));
    underCheck->setChecked(Font.Style.Contains(fsUnderline));
    SetMemoFont(Font);
    Memo->setPlainText(Text);
    show();
    raise();
}

void Tfontform::FontnamesClick()
{
    const QListWidgetItem* item = fontnames->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    FFont.Name = name;
    // The size stays when the new font offers it (a pixel height then stays exact with it).
    FFont.Size = VaelgFontSize(*FontSize, name, OldFontSizname, FFont.Size);
    ShowFont();
    OldFontname = name;
}

void Tfontform::FontSizeChange(int Size)
{
    if (Size <= 0 || Size == FFont.Size)
        return;
    // A new point size: the height follows it (TFont drops a pixel height of another size).
    FFont.Size = Size;
    ShowFont();
}

void Tfontform::StyleClick()
{
    TFontStyles style = FFont.Style;
    const std::pair<QCheckBox*, TFontStyle> boxes[] = {
        {boldCheck, fsBold}, {kursivCheck, fsItalic}, {underCheck, fsUnderline}};
    for (const auto& [box, element] : boxes) {
        if (box->isChecked())
            style.Include(element);
        else
            style.Exclude(element);
    }
    FFont.Style = style;
    ShowFont();
}

void Tfontform::FontKnapClick(bool Extra)
{
    if (OnFontChosen)
        OnFontChosen(Extra, FFont, Memo->toPlainText());
}

void Tfontform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // First showing: beside the main window's top-left corner.
    if (opstart) {
        opstart = false;
        if (QWidget* main = parentWidget() ? parentWidget()->window() : nullptr)
            move(main->x() + 200, main->y() + 200);
    }
}
