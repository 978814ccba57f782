#pragma once
#include "engine/ImagePic.h"
#include <functional>

// The small picture on a tool page that shows what the page's values draw: a picture
// component of its own with a white picture of its size. Redraw clears it, takes the colours
// of the active picture and the page's values, and draws one sample of its tool over most of
// its area; the colour line (tool 50) and the polygons are drawn by the user on it instead.
class TToolPreview : public TImagePic {
public:
    TToolPreview(int tool, int width, int height, QWidget* parent = nullptr);

    // Clears the picture to white and takes the fill, pen and middle colour of source (without
    // one: red fill, black pen) and the pen width; draws nothing ("Forny canvas").
    void Forny(const TImagePic* source, int penWidth);
    // Forny, then setValues on this preview, then the sample of its tool.
    void Redraw(const TImagePic* source, int penWidth, const std::function<void(TImagePic&)>& setValues);
    // The tool draws a sample by itself (every tool but the colour line and the polygons).
    bool DrawsSample() const;

    // Number of samples drawn; tests and the benchmark read it.
    int Samples = 0;
};
