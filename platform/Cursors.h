#pragma once
#include <QCursor>
#include <QString>
#include <span>

// Cursor numbers: negative numbers are the platform's standard shapes, positive numbers are
// entries of the program's own cursor table.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crNo = -18;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

struct TCursorResource {
    TCursor Number;
    const char* Resource;
    int HotX, HotY;
};

// The numbered cursor table: standard shapes plus the program's own registered cursors.
class TCursors {
public:
    // The program's 36 tool cursors, numbers 4 to 39, with their resource names and hot spots.
    static std::span<const TCursorResource> ToolCursors();
    // Loads a 32 x 32 two-colour cursor drawn in the program's cursor artwork.
    // An unknown resource gives the arrow.
    static QCursor Load(const QString& resource, int hotX, int hotY);
    // Registers every tool cursor under its number (once; later calls do nothing).
    static void RegisterToolCursors();
    static void Register(TCursor number, const QCursor& cursor);
    static bool IsRegistered(TCursor number);
    // The cursor of a number: registered cursors, then the standard shapes; unknown numbers
    // give the arrow.
    static QCursor Get(TCursor number);
    // The screen cursor of the whole program: crHourGlass shows the wait cursor over every
    // window, crDefault lets each window show its own again.
    static void SetScreenCursor(TCursor number);
    static TCursor ScreenCursor();
};

// Shows the wait cursor over the whole program while it lives.
class TWaitCursor {
public:
    TWaitCursor() { TCursors::SetScreenCursor(crHourGlass); }
    ~TWaitCursor() { TCursors::SetScreenCursor(crDefault); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
