#pragma once
#include "engine/ImageFile.h"

// Ninth link: the colour sequence of the multicolour tools.
class TImagePreProdu : public TImageFile {
public:
    explicit TImagePreProdu(QWidget* parent = nullptr);
};
