#include "engine/ImageProduTool.h"

TImageProduTool::TImageProduTool(QWidget* parent) : TImageProdu(parent) {}
