#include "libraries/BibPan.h"
#include "util/Near.h"
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QWheelEvent>
#include <algorithm>
#include <future>
#include <system_error>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
// The same file as when its thumbnail was made: name, size and time.
bool SameFile(const TBilRec& a, const TBilRec& b)
{
    return a.Filnavn == b.Filnavn && a.FilStorrelse == b.FilStorrelse && a.FilTid == b.FilTid;
}

// On a worker thread when there is more than one to make; a single one costs less made here.
std::future<TThumb> StartThumb(const QByteArray& path, const TThumbLayout& layout, bool alone)
{
    auto make = [path, layout] { return MakeThumb(path, layout); };
    if (alone)
        return std::async(std::launch::deferred, make);
    try {
        return std::async(std::launch::async, make);
    } catch (const std::system_error&) {
        // No thread to be had: made when it is asked for.
        return std::async(std::launch::deferred, make);
    }
}
} // namespace

TBibPan::TBibPan(QWidget* parent) : TKnapPan(parent)
{
    FResizeTimer.setSingleShot(true);
    FResizeTimer.setInterval(kResizeDelay);
    QObject::connect(&FResizeTimer, &QTimer::timeout, this, [this] { ResizeDone(); });
}

void TBibPan::resizeEvent(QResizeEvent* event)
{
    TKnapPan::resizeEvent(event);
    if (!FMadeFolder.isEmpty())
        FResizeTimer.start();
}

void TBibPan::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        NytStartNr(std::max(0, FStartNr - steps * std::max(1, FAntalVandret)), true);
    event->accept();
}

void TBibPan::ResizeDone()
{
    TThumbLayout layout;
    if (FMadeFolder.isEmpty() || !BitmapFelt() || !ThumbLayout(layout) || layout == FMadeLayout)
        return;
    LoadListe();
}

void TBibPan::ReloadIfPainted()
{
    if (CompoPainted) {
        LoadListe();
        Repaint();
    }
}

void TBibPan::SetBibliotek(const QString& value)
{
    FBibliotek = value;
    ReloadIfPainted();
}

void TBibPan::SetFilType(TFilType value)
{
    StoreReload(FFilType, value);
}

void TBibPan::SetCentrer(bool value)
{
    StoreReload(FCentrer, value);
}

void TBibPan::SetScale(bool value)
{
    StoreReload(FScale, value);
}

void TBibPan::SetFeltFarve(TColor value)
{
    StoreReload(FFeltFarve, value);
}

void TBibPan::SetIndreMargen(int value)
{
    FIndreMargen = value;
    Repaint();
}

void TBibPan::NytBibliotek(const QString& Bnavn)
{
    FBibliotek = Bnavn;
    FStartNr = 0;
    ANr = OverNr = -1;
    MouseNede = MouseOver = false;
    LoadListe();
    Repaint();
}

void TBibPan::NyeFelterVL(int AVandret, int ALodret)
{
    NytAntalVL(std::clamp(AVandret, 1, kMaxSide), std::clamp(ALodret, 1, kMaxSide));
    ReloadIfPainted();
}

void TBibPan::NewDirectory(int AntV, int AntL, const QString& Dir)
{
    FBibliotek = Dir;
    NyeFelterVL(AntV, AntL);
}

QString TBibPan::GetFilnavn(int FeltNr, bool MedSti) const
{
    if (FeltNr < 0 || FeltNr >= int(Bil.size()))
        return QString();
    return MedSti ? FBibliotek + QLatin1Char('/') + Bil[size_t(FeltNr)].Filnavn : Bil[size_t(FeltNr)].Filnavn;
}

int TBibPan::GetBredde(int FeltNr) const
{
    return FeltNr >= 0 && FeltNr < int(Bil.size()) ? Bil[size_t(FeltNr)].Bredde : 0;
}

int TBibPan::GetHojde(int FeltNr) const
{
    return FeltNr >= 0 && FeltNr < int(Bil.size()) ? Bil[size_t(FeltNr)].Hojde : 0;
}

std::vector<TBilRec> TBibPan::ListFolder() const
{
    // Read straight from the directory: a folder of hundreds of clips is listed at every copy,
    // and the size and time of each file are all that is needed.
    // Each kind is sorted by a case-folded key made once per name.
    std::vector<std::pair<QString, TBilRec>> kinds[bkGif];
    DIR* dir = opendir(QFile::encodeName(FBibliotek).constData());
    if (!dir)
        return {};
    const int fd = dirfd(dir);
    while (const dirent* e = readdir(dir)) {
        const QByteArray raw(e->d_name);
        const TBilKind kind = BilKind(raw);
        const bool wanted = kind != bkIngen
            && (FFilType == ftBegge || (FFilType == ftBmp && kind == bkBmp) || (FFilType == ftJpg && kind == bkJpg)
                || (FFilType == ftIco && kind == bkIco));
        struct stat st;
        if (!wanted || fstatat(fd, e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        TBilRec r;
        r.Filnavn = QFile::decodeName(raw);
        r.LokaltNavn = raw;
        r.FilStorrelse = qint64(st.st_size);
        r.FilTid = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        QString key = r.Filnavn.toCaseFolded();
        kinds[kind - bkBmp].emplace_back(std::move(key), std::move(r));
    }
    closedir(dir);
    std::vector<TBilRec> files;
    for (auto& kind : kinds) {
        std::sort(kind.begin(), kind.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second.Filnavn < b.second.Filnavn;
        });
        for (auto& entry : kind)
            files.push_back(std::move(entry.second));
    }
    return files;
}

bool TBibPan::ThumbLayout(TThumbLayout& L)
{
    TBitmapX* bx = BitmapFelt();
    Beregn();
    const TRammeFeltX* felt = RammeFelt();
    const int f = felt ? std::max(0, felt->Bredde()) + std::max(0, felt->Margen()) : 0;
    L.RoomW = FeltBredde() - 2 * f;
    L.RoomH = FeltHojde() - 2 * f;
    if (bx->RealDim() || bx->FeltDim()) {
        L.W = L.RoomW - 1;
        L.H = L.RoomH - 1;
    } else {
        L.W = bx->Bredde();
        L.H = bx->Hojde();
    }
    L.RealDim = bx->RealDim();
    L.Scale = FScale;
    L.Centrer = FCentrer;
    L.Margen = FIndreMargen;
    L.FeltFarve = FFeltFarve;
    return L.W >= 1 && L.H >= 1;
}

void TBibPan::Report(int n, int count)
{
    if (OnProgress)
        OnProgress(this, uint8_t(std::clamp(Near(n * 100.0 / count), 0, 100)));
}

void TBibPan::Empty()
{
    Bil.clear();
    if (TBitmapX* bx = BitmapFelt())
        if (TImageList* list = bx->BitmapListe())
            list->Clear();
    FMadeFolder.clear();
    FAntalIalt = 0;
    RetAntal();
    ANr = OverNr = -1;
    ListeLoaded = true;
    Repaint();
    if (OnAntalIalt)
        OnAntalIalt(this, 0);
}

void TBibPan::LoadListe()
{
    TBitmapX* bx = BitmapFelt();
    TImageList* list = bx ? bx->BitmapListe() : nullptr;
    if (FBibliotek.isEmpty() || !list) {
        Empty();
        return;
    }
    std::vector<TBilRec> files = ListFolder();
    if (files.empty()) {
        Empty();
        return;
    }
    const int count = int(files.size());
    TThumbLayout layout;
    const bool drawable = ThumbLayout(layout);
    if (!drawable)
        layout.W = layout.H = 1;
    if (list->Width() != layout.W || list->Height() != layout.H)
        list->SetSize(layout.W, layout.H);

    // The thumbnails of the files in front that did not change stay in the list; those after
    // the first change are kept aside for files that merely moved.
    size_t keep = 0;
    const bool reuse = FMadeFolder == FBibliotek && FMadeLayout == layout && list->Count() == int(Bil.size());
    QHash<QString, std::pair<TBilRec, TBitmap>> aside;
    if (reuse) {
        while (keep < Bil.size() && keep < files.size() && SameFile(Bil[keep], files[keep]))
            ++keep;
        for (size_t i = keep; i < Bil.size(); ++i)
            aside.insert(Bil[i].Filnavn, {Bil[i], *list->Image(int(i))});
        for (int i = list->Count() - 1; i >= int(keep); --i)
            list->Delete(i);
    } else {
        list->Clear();
    }
    for (size_t i = 0; i < keep; ++i) {
        files[i].Bredde = Bil[i].Bredde;
        files[i].Hojde = Bil[i].Hojde;
    }

    FAntalIalt = count;
    RetAntal();
    if (ANr >= FAntal)
        ANr = OverNr = -1;
    Report(0, count);
    for (size_t i = 0; i < keep; ++i)
        Report(int(i) + 1, count);

    // The rest in field order, at most kWorkers in the making at a time.
    auto keptAside = [&](size_t i) {
        auto it = aside.constFind(files[i].Filnavn);
        return it != aside.constEnd() && SameFile(it->first, files[i]);
    };
    const QByteArray folder = QFile::encodeName(FBibliotek) + '/';
    std::vector<std::future<TThumb>> jobs(files.size());
    size_t launched = keep;
    for (size_t i = keep; i < files.size(); ++i) {
        for (; launched < files.size() && launched < i + kWorkers; ++launched)
            if (!keptAside(launched))
                jobs[launched] = StartThumb(folder + files[launched].LokaltNavn, layout, files.size() - keep == 1);
        if (keptAside(i)) {
            const auto& kept = aside[files[i].Filnavn];
            files[i].Bredde = kept.first.Bredde;
            files[i].Hojde = kept.first.Hojde;
            list->Add(kept.second);
        } else {
            const TThumb t = jobs[i].get();
            files[i].Bredde = t.Bredde;
            files[i].Hojde = t.Hojde;
            list->Add(t.Bitmap);
        }
        Report(int(i) + 1, count);
    }
    Bil = std::move(files);
    FMadeFolder = FBibliotek;
    FMadeLayout = layout;
    ListeLoaded = true;
    Repaint();
    if (OnAntalIalt)
        OnAntalIalt(this, FAntalIalt);
    QCoreApplication::processEvents();
}
