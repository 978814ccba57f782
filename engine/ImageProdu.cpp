#include "engine/ImageProdu.h"

TImageProdu::TImageProdu(QWidget* parent) : TImagePreProdu(parent) {}
