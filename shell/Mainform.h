#pragma once
#include <QMainWindow>

class QLabel;
class QMdiArea;

// The program's main window: the document area, the menus, the tool windows and the
// status bar with its three panels (position, object, hint).
class TMainform : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainform(QWidget* parent = nullptr);

    QMdiArea* DocumentArea() const { return mdiArea_; }
    // Panel 0 shows positions, panel 1 the object, panel 2 hints.
    QLabel* StatusPanel(int index) const;
    // Writes a text into the status bar's hint panel.
    void InfoHint(const QString& text);

private:
    void createMenus();
    void createStatusBar();

    QMdiArea* mdiArea_ = nullptr;
    QLabel* panels_[3] = {};
};
