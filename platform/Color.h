#pragma once
#include <QColor>
#include <cstdint>

// A colour value laid out 0x00BBGGRR: red in the low byte, blue in the third byte.
// Negative values name system colours; clNone marks an empty colour field.
using TColor = int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours: 0xFF000000 plus the index of the platform colour, so clBtnFace is
// -16777201 (0xFF00000F), the values stored in palette files and options records and read by
// other installations. The older form 0x80000000 plus the index names the same colour: every
// negative value takes the colour of its low byte, and NormaliseColor turns the old form into
// the new one where colours are compared or stored.
constexpr uint32_t kSystemColorBase = 0xFF000000u;
constexpr uint32_t kOldSystemColorBase = 0x80000000u;
constexpr TColor SystemColor(int index)
{
    return static_cast<TColor>(kSystemColorBase | (static_cast<uint32_t>(index) & 0xFFu));
}
// True for both forms of a system colour (0xFF000000 or 0x80000000 plus an index 0..255).
constexpr bool IsSystemColor(TColor c)
{
    const uint32_t high = static_cast<uint32_t>(c) & 0xFFFFFF00u;
    return high == kSystemColorBase || high == kOldSystemColorBase;
}
// A system colour of the older form (0x80000000 plus the index) becomes the same colour in
// the Part's form (0xFF000000 plus the index); every other value is returned unchanged.
constexpr TColor NormaliseColor(TColor c)
{
    return (static_cast<uint32_t>(c) & 0xFFFFFF00u) == kOldSystemColorBase ? SystemColor(c & 0xFF) : c;
}
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

constexpr uint8_t GetRValue(TColor c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GetGValue(TColor c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(TColor c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
constexpr TColor RGB(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

// Classic desktop values of the system colours, by index (24 entries).
inline constexpr TColor kSystemColorValues[25] = {
    RGB(200, 200, 200), RGB(0, 128, 128),   RGB(0, 84, 227),    RGB(122, 150, 223), // 0-3
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       // 4-7
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200), // 8-11
    RGB(128, 128, 128), RGB(49, 106, 197),  RGB(255, 255, 255), RGB(236, 233, 216), // 12-15
    RGB(172, 168, 153), RGB(172, 168, 153), RGB(0, 0, 0),       RGB(216, 228, 248), // 16-19
    RGB(255, 255, 255), RGB(113, 111, 100), RGB(241, 239, 226), RGB(0, 0, 0),       // 20-23
    RGB(255, 255, 225),
};

// A concrete 0x00BBGGRR value: a system colour becomes its fixed classic desktop value (an
// index beyond the table black); every other value keeps its low 24 bits, so clNone is white
// and clDefault black.
constexpr TColor ColorToRGB(TColor c)
{
    if (c < 0) {
        const int index = c & 0xFF;
        return index < 25 ? kSystemColorValues[index] : clBlack;
    }
    return c & 0xFFFFFF;
}

// The one way a colour becomes a raster pixel (Qt's 0xAARRGGBB, opaque). Filling, drawing and
// every per-pixel comparison use it, so a colour is the same pixel when drawn and compared.
constexpr uint32_t ToQRgb(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return 0xFF000000u | (uint32_t(GetRValue(rgb)) << 16) | (uint32_t(GetGValue(rgb)) << 8) | GetBValue(rgb);
}
// True when the two colours become the same raster pixel.
constexpr bool SamePixel(TColor a, TColor b) { return ToQRgb(a) == ToQRgb(b); }
constexpr TColor FromQRgb(uint32_t rgb)
{
    return static_cast<TColor>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);
