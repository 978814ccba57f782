#include "engine/ImagePicture.h"

TImagePicture::TImagePicture(QWidget* parent) : TImageTekst(parent) {}
