#pragma once
#include "widgets/Compo.h"

enum TSplitOrientering { soLodret, soVandret, soOpHojre, soNedHojre };
enum TSplitRetning { srInd, spUd };

// A separator: a groove of two parallel lines, vertical, horizontal or diagonal, sunken or
// raised. Every setter repaints only when the value changes.
class TSeperator : public TPreRammeCompo {
public:
    explicit TSeperator(QWidget* parent = nullptr);

    bool MedRille() const { return FMedRille; }
    void SetMedRille(bool value) { Set(FMedRille, value); }
    TSplitOrientering Orientering() const { return FOrientering; }
    void SetOrientering(TSplitOrientering value) { Set(FOrientering, value); }
    TSplitRetning Retning() const { return FRetning; }
    void SetRetning(TSplitRetning value) { Set(FRetning, value); }
    // Pen width of each line, and their distance.
    int RilleBredde() const { return FRilleBredde; }
    void SetRilleBredde(int value) { Set(FRilleBredde, value); }
    // Distance of the groove from the widget's edges.
    int RilleSpace() const { return FRilleSpace; }
    void SetRilleSpace(int value) { Set(FRilleSpace, value); }
    TColor FarveLys() const { return FFarveLys; }
    void SetFarveLys(TColor value) { Set(FFarveLys, value); }
    TColor FarveSkygge() const { return FFarveSkygge; }
    void SetFarveSkygge(TColor value) { Set(FFarveSkygge, value); }

protected:
    void Paint() override;

private:
    template <typename T>
    void Set(T& field, T value)
    {
        if (field != value)
            StoreRepaint(field, value);
    }
    void DrawGroove();

    bool FMedRille = false;
    TSplitOrientering FOrientering = soLodret;
    TSplitRetning FRetning = srInd;
    int FRilleBredde = 1;
    int FRilleSpace = 2;
    TColor FFarveLys = clBtnHighlight;
    TColor FFarveSkygge = clBtnShadow;
};
