#pragma once
#include "platform/Bitmap.h"
#include "platform/Cursors.h"
#include "platform/Input.h"
#include "platform/Set.h"
#include "platform/Types.h"
#include <functional>

// Event types of the picture component; every event passes its sender first.
enum TMetaMetode { mmNormal, mmFarve, mmNotFarve };
enum TFocusType { ftNormal, ftInvers, ftMove };
// Direction of a move step.
enum TFlytRetning { frLeft, frRight, frUp, frDown, frNone };

using TOnMusPos = std::function<void(TObject* Sender, int X, int Y)>;
using TOnPosition = std::function<void(TObject* Sender, int X, int Y)>;
using TOnCursor = std::function<void(TObject* Sender, TCursor ToolCursor)>;
using TOnObjekt = std::function<void(TObject* Sender, bool Objekt, int ObjektNr)>;
using TOnFocusEnd = std::function<void(TObject* Sender, const TRect& FocusR)>;
using TOnAutoPerform = std::function<void(TObject* Sender, bool NewPicture)>;
using TPixInfo = std::function<void(TObject* Sender, int X, int Y, uint8_t R, uint8_t G, uint8_t B, TColor Farve,
                                    TMouseButton Button)>;
using TOnLoad = std::function<void(TObject* Sender, int B, int H)>;
using TScaleEvent = std::function<void(TObject* Sender, int NewWidth, int NewHeight, double Procent)>;
using TOnFriFocus = std::function<void(TObject* Sender, bool& NoNew)>;
using TOnCopy = std::function<void(TObject* Sender, TBitmap& copyBitmap)>;

// Picks the caption of the component's language.
inline QString Caption(TSprogtype sprog, const char* dansk, const char* engelsk)
{
    return QString::fromUtf8(sprog == stDansk ? dansk : engelsk);
}
