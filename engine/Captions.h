#pragma once
#include "engine/Events.h"

// An undo caption in both languages.
struct TCaptionPair {
    const char* Dansk;
    const char* Engelsk;
};

inline QString Caption(TSprogtype sprog, const TCaptionPair& pair)
{
    return Caption(sprog, pair.Dansk, pair.Engelsk);
}

// Captions of the buffer, memory, file and clipboard operations.
inline constexpr TCaptionPair kUndoGeneric{"Annuller sidste forandring", "Undo last action"};
inline constexpr TCaptionPair kUndoPaste{"Annuller indsæt", "Undo paste"};
inline constexpr TCaptionPair kUndoLoadFromCB{"Annuller nyt billede", "Undo new picture"};
inline constexpr TCaptionPair kUndoLoadFromMem{"Annuller indsætning fra hukommelse", "Undo load from memory"};
inline constexpr TCaptionPair kUndoLoadBitmap{"Annuller", "Undo"};
inline constexpr TCaptionPair kUndoInsertPic{"Annuller indsæt", "Undo insert"};
inline constexpr TCaptionPair kUndoLoadMetaBitmap{"Annuller metabitmap", "Undo metapicture"};
inline constexpr TCaptionPair kUndoViewPictureBitmap{"Annuller FPicture bitmap", "Undo FPicture bitmap"};
