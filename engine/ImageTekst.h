#pragma once
#include "engine/ImageDraw.h"
#include <QStringList>
#include <vector>

// Fourteenth link: the text tool. It writes the lines of a text list into the tool
// rectangle through the text layout component TekstBog, each line optionally followed by an
// extra text in another font raised or lowered by a fixed offset, as separate lines or all
// on one line. Every text is written at its own width, so it may reach beyond the
// dragged rectangle; afterwards the focus rectangle surrounds the written text and covers
// every pixel it wrote.
class TImageTekst : public TImageDraw {
public:
    explicit TImageTekst(QWidget* parent = nullptr);

    // The component's font, used for the main text.
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont = value; }
    const QStringList& TekstListe() const { return FTekstListe; }
    void SetTekstListe(const QStringList& value) { FTekstListe = value; }
    // Line height from the font; otherwise the rectangle's height is shared among the lines.
    bool Autolinier() const { return FAutolinier; }
    void SetAutolinier(bool value) { FAutolinier = value; }
    bool AnvendMerFont() const { return FAnvendMerFont; }
    void SetAnvendMerFont(bool value) { FAnvendMerFont = value; }
    // The extra text of each line, by index.
    const QStringList& MerTekst() const { return FMerTekst; }
    void SetMerTekst(const QStringList& value) { FMerTekst = value; }
    const TFont& MerFont() const { return FMerFont; }
    void SetMerFont(const TFont& value) { FMerFont = value; }
    // Vertical offset of the extra text against the top of its line (negative is up).
    int MerForskydning() const { return FMerForskydning; }
    void SetMerForskydning(int value) { FMerForskydning = value; }
    // With AnvendMerFont: all lines side by side on one line.
    bool SomEnLinie() const { return FSomEnLinie; }
    void SetSomEnLinie(bool value) { FSomEnLinie = value; }

    // Writes the text list into the tool rectangle (tool 40).
    void WriteText();
    // There is a text to write: a text list and a layout to write it with.
    bool HasText() const { return FTekstBog && !FTekstListe.isEmpty(); }

protected:
    bool ToolHasWork() const override { return FToolNr != 40 || HasText(); }
    // One text of a run and the rectangle it is written into.
    struct TextPiece {
        TRect R;
        QString Tekst;
        bool Extra = false;
    };
    // The pieces of one run inside the ordered tool rectangle (X1, Y1, X2, Y2); sets X1 and Y1
    // where the layout moves them.
    std::vector<TextPiece> LayOut(TCanvas& c);
    std::vector<TextPiece> LayOutLines(TCanvas& c, int L, int top, int lh);
    std::vector<TextPiece> LayOutOneLine(TCanvas& c, int top, int lh);
    // Writes the pieces on c and leaves X2 and Y2 at the far edges of the rectangles used.
    void WritePieces(TCanvas& c, std::vector<TextPiece>& pieces);
    // The bounding box of the meta bitmap's pixels in area (clipped to the picture) that differ
    // from the background colour: the pixels the text wrote.
    TRect WrittenPixels(const TRect& area) const;
    // Copies the figure's pixels inside r from the meta bitmap into the picture and the view.
    void CopyFigure(const TRect& r);

    TFont FFont;
    QStringList FTekstListe;
    bool FAutolinier = true;
    bool FAnvendMerFont = false;
    QStringList FMerTekst;
    TFont FMerFont;
    int FMerForskydning = -4;
    bool FSomEnLinie = false;
};
