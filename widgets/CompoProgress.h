#pragma once
#include "widgets/Compo.h"
#include "widgets/TekstX.h"
#include <cstdint>
#include <functional>

using TOnTekstChange = std::function<void(TObject* Sender, const QString& NewText)>;
using TStepProgress = std::function<void(TObject* Sender, uint8_t Procent)>;

// A framed widget that writes texts through a shared text layout.
class TPreTekst : public TPreRammeCompo {
public:
    explicit TPreTekst(QWidget* parent = nullptr);
    ~TPreTekst() override;

    // The text layout (shared, not owned). Its changes repaint the widget assigned it last.
    TTekstX* TekstBog() const { return FTekstBog; }
    void SetTekstBog(TTekstX* value);

    // Clears the content area and writes S into it.
    virtual void UdskrivTekst(const QString& S);

    TOnTekstChange OnChange;

protected:
    // Writes S into the content area through the layout, for the state Tilstand.
    void WriteText(const QString& S, int Tilstand);

private:
    QPointer<TTekstX> FTekstBog;
};

// A progress bar that grows in steps of Trin, with a text written over it.
class TProgressCompo : public TPreTekst {
public:
    explicit TProgressCompo(QWidget* parent = nullptr);

    int Min() const { return FMin; }
    void SetMin(int value) { SetRange(FMin, value); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetRange(FMax, value); }
    // The value as last given (not limited to the range).
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // The step of the bar, at least 1.
    int Trin() const { return FTrin; }
    void SetTrin(int value) { SetRange(FTrin, std::max(1, value)); }
    // The value the bar shows: Min plus a multiple of Trin.
    int StepPos() const { return FStepPos; }
    TCompoOrientering Orientering() const { return FOrientering; }
    void SetOrientering(TCompoOrientering value) { StoreRepaint(FOrientering, value); }
    TColor ColorStep() const { return FColorStep; }
    void SetColorStep(TColor value) { StoreRepaint(FColorStep, value); }
    // Stretched over the bar instead of the colour when not empty; copied, no repaint.
    const TBitmap& StepBitmap() const { return FStepBitmap; }
    void SetStepBitmap(const TBitmap& value) { FStepBitmap = value; }
    // Clear the content area before a growing bar is drawn.
    bool Opfrisk() const { return FOpfrisk; }
    void SetOpfrisk(bool value) { FOpfrisk = value; }
    QString Tekst() const { return FTekst; }
    void SetTekst(const QString& value);
    // The widget has been painted once.
    bool ComponentMade() const { return FComponentMade; }

    // The percentage 0 .. 100 after each drawing of the bar.
    TStepProgress OnProgress;

protected:
    void Paint() override;

private:
    void SetRange(int& field, int value);
    void DrawBar();

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FTrin = 5;
    int FStepPos = 0;
    TCompoOrientering FOrientering = coVandret;
    TColor FColorStep = clBlue;
    TBitmap FStepBitmap;
    bool FOpfrisk = false;
    QString FTekst;
    bool FComponentMade = false;
};
