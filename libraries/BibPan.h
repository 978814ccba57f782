#pragma once
#include "libraries/Thumbnail.h"
#include "widgets/PreFelter.h"
#include <QByteArray>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

using TBibProgress = std::function<void(TObject* Sender, uint8_t Procent)>;

// One file of the folder: its whole name (no folder part) and the picture's own size
// (0 x 0 when it could not be read). Size and time of the file let a reload keep its thumbnail.
struct TBilRec {
    QString Filnavn;
    QByteArray LokaltNavn; // the name in the file system's bytes
    int Bredde = 0;
    int Hojde = 0;
    qint64 FilStorrelse = -1;
    qint64 FilTid = 0; // modification time in nanoseconds
};

// A thumbnail panel over one folder: a button panel whose fields show the pictures of the
// folder, BMP first, then JPEG, then icons, each kind sorted by name without regard to case.
// The thumbnails live in the image list of BitmapFelt, one per file in field order. A reload
// keeps the thumbnails of the unchanged files in front and makes the others on worker threads,
// delivering them in field order.
class TBibPan : public TKnapPan {
public:
    explicit TBibPan(QWidget* parent = nullptr);

    QString Bibliotek() const { return FBibliotek; }
    void SetBibliotek(const QString& value);
    TFilType FilType() const { return FFilType; }
    void SetFilType(TFilType value);
    bool Centrer() const { return FCentrer; }
    void SetCentrer(bool value);
    bool Scale() const { return FScale; }
    void SetScale(bool value);
    int IndreMargen() const { return FIndreMargen; }
    // Stores and repaints; the thumbnails follow at the next reload.
    void SetIndreMargen(int value);
    TColor FeltFarve() const { return FFeltFarve; }
    void SetFeltFarve(TColor value);

    TBibProgress OnProgress;

    std::vector<TBilRec> Bil;
    bool ListeLoaded = false;

    // Reads the folder and makes the thumbnails; OnProgress 0 and after every file, then
    // OnAntalIalt with the count.
    void LoadListe();
    // A new folder from its first field; reload and repaint.
    void NytBibliotek(const QString& Bnavn);
    // A new grid (each side 1 .. kMaxSide) from the first field; reload once painted.
    void NyeFelterVL(int AVandret, int ALodret);
    void NewDirectory(int AntV, int AntL, const QString& Dir);

    // The file of item FeltNr, with MedSti its whole path; empty out of range.
    QString GetFilnavn(int FeltNr, bool MedSti) const;
    int GetBredde(int FeltNr) const;
    int GetHojde(int FeltNr) const;

    // Fewer fields than this a side would leave thumbnails of no size.
    static constexpr int kMaxSide = 50;
    // Worker threads that make thumbnails at the same time.
    static constexpr int kWorkers = 2;
    // How long a resize must rest before the thumbnails are made for the new size.
    static constexpr int kResizeDelay = 200;
    // Runs the reload a resize asked for (the timer's work).
    void ResizeDone();

protected:
    // A new size of the fields makes the thumbnails again once the resizing has stopped.
    void resizeEvent(QResizeEvent* event) override;
    // The wheel scrolls a row at a time.
    void wheelEvent(QWheelEvent* event) override;
    // Painted fields before the first reload of a folder read it then.
    void ReloadIfPainted();
    // Stores a changed value and reloads once painted.
    template <typename T>
    void StoreReload(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        ReloadIfPainted();
    }

private:
    // The picture files of the folder in field order, with size and time.
    std::vector<TBilRec> ListFolder() const;
    // The thumbnail layout for the current field size and painter.
    bool ThumbLayout(TThumbLayout& Layout);
    void Empty();
    void Report(int n, int count);

    QString FBibliotek;
    TFilType FFilType = ftBegge;
    bool FCentrer = true;
    bool FScale = true;
    int FIndreMargen = 0;
    TColor FFeltFarve = clBtnFace;
    // What the image list's thumbnails were made for.
    QString FMadeFolder;
    TThumbLayout FMadeLayout;
    QTimer FResizeTimer;
};
