#include "appcore/Options.h"
#include <QFile>
#include <QtEndian>
#include "platform/Bitmap.h"
#include "platform/SafeWrite.h"

namespace {

// Visits every field of the record with its offset, so one table serves both directions.
template <class Io> void VisitFields(TOptions& o, Io& io)
{
    io.Bool(0, o.HentPics);
    io.Bool(1, o.BigColBox);
    io.Bool(2, o.AP);
    io.Bool(3, o.GBoxVis);
    io.Bool(4, o.KBoxVis);
    io.Bool(5, o.FarveBoxVis);
    io.Bool(6, o.PBoxVis);
    io.Bool(7, o.CBoxVis);
    io.Bool(8, o.Tbvis);
    io.Byte(9, o.ObjVis);
    io.Byte(10, o.Pad10[0]);
    io.Byte(11, o.Pad10[1]);
    io.Int(12, o.GBredde);
    io.Int(16, o.GHojde);
    io.Int(20, o.GMargenL);
    io.Int(24, o.GMargenV);
    io.Int(28, o.GToolNr);
    io.Byte(32, o.InfoIn);
    io.Bool(33, o.FilBog);
    io.Bool(34, o.Zuse);
    io.Byte(35, o.Toolbar);
    io.Bool(36, o.DontUseFcol);
    io.Bool(37, o.AutoDec);
    io.Bool(38, o.ToolDock);
    io.Bool(39, o.ColDock);
    io.Bool(40, o.ObjDock);
    io.Bool(41, o.GalDock);
    io.Bool(42, o.KlicheDock);
    io.Byte(43, o.TekstDock);
    io.Byte(44, o.Sprog);
    for (int i = 0; i < 3; ++i)
        io.Byte(45 + i, o.Pad45[i]);
    io.Int(48, o.RPos);
    io.Int(52, o.GPos);
    io.Int(56, o.BPos);
    io.Byte(60, o.JPGkvali);
    io.Bool(61, o.SameTool);
    io.Bool(62, o.SameColors);
    io.Bool(63, o.SorVis);
    int* ints[] = {&o.MainX, &o.MainY, &o.MainW, &o.MainH, &o.GBoxX, &o.GBoxY, &o.GBoxW,
                   &o.GBoxH, &o.GBoxV, &o.GBoxL, &o.BBoxX, &o.BBoxY, &o.KBoxX, &o.KBoxY,
                   &o.KBoxW, &o.KBoxH, &o.KBoxV, &o.KBoxL, &o.FarveBoxX, &o.FarveBoxY, &o.Fpal,
                   &o.PBoxX, &o.PBoxY, &o.CBoxX, &o.CBoxY, &o.ZmaxW, &o.ZmaxH, &o.JustX,
                   &o.JustY, &o.PalX, &o.PalY, &o.SorX, &o.SorY, &o.TbX, &o.TbY, &o.TbB,
                   &o.TbH, &o.TBwidth, &o.TBheight, &o.ZoomX, &o.ZoomY, &o.ScaleX, &o.ScaleY,
                   &o.FlytX, &o.FlytY, &o.ReguX, &o.ReguY, &o.NewX, &o.NewY, &o.ObjX, &o.ObjY,
                   &o.GridCol, &o.RammeCol, &o.KnapSelFarve, &o.PalSelFarve};
    int offset = 64;
    for (int* field : ints) {
        io.Int(offset, *field);
        offset += 4;
    }
    io.Frame(284, o.ColRArt);
    io.Frame(285, o.ColRRo);
    io.Frame(286, o.KnapArt);
    io.Frame(287, o.KnapRo);
    io.Byte(288, o.PladsRed);
    io.Byte(289, o.mixBar);
    io.Byte(290, o.picBar);
    io.Byte(291, o.Pad291);
}

struct RecordWriter {
    QByteArray Record = QByteArray(OptionsRecordSize, '\0');

    void Byte(int at, uint8_t& v) { Record[at] = static_cast<char>(v); }
    void Bool(int at, bool& v) { Record[at] = v ? 1 : 0; }
    void Frame(int at, TRammeXType& v) { Record[at] = static_cast<char>(v); }
    void Int(int at, int& v) { qToLittleEndian<qint32>(v, Record.data() + at); }
};

// Reads the fields as they stand; a frame kind outside the enumeration keeps the field's
// current (default) value.
struct RecordReader {
    const QByteArray& Record;

    uint8_t At(int at) const { return static_cast<uint8_t>(Record[at]); }
    void Byte(int at, uint8_t& v) { v = At(at); }
    void Bool(int at, bool& v) { v = At(at) != 0; }
    void Frame(int at, TRammeXType& v)
    {
        if (At(at) <= rtRifletInd)
            v = static_cast<TRammeXType>(At(at));
    }
    void Int(int at, int& v) { v = qFromLittleEndian<qint32>(Record.constData() + at); }
};

// Values the program cannot work with take their defaults, so a damaged record neither
// misleads the windows nor is written back at the next close.
void RepairOptions(TOptions& o)
{
    const TOptions d;
    // A damaged language byte means the default language, Danish.
    if (o.Sprog > 1)
        o.Sprog = d.Sprog;
    if (o.JPGkvali < 1 || o.JPGkvali > 100)
        o.JPGkvali = d.JPGkvali;
    if (o.PladsRed > 1)
        o.PladsRed = d.PladsRed;
    const auto inRange = [&](std::initializer_list<int TOptions::*> fields, int low, int high) {
        for (int TOptions::*field : fields)
            if (o.*field < low || o.*field > high)
                o.*field = d.*field;
    };
    using O = TOptions;
    inRange({&O::GBoxV, &O::GBoxL, &O::KBoxV, &O::KBoxL}, 1, MaxThumbnailCount);
    inRange({&O::GBredde, &O::GHojde}, 1, TBitmap::kMaxSide);
    inRange({&O::GMargenL, &O::GMargenV}, 0, MaxMargen);
    inRange({&O::ZmaxW, &O::ZmaxH}, 0, 255);
    inRange({&O::RPos, &O::GPos, &O::BPos}, 1, 32);
    // Window sizes and places: the windows fit them to the screen when they apply them; here
    // only values no screen can have go back to their defaults.
    inRange({&O::MainW, &O::MainH, &O::GBoxW, &O::GBoxH, &O::KBoxW, &O::KBoxH, &O::TbB, &O::TbH, &O::TBwidth,
             &O::TBheight},
            1, MaxWindowExtent);
    inRange({&O::MainX, &O::MainY, &O::GBoxX, &O::GBoxY, &O::BBoxX, &O::BBoxY, &O::KBoxX, &O::KBoxY,
             &O::FarveBoxX, &O::FarveBoxY, &O::PBoxX, &O::PBoxY, &O::CBoxX, &O::CBoxY, &O::JustX, &O::JustY,
             &O::PalX, &O::PalY, &O::SorX, &O::SorY, &O::TbX, &O::TbY, &O::ZoomX, &O::ZoomY, &O::ScaleX,
             &O::ScaleY, &O::FlytX, &O::FlytY, &O::ReguX, &O::ReguY},
            -MaxWindowExtent, MaxWindowExtent);
}

} // namespace

TOptions StandardOptions()
{
    return TOptions();
}

QByteArray OptionsToRecord(const TOptions& Opt)
{
    TOptions copy = Opt;
    RecordWriter writer;
    VisitFields(copy, writer);
    return writer.Record;
}

TOptions OptionsFromRecord(const QByteArray& Record)
{
    TOptions opt;
    if (Record.size() != OptionsRecordSize)
        return opt;
    RecordReader reader{Record};
    VisitFields(opt, reader);
    RepairOptions(opt);
    return opt;
}

bool ReadOptionsFile(const QString& FileName, TOptions& Opt)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read one byte more than a record so an over-long file is seen as damaged.
    Opt = OptionsFromRecord(file.read(OptionsRecordSize + 1));
    return true;
}

bool WriteOptionsFile(const QString& FileName, const TOptions& Opt)
{
    return WriteFileSafely(FileName, OptionsToRecord(Opt));
}

TOptions HentOptions(const QString& OptFilnavn, const QString& SingleUserFilnavn)
{
    TOptions opt = StandardOptions();
    if (!ReadOptionsFile(OptFilnavn, opt))
        ReadOptionsFile(SingleUserFilnavn, opt);
    opt.ColDock = true;
    opt.ObjDock = true;
    opt.KlicheDock = true;
    return opt;
}

bool GemOptions(const QString& OptFilnavn, const TOptions& Opt, QString& FailedFile)
{
    if (WriteOptionsFile(OptFilnavn, Opt))
        return true;
    FailedFile = OptFilnavn;
    return false;
}
