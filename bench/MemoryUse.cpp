// The memory a big picture costs the whole program: the process's resident memory with the
// main window open and no picture, then with a 6000 x 4000 photo opened, and after 100 edits of
// every kind (strokes, shapes, fills, pastes, a colour operation) with their undo steps, right
// after them and when the user has paused for 5 s. Prints the growth as multiples of the
// picture's bytes. Usage: bench_memory
#include "appcore/DataFolder.h"
#include "bench/BenchPicture.h"
#include "engine/HistoryBudget.h"
#include "platform/PictureCodecs.h"
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>

namespace {
constexpr int kW = 6000, kH = 4000;
constexpr double kPictureBytes = double(kW) * kH * 4;

// Resident memory in bytes, after handing freed memory back to the system.
double Resident()
{
    QApplication::processEvents();
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() * 1024;
    return 0;
}

void Drag(TImagePic& pic, int tool, int x, int y, int dx, int dy)
{
    pic.SetToolNr(tool);
    pic.MouseDown(mbLeft, {}, x, y);
    pic.MouseMove({}, x + dx / 2, y + dy / 2);
    pic.MouseMove({}, x + dx, y + dy);
    pic.MouseUp(mbLeft, {}, x + dx, y + dy);
}

// The i-th of 100 edits: strokes, lines, shapes, fills, pastes and, once, a colour operation.
void Edit(TImagePic& pic, int i)
{
    const int x = 100 + (i * 7919) % (kW - 800), y = 100 + (i * 104729) % (kH - 600);
    switch (i % 10) {
    case 0: case 1: case 2: Drag(pic, 1, x, y, 60, 20); break;
    case 3: Drag(pic, 2, x, y, 300, 120); break;
    case 4: Drag(pic, 4, x, y, 200, 150); break;
    case 5: Drag(pic, 8, x, y, 240, 160); break;
    case 6: Drag(pic, 22, x, y, 80, 40); break;
    case 7: {
        // A closed square of pen colour, then a fill inside it.
        Drag(pic, 3, x, y, 120, 120);
        pic.SetToolNr(20);
        pic.MouseDown(mbLeft, {}, x + 60, y + 60);
        pic.MouseUp(mbLeft, {}, x + 60, y + 60);
        break;
    }
    case 8: {
        pic.NewFocusRect(x, y, x + 400, y + 300);
        pic.Paste(false);
        pic.SetToolNr(0);
        pic.MouseDown(mbLeft, {}, 10, 10);
        pic.MouseUp(mbLeft, {}, 10, 10);
        break;
    }
    case 9:
        if (i == 49) {
            pic.FjernFocus();
            pic.Inverter();
        } else {
            Drag(pic, 7, x, y, 180, 90);
        }
        break;
    }
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("MALVO_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    TDataFolder folder = TDataFolder::FromEnvironment();
    folder.Prepare(QString());
    TMainform form(QStringList{});
    form.show();
    const QString file = home.filePath(QStringLiteral("photo.bmp"));
    {
        QByteArray data;
        PictureCodecs::WriteBmp(PhotoLikeBitmap(kW, kH), data);
        PictureCodecs::WriteFileSafely(file, data);
    }
    QApplication::clipboard()->setImage(PhotoLikeBitmap(300, 200).Image());
    const double empty = Resident();
    form.HentPicture(file);
    TImagePic& pic = *form.GForm()->Image;
    pic.SetBrushColor(clBlue);
    const double opened = Resident();
    for (int i = 0; i < 100; ++i)
        Edit(pic, i);
    form.UpdateActions();
    const double edited = Resident();
    // The user stops for a few seconds: working memory that waits for the next edit goes back.
    QElapsedTimer rest;
    rest.start();
    while (rest.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 100);
    const double rested = Resident();
    std::printf("resident memory: no picture %.0f MB, one %d x %d picture %.0f MB, after 100 edits %.0f MB, "
                "5 s later %.0f MB\n",
                empty / 1048576, kW, kH, opened / 1048576, edited / 1048576, rested / 1048576);
    std::printf("memory for the picture: %.2f x its bytes when opened, %.2f x right after 100 edits, %.2f x 5 s "
                "later (undo steps: %d, %.1f MB)\n",
                (opened - empty) / kPictureBytes, (edited - empty) / kPictureBytes, (rested - empty) / kPictureBytes,
                pic.History().Count(), double(pic.History().Bytes()) / 1048576);
    return 0;
}
