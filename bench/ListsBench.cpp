// The program menu of 100 programs built with its icons, and one insert into 10,000 favourites
// (with the save and the refill of the list box), each against a plain reference in the same
// run: writing the same list file, and filling the list box once.
#include "appcore/Lists.h"
#include "appcore/MenuExeFiler.h"
#include "appcore/ReopenFilerX.h"
#include "bench/RatioMain.h"
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>

namespace {

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

// 100 program files and a list file naming them.
QString ProgramList()
{
    static const QString list = [] {
        QStringList lines{QStringLiteral("100")};
        for (int i = 0; i < 100; ++i) {
            const QString program = Dir().path() + QStringLiteral("/prog%1").arg(i);
            QFile f(program);
            f.open(QIODevice::WriteOnly);
            lines << QStringLiteral("Program %1").arg(i) << program << QStringLiteral("UseParam") << QStringLiteral("1");
        }
        const QString name = Dir().path() + QStringLiteral("/ProgItem.txt");
        WriteTextList(name, lines);
        return name;
    }();
    return list;
}

void BM_ProgramMenu100(benchmark::State& state)
{
    QMenu menu;
    TMenuExeFiler programs;
    programs.Itemfile = ProgramList();
    programs.MainItem = &menu;
    for (auto _ : state)
        programs.HentProgrammer();
}
BENCHMARK(BM_ProgramMenu100)->Unit(benchmark::kMillisecond);

QStringList FavouriteLines(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("Mappe %1").arg(i) << QStringLiteral("/home/bruger/Billeder/Mappe %1").arg(i);
    return lines;
}

void BM_WriteFavouritesFile(benchmark::State& state)
{
    const QStringList lines = FavouriteLines(10000);
    const QString name = Dir().path() + QStringLiteral("/plain.txt");
    for (auto _ : state)
        WriteTextList(name, lines);
}
BENCHMARK(BM_WriteFavouritesFile)->Unit(benchmark::kMillisecond);

void BM_InsertIntoTenThousandFavourites(benchmark::State& state)
{
    const QString name = Dir().path() + QStringLiteral("/favoritmapper.txt");
    WriteTextList(name, FavouriteLines(10000));
    QListWidget box;
    box.resize(200, 300);
    box.setUniformItemSizes(true);
    box.show();
    TReopenFilerX favourites;
    favourites.Itemtype = itBibliotek;
    favourites.Itemfile = name;
    favourites.SetListeBoks(&box);
    favourites.HentReopenFiler();
    int i = 0;
    for (auto _ : state) {
        favourites.InsertItem(QStringLiteral("/home/bruger/Ny %1").arg(i % 2), QStringLiteral("Ny"));
        ++i;
    }
    state.counters["entries"] = favourites.Antal();
}
BENCHMARK(BM_InsertIntoTenThousandFavourites)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWithRatios(argc, argv, {{"BM_InsertIntoTenThousandFavourites", "BM_WriteFavouritesFile"}});
}
