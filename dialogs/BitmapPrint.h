#pragma once
#include <QRect>
#include <memory>

class QPrinter;
class TBitmap;
class TPageTarget;
class TPrinterTarget;

// Prints a picture in a number of copies, one copy a page, either unscaled at (X1, Y1) or
// stretched into (X1, Y1)-(X2, Y2). All positions are device pixels of the printable page.
// The picture itself goes to the page target scaled there; no enlarged copy is ever made.
class TBitmapPrint {
public:
    // Prints on a printer of its own in high resolution: the current printer, or a PDF file
    // when none is installed (the caller names the file).
    TBitmapPrint();
    // Prints on Target, which the caller keeps (a recorder in tests).
    explicit TBitmapPrint(TPageTarget& Target);
    ~TBitmapPrint();
    TBitmapPrint(const TBitmapPrint&) = delete;
    TBitmapPrint& operator=(const TBitmapPrint&) = delete;

    int KopiAntal = 1;
    int X1 = 160;
    int Y1 = 160;
    int X2 = 0;
    int Y2 = 0;

    // Width and height of the printable page in device pixels.
    void GetPageSize(int& W, int& H) const;
    // Prints Bitmap unscaled at (X1, Y1), KopiAntal times.
    bool PrintDraw(const TBitmap& Bitmap);
    // Prints Bitmap stretched into (X1, Y1)-(X2, Y2), KopiAntal times.
    // Both return False when the job could not start or failed (a failed job is aborted);
    // an empty picture or place prints nothing and gives False; KopiAntal 0 or less starts no
    // job and gives True.
    bool PrintStretchDraw(const TBitmap& Bitmap);

    // The printer printed on; nullptr with an outside target.
    QPrinter* Printer() const;
    TPageTarget& Target() const { return *FTarget; }

private:
    bool PrintCopies(const TBitmap& Bitmap, const QRect& Place);

    std::unique_ptr<QPrinter> FOwnPrinter;
    std::unique_ptr<TPrinterTarget> FOwnTarget;
    TPageTarget* FTarget = nullptr;
};
