#pragma once
#include "platform/Color.h"
#include "platform/Set.h"
#include <QFont>
#include <QString>
#include <QStringList>

// Pen, brush and font of a canvas, with the platform's styles.

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle, psAlternate };
// pmCopy draws the pen colour; pmNot inverts what is under the pen (twice restores it).
enum TPenMode { pmCopy, pmNot };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TFillStyle { fsSurface, fsBorder };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct TFont {
    QString Name = QStringLiteral("DejaVu Sans");
    int Size = 8; // points at 96 pixels per inch
    TColor Color = clBlack;
    TFontStyles Style;
    // The character height in pixels that SetHeight was given (0: none, the height follows
    // Size). It holds while Size is still the point size SetHeight rounded it to; a new point
    // size assigned to Size takes over.
    int PixelHeight = 0;

    // Character height in pixels, negative as the platform gives it: exactly the height that
    // SetHeight was given (its sign dropped), else Size in pixels at 96 pixels per inch.
    int Height() const;
    // Stores the pixel height (either sign) and Size as the nearest point size.
    void SetHeight(int pixels);
    QFont ToQFont() const;
    // Equal fonts draw alike: the same name, colour, style and height.
    bool operator==(const TFont& o) const
    {
        return Name == o.Name && Size == o.Size && Color == o.Color && Style == o.Style && Height() == o.Height();
    }
};

// The font families the program can use, sorted.
QStringList ScreenFonts();
