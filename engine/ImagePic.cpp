#include "engine/ImagePic.h"

TImagePic::TImagePic(QWidget* parent) : TImagePicture(parent) {}

void TImagePic::Paint()
{
    FPainting = true;
    const bool modified = FModified;
    const bool selected = FSelected;
    ShowPicture();
    FModified = modified;
    if (selected)
        ShowFocus();
    FPainting = false;
}
