#pragma once
#include <QString>
#include <QStringList>

class TDataFolder;

// Reads a text list: UTF-8, one value a line; "\n", "\r\n" and a lone "\r" end a line, and a
// leading byte-order mark is accepted; a final empty line is not a value. A missing or unreadable file gives an
// empty list.
QStringList ReadTextList(const QString& FileName);
// Writes a text list as UTF-8 without byte-order mark, one value a line ending in "\n",
// through a temporary file and a rename. False when the file could not be written.
bool WriteTextList(const QString& FileName, const QStringList& Lines);

// The settings list Progstring.txt, 18 lines. The initial values are the defaults of a
// missing file except the two folder names, which depend on the data folder (see
// StandardProgstring).
struct TProgstring {
    QString designName = "Sky";     // 1: visual style
    QString GalBib;                 // 2: folder shown by the picture box
    QString PalFilnavn;             // 3: palette file of the colour box
    bool gemKlip = false;           // 4: save copied areas as clip files ("1" only)
    QString fontname1 = "Courier New"; // 5: font of the tool-properties text memo
    QString fontname2 = "Courier New"; // 6: font of its text edit field
    int fontsize1 = 12;             // 7
    int fontsize2 = 8;              // 8
    bool transInsert = false;       // 9: the picture box inserts transparently ("1" only)
    bool ToolBookTop = false;       // 10: "0" = tool book at the top, else at the bottom
    int ToolBookPage = 0;           // 11: active page of the tool book
    bool ToolBookVisible = true;    // 12
    bool DockBookVisible = true;    // 13
    bool ToolLineVisible = false;   // 14
    bool VisKlipbord = true;        // 15: check box "Vis klipbord"
    bool ToolLineTop = true;        // 16: "0" = tool line at the top, else at the bottom
    int poNummer = 1;               // 17: window-layout preset 0-3
};

// Number of lines in Progstring.txt.
constexpr int ProgstringLines = 18;
// Number of pages of the tool book; a stored page outside 0..ToolBookPages-1 gives page 0.
constexpr int ToolBookPages = 7;

// The defaults of a missing Progstring.txt for this data folder.
TProgstring StandardProgstring(const TDataFolder& Folder);
// Reads Progstring.txt. A missing file gives the defaults; a short file gives the defaults for
// the missing lines; a numeric line that is not a decimal number, or out of range, gives that
// line's default.
TProgstring HentProgstring(const QString& StringFilnavn, const TDataFolder& Folder);
// Writes Progstring.txt whole; line 0 is "engelsk" when Engelsk, else "dansk".
bool GemProgstring(const QString& StringFilnavn, const TProgstring& P, bool Engelsk);

// OpenFiles.txt: the full names of the pictures open at the last close, in list order.
QStringList HentOpenFiles(const QString& openFilesFilnavn);
bool GemOpenFiles(const QString& openFilesFilnavn, const QStringList& Names);
