// A language switch of the whole program with 20 documents open, against setting the texts
// that the switch changes straight on their actions and widgets in the same run.
#include "bench/RatioMain.h"
#include "shell/FileCommands.h"
#include "shell/Mainform.h"
#include <QAction>
#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

namespace {

struct Program {
    Program()
    {
        qputenv("MALVO_HOME", home.path().toLocal8Bit());
        form = std::make_unique<TMainform>();
        form->show();
        for (int i = 0; i < 20; ++i)
            form->FileCommands().Action(QStringLiteral("ANewMalvo"))->trigger();
        QApplication::processEvents();
    }
    QTemporaryDir home;
    std::unique_ptr<TMainform> form;
};

Program& TheProgram()
{
    static Program program;
    return program;
}

// Every text of the program's windows that differs between the languages, read after a switch
// to each: the reference sets exactly these texts straight on their actions and widgets.
class TTextSnapshot {
public:
    void Take(TMainform& form, int Sprog)
    {
        form.Opt().Sprog = Sprog;
        form.SetSprog();
        int n = 0;
        const auto add = [&](QObject* o, int kind, int index, const QString& text) {
            if (Sprog == 0)
                FEntries.append({o, kind, index, text, QString()});
            else if (n < FEntries.size())
                FEntries[n].English = text;
            ++n;
        };
        QList<QObject*> roots{&form};
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &form)
                roots << w;
        for (QObject* root : roots) {
            for (QAction* a : root->findChildren<QAction*>()) {
                add(a, 0, 0, a->text());
                add(a, 1, 0, a->statusTip());
            }
            for (QLabel* l : root->findChildren<QLabel*>())
                add(l, 2, 0, l->text());
            for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
                add(b, 3, 0, b->text());
            for (QTabWidget* t : root->findChildren<QTabWidget*>())
                for (int i = 0; i < t->count(); ++i)
                    add(t, 4, i, t->tabText(i));
        }
    }
    // Drops the texts that are the same in both languages.
    void KeepDifferent()
    {
        QList<TEntry> kept;
        for (const TEntry& e : FEntries)
            if (e.Object && e.Danish != e.English)
                kept << e;
        FEntries = kept;
    }
    void Apply(bool English) const
    {
        for (const TEntry& e : FEntries) {
            const QString& text = English ? e.English : e.Danish;
            switch (e.Kind) {
            case 0: static_cast<QAction*>(e.Object.data())->setText(text); break;
            case 1: static_cast<QAction*>(e.Object.data())->setStatusTip(text); break;
            case 2: static_cast<QLabel*>(e.Object.data())->setText(text); break;
            case 3: static_cast<QAbstractButton*>(e.Object.data())->setText(text); break;
            case 4: static_cast<QTabWidget*>(e.Object.data())->setTabText(e.Index, text); break;
            }
        }
    }
    int Count() const { return int(FEntries.size()); }

private:
    struct TEntry {
        QPointer<QObject> Object;
        int Kind, Index;
        QString Danish, English;
    };
    QList<TEntry> FEntries;
};

void BM_SetTextsDirectly(benchmark::State& state)
{
    TMainform& form = *TheProgram().form;
    TTextSnapshot texts;
    texts.Take(form, 0);
    texts.Take(form, 1);
    texts.KeepDifferent();
    form.Opt().Sprog = 0;
    form.SetSprog();
    bool english = false;
    for (auto _ : state) {
        english = !english;
        texts.Apply(english);
    }
    texts.Apply(false);
    state.counters["texts"] = texts.Count();
}
BENCHMARK(BM_SetTextsDirectly)->Unit(benchmark::kMillisecond);

void BM_SwitchLanguage(benchmark::State& state)
{
    TMainform& form = *TheProgram().form;
    for (auto _ : state) {
        form.Opt().Sprog = form.Opt().Sprog ? 0 : 1;
        form.SetSprog();
    }
}
BENCHMARK(BM_SwitchLanguage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {{"BM_SwitchLanguage", "BM_SetTextsDirectly"}});
}
