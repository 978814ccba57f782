#include "dialogs/HelpHistory.h"

void THelpHistory::Add(const QString& Name)
{
    FEntries.removeAll(Name);
    FEntries.append(Name);
    FPosition = Count() - 1;
}

void THelpHistory::Clear()
{
    FEntries.clear();
    FPosition = -1;
}

QString THelpHistory::Current() const
{
    return FPosition >= 0 && FPosition < Count() ? FEntries.at(FPosition) : QString();
}

QString THelpHistory::MoveTo(int Position, bool Allowed)
{
    if (!Allowed)
        return QString();
    FPosition = Position;
    return Current();
}

QString THelpHistory::First()
{
    return MoveTo(0, CanFirst());
}

QString THelpHistory::Back()
{
    return MoveTo(FPosition - 1, CanBack());
}

QString THelpHistory::Forward()
{
    return MoveTo(FPosition + 1, CanForward());
}

QString THelpHistory::Last()
{
    return MoveTo(Count() - 1, CanLast());
}
