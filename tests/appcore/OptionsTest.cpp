#include <climits>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include "tests/appcore/FileHelpers.h"
#include "appcore/Options.h"

namespace {

int IntAt(const QByteArray& r, int at)
{
    return qFromLittleEndian<qint32>(r.constData() + at);
}

void PutInt(QByteArray& r, int at, int v)
{
    qToLittleEndian<qint32>(v, r.data() + at);
}

// The default record written out by hand from the table, independent of the code under test.
QByteArray ExpectedDefaults()
{
    QByteArray r(292, '\0');
    const char bytes0[10] = {1, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    for (int i = 0; i < 10; ++i)
        r[i] = bytes0[i];
    const int ints12[] = {200, 200, 12, 12, 0};
    for (int i = 0; i < 5; ++i)
        PutInt(r, 12 + 4 * i, ints12[i]);
    const char bytes32[13] = {1, 1, 1, 1, 0, 1, 0, 1, 1, 0, 1, 0, 0};
    for (int i = 0; i < 13; ++i)
        r[32 + i] = bytes32[i];
    PutInt(r, 48, 8);
    PutInt(r, 52, 16);
    PutInt(r, 56, 1);
    r[60] = 100;
    r[61] = 1;
    r[62] = 1;
    r[63] = 0;
    const int ints64[] = {250, 250, 1100, 1000, 100, 100, 465, 212, 3, 1, 120, 120, 200, 200,
                          465, 212, 3, 1, 300, 300, 1, 50, 300, 200, 300, 36, 36, 200, 200,
                          200, 200, 300, 200, 200, 200, 431, 274, 180, 49, 200, 200, 200, 200,
                          200, 200, 200, 200, 200, 200, 200, 200, 0x808080, 0xFF, 0, 0};
    for (int i = 0; i < 55; ++i)
        PutInt(r, 64 + 4 * i, ints64[i]);
    const char bytes284[8] = {2, 1, 0, 1, 1, 1, 1, 0};
    for (int i = 0; i < 8; ++i)
        r[284 + i] = bytes284[i];
    return r;
}

} // namespace

TEST(OptionsRecord, DefaultsAreWrittenByteByByte)
{
    const QByteArray r = OptionsToRecord(StandardOptions());
    ASSERT_EQ(r.size(), 292);
    EXPECT_EQ(r, ExpectedDefaults());
    // The places most easily shifted by a wrong field order or size.
    EXPECT_EQ(r.left(10), QByteArray("\1\1\1\1\1\1\1\1\0\0", 10));
    EXPECT_EQ(IntAt(r, 12), 200);
    EXPECT_EQ(uint8_t(r[60]), 100);
    EXPECT_EQ(IntAt(r, 72), 1100);
    EXPECT_EQ(IntAt(r, 268), 0x808080);
    EXPECT_EQ(r.mid(284), QByteArray("\2\1\0\1\1\1\1\0", 8));
}

TEST(OptionsRecord, EveryFieldReadsBackFromItsOffset)
{
    QByteArray r = ExpectedDefaults();
    PutInt(r, 28, 17);    // GToolNr
    r[44] = 1;            // Sprog
    PutInt(r, 144, 5);    // Fpal
    PutInt(r, 280, 0x123456); // PalSelFarve
    r[288] = 0;           // PladsRed
    const TOptions o = OptionsFromRecord(r);
    EXPECT_EQ(o.GToolNr, 17);
    EXPECT_EQ(o.Sprog, 1);
    EXPECT_EQ(o.Fpal, 5);
    EXPECT_EQ(o.PalSelFarve, 0x123456);
    EXPECT_EQ(o.PladsRed, 0);
    EXPECT_EQ(o.ObjY, 200);
    EXPECT_EQ(o.RammeCol, 0xFF);
    EXPECT_EQ(OptionsToRecord(o), r);
}

TEST(OptionsRecord, PaddingAndReservedBytesSurviveLoadAndSave)
{
    QByteArray r = ExpectedDefaults();
    for (int at : {9, 10, 11, 32, 35, 43, 45, 46, 47, 289, 290, 291})
        r[at] = char(0xA0 + at % 16);
    for (int at : {252, 256, 260, 264})
        PutInt(r, at, -at);
    QTemporaryDir dir;
    const QString name = dir.filePath("OptionsMDI.opt");
    WriteAll(name, r);
    TOptions o;
    ASSERT_TRUE(ReadOptionsFile(name, o));
    ASSERT_TRUE(WriteOptionsFile(name, o));
    EXPECT_EQ(ReadAll(name), r);
}

TEST(OptionsRecord, DamagedFieldsTakeTheirDefaultsAndTheRestIsKept)
{
    QByteArray r = ExpectedDefaults();
    r[44] = char(200);  // Sprog above 1: Danish, the default
    r[60] = 0;          // JPGkvali 0
    r[284] = 7;         // ColRArt out of range
    r[287] = char(200); // KnapRo out of range
    r[288] = 2;         // PladsRed out of range
    PutInt(r, 96, 0);   // GBoxV
    PutInt(r, 132, -3); // KBoxL
    PutInt(r, 64, 777); // MainX, sound
    r[10] = 9;          // padding, kept
    PutInt(r, 204, INT_MAX); // TbB: no screen is that wide
    PutInt(r, 208, INT_MAX); // TbH
    PutInt(r, 72, -1);       // MainW
    PutInt(r, 76, INT_MIN);  // MainH
    PutInt(r, 88, 0);        // GBoxW
    PutInt(r, 68, INT_MIN);  // MainY
    PutInt(r, 20, 501);      // GMargenL above 500
    PutInt(r, 24, -1);       // GMargenV
    PutInt(r, 48, 33);       // RPos above the slider's 32
    const TOptions o = OptionsFromRecord(r);
    const TOptions d;
    EXPECT_EQ(o.Sprog, 0);
    EXPECT_EQ(o.TbB, d.TbB);
    EXPECT_EQ(o.TbH, d.TbH);
    EXPECT_EQ(o.MainW, d.MainW);
    EXPECT_EQ(o.MainH, d.MainH);
    EXPECT_EQ(o.GBoxW, d.GBoxW);
    EXPECT_EQ(o.MainY, d.MainY);
    EXPECT_EQ(o.GMargenL, d.GMargenL);
    EXPECT_EQ(o.GMargenV, d.GMargenV);
    EXPECT_EQ(o.RPos, d.RPos);
    EXPECT_EQ(o.JPGkvali, 100);
    EXPECT_EQ(o.ColRArt, rtInd);
    EXPECT_EQ(o.KnapRo, rtUd);
    EXPECT_EQ(o.PladsRed, 1);
    EXPECT_EQ(o.GBoxV, 3);
    EXPECT_EQ(o.KBoxL, 1);
    EXPECT_EQ(o.MainX, 777);
    EXPECT_EQ(o.Pad10[0], 9);
    // What was repaired is written back repaired.
    const TOptions again = OptionsFromRecord(OptionsToRecord(o));
    EXPECT_EQ(OptionsToRecord(again), OptionsToRecord(o));
}

TEST(OptionsRecord, LanguageByteSevenStartsInDanish)
{
    QByteArray r = ExpectedDefaults();
    r[44] = 7;
    EXPECT_EQ(OptionsFromRecord(r).Sprog, 0);
    r[44] = 1;
    EXPECT_EQ(OptionsFromRecord(r).Sprog, 1);
}

TEST(OptionsRecord, WrongSizeGivesDefaults)
{
    QByteArray r = ExpectedDefaults();
    PutInt(r, 64, 5);
    EXPECT_EQ(OptionsToRecord(OptionsFromRecord(r.left(291))), ExpectedDefaults());
    EXPECT_EQ(OptionsToRecord(OptionsFromRecord(r + "x")), ExpectedDefaults());
    EXPECT_EQ(OptionsToRecord(OptionsFromRecord(QByteArray())), ExpectedDefaults());
}

TEST(HentOptions, SingleUserFileIsReadWhenThePerUserOneIsMissing)
{
    QTemporaryDir dir;
    const QString perUser = dir.filePath("user/OptionsMDI.opt");
    const QString single = dir.filePath("Programfiler/OptionsMDI.opt");
    QDir(dir.path()).mkpath("user");
    QDir(dir.path()).mkpath("Programfiler");
    QByteArray r = ExpectedDefaults();
    PutInt(r, 12, 640); // GBredde
    r[39] = 0;          // ColDock
    r[40] = 0;          // ObjDock
    r[42] = 0;          // KlicheDock
    WriteAll(single, r);

    TOptions o = HentOptions(perUser, single);
    EXPECT_EQ(o.GBredde, 640);
    EXPECT_TRUE(o.ColDock);
    EXPECT_TRUE(o.ObjDock);
    EXPECT_TRUE(o.KlicheDock);

    QString failed;
    ASSERT_TRUE(GemOptions(perUser, o, failed));
    EXPECT_EQ(IntAt(ReadAll(perUser), 12), 640);
    EXPECT_EQ(ReadAll(single), r); // the single-user file is left alone

    // Next start reads the per-user file, and the dock flags are True again.
    QByteArray own = ReadAll(perUser);
    own[39] = 0;
    WriteAll(perUser, own);
    o = HentOptions(perUser, single);
    EXPECT_TRUE(o.ColDock);
    EXPECT_EQ(o.GBredde, 640);
}

TEST(HentOptions, NoFileGivesDefaults)
{
    QTemporaryDir dir;
    const TOptions o = HentOptions(dir.filePath("a.opt"), dir.filePath("b.opt"));
    EXPECT_EQ(OptionsToRecord(o), ExpectedDefaults());
}

TEST(GemOptions, FailureNamesTheFile)
{
    QTemporaryDir dir;
    WriteAll(dir.filePath("plain"), "x");
    const QString name = dir.filePath("plain/OptionsMDI.opt"); // a folder that is a file
    QString failed;
    EXPECT_FALSE(GemOptions(name, TOptions(), failed));
    EXPECT_EQ(failed, name);
}

TEST(GemOptions, ReadOnlyFolderKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("OptionsMDI.opt");
    WriteAll(name, ExpectedDefaults());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    TOptions o;
    o.MainX = 1;
    QString failed;
    const bool written = GemOptions(name, o, failed);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (written)
        GTEST_SKIP() << "the folder could not be made read-only (running as root)";
    EXPECT_EQ(failed, name);
    EXPECT_EQ(ReadAll(name), ExpectedDefaults());
}
