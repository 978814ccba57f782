#pragma once
#include <QDialog>
#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QToolButton;
class TMainServices;
class TRulskakt;
class TSharedPainters;
struct TOptions;

// The regulate dialog: the number of steps per channel (0 … 32) that the colour reduction
// uses, and the automatic decrease that lowers one channel after each reduction, red, green
// and blue in turn, so that repeated reductions coarsen the picture channel by channel.
class TReguform : public QDialog {
public:
    TReguform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);

    // After a reduction: the next channel in turn is lowered by one while the option AutoDec
    // is on; when all three stand at 0 the dialog is shown.
    void DecValues();
    void SetSprog(bool Engelsk);
    void GemPosition(TOptions& Opt) const;
    // The button runs the main window's reduce command and shows its caption and glyph.
    void SetReduAction(QAction* Action);

    uint8_t Red = 4, Green = 4, Blue = 4;
    // The channel the next decrease lowers: 1 red, 2 green, 3 blue (0 before the first).
    uint8_t Count = 0;
    uint8_t Sprog = 0;

    QLabel *LRed = nullptr, *LGreen = nullptr, *LBlue = nullptr;
    TRulskakt *RBar = nullptr, *GBar = nullptr, *BBar = nullptr;
    QLineEdit *EditRed = nullptr, *EditGreen = nullptr, *EditBlue = nullptr;
    QToolButton* SpeedButton1 = nullptr;

private:
    void AddRow(QLabel*& label, TRulskakt*& bar, QLineEdit*& edit, uint8_t& value, const char* name);

    TMainServices& FServices;
    TSharedPainters& FPainters;
};
