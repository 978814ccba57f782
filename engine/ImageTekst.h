#pragma once
#include "engine/ImageDraw.h"

// Fourteenth link: the text tool.
class TImageTekst : public TImageDraw {
public:
    explicit TImageTekst(QWidget* parent = nullptr);

    // Writes the text list into the tool rectangle (tool 40).
    void WriteText();
};
