#include "engine/HistoryBudget.h"
#include "engine/History.h"
#include <algorithm>
#include <unistd.h>

THistoryBudget::THistoryBudget() : FLimit(DefaultLimit()) {}

THistoryBudget& THistoryBudget::Instance()
{
    static THistoryBudget budget;
    return budget;
}

qint64 THistoryBudget::DefaultLimit()
{
    constexpr qint64 kMaxDefault = qint64(2048) << 20;
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return kMaxDefault;
    return std::min(kMaxDefault, qint64(pages) * pageSize / 4);
}

void THistoryBudget::SetLimit(qint64 Bytes)
{
    FLimit = std::max<qint64>(0, Bytes);
    Enforce();
}

qint64 THistoryBudget::Used() const
{
    qint64 used = 0;
    for (const THistory* h : FHistories)
        used += h->Bytes();
    return used;
}

void THistoryBudget::Enforce()
{
    while (Used() > FLimit) {
        std::vector<THistory*> largestFirst = FHistories;
        std::sort(largestFirst.begin(), largestFirst.end(),
                  [](const THistory* a, const THistory* b) { return a->Bytes() > b->Bytes(); });
        const bool dropped = std::any_of(largestFirst.begin(), largestFirst.end(),
                                         [](THistory* h) { return h->DropOldest(); });
        if (!dropped)
            return;
    }
}

void THistoryBudget::Add(THistory* History)
{
    FHistories.push_back(History);
}

void THistoryBudget::Remove(THistory* History)
{
    FHistories.erase(std::remove(FHistories.begin(), FHistories.end(), History), FHistories.end());
}
