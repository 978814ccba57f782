#pragma once
#include "platform/Color.h"
#include <QString>
#include <vector>

// Palette files: a headerless run of 4-byte little-endian colour records (0x00BBGGRR), an empty
// field stored as clNone.
namespace PaletteFile {

// Reading stops after this many records: no palette of the program is larger.
constexpr int kMaxRecords = 4096;

// The records of the file: at most kMaxRecords, a partial last record dropped, every value
// masked to its 24 colour bits except clNone and system colours. False (colours untouched) if the file does not
// exist or cannot be read.
bool Read(const QString& Filnavn, std::vector<TColor>& colours);
// Writes the colours through a temporary file renamed over the target; False on failure,
// which leaves any old file as it was.
bool Write(const QString& Filnavn, const std::vector<TColor>& colours);

// The grid (columns x rows) that shows n colours of a loaded palette.
struct TGitter {
    int Vandret;
    int Lodret;
};
TGitter GitterFor(int n);

} // namespace PaletteFile
