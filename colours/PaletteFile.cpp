#include "colours/PaletteFile.h"
#include "platform/PictureCodecs.h"
#include <QFile>
#include <QFileInfo>
#include <array>

namespace {

// What a record means: an empty field and the platform's system colours stand as they are
// (the older system colour form becomes the current one); anything else is a colour of
// 24 bits, whatever a foreign program put into the top byte.
TColor RecordColour(TColor v)
{
    if (v == clNone)
        return clNone;
    if (IsSystemColor(v))
        return NormaliseColor(v);
    return v & 0xFFFFFF;
}

} // namespace

namespace PaletteFile {

bool Read(const QString& Filnavn, std::vector<TColor>& colours)
{
    if (!QFileInfo(Filnavn).isFile())
        return false;
    QFile file(Filnavn);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.read(qint64(kMaxRecords) * 4);
    if (file.error() != QFileDevice::NoError)
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    colours.clear();
    for (qsizetype at = 0; at + 4 <= data.size(); at += 4) {
        const uint32_t v = uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16
            | uint32_t(bytes[at + 3]) << 24;
        colours.push_back(RecordColour(static_cast<TColor>(v)));
    }
    return true;
}

bool Write(const QString& Filnavn, const std::vector<TColor>& colours)
{
    QByteArray data;
    data.reserve(qsizetype(colours.size()) * 4);
    for (TColor c : colours) {
        const uint32_t v = static_cast<uint32_t>(c);
        for (int shift = 0; shift < 32; shift += 8)
            data.append(char((v >> shift) & 0xFF));
    }
    return PictureCodecs::WriteFileSafely(Filnavn, data);
}

TGitter GitterFor(int n)
{
    struct TLinie {
        int Fra; // the line holds from this count up to the next line's
        TGitter Gitter;
    };
    static constexpr std::array<TLinie, 21> kTabel{{
        {61, {16, 4}}, {57, {15, 4}}, {53, {14, 4}}, {49, {13, 4}}, {45, {12, 4}}, {41, {11, 4}},
        {37, {10, 4}}, {34, {12, 3}}, {31, {11, 3}}, {25, {10, 3}}, {23, {12, 2}}, {21, {11, 2}},
        {19, {10, 2}}, {17, {9, 2}},  {15, {8, 2}},  {13, {7, 2}},  {11, {6, 2}},  {9, {5, 2}},
        {7, {4, 2}},   {5, {3, 2}},   {0, {2, 2}},
    }};
    for (const TLinie& linie : kTabel)
        if (n >= linie.Fra)
            return linie.Gitter;
    return {2, 2};
}

} // namespace PaletteFile
