#include "platform/ToolIcons.h"
#include <QFile>
#include <QHash>
#include <QPixmap>

namespace {
struct TPaletteEntry {
    char Key;
    QRgb Colour;
};

// Greys, then each hue with its light and dark shade. Keep data/toolicons/README.md in step.
constexpr TPaletteEntry kPalette[] = {
    {'k', 0xFF1E1E1E}, {'d', 0xFF5C5C5C}, {'g', 0xFF9C9C9C}, {'l', 0xFFD6D6D6}, {'w', 0xFFFFFFFF},
    {'r', 0xFFDC3232}, {'m', 0xFF8E1A1A}, {'p', 0xFFF4A0A0}, {'o', 0xFFF08C1E}, {'y', 0xFFFAD83C},
    {'z', 0xFFFFF4B0}, {'n', 0xFF8C5A28}, {'t', 0xFFC89050}, {'e', 0xFF3CA83C}, {'f', 0xFF1E6E1E},
    {'h', 0xFFA0E090}, {'b', 0xFF3272D2}, {'c', 0xFF96CAFA}, {'u', 0xFF1A3C8C}, {'v', 0xFF9650C8},
};
} // namespace

const QStringList& ToolIconNames()
{
    static const QStringList names{
        // drawing tools
        "AFocus", "ABlyant", "ARedBlyant", "ASelCopy", "AStreg", "ARekt", "ARektF", "ARundtRekt", "ARundtRektF",
        "AEllipse", "AEllipseF", "APoly", "APolyF", "AFyld", "AFyldTil", "ASpray", "ARamme", "ARammeArt",
        "ARammeArtF", "APil", "APilF", "ATekst", "APixelInfo", "ASetColorFromPic", "AMetaPick",
        // fade tools
        "FadeAction1", "FadeAction2", "FadeAction3", "FadeAction4", "FadeAction5", "FadeAction6",
        "FadeAction7", "FadeAction8", "FadeAction9", "FadeAction10",
        // pen and brush styles
        "ASolid", "ADash", "ADot", "ADashDot", "ADashDotDot", "ASolidB", "AHorizontal", "AVertical",
        "AFDiagonal", "ABDiagonal", "ACross", "ADiagCross",
        // picture commands
        "AUndo", "ARedo", "ACopy", "ACut", "APaste", "APasteTrans", "APasteRep", "APasteRepTrans",
        "ASelectAll", "AfokuserObjekt", "aRemoveFocus", "ACutToFocus", "AScale", "AScaleToWidth",
        "AScaleToHeight", "AFlip1", "AFlip2", "ADrej1", "ADrej2", "ADrej3", "AInverter", "AOmrids",
        "AOmridsAlt", "AGray", "ARedu", "AColChange", "AToning", "AToningDark", "AIntfadeV", "AIntfadeL",
        "AFlyt", "AReducer", "AAdjust", "AJuster", "ASaveToMem", "ALoadFromMem", "AMiniPix", "AFocusZoom",
        "Aviewmeta", "Aviewpicture", "AviewEdit",
        // specific colour, object placement and moving
        "AMetaNormal", "AMetaFarve", "AMetaNotFarve", "Action1", "Action2", "Action3", "Action4", "Action5",
        "Action6", "Action7", "Action8", "Action9", "AMetaBox", "ATransColor",
        // file commands
        "ANewMalvo", "AOpenMalvo", "ALoadFromCB", "ASaveMalvo", "ASaveMalvoAs", "AReloadMalvo", "ALoadMalvo",
        "APicInfo", "ACloseMalvo", "ACloseAll", "ACloseProg", "ASizeToPic", "AWin7", "AWallpaper", "ADoc",
        "AClearDoc",
        // printing, window arrangement and the tool windows
        "APrint", "APrinterProp", "AWin1", "AWin2", "AWin3", "AWin4", "AWin5", "AColor", "AProp", "Ainformation",
        "ATekstBox", "AopenCloseLinje",
        // the object indicator: an object, none, a selection that can be duplicated
        "ObjectPresent", "ObjectNone", "ObjectDuplicable",
        // tool properties: the sixteen border side buttons, the six directions of repetition,
        // the eight focus moves and the nine focus resizes
        "RammeSide0", "RammeSide1", "RammeSide2", "RammeSide3", "RammeSide4", "RammeSide5", "RammeSide6",
        "RammeSide7", "RammeSide8", "RammeSide9", "RammeSide10", "RammeSide11", "RammeSide12", "RammeSide13",
        "RammeSide14", "RammeSide15", "Retning0", "Retning1", "Retning2", "Retning3", "Retning4", "Retning5",
        "FokusFlyt0", "FokusFlyt1", "FokusFlyt2", "FokusFlyt3", "FokusFlyt4", "FokusFlyt5", "FokusFlyt6",
        "FokusFlyt7", "FokusDim0", "FokusDim1", "FokusDim2", "FokusDim3", "FokusDim4", "FokusDim5", "FokusDim6",
        "FokusDim7", "FokusDim8",
        // the favourites lists and the program menu
        "FavInsert", "FavDelete", "FavUp", "FavDown", "FavClear", "Programs"};
    return names;
}

std::optional<QRgb> ToolIconColour(char c)
{
    if (c == '.')
        return qRgba(0, 0, 0, 0);
    for (const TPaletteEntry& e : kPalette)
        if (e.Key == c)
            return e.Colour;
    return std::nullopt;
}

QImage ParseToolIcon(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != kToolIconSize)
        return {};
    QImage image(kToolIconSize, kToolIconSize, QImage::Format_ARGB32);
    for (int y = 0; y < kToolIconSize; ++y) {
        QByteArray line = lines[y];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() != kToolIconSize)
            return {};
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kToolIconSize; ++x) {
            const std::optional<QRgb> colour = ToolIconColour(line[x]);
            if (!colour)
                return {};
            row[x] = *colour;
        }
    }
    return image;
}

QImage ToolIconImage(const QString& actionName)
{
    // Only listed names are looked up, so a name cannot reach another resource folder.
    if (!ToolIconNames().contains(actionName))
        return {};
    static QHash<QString, QImage> cache;
    if (auto it = cache.constFind(actionName); it != cache.constEnd())
        return *it;
    QImage image;
    QFile file(QStringLiteral(":/toolicons/%1.txt").arg(actionName));
    if (file.open(QIODevice::ReadOnly))
        image = ParseToolIcon(file.readAll());
    cache.insert(actionName, image);
    return image;
}

QIcon ToolIcon(const QString& actionName)
{
    const QImage image = ToolIconImage(actionName);
    if (image.isNull())
        return {};
    static QHash<QString, QIcon> cache;
    if (auto it = cache.constFind(actionName); it != cache.constEnd())
        return *it;
    const QIcon icon(QPixmap::fromImage(image));
    cache.insert(actionName, icon);
    return icon;
}
