#pragma once

class TBitmap;

// The platform clipboard's picture exchange.
class TClipboard {
public:
    // The program has a clipboard (a running application).
    static bool Available();
    static bool HasBitmap();
    // False when there is no clipboard or the picture is empty.
    static bool SetBitmap(const TBitmap& bitmap);
    // False (and bitmap untouched) when the clipboard holds no picture.
    static bool GetBitmap(TBitmap& bitmap);
};
