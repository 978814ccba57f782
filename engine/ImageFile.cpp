#include "engine/ImageFile.h"

TImageFile::TImageFile(QWidget* parent) : TImageEdit(parent) {}
