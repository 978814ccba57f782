#include "widgets/CompoProgress.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <gtest/gtest.h>
#include <memory>

TEST(SharedPainters, SettingsOfTheNamedPainters)
{
    TSharedPainters p;
    EXPECT_EQ(p.RulRamme.Art(), rtInd);
    EXPECT_EQ(p.RulRamme.FarveFelt(), 0xE0E0E0);
    EXPECT_TRUE(p.RammeIndA.NytClientRect());
    EXPECT_TRUE(p.RammeIndA.TilpasAlign());
    EXPECT_FALSE(p.RammeIndTrans.MedFeltFarve());
    EXPECT_EQ(p.TekstRamme.Bredde(), 2);
    EXPECT_EQ(p.TekstRamme.FarveFelt(), clWindow);
    EXPECT_EQ(p.BibR.AfstandH(), 18);
    EXPECT_TRUE(p.BibR.FocusRamme());
    EXPECT_EQ(p.PalRamme.AfstandN(), 4);
    EXPECT_EQ(p.ZoomRamme.AfstandLodret(), 8);
    EXPECT_EQ(p.ZoomRammeMini.AfstandLodret(), 1); // class default
    EXPECT_EQ(p.RulKnap.ArtUaktiv(), rtUd);
    EXPECT_EQ(p.PosKnapRamme.ReaktionNede(), rtIngen);
    EXPECT_EQ(p.PosKnapRamme.AfstandLodret(), 0);
    EXPECT_EQ(p.BWposR.ReaktionNede(), rtUd);
    EXPECT_EQ(p.BWposR.ReaktionOver(), rtUd); // class default
    EXPECT_EQ(p.FrammeProp.Art(), p.Framme1.Art());
    EXPECT_FALSE(p.FrammeProp.MedFeltFarve());
    EXPECT_EQ(p.BibRF.FarveAktiv(), clYellow);
    EXPECT_EQ(p.BibRF.Margen(), 2);
    EXPECT_EQ(p.RammeIngen.ReaktionOver(), rtIngen);
    EXPECT_EQ(p.DimLinier0.StartVal(), 1);
    EXPECT_EQ(p.DimLinier3.IntervalLille(), 2);
    EXPECT_EQ(p.DimLinier4.SlutVal(), 44);
    EXPECT_EQ(p.RGBLin.SlutVal(), 255);
    EXPECT_EQ(p.RGBLin.IntervalStor(), 128);
    EXPECT_EQ(p.RGBrel.DimMellem(), 8);
    EXPECT_EQ(p.ReguLin.DimLille(), 6);
}

TEST(SharedPainters, WidgetsComeAndGoWhileThePaintersStay)
{
    TSharedPainters p;
    for (int round = 0; round < 2; ++round) {
        auto bar = std::make_unique<TRulskakt>();
        auto progress = std::make_unique<TProgressCompo>();
        bar->SetRammeYdre(&p.RulRamme);
        bar->SetRammeKnap(&p.BWR);
        bar->SetRammePos(&p.BWposR);
        bar->SetIntervalLin(&p.RGBLin);
        progress->SetRammeYdre(&p.TekstRamme);
        progress->SetTekstBog(&p.TekstCenter);
        bar->show();
        progress->show();
        progress->SetTekst("42%");
        bar.reset();
        progress.reset();
        // Changes of the painters reach no destroyed widget.
        EXPECT_FALSE(bool(p.RGBLin.OnChange));
        EXPECT_FALSE(bool(p.TekstCenter.OnChange));
        p.RGBLin.SetDimStor(12);
        p.TekstCenter.SetMargenVenstre(0);
    }
}

TEST(SharedPainters, WidgetsOutlivingThePaintersDrawWithout)
{
    TRulskakt bar;
    {
        TSharedPainters p;
        bar.SetRammeYdre(&p.RulRamme);
        bar.SetRammeIndre(&p.ZoomRammeMini);
        bar.SetIntervalLin(&p.RGBLin);
        bar.show();
    }
    EXPECT_EQ(bar.RammeYdre(), nullptr);
    EXPECT_EQ(bar.IntervalLin(), nullptr);
    bar.Repaint();
    bar.SetPosition(3);
    EXPECT_EQ(bar.Position(), 3);
}
