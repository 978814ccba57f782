// The controls of the tool selection: pen-width buttons and fields, the hexadecimal colour
// field and the specific and transparent colour panels.
#include "colours/ColorPan.h"
#include "colours/ColourControls.h"
#include "shell/CommandWindows.h"
#include "shell/DocumentHost.h"
#include "shell/Malvoform.h"
#include "shell/ToolCommands.h"
#include "util/AlmenX.h"
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kPenWidths = 8;
constexpr int kHexDigits = 6;

// Only the hexadecimal digits, and no more than one colour's worth of them.
QString HexDigitsOf(const QString& text)
{
    QString digits;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        const bool hex = (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (hex && digits.size() < kHexDigits)
            digits.append(ch);
    }
    return digits;
}

TColorPan* OneFieldPanel(QWidget* parent, const char* name)
{
    TColorPan* pan = ColourControls::NewHoldingPanel(parent, 1, 1, 1);
    pan->setObjectName(QLatin1String(name));
    pan->InitFarveFelt(0, clNone);
    pan->hide();
    return pan;
}

// The fade-palette field a mouse button stores the colour box's colour in.
int FadeFieldOf(TMouseButton Button)
{
    switch (Button) {
    case mbLeft: return 0;
    case mbRight: return 2;
    case mbMiddle: return 1;
    }
    return 0;
}

} // namespace

void TToolCommands::CreateControls()
{
    for (int w = 1; w <= kPenWidths; ++w) {
        auto* button = new QToolButton(Parent);
        button->setObjectName(QStringLiteral("PenButton%1").arg(w));
        button->setText(QString::number(w));
        button->hide();
        connect(button, &QToolButton::clicked, this, [this, w] { PenWidthClick(w); });
        FPenButtons.append(button);
    }
    for (QLineEdit** edit : {&PenEdit, &PenEdit1}) {
        *edit = new QLineEdit(QStringLiteral("1"), Parent);
        (*edit)->setObjectName(edit == &PenEdit ? QStringLiteral("PenEdit") : QStringLiteral("PenEdit1"));
        (*edit)->hide();
        QLineEdit* self = *edit;
        connect(self, &QLineEdit::textEdited, this, [this, self] { PenEditChange(*self); });
    }

    HexEdit = new QLineEdit(Parent);
    HexEdit->setObjectName(QStringLiteral("HexEdit"));
    HexEdit->hide();
    connect(HexEdit, &QLineEdit::textEdited, this, &TToolCommands::HexEditKeyUp);
    connect(HexEdit, &QLineEdit::returnPressed, this, &TToolCommands::HexButtonClick);
    Label8 = new QLabel(Parent);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setBuddy(HexEdit);
    Label8->setWordWrap(true);
    Label8->hide();
    HexButton = new QPushButton(Parent);
    HexButton->setObjectName(QStringLiteral("HexButton"));
    HexButton->hide();
    connect(HexButton, &QPushButton::clicked, this, &TToolCommands::HexButtonClick);

    Metapan = OneFieldPanel(Parent, "Metapan");
    ColorPan1 = OneFieldPanel(Parent, "ColorPan1");
    Transpan = OneFieldPanel(Parent, "Transpan");
    ColorPan2 = OneFieldPanel(Parent, "ColorPan2");
    for (TColorPan* pan : {Metapan, ColorPan1})
        pan->OnMus = [this, pan](TObject*, TMouseButton b, int nr) { MetapanMus(*pan, b, nr); };
    for (TColorPan* pan : {Transpan, ColorPan2})
        pan->OnMus = [this, pan](TObject*, TMouseButton b, int nr) { TranspanMus(*pan, b, nr); };
}

void TToolCommands::SetControlTexts(bool Engelsk)
{
    const auto hint = [](QWidget* w, const QString& text) {
        w->setStatusTip(text);
        w->setToolTip(text);
    };
    for (int w = 1; w <= kPenWidths; ++w)
        hint(FPenButtons[w - 1], (Engelsk ? QStringLiteral("Pen width ") : QStringLiteral("Pennebredde ")) +
                                     QString::number(w));
    const QString penHint = Engelsk ? QStringLiteral("Pen width 0 to 255") : QStringLiteral("Pennebredde 0 til 255");
    hint(PenEdit, penHint);
    hint(PenEdit1, penHint);
    HexButton->setText(Engelsk ? QStringLiteral("Execute") : QStringLiteral("Udfør"));
    Label8->setText(Engelsk ? QStringLiteral("Input hexadecimal  color name such as FFFFFF")
                            : QStringLiteral("Indtast hexadecimal farvenavn som fx FFFFFF"));
    hint(HexEdit, Engelsk ? QStringLiteral("Hexadecimal color RRGGBB for the color box")
                          : QStringLiteral("Hexadecimal farve RRGGBB til farveboksen"));
    const QString metaHint = Engelsk ? QStringLiteral("Shows the on-color-draw-method color")
                                     : QStringLiteral("Viser farven der arbejdes på ved farvespecifik-metoden");
    const QString transHint =
        Engelsk ? QStringLiteral("Transparent color use by the fade tools and paste from clipboard")
                : QStringLiteral("Transparent farven der anvendes ved multifarveredskaber samt ved indsæt fra klipbord");
    for (TColorPan* pan : {Metapan, ColorPan1})
        hint(pan, metaHint);
    for (TColorPan* pan : {Transpan, ColorPan2})
        hint(pan, transHint);
}

void TToolCommands::UpdateControls(bool document)
{
    for (QToolButton* button : FPenButtons)
        if (button->isEnabled() != document)
            button->setEnabled(document);
    const bool colourBox = bool(FWindows.SetSliderColour);
    if (HexButton->isEnabled() != colourBox)
        HexButton->setEnabled(colourBox);
}

QToolButton* TToolCommands::PenButton(int Width) const
{
    return Width >= 1 && Width <= kPenWidths ? FPenButtons[Width - 1] : nullptr;
}

// --- pen width

void TToolCommands::PenWidthClick(int Width)
{
    if (TImagePic* picture = Picture())
        picture->SetPenWidth(Width);
    PenEdit->setText(QString::number(Width));
    PenEdit1->setText(QString::number(Width));
}

void TToolCommands::PenEditChange(QLineEdit& edited)
{
    QLineEdit& other = &edited == PenEdit ? *PenEdit1 : *PenEdit;
    // An emptied field waits for the next digit instead of turning into 0.
    if (!edited.text().isEmpty()) {
        const uint8_t width = TAlmenX::EditByte(edited.text());
        edited.setText(QString::number(width));
        edited.setCursorPosition(edited.text().size());
        if (TImagePic* picture = Picture())
            picture->SetPenWidth(width);
    }
    other.setText(edited.text());
}

// --- hexadecimal colour

void TToolCommands::HexEditKeyUp()
{
    const QString digits = HexDigitsOf(HexEdit->text());
    if (digits != HexEdit->text()) {
        HexEdit->setText(digits);
        HexEdit->setCursorPosition(digits.size());
    }
}

void TToolCommands::HexButtonClick()
{
    QString text = HexEdit->text();
    if (text.startsWith(u'#'))
        text.remove(0, 1);
    text = HexDigitsOf(text);
    if (text.size() < kHexDigits || !FWindows.SetSliderColour)
        return;
    const uint32_t rgb = text.toUInt(nullptr, 16);
    FWindows.SetSliderColour(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
}

// --- specific and transparent colours

void TToolCommands::ColourPanelClick(TColorPan& pan, TMouseButton Button, int FeltNr)
{
    const TColor colour = pan.GetColor(FeltNr);
    pan.FarveFelt(0, colour);
    if (colour == clNone)
        return;
    Host.ShowPickedColour(colour);
    if (FWindows.SetFadeFarve)
        FWindows.SetFadeFarve(FadeFieldOf(Button), Host.OutFarve());
}

void TToolCommands::MetapanMus(TColorPan& pan, TMouseButton Button, int FeltNr)
{
    ColourPanelClick(pan, Button, FeltNr);
}

void TToolCommands::TranspanMus(TColorPan& pan, TMouseButton Button, int FeltNr)
{
    ColourPanelClick(pan, Button, FeltNr);
}

void TToolCommands::IconpalMus(TColorPan& pan, TMouseButton Button, int FeltNr)
{
    const TColor colour = pan.GetColor(FeltNr);
    if (colour == clNone)
        return;
    Host.ShowPickedColour(colour);
    PenFyldFarver(Button, colour);
    if (FWindows.SetFadeFarve)
        FWindows.SetFadeFarve(FadeFieldOf(Button), colour);
}

void TToolCommands::IconpalTransMus(TColorPan& pan, TMouseButton Button, int FeltNr)
{
    IconpalMus(pan, Button, FeltNr);
}

void TToolCommands::PenFyldFarver(TMouseButton Button, TColor Col)
{
    if (FWindows.PenFyldFarver) {
        FWindows.PenFyldFarver(Button, Col);
        return;
    }
    TImagePic* picture = Picture();
    if (!picture)
        return;
    switch (Button) {
    case mbLeft: picture->SetPenColor(Col); break;
    case mbRight: picture->SetBrushColor(Col); break;
    case mbMiddle: picture->SetMellemFarve(Col); break;
    }
}

void TToolCommands::MetaFarveFraBox()
{
    if (TImagePic* picture = Picture()) {
        picture->SetMetaFarve(Host.OutFarve());
        ShowMetaColour(picture->MetaFarve());
    }
}

void TToolCommands::TransColorFraBox()
{
    if (TImagePic* picture = Picture()) {
        picture->SetTransFarve(Host.OutFarve());
        ShowTransColour(picture->TransFarve());
    }
}

void TToolCommands::ShowMetaColour(TColor colour)
{
    Metapan->FarveFelt(0, colour);
    ColorPan1->FarveFelt(0, colour);
}

void TToolCommands::ShowTransColour(TColor colour)
{
    Transpan->FarveFelt(0, colour);
    ColorPan2->FarveFelt(0, colour);
}

// --- help lines of the colour buttons

int TToolCommands::HelpLineOf(const QString& actionName)
{
    static const std::pair<const char*, int> lines[] = {{"AMetaNormal", 42}, {"AMetaFarve", 43},
                                                        {"AMetaNotFarve", 52}, {"AMetaBox", 44},
                                                        {"AMetaPick", 45}, {"ATransColor", 50}};
    for (const auto& [name, nr] : lines)
        if (actionName == QLatin1String(name))
            return nr;
    return -1;
}

void TToolCommands::AttachHelpLine(QWidget* button, int Nr)
{
    FHelpLines.append({button, Nr});
    button->installEventFilter(this);
}

bool TToolCommands::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Enter || type == QEvent::Leave) && FWindows.Informa)
        for (const auto& [button, nr] : FHelpLines)
            if (button == watched)
                FWindows.Informa(type == QEvent::Enter ? nr : -1);
    return QObject::eventFilter(watched, event);
}
