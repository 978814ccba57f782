#pragma once
#include "engine/ImageEdit.h"

// Eighth link: new pictures, loading and saving picture files, and the memory slot's files.
class TImageFile : public TImageEdit {
public:
    explicit TImageFile(QWidget* parent = nullptr);

    // A new blank picture of B x H pixels in the paper colour (no undo snapshot). A size of
    // 0, a negative size or one beyond the raster limits changes nothing.
    void NewBitmap(int B, int H);
    // Reads a file into the picture without undo, repaint or events.
    void InitBitmap(const QString& Fnavn);
    // Reads a file into the picture as a document load; the former picture goes to undo.
    bool LoadBitmap(const QString& FNavn);
    // True when the file that the last LoadBitmap or InitBitmap opened was damaged: the
    // picture holds the part that could be read and the rest is lost (a JPEG whose data ends
    // early). False after a whole file and after a failed load. The document window tells the
    // user.
    bool Damaged() const { return FDamaged; }
    bool SaveBitmap(const QString& FNavn);
    void LoadMemPic(const QString& FNavn);
    void SaveMemPic(const QString& FNavn);

protected:
    bool FDamaged = false;
};
