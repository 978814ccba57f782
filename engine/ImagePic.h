#pragma once
#include "engine/ImagePicture.h"

// The picture component that windows place: the last link of the chain, with the mouse
// dispatch, the tool realisation and the repaint of the view. It needs no parent window.
class TImagePic : public TImagePicture {
public:
    explicit TImagePic(QWidget* parent = nullptr);

    // Redraws the view from the picture, keeping Modified and a selected focus.
    void Paint() override;
};
