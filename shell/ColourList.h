#pragma once
#include "platform/Color.h"
#include <QComboBox>

// A drop-down list of the named colours, each with a swatch and its name in the current
// language. Grey is chosen at start.
class TColourList : public QComboBox {
    Q_OBJECT
public:
    explicit TColourList(QWidget* parent = nullptr);

    TColor Colour() const;
    // Chooses the colour when the list has it; False (nothing changes) otherwise.
    bool SetColour(TColor colour);
    void SetSprog(bool Engelsk);
};
