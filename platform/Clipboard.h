#pragma once

class TBitmap;

// The platform clipboard's picture exchange.
class TClipboard {
public:
    static bool HasBitmap();
    static void SetBitmap(const TBitmap& bitmap);
    // False (and bitmap untouched) when the clipboard holds no picture.
    static bool GetBitmap(TBitmap& bitmap);
};
