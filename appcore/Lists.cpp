#include "appcore/Lists.h"
#include <QFile>
#include <QRegularExpression>
#include "appcore/DataFolder.h"
#include "platform/SafeWrite.h"

namespace {

// A decimal number written plainly ("12", "-3"); anything else is not a number.
bool StrictInt(const QString& S, int& Value)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!decimal.match(S).hasMatch())
        return false;
    Value = S.toInt();
    return true;
}

// Reads Progstring.txt's lines; a missing line reads as an empty text.
class ProgLines {
public:
    explicit ProgLines(QStringList Lines) : FLines(std::move(Lines)) {}

    QString Text(int Line, const QString& Default) const
    {
        const QString s = Line < FLines.size() ? FLines[Line] : QString();
        return s.isEmpty() ? Default : s;
    }
    bool Has(int Line) const { return Line < FLines.size(); }
    bool IsOne(int Line) const { return Has(Line) && FLines[Line] == "1"; }
    bool IsZero(int Line, bool Default) const { return Has(Line) ? FLines[Line] == "0" : Default; }
    int Number(int Line, int Lowest, int Highest, int Default) const
    {
        int v = 0;
        if (Has(Line) && StrictInt(FLines[Line], v) && v >= Lowest && v <= Highest)
            return v;
        return Default;
    }
    bool Flag(int Line, bool Default) const
    {
        int v = 0;
        if (Has(Line) && StrictInt(FLines[Line], v))
            return v != 0;
        return Default;
    }

private:
    QStringList FLines;
};

QString Bit(bool Value)
{
    return Value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QStringList ReadTextList(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // "\r\n", "\n" and a lone "\r" (old Mac files) all end a line.
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool WriteTextList(const QString& FileName, const QStringList& Lines)
{
    QByteArray bytes;
    for (const QString& line : Lines)
        bytes += line.toUtf8() + '\n';
    return WriteFileSafely(FileName, bytes);
}

TProgstring StandardProgstring(const TDataFolder& Folder)
{
    TProgstring p;
    p.GalBib = Folder.DefaultGalBib;
    p.PalFilnavn = Folder.DefaultPalFilnavn;
    return p;
}

TProgstring HentProgstring(const QString& StringFilnavn, const TDataFolder& Folder)
{
    TProgstring p = StandardProgstring(Folder);
    if (!QFile::exists(StringFilnavn))
        return p;
    const ProgLines lines(ReadTextList(StringFilnavn));
    p.designName = lines.Text(1, p.designName);
    p.GalBib = lines.Text(2, p.GalBib);
    p.PalFilnavn = lines.Text(3, p.PalFilnavn);
    p.gemKlip = lines.IsOne(4);
    p.fontname1 = lines.Text(5, p.fontname1);
    p.fontname2 = lines.Text(6, p.fontname2);
    p.fontsize1 = lines.Number(7, 1, 999, p.fontsize1);
    p.fontsize2 = lines.Number(8, 1, 999, p.fontsize2);
    p.transInsert = lines.IsOne(9);
    p.ToolBookTop = lines.IsZero(10, p.ToolBookTop);
    p.ToolBookPage = lines.Number(11, 0, ToolBookPages - 1, p.ToolBookPage);
    p.ToolBookVisible = lines.Flag(12, p.ToolBookVisible);
    p.DockBookVisible = lines.Flag(13, p.DockBookVisible);
    p.ToolLineVisible = lines.Flag(14, p.ToolLineVisible);
    p.VisKlipbord = lines.Flag(15, p.VisKlipbord);
    p.ToolLineTop = lines.IsZero(16, p.ToolLineTop);
    p.poNummer = lines.Number(17, 0, 3, p.poNummer);
    return p;
}

bool GemProgstring(const QString& StringFilnavn, const TProgstring& P, bool Engelsk)
{
    const QStringList lines = {Engelsk ? QStringLiteral("engelsk") : QStringLiteral("dansk"),
                               P.designName,
                               P.GalBib,
                               P.PalFilnavn,
                               Bit(P.gemKlip),
                               P.fontname1,
                               P.fontname2,
                               QString::number(P.fontsize1),
                               QString::number(P.fontsize2),
                               Bit(P.transInsert),
                               P.ToolBookTop ? QStringLiteral("0") : QStringLiteral("1"),
                               QString::number(P.ToolBookPage),
                               Bit(P.ToolBookVisible),
                               Bit(P.DockBookVisible),
                               Bit(P.ToolLineVisible),
                               Bit(P.VisKlipbord),
                               P.ToolLineTop ? QStringLiteral("0") : QStringLiteral("1"),
                               QString::number(P.poNummer)};
    return WriteTextList(StringFilnavn, lines);
}

QStringList HentOpenFiles(const QString& openFilesFilnavn)
{
    QStringList names = ReadTextList(openFilesFilnavn);
    names.removeAll(QString());
    return names;
}

bool GemOpenFiles(const QString& openFilesFilnavn, const QStringList& Names)
{
    return WriteTextList(openFilesFilnavn, Names);
}
