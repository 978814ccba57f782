#include "util/AlmenX.h"
#include <limits>

namespace {

// The digits 0-9 of S, in order, as a number. Digits is False when S holds none; Fits is False
// when their value exceeds the largest 32-bit signed integer.
struct DigitValue {
    qint64 Value = 0;
    bool Digits = false;
    bool Fits = true;
};

DigitValue ReadDigits(QStringView S)
{
    constexpr qint64 Largest = std::numeric_limits<int>::max();
    DigitValue d;
    for (QChar c : S) {
        if (c < u'0' || c > u'9')
            continue;
        d.Digits = true;
        if (d.Fits) {
            d.Value = d.Value * 10 + (c.unicode() - u'0');
            if (d.Value > Largest)
                d.Fits = false;
        }
    }
    return d;
}

int Checked(const DigitValue& d, bool Negative, bool* Ok)
{
    if (Ok)
        *Ok = d.Fits;
    if (!d.Fits)
        return 0;
    return static_cast<int>(Negative ? -d.Value : d.Value);
}

} // namespace

uint8_t TAlmenX::EditByte(const QString& EditS)
{
    QStringView s(EditS);
    if (s.startsWith(u'0'))
        s = s.mid(1);
    const DigitValue d = ReadDigits(s);
    if (!d.Fits || d.Value > 255)
        return 255;
    return static_cast<uint8_t>(d.Value);
}

int TAlmenX::EditInteger(const QString& EditS, bool* Ok)
{
    return Checked(ReadDigits(EditS), EditS.startsWith(u'-'), Ok);
}

int TAlmenX::EditPosInteger(const QString& EditS, bool* Ok)
{
    return Checked(ReadDigits(EditS), false, Ok);
}

QString TAlmenX::GetExt(const QString& FNavn)
{
    const qsizetype slash = FNavn.lastIndexOf(u'/');
    const qsizetype dot = FNavn.lastIndexOf(u'.');
    if (dot < 0 || dot < slash)
        return QString();
    return FNavn.mid(dot + 1);
}
