#pragma once
#include <QString>
#include <QStringList>

// The help window's list of visited pages (their file names) and the position in it. A page
// that is visited again moves to the end; file names are compared exactly, as the file
// system does.
class THelpHistory {
public:
    // Adds a loaded page: an equal entry is removed first, the name goes to the end and
    // becomes the position.
    void Add(const QString& Name);
    // Empties the list; the position becomes -1.
    void Clear();

    int Count() const { return int(FEntries.size()); }
    int Position() const { return FPosition; }
    const QStringList& Entries() const { return FEntries; }
    // The entry at the position, empty when the list is empty.
    QString Current() const;

    // Moving by the history buttons; each is allowed only when its Can… is True.
    bool CanFirst() const { return Count() >= 2 && FPosition > 0; }
    bool CanBack() const { return FPosition > 0; }
    bool CanForward() const { return FPosition < Count() - 1; }
    bool CanLast() const { return Count() >= 2 && FPosition < Count() - 1; }
    bool CanClear() const { return Count() > 1; }
    // Moves the position and returns the entry there (empty when the move is not allowed).
    QString First();
    QString Back();
    QString Forward();
    QString Last();

private:
    QString MoveTo(int Position, bool Allowed);

    QStringList FEntries;
    int FPosition = -1;
};
