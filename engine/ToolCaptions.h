#pragma once
#include "engine/Captions.h"

// The undo caption a tool takes when its stroke begins with a press; nullptr for tools
// that take none on a press.
const TCaptionPair* PressCaption(int toolNr);
// The undo caption a tool takes when MakeTool performs it on the focus; nullptr: no snapshot.
const TCaptionPair* MakeToolCaption(int toolNr);
