#pragma once
#include "platform/Set.h"

// The language of a component's own texts, and the platform's mouse button and shift state:
// shared by the drawn controls of widgets/ and the picture component of engine/.
enum TSprogtype { stDansk, stEngelsk };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateElement { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateElement>;
