#pragma once
#include "engine/ImageEdit.h"

// Eighth link: new pictures, loading and saving picture files.
class TImageFile : public TImageEdit {
public:
    explicit TImageFile(QWidget* parent = nullptr);
};
