#include "engine/ToolCaptions.h"

namespace {
constexpr TCaptionPair kPencil{"Annuller blyantsstreg", "Undo freehand drawing"};
constexpr TCaptionPair kLine{"Annuller streg", "Undo line"};
constexpr TCaptionPair kRect{"Annuller rektangel", "Undo rectangle"};
constexpr TCaptionPair kEllipse{"Annuller ellipse", "Undo elipse"};
constexpr TCaptionPair kPolygon{"Annuller polygon", "Undo polygon"};
constexpr TCaptionPair kArrowPress{"Annuller pil", "Undo errow"};
constexpr TCaptionPair kFilledArrowPress{"Annuller fyldt pil", "Undo filled errow"};
constexpr TCaptionPair kArrow{"Annuller pil", "Undo arrow"};
constexpr TCaptionPair kSpecialPencil{"Annuller blyantsredigering", "Undo freehand edit drawing"};
constexpr TCaptionPair kFill{"Annuller farvefyld", "Undo fill with color"};
constexpr TCaptionPair kSpray{"Annuller spray", "Undo spray"};
constexpr TCaptionPair kBorder{"Annuller ramme", "Undo border"};
constexpr TCaptionPair kSpecialBorderPress{"Annuller specialramme", "Undo special border"};
constexpr TCaptionPair kSpecialBorder{"Annuller special ramme", "Undo special border"};
constexpr TCaptionPair kText{"Annuller tekst", "Undo text"};
constexpr TCaptionPair kColourLine{"Annuller farvestreg", "Undo colorline"};
} // namespace

const TCaptionPair* PressCaption(int toolNr)
{
    switch (toolNr) {
    case 1: return &kPencil;
    case 2: return &kLine;
    case 3: case 4: case 5: case 6: return &kRect;
    case 7: case 8: return &kEllipse;
    case 9: case 10: return &kPolygon;
    case 20: case 21: return &kFill;
    case 22: return &kSpray;
    case 30: return &kBorder;
    case 31: case 32: return &kSpecialBorderPress;
    case 33: return &kArrowPress;
    case 34: return &kFilledArrowPress;
    case 40: return &kText;
    case 50: return &kColourLine;
    case 60: case 61: case 62: case 63: case 64: case 65: return &kRect;
    case 70: case 71: case 80: return &kEllipse;
    case 102: return &kSpecialPencil;
    default: return nullptr;
    }
}

const TCaptionPair* MakeToolCaption(int toolNr)
{
    switch (toolNr) {
    case 3: case 4: case 5: case 6: return &kRect;
    case 60: case 61: case 62: case 63: case 64: case 65: return &kRect;
    case 7: case 8: case 70: case 71: case 80: return &kEllipse;
    case 22: return &kSpray;
    case 30: return &kBorder;
    case 31: case 32: return &kSpecialBorder;
    case 33: case 34: return &kArrow;
    case 40: return &kText;
    default: return nullptr;
    }
}
