#pragma once
#include <QString>
#include <cstdint>

// The number filters of every numeric edit field, and the extension of a file name. They are
// pure text functions: a field's change handler passes its text through one and writes the
// returned number back as decimal text, so a field keeps only valid digits while one types.
class TAlmenX {
public:
    enum TSprog { Dansk, Engelsk, Tysk };

    // 0-255: a leading "0" is dropped, then only the digits count; above 255 gives 255; no
    // digits give 0.
    static uint8_t EditByte(const QString& EditS);
    // A signed number from the digits; a minus sign counts only as the first character.
    // Ok is False (and the result 0) when the digits do not fit in 32 bits, so the caller keeps
    // the field's previous value.
    static int EditInteger(const QString& EditS, bool* Ok = nullptr);
    // A non-negative number from the digits; every sign is dropped. Ok as for EditInteger.
    static int EditPosInteger(const QString& EditS, bool* Ok = nullptr);
    // The text after the last dot of the file name (never of a folder name); empty without a
    // dot. "a.b.ico" gives "ico", "~/my.pictures/x" gives "".
    static QString GetExt(const QString& FNavn);

    TSprog Sprog() const { return FSprog; }
    void SetSprog(TSprog value) { FSprog = value; }

private:
    TSprog FSprog = Dansk;
};
