#pragma once
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class TColorPan;
class TMainServices;
class TRulskakt;
class TSharedPainters;
struct TOptions;

// The sort dialog: sorts the colours of a panel by R * red + G * green + B * blue, the three
// weights (1 .. 32) set with sliders or typed. Palnummer says which panel: 1 the colour box's
// large palette, 0 the palette box's; Panel gives it.
class TSortform : public QWidget {
public:
    TSortform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Sorts the chosen panel with the three weights.
    void SorterFarvePalette();
    // Sorts this panel with the three weights, whichever Palnummer says.
    void Sorter(TColorPan& Pan);
    // Weights red 8, green 16, blue 1.
    void GendanClick();
    // Slider or edit of channel 0 (red), 1 (green) or 2 (blue).
    void BarChange(int Kanal, int Pos);
    void EditChange(int Kanal);
    // The position and the three weights into the options.
    void GemPosition(TOptions& Opt) const;

    int Palnummer = 1;
    std::function<TColorPan*(int Palnummer)> Panel;

    TRulskakt* RBar = nullptr;
    TRulskakt* GBar = nullptr;
    TRulskakt* BBar = nullptr;
    QLineEdit* REdit = nullptr;
    QLineEdit* GEdit = nullptr;
    QLineEdit* BEdit = nullptr;
    QPushButton* GendanKnap = nullptr;
    QPushButton* RealiserKnap = nullptr;
    QPushButton* LukKnap = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TRulskakt* Bar(int Kanal) const;
    QLineEdit* EditAf(int Kanal) const;

    QLabel* FLabels[4] = {}; // weight, red, green, blue
};
