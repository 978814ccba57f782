#include "colours/ColourControls.h"
#include "colours/ColorPan.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"

namespace ColourControls {

TColorPan* NewHoldingPanel(QWidget* Parent, int Vandret, int Lodret, int Antal)
{
    auto* pan = new TColorPan(Parent);
    pan->SetAntalVandret(Vandret);
    pan->SetAntalLodret(Lodret);
    pan->SetAntalIalt(Antal);
    pan->SetNoInternMus(true);
    // The fields keep the colours the owner puts there (a new panel would empty them at its
    // first paint).
    pan->SetFarvePal(cpSelvValgt);
    return pan;
}

TColorPan* NewPanel(QWidget* Parent, TSharedPainters& Painters, int Vandret, int Lodret, int Antal, int Bredde,
                    int Hojde)
{
    TColorPan* pan = NewHoldingPanel(Parent, Vandret, Lodret, Antal);
    pan->SetRammeYdre(&Painters.PalRamme);
    pan->SetRammeFelt(&Painters.Framme1);
    pan->SetSorMetode(csNone);
    pan->setFixedSize(Bredde, Hojde);
    return pan;
}

TRulskakt* NewPanelBar(QWidget* Parent, TSharedPainters& Painters, TColorPan& Pan)
{
    auto* bar = new TRulskakt(Parent);
    bar->SetOrientering(coVandret);
    bar->setFixedHeight(17);
    bar->SetRammeYdre(&Painters.RulRamme);
    bar->SetRammeKnap(&Painters.RulKnap);
    bar->SetRammePos(&Painters.PosKnapRamme);
    bar->SetComponent(&Pan);
    bar->SetCompoFunktion(true);
    bar->setEnabled(false);
    return bar;
}

} // namespace ColourControls
