#include "appcore/Settings.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

TEST(Settings, ReadAndWrittenBackKeepingWhatTheProgramDoesNotKnow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Indstillinger.txt"));
    Write(path, "Dok.Farveboks=flydende\r\nsenere=a=b\nno equals sign\n=empty name\n");
    TSettings s(path);
    s.Load();
    EXPECT_EQ(s.Value(QStringLiteral("Dok.Farveboks")), QStringLiteral("flydende"));
    EXPECT_EQ(s.Value(QStringLiteral("senere")), QStringLiteral("a=b"));
    EXPECT_FALSE(s.Contains(QStringLiteral("no equals sign")));
    EXPECT_EQ(s.Value(QStringLiteral("missing"), QStringLiteral("default")), QStringLiteral("default"));

    s.SetValue(QStringLiteral("Dok.Farveboks"), QStringLiteral("dropbog"));
    s.SetValue(QStringLiteral("new=name\n"), QStringLiteral("two\nlines"));
    ASSERT_TRUE(s.Save());
    TSettings again(path);
    again.Load();
    EXPECT_EQ(again.Value(QStringLiteral("Dok.Farveboks")), QStringLiteral("dropbog"));
    EXPECT_EQ(again.Value(QStringLiteral("senere")), QStringLiteral("a=b"));
    EXPECT_EQ(again.Value(QStringLiteral("newname")), QStringLiteral("twolines"));
    again.Remove(QStringLiteral("senere"));
    EXPECT_FALSE(again.Contains(QStringLiteral("senere")));
}

TEST(Settings, AMissingFileGivesNoSettingsAndAFailedWriteSaysSo)
{
    QTemporaryDir dir;
    TSettings s(dir.filePath(QStringLiteral("none/Indstillinger.txt")));
    s.Load();
    EXPECT_FALSE(s.Contains(QStringLiteral("Dok.Farveboks")));
    s.SetValue(QStringLiteral("Dok.Farveboks"), QStringLiteral("flydende"));
    EXPECT_FALSE(s.Save()) << "the folder does not exist";
}
