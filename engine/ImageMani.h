#pragma once
#include "engine/ImageProduTool.h"

// Twelfth link: picture manipulations (size, orientation, moves, colours).
class TImageMani : public TImageProduTool {
public:
    explicit TImageMani(QWidget* parent = nullptr);
};
