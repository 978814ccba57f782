#include "dialogs/BitmapPrint.h"
#include <QPrinter>
#include <new>
#include "dialogs/PageTarget.h"
#include "platform/Bitmap.h"

TBitmapPrint::TBitmapPrint()
    : FOwnPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      FOwnTarget(std::make_unique<TPrinterTarget>(*FOwnPrinter)), FTarget(FOwnTarget.get())
{
}

TBitmapPrint::TBitmapPrint(TPageTarget& Target) : FTarget(&Target) {}

TBitmapPrint::~TBitmapPrint() = default;

QPrinter* TBitmapPrint::Printer() const
{
    return FOwnPrinter.get();
}

void TBitmapPrint::GetPageSize(int& W, int& H) const
{
    const QSize page = FTarget->PageSize();
    W = page.width();
    H = page.height();
}

bool TBitmapPrint::PrintDraw(const TBitmap& Bitmap)
{
    return PrintCopies(Bitmap, QRect(X1, Y1, Bitmap.Width(), Bitmap.Height()));
}

bool TBitmapPrint::PrintStretchDraw(const TBitmap& Bitmap)
{
    return PrintCopies(Bitmap, QRect(QPoint(X1, Y1), QPoint(X2 - 1, Y2 - 1)));
}

bool TBitmapPrint::PrintCopies(const TBitmap& Bitmap, const QRect& Place)
{
    if (KopiAntal <= 0)
        return true;
    if (Bitmap.Empty() || Place.isEmpty())
        return false;
    if (!FTarget->BeginJob())
        return false;
    try {
        for (int copy = 1; copy <= KopiAntal; ++copy) {
            FTarget->DrawBitmap(Bitmap, Place);
            if (copy < KopiAntal && !FTarget->NewPage()) {
                FTarget->AbortJob();
                return false;
            }
        }
    } catch (const std::bad_alloc&) {
        FTarget->AbortJob();
        return false;
    }
    return FTarget->EndJob();
}
