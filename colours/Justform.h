#pragma once
#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class TMainServices;
class TRulskakt;
class TSharedPainters;
struct TOptions;

// The adjust-colours dialog: an upper and a lower limit for red, green and blue, each an edit
// and a slider kept in step, and a button that adjusts the active picture's colours between
// the limits. The sliders are the only store of the six values.
class TJustform : public QDialog {
public:
    TJustform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);

    // The active picture's JusterFarver with the dialog's limits; nothing without a document.
    void JusterFarver();
    void SetSprog(bool Engelsk);
    void GemPosition(TOptions& Opt) const;

    // Upper limits red, green, blue, then lower limits red, green, blue.
    uint8_t Limit(int Nr) const;

    QLabel *TekstRGBmax = nullptr, *TekstRGBmin = nullptr;
    QLabel *RedFelt = nullptr, *Greenfelt = nullptr, *Bluefelt = nullptr;
    QLabel *Redfeltmin = nullptr, *Greenfeltmin = nullptr, *Bluefeltmin = nullptr;
    QLineEdit *REdit = nullptr, *GEdit = nullptr, *BEdit = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
    TRulskakt *Rulskakt1 = nullptr, *Rulskakt2 = nullptr, *Rulskakt3 = nullptr;
    TRulskakt *Rulskakt4 = nullptr, *Rulskakt5 = nullptr, *Rulskakt6 = nullptr;
    QPushButton* okKnap = nullptr;
    uint8_t Sprog = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One row: channel label, edit and slider, the edit and the slider kept in step.
    void AddRow(QLabel*& label, QLineEdit*& edit, TRulskakt*& slider, int start, const char* editName,
                const char* sliderName);

    TMainServices& FServices;
    TSharedPainters& FPainters;
    TRulskakt* FSliders[6] = {};
};
