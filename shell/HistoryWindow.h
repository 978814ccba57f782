#pragma once
#include <QWidget>
#include <QtGlobal>
#include <functional>
#include <vector>

class QListWidget;
class QListWidgetItem;
class TImagePic;

// The history window: the undo steps of the active picture, oldest first, each with its name
// and a small picture of the picture after it, below a first row for the picture before the
// oldest step kept. The row of the current state is marked; steps that were undone are
// greyed; a click on a row undoes or redoes to it.
class THistoryWindow : public QWidget {
public:
    explicit THistoryWindow(QWidget* parent = nullptr);

    // Follows the picture (nullptr: no document); cheap when nothing changed, so the main
    // window calls it after every command and from its idle timer.
    void Follow(TImagePic* Picture);
    void SetSprog(bool Engelsk);

    QListWidget* List() const { return FList; }
    // The row that stands for the current state.
    int CurrentRow() const;

    // Told after a click moved the picture to another state.
    std::function<void()> OnJumped;

private:
    // Makes the list anew for another picture.
    void Rebuild();
    // Brings the rows up to the picture's steps: rows of steps that were dropped or forgotten
    // go, rows of new steps come, rows that stay are left alone. A long history thus costs
    // what changed, not a row for every step it keeps.
    void Sync();
    void AddRow(int step);
    // Marks the current row, greys the rows after it; only rows whose state changed are touched.
    void Mark();
    void Style(int row, int current);
    void RowClicked(QListWidgetItem* item);

    QListWidget* FList;
    TImagePic* FPicture = nullptr;
    bool FEngelsk = false;
    // The steps the rows 1, 2, ... stand for, the row marked current and the step whose
    // thumbnail follows the picture while it is being made (0: none).
    std::vector<quint64> FIds;
    int FMarked = -1;
    quint64 FLiveId = 0;
};
