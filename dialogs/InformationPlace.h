#pragma once
#include <QString>

// The help window's remembered place, kept in Information.txt as three decimal lines: left,
// top and height.
struct TInformationPlace {
    int Left = 20;
    int Top = 40;
    int Height = 580;

    // The lowest height that is taken from the file; a lower one is damage.
    static constexpr int MinHeight = 150;

    // Reads the file. A missing file gives the defaults; each missing, non-decimal or (for the
    // height) too small line gives that line's default alone.
    static TInformationPlace Read(const QString& FileName);
    // Writes the three lines through a temporary file; False when it could not be written.
    bool Write(const QString& FileName) const;
};
