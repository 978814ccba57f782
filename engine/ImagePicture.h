#pragma once
#include "engine/ImageTekst.h"

// Fifteenth link: picture insertion and bitmap exchange.
class TImagePicture : public TImageTekst {
public:
    explicit TImagePicture(QWidget* parent = nullptr);
};
