#pragma once
#include "engine/ImagePreProdu.h"

// Tenth link: the multicolour area generators.
class TImageProdu : public TImagePreProdu {
public:
    explicit TImageProdu(QWidget* parent = nullptr);
};
