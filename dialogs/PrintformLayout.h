#pragma once
#include <QRect>

// Where a picture lands on the printed page and in the print dialog's preview. All numbers
// are printer device pixels except the preview, which is at one sixteenth of them.
struct TPrintLayout {
    int Bredde = 0; // printed picture width
    int Hojde = 0;  // printed picture height
    int Hojre = 0;  // right margin, negative when the picture passes the page's edge
    int Bund = 0;   // bottom margin, likewise
    QRect Papir;    // the preview's paper, from (0, 0)
    QRect Billede;  // the preview's picture, in paper coordinates
};

// The layout of a PicW x PicH picture printed at Procent percent with its top-left corner at
// (Venstre, Top) on a PageW x PageH page. The printed size is the picture's size times
// Procent / 100, each side to the nearest integer (halves to the even neighbour).
TPrintLayout BeregnPrintLayout(int PicW, int PicH, int Procent, int Venstre, int Top, int PageW, int PageH);

// The left (or top) position that centres a printed side of Size on a page side of PageSide
// (integer division toward zero).
inline int CentrerPosition(int PageSide, int Size)
{
    return (PageSide - Size) / 2;
}
