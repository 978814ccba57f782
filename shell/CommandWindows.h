#pragma once
#include "platform/Color.h"
#include "platform/Input.h"
#include <QString>
#include <cstdint>
#include <functional>

// The windows and pages the tool and picture commands reach that the main window owns or has
// not always got: tool book pages, the tool properties window, the colour box, the zoom
// window, the dialogs and the tool windows. The main window sets the functions of the windows
// it has; a command whose function is empty is disabled or does nothing, so a missing window
// is harmless.
struct TCommandWindows {
    // Tool book pages: "Redskaber", "Egenskaber" (and whether it is shown), "Information".
    std::function<void()> ShowRedskaberPage;
    std::function<void()> ShowEgenskaberPage;
    std::function<bool()> EgenskaberPageShown;
    std::function<void()> ShowInformationPage;

    // Tool properties window: the next ShowProp goes to the tool's page; takes the focus
    // rectangle, prepares its text edit and realises the focus (HentFokus, FocusEditTekst,
    // RealiserFokus).
    std::function<void(bool)> SetGoToToolPage;
    std::function<void()> FokuserObjekt;

    // Colour box: shows it docked or floating; sets its red, green and blue sliders and takes
    // the slider colour (LInsKnapClick); stores a colour in field Nr of its fade palette; writes
    // its help line Nr into the hint panel (-1 clears it).
    std::function<void()> ShowColourBox;
    std::function<void(uint8_t R, uint8_t G, uint8_t B)> SetSliderColour;
    std::function<void(int Nr, TColor Colour)> SetFadeFarve;
    std::function<void(int Nr)> Informa;
    // Gives the colour to the active picture's pen (left), fill (right) or middle colour
    // (middle button) and puts it into the history (PenFyldFarver).
    std::function<void(TMouseButton Button, TColor Col)> PenFyldFarver;

    // Text box and palette box.
    std::function<void()> ShowTextBox;
    std::function<void()> ShowPaletteBox;

    // Zoom window: shows the area (X, Y, W, H) of the active picture (NyVisning).
    std::function<void(int X, int Y, int W, int H)> NyVisning;

    // Move dialog (modal), regulate dialog, adjust-colours dialog and its JusterFarver.
    std::function<void()> ShowFlytform;
    std::function<void()> ShowReguform;
    std::function<void()> ShowJustform;
    std::function<void()> JusterFarver;
    // The regulate dialog's three values (False: no values to use) and its DecValues.
    std::function<bool(uint8_t& Red, uint8_t& Green, uint8_t& Blue)> ReguValues;
    std::function<void()> DecValues;
};
