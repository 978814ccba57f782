#pragma once
#include "platform/Color.h"
#include <QListWidget>

// A list of help topics drawn as the page "Information" shows them: every row has a filled
// marker of its colour at (2, 5) from its top-left corner, its text at (TextX, 1) and a
// silver line along its bottom. A row without colour (clNone) has no marker.
class TTopicList : public QListWidget {
    Q_OBJECT
public:
    // MarkerWidth x 10 is the marker's size.
    TTopicList(int MarkerWidth, int TextX, QWidget* parent = nullptr);

    // Adds a row showing Caption that stands for Topic.
    void AddRow(const QString& Caption, const QString& Topic, TColor Colour);
    QString Topic(int Row) const;
    TColor RowColour(int Row) const;

    int MarkerWidth() const { return FMarkerWidth; }
    int TextX() const { return FTextX; }
    int RowHeight() const;

private:
    int FMarkerWidth;
    int FTextX;
};
