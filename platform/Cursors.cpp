#include "platform/Cursors.h"
#include <QBitmap>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <map>

namespace {
constexpr TCursorResource kToolCursors[] = {
    {4, "CUFOCUS", 15, 15},      {5, "CUBLYANT", 0, 0},       {6, "CULINIE", 0, 0},        {7, "CUREKT", 0, 0},
    {8, "CUELIP", 0, 0},         {9, "CUREKTFYLD", 0, 0},     {10, "CUELIPFYLD", 0, 0},    {11, "CUPOLY", 0, 0},
    {12, "CUPOLYFYLD", 0, 0},    {13, "CUFYLD", 4, 24},       {14, "CUFYLDTIL", 4, 24},    {15, "CUINFO", 15, 6},
    {16, "CUPRIKKER", 0, 0},     {17, "CUSTREGER", 0, 0},     {18, "CUREKTANGEL", 0, 0},   {19, "CUELLIPSE", 0, 0},
    {20, "CUZOOMREKT", 0, 0},    {21, "CUZOOMELIP", 0, 0},    {22, "CUFUNKTION", 0, 0},    {23, "CUREKTVIFTE", 0, 0},
    {24, "CUCIRKELVIFTE", 0, 0}, {25, "CURAMME", 0, 0},       {26, "CUELIPLINIE", 0, 0},   {27, "CURAMMEFYLD", 0, 0},
    {28, "CURREKT", 0, 0},       {29, "CURREKTFYLD", 0, 0},   {30, "CUTEKST", 0, 0},       {31, "CUSPRAY", 0, 0},
    {32, "CUKTEKST", 0, 0},      {33, "CUFADESTREG", 0, 0},   {34, "CUPIL", 0, 0},         {35, "CUPILFYLD", 0, 0},
    {36, "CUVARRAMME", 0, 0},    {37, "CUFADE50", 15, 13},    {38, "CUFHFOCUS", 3, 3},     {39, "CUREDBLYANT", 0, 0},
};

std::map<TCursor, QCursor>& Table()
{
    static std::map<TCursor, QCursor> table;
    return table;
}

TCursor gScreenCursor = crDefault;

Qt::CursorShape StandardShape(TCursor n)
{
    switch (n) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}
} // namespace

std::span<const TCursorResource> TCursors::ToolCursors()
{
    return kToolCursors;
}

// The artwork is 32 lines of 32 characters: '#' black, 'o' white, '.' transparent.
QCursor TCursors::Load(const QString& resource, int hotX, int hotY)
{
    QFile file(QStringLiteral(":/cursors/%1.txt").arg(resource));
    if (!file.open(QIODevice::ReadOnly))
        return QCursor(Qt::ArrowCursor);
    QImage shape(32, 32, QImage::Format_MonoLSB), mask(32, 32, QImage::Format_MonoLSB);
    // Index 1 is black: the drawn bit of a bitmap.
    const QList<QRgb> colours{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    shape.setColorTable(colours);
    mask.setColorTable(colours);
    shape.fill(0);
    mask.fill(0);
    for (int y = 0; y < 32 && !file.atEnd(); ++y) {
        const QByteArray line = file.readLine();
        for (int x = 0; x < 32 && x < line.size(); ++x) {
            // In a cursor bitmap, 1 is black (colour 1) and the mask marks drawn pixels.
            if (line[x] == '#') {
                shape.setPixel(x, y, 1);
                mask.setPixel(x, y, 1);
            } else if (line[x] == 'o') {
                mask.setPixel(x, y, 1);
            }
        }
    }
    return QCursor(QBitmap::fromImage(shape), QBitmap::fromImage(mask), hotX, hotY);
}

void TCursors::RegisterToolCursors()
{
    for (const TCursorResource& c : kToolCursors)
        if (!IsRegistered(c.Number))
            Register(c.Number, Load(QString::fromLatin1(c.Resource), c.HotX, c.HotY));
}

void TCursors::Register(TCursor number, const QCursor& cursor)
{
    Table()[number] = cursor;
}

bool TCursors::IsRegistered(TCursor number)
{
    return Table().count(number) > 0;
}

QCursor TCursors::Get(TCursor number)
{
    if (auto it = Table().find(number); it != Table().end())
        return it->second;
    return QCursor(StandardShape(number));
}

void TCursors::SetScreenCursor(TCursor number)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    gScreenCursor = number;
    if (number != crDefault)
        QGuiApplication::setOverrideCursor(Get(number));
}

TCursor TCursors::ScreenCursor()
{
    return gScreenCursor;
}
