#pragma once
#include <QSize>
#include <QWidget>
#include <functional>

class TImagePic;
class TMainServices;
class TPixelPic;
struct TOptions;

// The zoom window: a pixel magnifier over an area of the active picture (the focus zoom).
// It stays on top of the main window; closing it releases the magnifier. A magnifier larger
// than the screen is refused with a message: its view raster would be of the area times the
// cell size.
class TZoomform : public QWidget {
public:
    explicit TZoomform(TMainServices& Services, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Shows the area of Vant x Lant pixels from (X, Y) of the active picture. False (after a
    // message) when the magnifier would not fit the screen; nothing happens without a picture.
    bool NyVisning(int X, int Y, int Vant, int Lant);
    // Releases the magnifier's cells and its picture.
    void FrigivVisning();
    // Sizes the window round the magnifier (not while maximised).
    void MiniBitmap(bool NyeDim);
    // The cell size for an area of B x H pixels.
    static int GetMiniDim(int B, int H);
    // The largest magnifier the window may hold: the free area of its screen.
    QSize MaxZoomSize() const;
    void GemPosition(TOptions& Opt) const;
    // Takes the stored place (fitted into the screen).
    void HentPosition(const TOptions& Opt);

    // Bound by the main window: the active document's name (the caption), the document's
    // focus-zoom flag (On: the active document's; off: the first document that has it set),
    // the tool properties showing the picture's tool, and the window's activation.
    std::function<QString()> OnDocumentName;
    std::function<void(bool On)> OnFocusZoom;
    std::function<void(int ToolNr)> OnShowProp;
    std::function<void()> OnActivated;

    TPixelPic* Zoomfelt = nullptr;
    bool Sprog = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    TMainServices& FServices;
};
