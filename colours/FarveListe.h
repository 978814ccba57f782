#pragma once
#include "platform/Color.h"
#include <vector>

// The colours behind the fields of a colour panel, index = field number. Every access is
// bounded by the list's length: reading past the end gives clNone, writing past it does nothing.
// The length never exceeds kMaxLength, whatever a caller asks for.
class TFarveListe {
public:
    static constexpr int kMaxLength = 65536;

    int Length() const { return int(colours_.size()); }
    bool Empty() const { return colours_.empty(); }
    TColor At(int i) const { return i >= 0 && i < Length() ? colours_[size_t(i)] : clNone; }
    void Put(int i, TColor c)
    {
        if (i >= 0 && i < Length())
            colours_[size_t(i)] = c;
    }
    // New entries get fill; a length outside 0..kMaxLength is clamped.
    void Resize(int n, TColor fill);
    // Grows to at least n entries (new ones fill), never shrinks.
    void Grow(int n, TColor fill)
    {
        if (n > Length())
            Resize(n, fill);
    }
    void Clear() { colours_.clear(); }
    // The list becomes the colours, padded with clNone to at least length entries.
    void Assign(const std::vector<TColor>& colours, int length = 0);
    // Appends c unless the list is at kMaxLength; False then.
    bool Append(TColor c);

    // The first field among 0..limit-1 that is empty (fields past the end are empty), or -1.
    int FirstEmpty(int limit) const;
    // How many fields from field 0 on are filled before the first empty one, at most limit.
    int FilledPrefix(int limit) const;
    // True if any of fields 0..limit-1 holds exactly c.
    bool Contains(TColor c, int limit) const;

    // The first n colours (clNone past the end), and writing them back over fields 0..n-1.
    std::vector<TColor> Prefix(int n) const;
    void PutPrefix(const std::vector<TColor>& colours);

    const std::vector<TColor>& Values() const { return colours_; }

private:
    std::vector<TColor> colours_;
};
