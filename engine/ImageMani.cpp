#include "engine/ImageMani.h"

TImageMani::TImageMani(QWidget* parent) : TImageProduTool(parent) {}
