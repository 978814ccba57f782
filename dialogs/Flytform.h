#pragma once
#include <QDialog>
#include <QPointer>
#include <functional>
#include "engine/Events.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
class TImagePic;
class TMainServices;
struct TOptions;

// The move dialog: four arrows move the whole picture inside its area, at once and, while the
// arrow is held, again after 500 ms and then every 100 ms. The step field sets the move step;
// "Gendan" puts every move since the dialog was shown (or last restored) back. The picture is
// held through a guarded pointer: when it goes away the repeat stops and nothing moves.
class TFlytform : public QDialog {
public:
    explicit TFlytform(TMainServices& Services, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Shows the dialog modally on the active picture.
    void Vis();
    // The picture the dialog moves (the active one when shown).
    void SetPicture(TImagePic* Picture);
    TImagePic* Picture() const { return FPicture; }
    // The position fields show the picture's reported position.
    void ShowPosition(int X, int Y);
    // The step field's text, as the main window's step field changes it.
    void SetStepText(const QString& S);
    void GemPosition(TOptions& Opt) const;
    // Takes the stored place (fitted into the screen).
    void HentPosition(const TOptions& Opt);

    // An arrow went down / came up. A press while the repeat runs does nothing.
    void ArrowDown(TFlytRetning Retning);
    void ArrowUp();
    // One tick of the repeat timer.
    void TimerTick();
    // Puts every move back; only after a move.
    void GendanClick();

    // The main window's step field takes the step text; its step actions run from the two
    // small buttons.
    std::function<void(const QString& S)> OnStepText;
    std::function<void()> OnStepUp;
    std::function<void()> OnStepDown;

    QToolButton* Pile[4] = {}; // left, right, up, down
    QLineEdit* StepEdit = nullptr;
    QToolButton* StepOp = nullptr;
    QToolButton* StepNed = nullptr;
    QPushButton* GendanKnap = nullptr;
    QPushButton* LukKnap = nullptr;
    QLineEdit* PosX = nullptr;
    QLineEdit* PosY = nullptr;
    QTimer* Timer = nullptr;
    bool Sprog = false;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Move();
    void StepChange();
    void SetMoved(bool Moved);

    TMainServices& FServices;
    QPointer<TImagePic> FPicture;
    TFlytRetning FRetning = frNone;
    QToolButton* FHeld = nullptr;
    bool FMoved = false;
    QLabel* FStepLabel = nullptr;
};
