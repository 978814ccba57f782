#pragma once
#include "engine/ImageProdu.h"

// Eleventh link: the multicolour tools driven by the mouse.
class TImageProduTool : public TImageProdu {
public:
    explicit TImageProduTool(QWidget* parent = nullptr);
};
