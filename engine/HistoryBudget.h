#pragma once
#include <QtGlobal>
#include <vector>

class THistory;

// The memory that the undo histories of all open pictures may take together. When a new step
// passes it, the oldest steps of the picture whose history is largest go first; the newest
// step of a picture never goes, so a picture keeps its last step even when that alone is
// larger than the budget.
class THistoryBudget {
public:
    static THistoryBudget& Instance();
    // A quarter of the machine's memory, at most 2,048 MB.
    static qint64 DefaultLimit();

    qint64 Limit() const { return FLimit; }
    // Sets the budget in bytes and drops what no longer fits.
    void SetLimit(qint64 Bytes);
    // Bytes all histories take now.
    qint64 Used() const;
    void Enforce();

    void Add(THistory* History);
    void Remove(THistory* History);

private:
    THistoryBudget();
    qint64 FLimit;
    std::vector<THistory*> FHistories;
};
