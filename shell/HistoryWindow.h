#pragma once
#include <QWidget>
#include <functional>

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
    void Rebuild();
    void Mark();
    void RowClicked(QListWidgetItem* item);

    QListWidget* FList;
    TImagePic* FPicture = nullptr;
    bool FEngelsk = false;
    // What the list shows: the picture's steps, applied count and open step when it was built.
    int FCount = -1, FApplied = -1;
    bool FOpen = false;
};
