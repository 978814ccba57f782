#pragma once
#include "engine/Events.h"
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QAbstractButton;
class QAction;
class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;
class TDocumentHost;
class TMalvoform;

// A held button's repeat: one step at once, the next after FirstDelay, then one every
// Interval while the button stays down and Step says the target still exists. It stops on
// release, when the button is hidden or no longer down (it lost the mouse), and when Step
// returns False.
class TMoveRepeat : public QObject {
public:
    TMoveRepeat(int FirstDelay, int Interval, QObject* parent = nullptr);

    // Runs Step once and starts the repeat, watching Button (may be nullptr).
    void Start(QAbstractButton* Button, std::function<bool()> Step);
    void Stop();
    bool Active() const { return FTimer.isActive(); }
    int CurrentInterval() const { return FTimer.interval(); }
    // One timer tick (tests drive the repeat through it).
    void Tick();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    QTimer FTimer;
    int FFirstDelay, FInterval;
    QPointer<QAbstractButton> FButton;
    bool FHasButton = false;
    std::function<bool()> FStep;
};

// Moving the picture's object with four arrow buttons that repeat while held (500 ms, then
// every 10 ms), the step field stepEdit with its increase and decrease actions, the move
// actions for menus and keys, and the object indicator of the tool book.
class TObjectMove : public QObject {
public:
    TObjectMove(TDocumentHost& host, QWidget* parent);

    QList<QAction*> Actions() const;
    QAction* Action(const QString& name) const;
    // Action4 to Action7 (left, right, up, down), then Action8 and Action9.
    void FillMenu(QMenu& menu) const;
    void SetSprog(bool Engelsk);
    void UpdateActions();

    // --- controls to place
    // The arrow button of direction 1 to 4 (left, right, up, down).
    QToolButton* ArrowButton(int aRetning) const;
    QLineEdit* stepEdit = nullptr;
    QToolButton* ObjektButton = nullptr;
    // The images of the object indicator by number (33, 34, 35); set by the main window.
    std::function<QIcon(int ImageNr)> ObjektImage;

    // --- handlers
    // Press of arrow button aRetning (1 left, 2 right, 3 up, 4 down).
    void moveObject(int aRetning);
    void moveObjectStop();
    // One step without repeat (the move actions from keys and menus).
    void MoveOnce(int aRetning);
    void Action8Execute();
    void Action9Execute();
    // The step field's text (the move dialog copies its own step here).
    void SetStepText(const QString& text);
    // The indicator's image and hint from the active picture.
    void ShowObjektType();
    // 33 object, 34 none, 35 a selected area that can be duplicated, -1 no document.
    int ObjektImageNr() const { return FImageNr; }

    TMoveRepeat& Repeat() { return FRepeat; }
    TFlytRetning flytRetning = frNone;

private:
    // The step of the field, 0-255; False (after a message) for other text.
    bool ReadStep(uint8_t& step);
    // Prepares the move: step and direction; the document moved or nullptr.
    TMalvoform* StartMove(int aRetning);
    bool Engelsk() const;

    TDocumentHost& Host;
    QWidget* Parent;
    TMoveRepeat FRepeat;
    QPointer<TMalvoform> FMoving;
    QList<QAction*> FActions;
    QList<QToolButton*> FArrows;
    int FImageNr = -2;
    bool FImageEngelsk = false;
};
