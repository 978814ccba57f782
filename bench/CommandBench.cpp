// One step of an object move on a 6000 x 4000 picture against copying the moved piece's bytes,
// and one idle pass of the tool, picture and move commands' update handlers with 20 documents
// against the file commands' pass in the same run.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "shell/CommandWindows.h"
#include "shell/ObjectMove.h"
#include "shell/PictureCommands.h"
#include "shell/ToolCommands.h"
#include "tests/shell/FakeDocumentHost.h"
#include <cstring>

namespace {
constexpr int kW = 6000, kH = 4000, kPiece = 200;

// Reference: the bytes of the moved piece copied once.
void BM_CopyPieceBytes(benchmark::State& state)
{
    CopyRasterBytes(state, kPiece, kPiece);
}
BENCHMARK(BM_CopyPieceBytes)->Unit(benchmark::kMicrosecond);

// A step of the focus contents once the move has started (the first step takes the snapshot).
void BM_MoveStep(benchmark::State& state)
{
    auto pic = MakePic(kW, kH, true);
    pic->NewFocusRect(1000, 1000, 1000 + kPiece, 1000 + kPiece);
    pic->Flyt(frRight);
    bool right = false;
    for (auto _ : state) {
        pic->Flyt(right ? frRight : frLeft);
        right = !right;
    }
}
BENCHMARK(BM_MoveStep)->Unit(benchmark::kMicrosecond);

struct TwentyDocuments {
    TwentyDocuments()
    {
        host.Options.GBredde = 200;
        host.Options.GHojde = 150;
        host.SetNewImage(true);
        for (int i = 0; i < 20; ++i)
            (new TMalvoform(host))->show();
        host.SetNewImage(false);
        host.GForm()->Image->NewFocusRect(5, 5, 50, 50);
        host.GForm()->Image->MakeTool(3, true);
    }
    FakeDocumentHost host;
    TCommandWindows windows;
    TToolCommands tools{host, windows, &host.Window};
    TPictureCommands pictures{host, windows, &host.Window};
    TObjectMove mover{host, &host.Window};
};

void BM_FileUpdatePass(benchmark::State& state)
{
    TwentyDocuments docs;
    for (auto _ : state)
        docs.host.Files->UpdateActions();
}
BENCHMARK(BM_FileUpdatePass)->Unit(benchmark::kMicrosecond);

void BM_CommandUpdatePass(benchmark::State& state)
{
    TwentyDocuments docs;
    for (auto _ : state) {
        docs.tools.UpdateActions();
        docs.pictures.UpdateActions();
        docs.mover.UpdateActions();
    }
}
BENCHMARK(BM_CommandUpdatePass)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_MoveStep", "BM_CopyPieceBytes"}, {"BM_CommandUpdatePass", "BM_FileUpdatePass"}});
}
