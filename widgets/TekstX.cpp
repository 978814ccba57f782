#include "widgets/TekstX.h"
#include <QStringList>

namespace {
// The characters of s, a surrogate pair kept together as one character.
QStringList Characters(const QString& s)
{
    QStringList out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        const qsizetype n = s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate() ? 2 : 1;
        out << s.mid(i, n);
        i += n;
    }
    return out;
}

const QString kSpace = QStringLiteral(" ");
const QString kAmp = QStringLiteral("&");
const QString kDots = QStringLiteral("...");

// Leaves the brush of a canvas clear while a writer draws and restores it afterwards.
class ClearBrush {
public:
    explicit ClearBrush(TCanvas& c) : canvas_(c), saved_(c.Brush) { c.Brush.Style = bsClear; }
    ~ClearBrush() { canvas_.Brush = saved_; }

private:
    TCanvas& canvas_;
    TBrush saved_;
};
} // namespace

// ---- TTekstGrundX ----

TTekstGrundX::TTekstGrundX(TObject* parent) : TObject(parent) {}

void TTekstGrundX::Change()
{
    if (OnChange)
        OnChange(this);
}

void TTekstGrundX::SetMargenVenstre(int value)
{
    FMargenVenstre = value;
    Change();
}

void TTekstGrundX::SetMargenOppe(int value)
{
    FMargenOppe = value;
    Change();
}

void TTekstGrundX::SetMargenHojre(int value)
{
    FMargenHojre = value;
    Change();
}

void TTekstGrundX::SetMargenNede(int value)
{
    FMargenNede = value;
    Change();
}

TRect TTekstGrundX::BeregnRekt(const TRect& R)
{
    const TRect inner{R.Left + FMargenVenstre, R.Top + FMargenOppe, R.Right - FMargenHojre, R.Bottom - FMargenNede};
    FBredde = inner.Width();
    FHojde = inner.Height();
    return inner;
}

QString TTekstGrundX::AfkortTekst(const QString& S) const
{
    if (!LiveCanvas() || TextWidth(S) <= FBredde)
        return S;
    // The longest prefix whose characters fit one after the other.
    const QStringList chars = Characters(S);
    qsizetype count = 0;
    int width = 0;
    while (count < chars.size()) {
        const int cw = TextWidth(chars[count]);
        if (width + cw > FBredde)
            break;
        width += cw;
        ++count;
    }
    // Room for the dots: three characters give way to them.
    if (count >= 3)
        count -= 3;
    // Where the dots are wider than the characters they replace, more characters go.
    auto prefix = [&](qsizetype n) { return chars.mid(0, n).join(QString()); };
    while (count > 0 && TextWidth(prefix(count) + kDots) > FBredde)
        --count;
    return prefix(count) + kDots;
}

// ---- TTekstSkrivX ----

TTekstSkrivX::TTekstSkrivX(TObject* parent) : TTekstGrundX(parent) {}

void TTekstSkrivX::SetAlignVandret(TAlignVandretX value)
{
    FAlignVandret = value;
    Change();
}

void TTekstSkrivX::SetAlignLodret(TAlignLodretX value)
{
    FAlignLodret = value;
    Change();
}

void TTekstSkrivX::SetLinieAfstand(int value)
{
    FLinieAfstand = value;
    Change();
}

void TTekstSkrivX::SetGenkey(bool value)
{
    FGenkey = value;
    Change();
}

void TTekstSkrivX::DrawCharacter(int x, int y, const QString& c, bool underline)
{
    TCanvas& can = *FCanvas;
    const TFontStyles saved = can.Font.Style;
    if (underline)
        can.Font.Style.Include(fsUnderline);
    can.TextOut(x, y, c);
    can.Font.Style = saved;
}

void TTekstSkrivX::DrawWithAccelerators(int x, int y, const QString& Tekst)
{
    bool marked = false;
    for (const QString& c : Characters(Tekst)) {
        if (c == kAmp && !marked) {
            marked = true;
            continue;
        }
        DrawCharacter(x, y, c, marked);
        x += TextWidth(c);
        marked = false;
    }
}

void TTekstSkrivX::SkrivNormalTekst(const QString& Tekst)
{
    if (!LiveCanvas())
        return;
    ClearBrush brush(*FCanvas);
    const int w = TextWidth(Tekst), h = TextHeight(Tekst);
    int x = FRekt.Left, y = FRekt.Top;
    switch (FAlignVandret) {
    case avCentrer: x = FRekt.Left + (FBredde - w) / 2; break;
    case avVenstre: x = FRekt.Left; break;
    case avHojre: x = FRekt.Right - w; break;
    }
    switch (FAlignLodret) {
    case alCentrer: y = FRekt.Top + (FHojde - h) / 2; break;
    case alOppe: y = FRekt.Top; break;
    case alNede: y = FRekt.Bottom - h; break;
    }
    if (!FGenkey) {
        FCanvas->TextOut(x, y, Tekst);
        return;
    }
    DrawWithAccelerators(x + TextWidth(kAmp) / 2, y, Tekst);
}

void TTekstSkrivX::SkrivLodretTekst(const QString& Tekst)
{
    if (!LiveCanvas())
        return;
    ClearBrush brush(*FCanvas);
    const int ch = TextHeight(Tekst);
    const int aw = TextWidth(QStringLiteral("A"));
    int x = FRekt.Left;
    switch (FAlignVandret) {
    case avCentrer: x = FRekt.Left + (FBredde - aw) / 2; break;
    case avVenstre: x = FRekt.Left; break;
    case avHojre: x = FRekt.Right - aw; break;
    }
    x = std::max(x, FRekt.Left);

    // A space takes half a character's height; an accelerator mark takes none.
    const QStringList chars = Characters(Tekst);
    int stack = 0;
    bool marked = false;
    for (const QString& c : chars) {
        if (c == kSpace) {
            stack += ch / 2;
            marked = false;
        } else if (FGenkey && c == kAmp && !marked) {
            marked = true;
        } else {
            stack += ch;
            marked = false;
        }
    }
    int y = FRekt.Top;
    switch (FAlignLodret) {
    case alCentrer: y = FRekt.Top + (FHojde - stack) / 2; break;
    case alOppe: y = FRekt.Top; break;
    case alNede: y = FRekt.Bottom - stack; break;
    }
    y = std::max(y, FRekt.Top);
    if (FGenkey)
        y += TextHeight(kAmp) / 2;

    marked = false;
    for (const QString& c : chars) {
        if (c == kSpace) {
            y += ch / 2;
            marked = false;
        } else if (FGenkey && c == kAmp && !marked) {
            marked = true;
        } else {
            DrawCharacter(x, y, c, marked);
            y += ch;
            marked = false;
        }
        if (y + ch > FRekt.Bottom)
            break;
    }
}

void TTekstSkrivX::SkrivOpdelTekst(const QString& Tekst)
{
    if (!LiveCanvas())
        return;
    ClearBrush brush(*FCanvas);
    TCanvas& can = *FCanvas;
    if (TextWidth(Tekst) <= FBredde) {
        can.TextOut(FRekt.Left, FRekt.Top, Tekst);
        return;
    }
    const int h = TextHeight(Tekst);
    const QStringList chars = Characters(Tekst);
    QString line;
    int y = FRekt.Top;
    qsizetype i = 0;
    while (i < chars.size()) {
        const QString& c = chars[i];
        bool joins = TextWidth(line + c) <= FBredde;
        if (joins && c == kSpace) {
            // A space stays only when the word after it fits on the same line.
            QString word = c;
            for (qsizetype j = i + 1; j < chars.size() && chars[j] != kSpace; ++j)
                word += chars[j];
            joins = TextWidth(line + word) <= FBredde;
        }
        if (joins) {
            line += c;
            ++i;
            continue;
        }
        if (line.isEmpty()) {
            // Nothing to break before: a space is dropped, a character wider than the line
            // stands alone on it.
            if (c != kSpace)
                line += c;
            ++i;
            continue;
        }
        can.TextOut(FRekt.Left, y, line);
        y += h + FLinieAfstand;
        if (y + h > FRekt.Bottom)
            return;
        line.clear();
        if (c == kSpace)
            ++i;
    }
    can.TextOut(FRekt.Left, y, line);
}

// ---- TTekstX ----

TTekstX::TTekstX(TObject* parent) : TTekstSkrivX(parent) {}

void TTekstX::SetLodretTekst(bool value)
{
    FLodretTekst = value;
    Change();
}

void TTekstX::SetOpdelTekst(bool value)
{
    FOpdelTekst = value;
    Change();
}

void TTekstX::SetFarveNormal(TColor value)
{
    FFarveNormal = value;
    Change();
}

void TTekstX::SetFarveAktiv(TColor value)
{
    FFarveAktiv = value;
    Change();
}

void TTekstX::SetFarveOver(TColor value)
{
    FFarveOver = value;
    Change();
}

void TTekstX::SetFarveInaktiv(TColor value)
{
    FFarveInaktiv = value;
    Change();
}

void TTekstX::SetFarveSkygge(TColor value)
{
    FFarveSkygge = value;
    Change();
}

void TTekstX::SetSkyggeTekst(bool value)
{
    FSkyggeTekst = value;
    Change();
}

void TTekstX::SetSkyggeDybdeL(int value)
{
    FSkyggeDybdeL = value;
    Change();
}

void TTekstX::SetSkyggeDybdeV(int value)
{
    FSkyggeDybdeV = value;
    Change();
}

TColor TTekstX::StateColour(int Tilstand) const
{
    switch (Tilstand) {
    case 0: return FFarveInaktiv;
    case 2: case 4: return FFarveAktiv;
    case 3: return FFarveOver;
    default: return FFarveNormal;
    }
}

void TTekstX::Write(const QString& Tekst)
{
    if (FLodretTekst)
        SkrivLodretTekst(Tekst);
    else if (FOpdelTekst)
        SkrivOpdelTekst(Tekst);
    else
        SkrivNormalTekst(AfkortTekst(Tekst));
}

TRect TTekstX::SkrivTekst(TCanvas& Can, const TRect& R, const TFont& CanFont, const QString& Tekst, int Tilstand)
{
    TRect result = R;
    if (Tekst.isEmpty())
        return result;
    // A disabled caption always gets the shadow, for this call only.
    const bool savedShadow = FSkyggeTekst;
    if (Tilstand == 0 && FSkyggeInaktiv)
        FSkyggeTekst = true;
    FRekt = BeregnRekt(R);
    if (Tilstand == 2 || Tilstand == 4)
        FRekt = OffsetRect(FRekt, FAktivVandret, FAktivLodret);
    FCanvas = &Can;
    FCanvasAlive = Can.Alive();
    Can.Font = CanFont;
    if (FSkyggeTekst) {
        FRekt = OffsetRect(FRekt, FSkyggeDybdeL, FSkyggeDybdeV);
        result = FRekt;
        Can.Font.Color = FFarveSkygge;
        Write(Tekst);
        FRekt = OffsetRect(FRekt, -FSkyggeDybdeL, -FSkyggeDybdeV);
        Can.Font.Color = StateColour(Tilstand);
        Write(Tekst);
        FSkyggeTekst = savedShadow;
    } else {
        Can.Font.Color = StateColour(Tilstand);
        Write(Tekst);
        result = FRekt;
    }
    Change();
    return result;
}
