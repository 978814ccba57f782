// The three text pages: fonts of the main and the extra text, the text with its alignment,
// line space and shadow, and the extra text split at "#".
#include "appcore/Message.h"
#include "engine/ImagePic.h"
#include "platform/Graphics.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include "widgets/FontSizeComboBox.h"
#include "widgets/TekstX.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <climits>

QString TTpform::ResolvedFamily(const QString& name)
{
    return QFontInfo(QFont(name)).family();
}

QStringList TTpform::SplitMerTekst(const QString& text, int Lines)
{
    const QStringList parts = text.split(u'#');
    QStringList lines;
    for (int i = 0; i < Lines; ++i)
        lines << (i < parts.size() ? parts[i] : QString());
    return lines;
}

void TTpform::BuildText()
{
    auto label = [this](QWidget* page, const char* da, const char* en) {
        auto* l = new QLabel(page);
        Caption(l, da, en);
        return l;
    };
    // Font page: a name list and a size list for each of the two texts.
    QWidget* fontPage = NewPage(pgFont);
    PageCaption(pgFont, "Font", "Font");
    auto* grid = new QGridLayout(fontPage);
    auto fontRow = [&](int line, QComboBox*& names, TFontSizeComboBox*& sizes, QPushButton*& button, bool extra,
                       const char* da, const char* en) {
        names = new QComboBox(fontPage);
        names->setObjectName(extra ? "eFontNavne" : "FontNavne");
        sizes = new TFontSizeComboBox(fontPage);
        sizes->setObjectName(extra ? "eFontSize" : "FontSize");
        button = new QPushButton("...", fontPage);
        button->setObjectName(extra ? "eFontKnap" : "FontKnap");
        Hint(button, extra ? "Vælg ekstra tekstens font" : "Vælg tekstens font",
             extra ? "Choose the font of the extra text" : "Choose the font of the text");
        connect(button, &QPushButton::clicked, this, [this, extra] {
            if (OpenFontWindow)
                OpenFontWindow(extra);
        });
        FFontButtons << button;
        connect(names, &QComboBox::activated, this, [this, extra] { FontNavnChange(extra); });
        sizes->OnNyFontSize = [this](TObject*, int) {
            Memo->setFont(MemoFont().ToQFont());
            Modified(pgFont);
        };
        grid->addWidget(label(fontPage, da, en), line, 0);
        grid->addWidget(names, line, 1);
        grid->addWidget(sizes, line, 2);
        grid->addWidget(button, line, 3);
    };
    fontRow(0, FontNavne, FontSize, FontKnap, false, "Tekst", "Text");
    fontRow(1, eFontNavne, eFontSize, eFontKnap, true, "Ekstra", "Extra");
    auto* styles = new QHBoxLayout;
    for (auto [box, name, da, en] : {std::tuple{&FedCheck, "FedCheck", "Fed", "Bold"},
                                     std::tuple{&KursivCheck, "KursivCheck", "Kursiv", "Italic"},
                                     std::tuple{&UnderCheck, "UnderCheck", "Understreget", "Underline"}}) {
        *box = new QCheckBox(fontPage);
        (*box)->setObjectName(QLatin1String(name));
        Caption(*box, da, en);
        connect(*box, &QCheckBox::clicked, this, [this] {
            Memo->setFont(MemoFont().ToQFont());
            Modified(pgFont);
        });
        styles->addWidget(*box);
    }
    styles->addStretch(1);
    grid->addLayout(styles, 2, 1, 1, 3);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    // Text page.
    QWidget* textPage = NewPage(pgTekst);
    PageCaption(pgTekst, "Tekst", "Text");
    auto* row = new QHBoxLayout(textPage);
    Memo = new QPlainTextEdit(textPage);
    Memo->setObjectName("Memo");
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] { Modified(pgTekst); });
    row->addWidget(Memo, 1);
    auto* form = new QGridLayout;
    VandretBox = new QComboBox(textPage);
    VandretBox->setObjectName("VandretBox");
    VandretBox->addItems(QStringList(3, QString()));
    static const char* const across[3][2] = {{"Centrer", "Center"}, {"Venstre", "Left"}, {"Højre", "Right"}};
    for (int i = 0; i < 3; ++i)
        Text([this, i](const QString& s) { VandretBox->setItemText(i, s); }, across[i][0], across[i][1]);
    LodretBox = new QComboBox(textPage);
    LodretBox->setObjectName("LodretBox");
    LodretBox->addItems(QStringList(3, QString()));
    static const char* const down[3][2] = {{"Centrer", "Center"}, {"Oppe", "Top"}, {"Nede", "Bottom"}};
    for (int i = 0; i < 3; ++i)
        Text([this, i](const QString& s) { LodretBox->setItemText(i, s); }, down[i][0], down[i][1]);
    for (QComboBox* box : {VandretBox, LodretBox})
        connect(box, &QComboBox::activated, this, [this] { Modified(pgTekst); });
    Hint(VandretBox, "Vandret justering", "Horizontal alignment");
    Hint(LodretBox, "Lodret justering", "Vertical alignment");
    auto textEdit = [&](TNumEdit*& e, const char* name, int rule, int Min, int Max, int start) {
        e = NewEdit(textPage, rule, Min, Max);
        e->setObjectName(QLatin1String(name));
        e->SetValue(start);
        e->OnValue = [this](int) { Modified(pgTekst); };
        return e;
    };
    form->addWidget(VandretBox, 0, 0, 1, 2);
    form->addWidget(LodretBox, 1, 0, 1, 2);
    form->addWidget(label(textPage, "Linie afstand", "Line space"), 2, 0);
    form->addWidget(textEdit(LinieEdit, "LinieEdit", TNumEdit::nrByte, 0, 255, 0), 2, 1);
    skyggeCheck = new QCheckBox(textPage);
    skyggeCheck->setObjectName("skyggeCheck");
    Caption(skyggeCheck, "Tekst med skygge", "Text with shadow");
    connect(skyggeCheck, &QCheckBox::clicked, this, [this] { Modified(pgTekst); });
    form->addWidget(skyggeCheck, 3, 0, 1, 2);
    form->addWidget(label(textPage, "Lodret dybde", "Horisontal depth"), 4, 0);
    form->addWidget(textEdit(LodretDybde, "LodretDybde", TNumEdit::nrInteger, INT_MIN, INT_MAX, 1), 4, 1);
    form->addWidget(label(textPage, "Vandret dybde", "Vertical depth"), 5, 0);
    form->addWidget(textEdit(VandretDybde, "VandretDybde", TNumEdit::nrInteger, INT_MIN, INT_MAX, 1), 5, 1);
    form->setRowStretch(6, 1);
    row->addLayout(form);

    // Extra page.
    QWidget* extraPage = NewPage(pgEkstra);
    PageCaption(pgEkstra, "Ekstra", "Ekstra");
    auto* column = new QVBoxLayout(extraPage);
    column->addWidget(label(extraPage, "Ekstra tekst, der forskydes", "Additional text"));
    MerEdit = new QLineEdit(extraPage);
    MerEdit->setObjectName("MerEdit");
    connect(MerEdit, &QLineEdit::textEdited, this, [this] { Modified(pgEkstra); });
    column->addWidget(MerEdit);
    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(label(extraPage, "Forskydning", "Offset"));
    ForskydEdit = NewEdit(extraPage, TNumEdit::nrInteger, INT_MIN, INT_MAX);
    ForskydEdit->setObjectName("ForskydEdit");
    ForskydEdit->SetValue(-4);
    ForskydEdit->OnValue = [this](int) { Modified(pgEkstra); };
    offsetRow->addWidget(ForskydEdit);
    offsetRow->addStretch(1);
    column->addLayout(offsetRow);
    EnLinieCheck = new QCheckBox(extraPage);
    EnLinieCheck->setObjectName("EnLinieCheck");
    Caption(EnLinieCheck, "Selve teksten som en linie", "The main text as one line");
    CheckMer = new QCheckBox(extraPage);
    CheckMer->setObjectName("CheckMer");
    Caption(CheckMer, "Medtag ekstra tekst", "Use extra text");
    for (QCheckBox* box : {EnLinieCheck, CheckMer}) {
        connect(box, &QCheckBox::clicked, this, [this] { Modified(pgEkstra); });
        column->addWidget(box);
    }
    column->addStretch(1);

    FillFontLists();
    SetFonts(QStringLiteral("Courier New"), 12, QStringLiteral("Courier New"), 8);
}

void TTpform::FillFontLists()
{
    const QStringList families = ScreenFonts();
    for (QComboBox* list : {FontNavne, eFontNavne}) {
        list->clear();
        list->addItems(families);
    }
}

void TTpform::SetFonts(const QString& name1, int size1, const QString& name2, int size2)
{
    const bool loading = FLoading;
    FLoading = true;
    OldFontName = name1;
    SelectFont(FontNavne, FontSize, name1, size1);
    eOldFontName = name2;
    SelectFont(eFontNavne, eFontSize, name2, size2);
    Memo->setFont(MemoFont().ToQFont());
    MerEdit->setFont(MerFont().ToQFont());
    FLoading = loading;
}

// A name the list lacks shows the family Qt draws it with; the stored name stays in use.
void TTpform::SelectFont(QComboBox* list, TFontSizeComboBox* sizes, const QString& name, int size)
{
    int index = list->findText(name);
    if (index < 0)
        index = list->findText(ResolvedFamily(name));
    list->setCurrentIndex(index);
    sizes->SetFontName(index >= 0 ? list->itemText(index) : name);
    sizes->SelectSize(size);
}

void TTpform::FontNavnChange(bool extra)
{
    QComboBox* list = extra ? eFontNavne : FontNavne;
    TFontSizeComboBox* sizes = extra ? eFontSize : FontSize;
    const QString name = list->currentText();
    (extra ? eOldFontName : OldFontName) = name;
    // The size list keeps the current size when the new font offers it, else takes its first.
    sizes->SetFontName(name);
    if (sizes->currentIndex() < 0 && sizes->count() > 0)
        sizes->setCurrentIndex(0);
    if (extra)
        MerEdit->setFont(MerFont().ToQFont());
    else
        Memo->setFont(MemoFont().ToQFont());
    Modified(pgFont);
}

TFont TTpform::MemoFont() const
{
    TFont f;
    f.Name = OldFontName;
    f.Size = FontSize->FontSize() > 0 ? FontSize->FontSize() : 12;
    TFontStyles style;
    if (FedCheck->isChecked())
        style.Include(fsBold);
    if (KursivCheck->isChecked())
        style.Include(fsItalic);
    if (UnderCheck->isChecked())
        style.Include(fsUnderline);
    f.Style = style;
    return f;
}

TFont TTpform::MerFont() const
{
    TFont f;
    f.Name = eOldFontName;
    f.Size = eFontSize->FontSize() > 0 ? eFontSize->FontSize() : 8;
    return f;
}

bool TTpform::RealiserText(TImagePic& p)
{
    const QString text = Memo->toPlainText();
    if (text.isEmpty()) {
        ShowMessage(QString::fromUtf8(Sprog ? "There is no text!" : "Der mangler en tekst!"), this);
        return false;
    }
    const QStringList lines = text.split(u'\n');
    p.SetFont(MemoFont());
    p.SetTekstListe(lines);
    p.SetAnvendMerFont(CheckMer->isChecked());
    if (CheckMer->isChecked() && !MerEdit->text().isEmpty()) {
        p.SetMerFont(MerFont());
        p.SetSomEnLinie(EnLinieCheck->isChecked());
        p.SetMerTekst(SplitMerTekst(MerEdit->text(), int(lines.size())));
        p.SetMerForskydning(ForskydEdit->Value());
    }
    if (TTekstX* layout = p.TekstBog()) {
        // Every layout setter tells the document window, which writes the layout back into
        // this page: the page is read in full before the first setter runs.
        const auto lodret = TAlignLodretX(LodretBox->currentIndex());
        const auto vandret = TAlignVandretX(VandretBox->currentIndex());
        const int linieAfstand = LinieEdit->Value();
        const bool skygge = skyggeCheck->isChecked();
        const int dybdeL = LodretDybde->Value(), dybdeV = VandretDybde->Value();
        layout->SetAlignLodret(lodret);
        layout->SetAlignVandret(vandret);
        layout->SetLinieAfstand(linieAfstand);
        layout->SetSkyggeTekst(skygge);
        if (skygge) {
            layout->SetSkyggeDybdeL(dybdeL);
            layout->SetSkyggeDybdeV(dybdeV);
        }
    }
    return true;
}

void TTpform::HentText(TImagePic& p)
{
    const TFont& font = p.Font();
    FedCheck->setChecked(font.Style.Contains(fsBold));
    KursivCheck->setChecked(font.Style.Contains(fsItalic));
    UnderCheck->setChecked(font.Style.Contains(fsUnderline));
    SetFonts(font.Name, font.Size, p.MerFont().Name, p.MerFont().Size);
    Memo->setPlainText(p.TekstListe().join(u'\n'));
    CheckMer->setChecked(p.AnvendMerFont());
    EnLinieCheck->setChecked(p.SomEnLinie());
    QString extra;
    for (const QString& line : p.MerTekst())
        extra += line + u'#';
    MerEdit->setText(extra);
    ForskydEdit->SetValue(p.MerForskydning());
    if (TTekstX* layout = p.TekstBog()) {
        LodretBox->setCurrentIndex(layout->AlignLodret());
        VandretBox->setCurrentIndex(layout->AlignVandret());
        LinieEdit->SetValue(layout->LinieAfstand());
        skyggeCheck->setChecked(layout->SkyggeTekst());
        LodretDybde->SetValue(layout->SkyggeDybdeL());
        VandretDybde->SetValue(layout->SkyggeDybdeV());
    }
}

void TTpform::FontFelter(const QString& FontNavn)
{
    FontFelterSize(FontNavn, FontSize->FontSize());
}

void TTpform::FontFelterSize(const QString& FontNavn, int Fontdim)
{
    OldFontName = FontNavn;
    SelectFont(FontNavne, FontSize, FontNavn, Fontdim);
    Memo->setFont(MemoFont().ToQFont());
    Modified(pgFont);
}

void TTpform::eFontFelter(const QString& FontNavn)
{
    eFontFelterSize(FontNavn, eFontSize->FontSize());
}

void TTpform::eFontFelterSize(const QString& FontNavn, int Fontdim)
{
    eOldFontName = FontNavn;
    SelectFont(eFontNavne, eFontSize, FontNavn, Fontdim);
    MerEdit->setFont(MerFont().ToQFont());
    Modified(pgFont);
}

void TTpform::SetSkyggeCheck(bool checked)
{
    if (FApplying)
        return;
    skyggeCheck->setChecked(checked);
}
