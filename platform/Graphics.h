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

    // Character height in pixels, negative as the platform gives it.
    int Height() const;
    void SetHeight(int pixels);
    QFont ToQFont() const;
    bool operator==(const TFont&) const = default;
};

// The font families the program can use, sorted.
QStringList ScreenFonts();
