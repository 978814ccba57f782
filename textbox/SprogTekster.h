#pragma once
#include <QString>
#include <functional>
#include <vector>

// A window's texts as Danish/English pairs, registered once beside the control that shows
// them and applied together by the window's language switch.
class TSprogTekster {
public:
    using TSetter = std::function<void(const QString&)>;

    void Add(TSetter Set, const char* Dansk, const char* Engelsk) { FTexts.push_back({std::move(Set), Dansk, Engelsk}); }
    void Apply(bool Engelsk) const
    {
        for (const TText& t : FTexts)
            t.Set(QString::fromUtf8(Engelsk ? t.Engelsk : t.Dansk));
    }

private:
    struct TText {
        TSetter Set;
        const char* Dansk;
        const char* Engelsk;
    };
    std::vector<TText> FTexts;
};
