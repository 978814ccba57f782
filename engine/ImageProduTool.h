#pragma once
#include "engine/ImageProdu.h"

// Eleventh link: the frame every multicolour tool runs in (prepare, generate on the meta
// bitmap, place into the picture) and the colour line.
class TImageProduTool : public TImageProdu {
public:
    explicit TImageProduTool(QWidget* parent = nullptr);

    // Runs the current multicolour tool (50, 60-65, 70, 71, 80) on the tool rectangle.
    void RunMultiColour();
    static bool IsMultiColourTool(int toolNr);

protected:
    void ColourLine();
    void ColourLineDot(int x, int y, int w);
};
