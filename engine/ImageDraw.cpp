#include "engine/ImageDraw.h"

TImageDraw::TImageDraw(QWidget* parent) : TImageMani(parent)
{
    SetRamFarveLys(clSilver);
    SetRamFarveSkygge(clGray);
}
