#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include "platform/Color.h"
#include "widgets/RammeType.h"

// Size in bytes of the options file OptionsMDI.opt.
constexpr int OptionsRecordSize = 292;
// The widest margin around a picture in a document window.
constexpr int MaxMargen = 500;
// The most thumbnails across or down in the picture box and the cliché box.
constexpr int MaxThumbnailCount = 100;
// No screen is larger than this: a stored window size or place beyond it is damage.
constexpr int MaxWindowExtent = 16384;

// The options record, kept by the main window as Opt. The file is a little-endian record of
// exactly 292 bytes; it is written and read field by field at the offsets in the comments,
// never by copying this struct. Fields marked "kept" (reserved fields and padding) are used by
// nothing but are written back exactly as they were read. The initial values are the defaults.
struct TOptions {
    bool HentPics = true;         // 0: reopen the pictures of the last close at start
    bool BigColBox = true;        // 1: the colour box uses its large form
    bool AP = true;               // 2: autoperform tools on a selected area
    bool GBoxVis = true;          // 3: picture box visible at close
    bool KBoxVis = true;          // 4: cliché box visible at close
    bool FarveBoxVis = true;      // 5: show the colour box at start
    bool PBoxVis = true;          // 6: show the tool-properties window at start
    bool CBoxVis = true;          // 7: show the palette box at start
    bool Tbvis = false;           // 8: show the text box at start
    uint8_t ObjVis = 0;           // 9: reserved, kept
    uint8_t Pad10[2] = {0, 0};    // 10-11: padding, kept
    int GBredde = 200;            // 12: width of a new picture
    int GHojde = 200;             // 16: height of a new picture
    int GMargenL = 12;            // 20: horizontal margin around the picture in a document window
    int GMargenV = 12;            // 24: vertical margin
    int GToolNr = 0;              // 28: tool of a new document window when SameTool is off
    uint8_t InfoIn = 1;           // 32: reserved, kept
    bool FilBog = true;           // 33: show the document tab bar
    bool Zuse = true;             // 34: limit picture zoom and focus zoom to ZmaxW x ZmaxH
    uint8_t Toolbar = 1;          // 35: reserved, kept
    bool DontUseFcol = false;     // 36: buttons draw no focus frame
    bool AutoDec = true;          // 37: auto decrease values when reducing colours
    bool ToolDock = false;        // 38: tool-properties window docked in the tool book
    bool ColDock = true;          // 39: colour box docked
    bool ObjDock = true;          // 40: palette box docked
    bool GalDock = false;         // 41: picture box docked; page "Billeder" shown only when set
    bool KlicheDock = true;       // 42: cliché box docked
    uint8_t TekstDock = 0;        // 43: reserved, kept
    uint8_t Sprog = 0;            // 44: language, 0 Danish, 1 English
    uint8_t Pad45[3] = {0, 0, 0}; // 45-47: padding, kept
    int RPos = 8;                 // 48: red slider of the sort-colours window
    int GPos = 16;                // 52: green slider
    int BPos = 1;                 // 56: blue slider
    uint8_t JPGkvali = 100;       // 60: JPEG quality 1-100
    bool SameTool = true;         // 61: same tool for all pictures
    bool SameColors = true;       // 62: same colours and method for all pictures
    bool SorVis = false;          // 63: sort-colours window visible
    int MainX = 250;              // 64: main window left
    int MainY = 250;              // 68: main window top
    int MainW = 1100;             // 72: main window width
    int MainH = 1000;             // 76: main window height
    int GBoxX = 100;              // 80: picture box left
    int GBoxY = 100;              // 84
    int GBoxW = 465;              // 88
    int GBoxH = 212;              // 92
    int GBoxV = 3;                // 96: picture box thumbnails across
    int GBoxL = 1;                // 100: picture box thumbnail rows
    int BBoxX = 120;              // 104: choose-library window left
    int BBoxY = 120;              // 108
    int KBoxX = 200;              // 112: cliché box left
    int KBoxY = 200;              // 116
    int KBoxW = 465;              // 120
    int KBoxH = 212;              // 124
    int KBoxV = 3;                // 128: cliché box thumbnails across
    int KBoxL = 1;                // 132: cliché box thumbnail rows
    int FarveBoxX = 300;          // 136: colour box left
    int FarveBoxY = 300;          // 140
    int Fpal = 1;                 // 144: palette number of the colour box
    int PBoxX = 50;               // 148: tool-properties window left
    int PBoxY = 300;              // 152
    int CBoxX = 200;              // 156: palette box left
    int CBoxY = 300;              // 160
    int ZmaxW = 36;               // 164: maximum width for picture zoom and focus zoom
    int ZmaxH = 36;               // 168: maximum height
    int JustX = 200;              // 172: adjust-colours dialog left
    int JustY = 200;              // 176
    int PalX = 200;               // 180: palette window left
    int PalY = 200;               // 184
    int SorX = 300;               // 188: sort-colours window left
    int SorY = 200;               // 192
    int TbX = 200;                // 196: text box left
    int TbY = 200;                // 200
    int TbB = 431;                // 204: text box width
    int TbH = 274;                // 208: text box height
    int TBwidth = 180;            // 212: width of the text box's left panel
    int TBheight = 49;            // 216: height of the text box's text field
    int ZoomX = 200;              // 220: zoom window left
    int ZoomY = 200;              // 224
    int ScaleX = 200;             // 228: scale dialog left
    int ScaleY = 200;             // 232
    int FlytX = 200;              // 236: move dialog left
    int FlytY = 200;              // 240
    int ReguX = 200;              // 244: regulate dialog left
    int ReguY = 200;              // 248
    int NewX = 200;               // 252: reserved, kept
    int NewY = 200;               // 256: reserved, kept
    int ObjX = 200;               // 260: reserved, kept
    int ObjY = 200;               // 264: reserved, kept
    TColor GridCol = 0x00808080;  // 268: grid colour of the pixel magnifier and zoom (grey)
    TColor RammeCol = 0x000000FF; // 272: frame colour of the pixel magnifier and zoom (red)
    TColor KnapSelFarve = 0;      // 276: outline colour of the selected button frame
    TColor PalSelFarve = 0;       // 280: mouse-over colour of palette field frames
    TRammeXType ColRArt = rtInd;  // 284: frame kind of palette fields
    TRammeXType ColRRo = rtUd;    // 285: as a flag: palette field frames react to mouse-over
    TRammeXType KnapArt = rtIngen; // 286: frame kind of buttons
    TRammeXType KnapRo = rtUd;    // 287: as a flag: button frames react to mouse-over
    uint8_t PladsRed = 1;         // 288: side of the dock book, 0 left, 1 right
    uint8_t mixBar = 1;           // 289: reserved, kept
    uint8_t picBar = 1;           // 290: reserved, kept
    uint8_t Pad291 = 0;           // 291: padding, kept
};

// The defaults, as used when no options file exists.
TOptions StandardOptions();

// The 292-byte file image of Opt.
QByteArray OptionsToRecord(const TOptions& Opt);

// Reads a file image. A record of the wrong size gives the defaults. In a record of the right
// size every field whose value is impossible (a language above 1, a JPEG quality of 0 or above
// 100, a frame kind above 4, a dock side above 1, a thumbnail count or new-picture size out of
// range, a margin outside 0..MaxMargen, a window size or place beyond MaxWindowExtent) takes
// its default; everything else, reserved fields and padding included, is taken as read.
TOptions OptionsFromRecord(const QByteArray& Record);

// Reads the options file FileName into Opt; False (Opt untouched) when it is missing or cannot
// be read.
bool ReadOptionsFile(const QString& FileName, TOptions& Opt);

// Writes Opt to FileName through a temporary file and a rename, so a failed write leaves the
// old file whole. False when the file could not be written.
bool WriteOptionsFile(const QString& FileName, const TOptions& Opt);

// The start-up read: the per-user file OptFilnavn, else the single-user file, else the
// defaults; then ColDock, ObjDock and KlicheDock are set True whatever was read.
// (A main-window member of the same name calls this one as ::HentOptions.)
TOptions HentOptions(const QString& OptFilnavn, const QString& SingleUserFilnavn);

// The close-time write of the options record to OptFilnavn. On failure returns False and
// FailedFile names the file, so the caller can say so; the program still closes.
bool GemOptions(const QString& OptFilnavn, const TOptions& Opt, QString& FailedFile);
