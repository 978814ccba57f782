// The colour adjustment and reduction run through their dialogs, against the engine
// operations alone on the same picture; and the text box's key handling with its controls
// following the caret on a text of 10,000 lines, against a bare rich-text field.
#include "bench/BenchPicture.h"
#include "bench/RatioMain.h"
#include "colours/Justform.h"
#include "colours/Reguform.h"
#include "tests/common/FakeMainServices.h"
#include "textbox/ReditCan.h"
#include "textbox/Tekstform.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

namespace {
constexpr int kW = 2000, kH = 1500;

struct TDialogs {
    FakeMainServices services;
    TSharedPainters painters;
    std::unique_ptr<TImagePic> pic = MakePic(kW, kH, true);
    TJustform just{services, painters};
    TReguform regu{services, painters};
    TDialogs()
    {
        services.Picture = pic.get();
        just.Edit1->setText("20");
        just.REdit->setText("200");
    }
};

TDialogs& Dialogs()
{
    // Kept to the end of the process: windows must not outlive the application object.
    static TDialogs* d = new TDialogs;
    return *d;
}

void BM_JusterFarverEngine(benchmark::State& state)
{
    TImagePic& pic = *Dialogs().pic;
    for (auto _ : state)
        pic.JusterFarver(20, 0, 0, 200, 255, 255);
}
BENCHMARK(BM_JusterFarverEngine)->Unit(benchmark::kMillisecond);

void BM_JusterFarverDialog(benchmark::State& state)
{
    TJustform& just = Dialogs().just;
    for (auto _ : state)
        just.JusterFarver();
}
BENCHMARK(BM_JusterFarverDialog)->Unit(benchmark::kMillisecond);

void BM_ReducerFarverEngine(benchmark::State& state)
{
    TImagePic& pic = *Dialogs().pic;
    for (auto _ : state)
        pic.ReducerFarver(4, 4, 4);
}
BENCHMARK(BM_ReducerFarverEngine)->Unit(benchmark::kMillisecond);

// What the reduce command does with the dialog: its three values, the reduction and the
// automatic decrease, the sliders set back between rounds outside the timing.
void BM_ReducerFarverDialog(benchmark::State& state)
{
    TDialogs& d = Dialogs();
    for (auto _ : state) {
        d.pic->ReducerFarver(d.regu.Red, d.regu.Green, d.regu.Blue);
        d.regu.DecValues();
        state.PauseTiming();
        for (TRulskakt* bar : {d.regu.RBar, d.regu.GBar, d.regu.BBar})
            bar->SetPosition(4);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReducerFarverDialog)->Unit(benchmark::kMillisecond);

QString LongText()
{
    QStringList lines;
    for (int i = 0; i < 10000; ++i)
        lines << QStringLiteral("Line %1 of a long text in the text box").arg(i);
    return lines.join(u'\n');
}

// Right and left in turn in the middle of the text.
void PressArrows(benchmark::State& state, QTextEdit& field)
{
    QTextCursor c = field.textCursor();
    c.setPosition(field.document()->characterCount() / 2);
    field.setTextCursor(c);
    bool right = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(&field, &press);
        QApplication::sendEvent(&field, &release);
        right = !right;
    }
}

void BM_BareFieldKey(benchmark::State& state)
{
    QTextEdit field;
    field.resize(400, 300);
    field.setPlainText(LongText());
    PressArrows(state, field);
}
BENCHMARK(BM_BareFieldKey)->Unit(benchmark::kMicrosecond);

void BM_TextBoxKey(benchmark::State& state)
{
    FakeMainServices services;
    TSharedPainters painters;
    TTekstform box(services, painters);
    box.resize(600, 400);
    box.Tekstbox->setPlainText(LongText());
    PressArrows(state, *box.Tekstbox);
}
BENCHMARK(BM_TextBoxKey)->Unit(benchmark::kMicrosecond);

void BM_TextBoxUpdateControls(benchmark::State& state)
{
    FakeMainServices services;
    TSharedPainters painters;
    TTekstform box(services, painters);
    box.Tekstbox->setPlainText(LongText());
    QTextCursor c = box.Tekstbox->textCursor();
    c.setPosition(box.Tekstbox->document()->characterCount() / 2);
    box.Tekstbox->setTextCursor(c);
    for (auto _ : state)
        box.UpdateControls();
}
BENCHMARK(BM_TextBoxUpdateControls)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv,
                         {{"BM_JusterFarverDialog", "BM_JusterFarverEngine"},
                          {"BM_ReducerFarverDialog", "BM_ReducerFarverEngine"},
                          {"BM_TextBoxKey", "BM_BareFieldKey"},
                          {"BM_TextBoxUpdateControls", "BM_BareFieldKey"}});
}
