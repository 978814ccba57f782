#pragma once
#include "engine/ImageMani.h"

// Thirteenth link: the drawing tools for strokes and shapes, fills, spray and frames.
class TImageDraw : public TImageMani {
public:
    explicit TImageDraw(QWidget* parent = nullptr);

    // Fired on every polygon step.
    TNotifyEvent OnPoly;
};
