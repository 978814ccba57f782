#pragma once
#include "engine/ImagePic.h"
#include "pixeledit/PixelPic.h"
#include "widgets/TekstX.h"
#include <QMdiSubWindow>

class QScrollArea;
class QWheelEvent;
class TDocumentHost;
class TZoomView;

// A document window: one picture component in a scrolling area with margins, an optional
// pixel magnifier beside it, and the translation of the picture's events into status texts
// and updates of the main window. Closing asks whether a modified picture is to be saved.
// The window lives in the host's document area and deletes itself when it closes.
class TMalvoform : public QMdiSubWindow {
public:
    // Shows the window maximised as the active document.
    void ShowActive();
    // The picture's language and the window menu's texts follow the program's language.
    void SetSprog(bool Engelsk);
    // Creates the window in the host's document area (FormCreate); the caller shows it.
    explicit TMalvoform(TDocumentHost& host);

    // The scroll box, the picture component, the magnifier and the text layout object.
    QScrollArea* Box = nullptr;
    TImagePic* Image = nullptr;
    TPixelPic* MiniPic = nullptr;
    TTekstX* TekstX1 = nullptr;
    // Shows the picture in the component's place at every zoom but 1.
    TZoomView* ZoomView = nullptr;

    // The document's zoom (MalvoformZoom.cpp): picture pixels per logical screen pixel.
    double Zoom() const;
    // Zooms keeping the picture point at the scroll box's centre in place.
    void SetZoom(double zoom);
    // Zooms keeping the picture point under a position of the scroll box's viewport in place.
    void ZoomAround(double zoom, const QPoint& viewportPos);
    // The largest zoom up to 1 at which the whole picture fits the window.
    double FittingZoom() const;
    // The widget that shows the picture: the component at 1, the zoom view otherwise.
    QWidget* Shown() const;
    // The picture's size on the screen at the zoom.
    QSize ShownPictureSize() const;

    // The document's name: caption and tab text.
    QString PNavn;
    // A one-shot colour pick for the meta colour is running.
    bool ReturnToTool = false;
    // A one-shot colour pick that only shows the colour in the colour box is running.
    bool OnlyColor = false;
    // The tool to go back to after a one-shot pick or after the selection-copy tool.
    int OldToolNr = 0;

    bool MiniPix() const { return FMiniPix; }
    void SetMiniPix(bool Value);
    bool FocusZoom() const { return FFocusZoom; }
    void SetFocusZoom(bool Value);

    // PNavn := a generated name: "UdenNavn"/"Noname", the new-picture counter and the
    // extension chosen on the page "Nyt".
    void MakeNewName();
    // Asks whether the modified picture is to be saved and saves it if so. False: the user
    // cancelled (the question, or the save dialog), or the save failed (after a message);
    // the window is to stay open.
    bool LukImage();
    // Saves the picture to FileName with the options' JPEG quality; a failure is reported
    // ("Fejl: Filen kunne ikke gemmes!") and gives False.
    bool SaveTo(const QString& FileName);
    // Lays the magnifier out (FMiniPix) or removes it, and resizes a window that is not maximised.
    void MiniBitmap(bool NyeDim, bool AutoFeltDim);
    // The magnifier's cell size for the picture.
    int GetMiniDim() const;
    static int MiniDimFor(int Width, int Height);
    // Client size := picture plus margins, unless the window is maximised.
    void ResizeFormToPic();
    // The name of the document: PNavn, window caption and nothing else (the caller renames the tab).
    void SetPNavn(const QString& name);
    // Status panels 0 and 1 show the position.
    void ShowMousePosition(int X, int Y);

    // Runs when the window becomes the active document.
    void FormActivate();
    // The language of the options: True for English.
    bool Engelsk() const;

    // The client area's size: the scroll box.
    QSize ClientSize() const;
    void SetClientSize(int w, int h);

    // The number of the next free clip file from Count upward and its full name.
    static QString ClipFileName(const QString& folder, int number);
    static int NextFreeClip(const QString& folder, int count);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FreeCtrlW();
    void FormCreate();
    // Returns False when the close is to be abandoned.
    bool FormClose();
    void KeepOutOfTabChain();
    void BindImageEvents();
    void SetupMagnifier();
    // The sheet inside the scroll box grows with the picture and the magnifier.
    void FitSheet();

    void ImageObjekt();
    void ImageAutoPerform(bool NewPicture);
    void ImagePixelInfo(TColor Farve);
    void ImageLoad();
    void ImageScale();
    void ImageFriFocus(bool& NoNew);
    void ImageCopy(TBitmap& copyBitmap);
    void BoxMouseDown(const QPoint& screenPos);
    // Ctrl + wheel over the picture or beside it zooms one level around the mouse.
    bool WheelZoom(QObject* watched, QWheelEvent* wheel);
    // Shows the component or the zoom view for the zoom, sized and laid out.
    void ApplyZoom(double zoom);

    TDocumentHost& Host;
    QWidget* Sheet = nullptr;
    bool FMiniPix = false;
    bool FFocusZoom = false;
    // The user chose a zoom: a later load keeps it instead of the opening zoom.
    bool FZoomChosen = false;
};
