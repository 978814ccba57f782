#include "engine/ImageTekst.h"

TImageTekst::TImageTekst(QWidget* parent) : TImageDraw(parent) {}

void TImageTekst::WriteText() {}
