#pragma once
#include <QRect>
#include <QSize>
#include <memory>

class QPainter;
class QPrinter;
class TBitmap;

// Where printed pages go. Printing draws through this interface, so that a printer, a PDF file
// or a recorder in tests takes the same pages. Sizes and positions are device pixels of the
// page's printable rectangle, its top-left corner being (0, 0).
class TPageTarget {
public:
    virtual ~TPageTarget() = default;

    // Width and height of the printable rectangle.
    virtual QSize PageSize() const = 0;
    // Starts a job on the first page; False when the device cannot print (no job then).
    virtual bool BeginJob() = 0;
    // Finishes the current page and starts the next; False when the device failed.
    virtual bool NewPage() = 0;
    // Draws Bitmap scaled into Target with the nearest pixel, never smoothed and never through
    // an enlarged copy.
    virtual void DrawBitmap(const TBitmap& Bitmap, const QRect& Target) = 0;
    // Finishes the job; False when the device could not complete it.
    virtual bool EndJob() = 0;
    // Drops the job that was begun.
    virtual void AbortJob() = 0;
};

// The page target on a Qt printer: a real printer, or a PDF file when the printer's output
// format is PDF. Pictures go into a PDF without lossy compression.
class TPrinterTarget : public TPageTarget {
public:
    explicit TPrinterTarget(QPrinter& Printer);
    ~TPrinterTarget() override;

    QPrinter& Printer() const { return FPrinter; }

    QSize PageSize() const override;
    bool BeginJob() override;
    bool NewPage() override;
    void DrawBitmap(const TBitmap& Bitmap, const QRect& Target) override;
    bool EndJob() override;
    void AbortJob() override;

private:
    QPrinter& FPrinter;
    std::unique_ptr<QPainter> FPainter;
};
