#include "engine/ImagePreProdu.h"

TImagePreProdu::TImagePreProdu(QWidget* parent) : TImageFile(parent) {}
