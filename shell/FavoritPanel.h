#pragma once
#include <QWidget>

class QAction;
class QLabel;
class QListWidget;

// One favourites column of the page "Nyt": its heading, the drawn list box and small buttons
// for the list's actions. Rows show a coloured square (folders green, files blue), the
// caption and a thin line under each row.
class TFavoritPanel : public QWidget {
public:
    TFavoritPanel(bool Folders, const QList<QAction*>& Actions, QWidget* parent = nullptr);

    QLabel* OverLabel = nullptr;
    QListWidget* Liste = nullptr;

    // The square's colour of the rows (TColor values 0x00BBGGRR).
    static constexpr unsigned kFolderColour = 0x00C0DCC0;
    static constexpr unsigned kFileColour = 0x00F0CAA6;
};
