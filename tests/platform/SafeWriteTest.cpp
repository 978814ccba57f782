// The one safe write: a full disk at any byte leaves the old file whole and is reported.
#include "platform/SafeWrite.h"
#include "../common/FullDisk.h"
#include "platform/Trash.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(SafeWrite, FullDiskAtAnyByteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Progstring.txt");
    const QByteArray old = "dansk\nSky\n", fresh = QByteArray(5000, 'n');
    for (qint64 room : {qint64(0), qint64(1), qint64(4095), qint64(4999)}) {
        ASSERT_TRUE(WriteFileSafely(name, old));
        TWriteFailures failures;
        {
            TFullDisk disk(room);
            EXPECT_FALSE(WriteFileSafely(name, fresh)) << room;
        }
        EXPECT_EQ(ReadAll(name), old) << room;
        EXPECT_EQ(Entries(dir.path()), QStringList{"Progstring.txt"}) << room;
        EXPECT_EQ(failures.Files(), QStringList{name});
    }
    // With room enough the new bytes arrive.
    TFullDisk disk(5000);
    EXPECT_TRUE(WriteFileSafely(name, fresh));
    EXPECT_EQ(ReadAll(name), fresh);
}

TEST(SafeWrite, FailuresGoToTheInnermostCollectorOnceEach)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("no/such/folder/x.txt");
    TWriteFailures outer;
    {
        TWriteFailures inner;
        EXPECT_FALSE(WriteFileSafely(missing, "x"));
        EXPECT_FALSE(WriteFileSafely(missing, "x"));
        EXPECT_EQ(inner.Files(), QStringList{missing});
    }
    EXPECT_TRUE(outer.Files().isEmpty());
    EXPECT_TRUE(WriteFileSafely(dir.filePath("ok.txt"), "x"));
    EXPECT_TRUE(outer.Files().isEmpty());
}

TEST(SafeWrite, AnExistingFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("p.txt");
    ASSERT_TRUE(WriteFileSafely(name, "a"));
    ASSERT_TRUE(QFile::setPermissions(name, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    ASSERT_TRUE(WriteFileSafely(name, "b"));
    EXPECT_FALSE(QFile::permissions(name) & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
    EXPECT_EQ(ReadAll(name), "b");
}

// A real file system filled to the last byte (only as root, who may mount one).
TEST(SafeWrite, RealFullTmpfsKeepsTheOldFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    QTemporaryDir dir;
    const QByteArray target = QFile::encodeName(dir.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "tmpfs could not be mounted here";
    const QString name = dir.filePath("OptionsMDI.opt");
    const QByteArray old(292, '\x01');
    ASSERT_TRUE(WriteFileSafely(name, old));
    // Fill the rest of the file system.
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) > 0 && filler.flush()) {
    }
    filler.close();
    TWriteFailures failures;
    EXPECT_FALSE(WriteFileSafely(name, QByteArray(8192, '\x02')));
    EXPECT_EQ(ReadAll(name), old);
    EXPECT_EQ(failures.Files(), QStringList{name});
    EXPECT_FALSE(Entries(dir.path()).join(' ').contains(".malvo-"));
    ::umount(target.constData());
}

TEST(Trash, WithoutLocalShareTheTrashFoldersAreMadeAndTheFileGoesThere)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    const QString file = home.filePath("gone.bmp");
    ASSERT_TRUE(WriteFileSafely(file, "BM"));
    ASSERT_TRUE(QDir().mkpath(home.filePath("second")));
    ASSERT_TRUE(WriteFileSafely(home.filePath("second/gone.bmp"), "second"));

    EXPECT_EQ(HomeTrashFolder(), home.filePath(".local/share/Trash"));
    EXPECT_TRUE(MoveToTrash(file));
    EXPECT_TRUE(MoveToTrash(home.filePath("second/gone.bmp")));
    EXPECT_FALSE(QFile::exists(file));
    const QString trash = home.filePath(".local/share/Trash");
    EXPECT_EQ(ReadAll(trash + "/files/gone.bmp"), "BM");
    // A second file of the same name gets a name of its own.
    EXPECT_EQ(ReadAll(trash + "/files/gone.bmp.2"), "second");
    const QByteArray info = ReadAll(trash + "/info/gone.bmp.trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]\nPath=" + QFile::encodeName(file) + "\nDeletionDate=")) << info.constData();
    EXPECT_FALSE(QFile::permissions(trash) & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
    // Nothing lands in the working folder.
    EXPECT_FALSE(QDir(QDir::currentPath()).exists("files/gone.bmp"));
    // A file that is not there stays a failure.
    EXPECT_FALSE(MoveToTrash(home.filePath("never.bmp")));

    qputenv("HOME", oldHome);
    if (!oldData.isEmpty())
        qputenv("XDG_DATA_HOME", oldData);
}
