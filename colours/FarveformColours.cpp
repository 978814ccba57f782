// The colour box's active colour, the tool colours of the active picture, picking, the shade
// bar, the RGB sliders, Apply, mixing and copying tool colours.
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColorPan.h"
#include "colours/Farveform.h"
#include "engine/ImagePic.h"
#include "util/AlmenX.h"
#include "widgets/CompoFade.h"
#include "widgets/Rulskakt.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

// The fade field (and tool colour field) a mouse button stands for: left 0, middle 1, right 2.
int FeltAf(TMouseButton Button)
{
    return Button == mbLeft ? 0 : Button == mbMiddle ? 1 : 2;
}

TMouseButton KnapAf(int Felt)
{
    return Felt == 0 ? mbLeft : Felt == 1 ? mbMiddle : mbRight;
}

constexpr int kHistorie = 36;
constexpr int kPixelTool = 100;

} // namespace

void TFarveform::SetOutFarve(TColor F, bool MedRulbar, bool MedRGB)
{
    OutFarve = F;
    // Only what changed is drawn again.
    if (InOutPal->GetColor(0) != F)
        InOutPal->FarveFelt(0, F);
    FarveNavn = InOutPal->GetFarveNavn(F);
    navnFelt->setText(FarveNavn);
    if (MedRulbar) {
        BWPal->SetMellemFarve(F);
        FBWPos = 128;
        BWRul->NyPosition(128);
    }
    if (MedRGB)
        VisRGB(F);
    TImagePic* pic = Services.ActivePicture();
    if (pic && pic->ToolNr() == kPixelTool && OnNyPixelFarve)
        OnNyPixelFarve(F);
}

void TFarveform::VisRGB(TColor F)
{
    const TKanaler k = Kanaler(F);
    const int values[3] = {k.R, k.G, k.B};
    TRulskakt* bars[3] = {RBar, GBar, BBar};
    QLineEdit* edits[3] = {REdit, GEdit, BEdit};
    for (int i = 0; i < 3; ++i) {
        FRGBPos[i] = values[i];
        bars[i]->NyPosition(values[i]);
        edits[i]->setText(QString::number(values[i]));
    }
}

void TFarveform::SetPictureColour(int Nr, TColor Col)
{
    TImagePic* pic = Services.ActivePicture();
    // An empty field is no colour: the picture keeps the one it has.
    if (!pic || Col == clNone)
        return;
    if (Nr == 0)
        pic->SetPenColor(Col);
    else if (Nr == 1)
        pic->SetMellemFarve(Col);
    else
        pic->SetBrushColor(Col);
}

void TFarveform::PFfelt(int Nr, TColor Col)
{
    if (PFpal->GetColor(Nr) != Col)
        PFpal->FarveFelt(Nr, Col);
    if (OnPFfelt)
        OnPFfelt(Nr, Col);
    MixUpdate();
}

void TFarveform::TilHistorie(TColor Col)
{
    if (Hukpal->NewColor(Col, true, HukNr))
        HukNr = (HukNr + 1) % kHistorie;
}

void TFarveform::PenFyldFarver(TMouseButton Button, TColor Col)
{
    if (!Services.ActivePicture() || Col == clNone)
        return;
    const int nr = FeltAf(Button);
    SetPictureColour(nr, Col);
    PFfelt(nr, Col);
    Penfelt->setChecked(nr == 0);
    Middlefelt->setChecked(nr == 1);
    Fillfelt->setChecked(nr == 2);
    TilHistorie(Col);
}

void TFarveform::PFfarver()
{
    TImagePic* pic = Services.ActivePicture();
    if (!pic) {
        for (int i = 0; i < 3; ++i)
            PFfelt(i, InFarve);
        UpdateOkKnap();
        return;
    }
    if (!FirstPic && Services.Options().SameColors) {
        for (int i = 0; i < 3; ++i)
            SetPictureColour(i, PFpal->GetColor(i));
        const auto filled = [](const std::function<TColor()>& panel) { return panel && panel() != clNone; };
        if (filled(MetaPanelFarve))
            pic->SetMetaFarve(MetaPanelFarve());
        if (filled(TransPanelFarve))
            pic->SetTransFarve(TransPanelFarve());
        if (MetaKnapMetode)
            pic->SetMetaMetode(MetaKnapMetode());
    } else {
        PFfelt(0, pic->PenColor());
        PFfelt(1, pic->MellemFarve());
        PFfelt(2, pic->BrushColor());
        if (VisMetaFarver)
            VisMetaFarver(pic->MetaFarve(), pic->TransFarve(), pic->MetaMetode());
        FirstPic = false;
    }
    UpdateOkKnap();
}

void TFarveform::SetFadeFarve(int Nr, TColor Col)
{
    if (Nr >= 0 && Nr < 3 && Fadepal->GetColor(Nr) != Col)
        Fadepal->FarveFelt(Nr, Col);
}

void TFarveform::FarverTilHvid()
{
    SetOutFarve(clWhite, true, true);
    PFfelt(2, clWhite);
    SetFadeFarve(2, clWhite);
}

// ---- picking

void TFarveform::PanelKlik(TColorPan& Pan, TMouseButton Button, int FeltNr)
{
    if (FeltNr < 0 || FeltNr >= Pan.AntalIalt())
        return;
    const TColor c = Pan.GetColor(FeltNr);
    // An empty field has no colour to give.
    if (c == clNone)
        return;
    if (&Pan == mixPal) {
        const char* names[3][2] = {{"Grundfarven", "The basecolor"},
                                   {"Mixfarven", "The mixcolor"},
                                   {"Resultatfarven", "The resultcolor"}};
        if (FeltNr < 3)
            Services.InfoHint(Sprogtekst(FSprog, names[FeltNr][0], names[FeltNr][1]));
        SetOutFarve(c, true, true);
        return;
    }
    if (&Pan == Fadepal)
        SetOutFarve(c, true, true);
    else if (&Pan == PFpal)
        VaelgFarve(Button, c, false);
    else
        VaelgFarve(Button, c, true);
}

void TFarveform::VaelgFarve(TMouseButton Button, TColor Col, bool TilRedskab)
{
    if (Col == clNone)
        return;
    SetOutFarve(Col, true, true);
    SetFadeFarve(FeltAf(Button), Col);
    if (TilRedskab)
        PenFyldFarver(Button, Col);
}

void TFarveform::VisPaletteNavn(TColor Col)
{
    HukNavn = Col == clNone ? QString() : InOutPal->GetFarveNavn(Col);
    const QString navn20 = Col == clNone ? QString() : TColorPan::GetFarveNavn20(Col);
    if (!FSprog && !navn20.isEmpty() && navn20 != HukNavn)
        HukNavn += QStringLiteral("  ") + navn20;
    Informa(5);
}

void TFarveform::PanelOver(TColorPan& Pan, int FeltNr)
{
    const TColor c = Pan.GetColor(FeltNr);
    HukNavn = c == clNone ? QString() : Pan.GetFarveNavn(c);
    if (&Pan == Lagerpal) {
        Informa(0);
    } else if (&Pan == Hukpal) {
        Informa(34);
    } else if (&Pan == BigSpal || &Pan == mixPal) {
        VisPaletteNavn(c);
    } else if (&Pan == InOutPal) {
        Informa(2);
    } else if (&Pan == PFpal) {
        const int lines[3] = {40, 49, 41};
        if (FeltNr >= 0 && FeltNr < 3)
            Informa(lines[FeltNr]);
    } else if (&Pan == Fadepal) {
        Informa(12);
    }
}

// ---- shade bar

void TFarveform::BWPalMouseDown(TMouseButton Button, int X)
{
    const int width = std::max(1, BWPal->CompoRekt.Right - BWPal->CompoRekt.Left + 1);
    const int pos = std::clamp((X - BWPal->CompoRekt.Left) * 256 / width, 0, 255);
    FBWPos = pos;
    BWRul->NyPosition(pos);
    const TColor c = TColorPan::GetBWColor(BWPal->MellemFarve(), pos);
    SetOutFarve(c, false, true);
    SetFadeFarve(FeltAf(Button), c);
    PenFyldFarver(Button, c);
}

void TFarveform::BWRulChange(int Pos)
{
    // A repaint that reports the position the box already acted on changes nothing.
    if (Pos == FBWPos)
        return;
    FBWPos = Pos;
    SetOutFarve(TColorPan::GetBWColor(BWPal->MellemFarve(), Pos), false, true);
}

// ---- red, green, blue

void TFarveform::RGBBarChange(int Kanal, int Pos)
{
    if (Kanal < 0 || Kanal > 2 || Pos == FRGBPos[Kanal])
        return;
    FRGBPos[Kanal] = Pos;
    QLineEdit* edits[3] = {REdit, GEdit, BEdit};
    edits[Kanal]->setText(QString::number(Pos));
    SetOutFarve(FraKanaler(FRGBPos[0], FRGBPos[1], FRGBPos[2]), false, false);
}

void TFarveform::RGBEditChange(int Kanal)
{
    QLineEdit* edits[3] = {REdit, GEdit, BEdit};
    TRulskakt* bars[3] = {RBar, GBar, BBar};
    QLineEdit* edit = edits[Kanal];
    const int v = TAlmenX::EditByte(edit->text());
    edit->setText(QString::number(v));
    edit->setCursorPosition(edit->text().size());
    bars[Kanal]->SetPosition(v);
}

void TFarveform::SetSliderFarve(uint8_t R, uint8_t G, uint8_t B)
{
    SetOutFarve(FraKanaler(R, G, B), true, true);
    LInsKnapClick();
}

// ---- Apply

void TFarveform::UpdateOkKnap()
{
    TImagePic* pic = Services.ActivePicture();
    const bool on = pic && !pic->Selected();
    if (OkKnap->isEnabled() != on)
        OkKnap->setEnabled(on);
}

void TFarveform::OkKnapClick()
{
    TImagePic* pic = Services.ActivePicture();
    if (!pic || pic->Selected())
        return;
    const std::pair<QCheckBox*, int> targets[3] = {{Penfelt, 0}, {Fillfelt, 2}, {Middlefelt, 1}};
    for (const auto& [box, nr] : targets)
        if (box->isChecked()) {
            SetPictureColour(nr, OutFarve);
            PFfelt(nr, OutFarve);
        }
    InFarve = OutFarve;
    TilHistorie(OutFarve);
}

// ---- mixing

int TFarveform::GrundIndex() const { return FGrund->checkedId(); }
int TFarveform::MixIndex() const { return FMix->checkedId(); }
int TFarveform::ResultatIndex() const { return FResultat->checkedId(); }
int TFarveform::MixOperation() const { return FOperation->checkedId(); }

void TFarveform::SetGrundIndex(int i)
{
    if (QAbstractButton* b = FGrund->button(i))
        b->setChecked(true);
    MixUpdate();
}

void TFarveform::SetMixIndex(int i)
{
    if (QAbstractButton* b = FMix->button(i))
        b->setChecked(true);
    MixUpdate();
}

void TFarveform::SetResultatIndex(int i)
{
    if (QAbstractButton* b = FResultat->button(i))
        b->setChecked(true);
}

void TFarveform::SetMixOperation(int op)
{
    if (QAbstractButton* b = FOperation->button(op)) {
        b->setChecked(true);
    } else if (QAbstractButton* checked = FOperation->checkedButton()) {
        FOperation->setExclusive(false);
        checked->setChecked(false);
        FOperation->setExclusive(true);
    }
    MixUpdate();
}

void TFarveform::MixUpdate()
{
    if (!mixPal || !FOperation)
        return;
    const int g = GrundIndex(), m = MixIndex();
    const TColor base = g >= 0 ? PFpal->GetColor(g) : mixPal->GetColor(0);
    const TColor mix = m == 3 ? clWhite : m >= 0 ? PFpal->GetColor(m) : mixPal->GetColor(1);
    TColor result = 0;
    switch (MixOperation()) {
    case 0: result = base ^ mix; break;
    case 1: result = base & mix; break;
    case 2: result = base | mix; break;
    default: break;
    }
    const TColor felter[3] = {base, mix, result};
    for (int i = 0; i < 3; ++i)
        if (mixPal->GetColor(i) != felter[i])
            mixPal->FarveFelt(i, felter[i]);
}

void TFarveform::MixKnapClick()
{
    const TColor result = mixPal->GetColor(2);
    const int target = std::max(0, ResultatIndex());
    SetOutFarve(result, true, true);
    SetFadeFarve(target, result);
    PenFyldFarver(KnapAf(target), result);
}

void TFarveform::FlytKnapClick(int Nr)
{
    // Target and source tool colour (0 pen, 1 middle, 2 fill) of buttons 1..6.
    static constexpr int kFlyt[6][2] = {{1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}};
    if (Nr < 1 || Nr > 6)
        return;
    const auto [til, fra] = std::pair(kFlyt[Nr - 1][0], kFlyt[Nr - 1][1]);
    const TColor c = PFpal->GetColor(fra);
    PFfelt(til, c);
    SetPictureColour(til, c);
}

// ---- showing

void TFarveform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    SetOutFarve(InFarve, true, true);
    PFfarver();
    FUpdateTimer->start();
}

void TFarveform::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    FUpdateTimer->stop();
}

void TFarveform::closeEvent(QCloseEvent* event)
{
    // Only a close by the user: a box that goes with the main window must not reach it.
    QWidget::closeEvent(event);
    Services.InfoHint(QStringLiteral(" "));
}
