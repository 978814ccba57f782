#pragma once
#include <QComboBox>
#include <functional>
#include "platform/Types.h"

// A drop-down list of the point sizes a font offers: the fixed list 8 ... 72 for a scalable
// font, else the font's own sizes in ascending order without duplicates. Choosing an entry
// fires OnChange and then OnNyFontSize with the size.
class TFontSizeComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFontSizeComboBox(QWidget* parent = nullptr);

    QString FontName() const { return FFontName; }
    // Stores the name and refills the list; the entry equal to the current text stays
    // selected (without firing OnChange), then OnClick fires once if assigned.
    void SetFontName(const QString& value);

    // The chosen size, 0 when the text is not a number.
    int FontSize() const;
    // Selects Size without firing the events; a size the list does not offer is added, since
    // it is still the size in use (a size of 0 or less selects the first entry).
    void SelectSize(int Size);

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    std::function<void(TObject* Sender, int Size)> OnNyFontSize;

private:
    void Choose(int Index);

    QString FFontName;
    bool FFilling = false;
};
