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
    SetMemoFont(Memo->font());
    SetSprog(Services.Engelsk());
}

void Tfontform::SetSprog(bool Engelsk)
{
    setWindowTitle(Sprogtekst(Engelsk, "Fontboks", "Fontbox"));
    FTexts.Apply(Engelsk);
}

void Tfontform::SelectFont(const QFont& Font)
{
    const int index = FNavne.IndexOf(Font.family());
    {
        const QSignalBlocker block(fontnames);
        fontnames->setCurrentRow(index);
    }
    const QString name = index >= 0 ? FNavne.Navne()[index] : Font.family();
    OldFontname = name;
    VaelgFontSize(*FontSize, name, OldFontSizname, qRound(Font.pointSizeF()));
}

void Tfontform::SetMemoFont(const QFont& Font)
{
    Memo->setFont(Font);
    SelectFont(Font);
}

void Tfontform::Vis(const QFont& Font, const QString& Text)
{
    boldCheck->setChecked(Font.bold());
    kursivCheck->setChecked(Font.italic());
    underCheck->setChecked(Font.underline());
    SetMemoFont(Font);
    Memo->setPlainText(Text);
    show();
    raise();
}

QFont Tfontform::MemoFont() const
{
    return Memo->font();
}

void Tfontform::FontnamesClick()
{
    const QListWidgetItem* item = fontnames->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    QFont font = Memo->font();
    font.setFamilies({name});
    font.setPointSize(VaelgFontSize(*FontSize, name, OldFontSizname, qRound(font.pointSizeF())));
    Memo->setFont(font);
    OldFontname = name;
}

void Tfontform::FontSizeChange(int Size)
{
    if (Size <= 0)
        return;
    QFont font = Memo->font();
    font.setPointSize(Size);
    Memo->setFont(font);
}

void Tfontform::StyleClick()
{
    QFont font = Memo->font();
    font.setBold(boldCheck->isChecked());
    font.setItalic(kursivCheck->isChecked());
    font.setUnderline(underCheck->isChecked());
    Memo->setFont(font);
}

void Tfontform::FontKnapClick(bool Extra)
{
    if (OnFontChosen)
        OnFontChosen(Extra, MemoFont(), Memo->toPlainText());
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
