#include "dialogs/PageTarget.h"
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include "platform/Bitmap.h"

TPrinterTarget::TPrinterTarget(QPrinter& Printer) : FPrinter(Printer) {}

TPrinterTarget::~TPrinterTarget()
{
    if (FPainter && FPainter->isActive())
        AbortJob();
}

QSize TPrinterTarget::PageSize() const
{
    return FPrinter.pageRect(QPrinter::DevicePixel).toRect().size();
}

bool TPrinterTarget::BeginJob()
{
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(&FPrinter)) {
        FPainter.reset();
        return false;
    }
    // Picture pixels stay sharp and exact: no smoothing, and no JPEG inside a PDF.
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    FPainter->setRenderHint(QPainter::LosslessImageRendering, true);
    return true;
}

bool TPrinterTarget::NewPage()
{
    return FPainter && FPrinter.newPage();
}

void TPrinterTarget::DrawBitmap(const TBitmap& Bitmap, const QRect& Target)
{
    if (FPainter && !Bitmap.Empty())
        FPainter->drawImage(Target, Bitmap.Image());
}

bool TPrinterTarget::EndJob()
{
    if (!FPainter)
        return false;
    const bool ok = FPainter->end();
    FPainter.reset();
    return ok;
}

void TPrinterTarget::AbortJob()
{
    if (!FPainter)
        return;
    FPrinter.abort();
    FPainter->end();
    FPainter.reset();
    // An unfinished PDF is no use to anybody.
    if (FPrinter.outputFormat() == QPrinter::PdfFormat && !FPrinter.outputFileName().isEmpty())
        QFile::remove(FPrinter.outputFileName());
}
