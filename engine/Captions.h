#pragma once
#include "engine/Events.h"
#include <utility>

// An undo caption in both languages.
struct TCaptionPair {
    const char* Dansk;
    const char* Engelsk;
};

inline QString Caption(TSprogtype sprog, const TCaptionPair& pair)
{
    return Caption(sprog, pair.Dansk, pair.Engelsk);
}

// The redo command's caption for a step: the step's undo caption with "Annuller" turned into
// "Gentag" and "Undo" into "Redo" ("Annuller rektangel" -> "Gentag rektangel").
inline QString RedoCaptionOf(const QString& undoCaption)
{
    for (const auto& [undo, redo] : {std::pair{"Annuller", "Gentag"}, std::pair{"Undo", "Redo"}}) {
        const QString u = QString::fromLatin1(undo);
        if (undoCaption.startsWith(u))
            return QString::fromLatin1(redo) + undoCaption.mid(u.size());
    }
    return undoCaption;
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

// Captions of the picture operations.
inline constexpr TCaptionPair kUndoCutToFocus{"Annuller beskæring", "Undo cut to focus"};
inline constexpr TCaptionPair kUndoScale{"Annuller skalering", "Undo scale"};
inline constexpr TCaptionPair kUndoScaleHeight{"Annuller højdeskalering", "Undo scale"};
inline constexpr TCaptionPair kUndoScaleWidth{"Annuller breddeskalering", "Undo scale"};
inline constexpr TCaptionPair kUndoNewSize{"Annuller ny størrelse", "Undo new size"};
inline constexpr TCaptionPair kUndoFlip{"Annuller spejlvending", "Undo flip"};
inline constexpr TCaptionPair kUndoRotation{"Annuller drejning", "Undo rotation"};
inline constexpr TCaptionPair kUndoPictureMove{"Annuller billedflytning", "Undo picture move"};
inline constexpr TCaptionPair kUndoMove{"Annuller flytning", "Undo move"};
inline constexpr TCaptionPair kUndoColourChange{"Annuller farveskift", "Undo color change"};
inline constexpr TCaptionPair kUndoInvert{"Annuller invertering", "Undo invert"};
inline constexpr TCaptionPair kUndoBorderline{"Annuller omrids", "Undo borderline"};
inline constexpr TCaptionPair kUndoGrey{"Annuller gråtoning", "Undo color change"};
inline constexpr TCaptionPair kUndoReduce{"Annuller farvereducering", "Undo color change"};
inline constexpr TCaptionPair kUndoColourAlter{"Annuller farveændring", "Undo color change"};
