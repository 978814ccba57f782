#include "shell/ObjectMove.h"
#include "appcore/Message.h"
#include "shell/CommandActions.h"
#include "shell/DocumentHost.h"
#include "shell/Malvoform.h"
#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

constexpr int kFirstDelay = 500;
constexpr int kRepeatInterval = 10;

// clang-format off
const TActionTexts kTexts[] = {
    {"Flyt til venstre", "Flyt objektet til venstre", "Move left", "Move the object left"},
    {"Flyt til højre", "Flyt objektet til højre", "Move right", "Move the object right"},
    {"Flyt op", "Flyt objektet op", "Move up", "Move the object up"},
    {"Flyt ned", "Flyt objektet ned", "Move down", "Move the object down"},
    {"Forøg flytintervallet", "Forøg flytintervallet", "Increase move interval", "Increase move interval"},
    {"Formindsk flytintervallet", "Formindsk flytintervallet", "Decrease move interval", "Decrease move interval"},
};
// clang-format on
const char* const kNames[] = {"Action4", "Action5", "Action6", "Action7", "Action8", "Action9"};
const char* const kArrowNames[] = {"flytVenstre", "flytHojre", "flytOp", "flytNed"};
const TFlytRetning kDirections[] = {frLeft, frRight, frUp, frDown};

} // namespace

// --- the repeat

TMoveRepeat::TMoveRepeat(int FirstDelay, int Interval, QObject* parent)
    : QObject(parent), FFirstDelay(FirstDelay), FInterval(Interval)
{
    connect(&FTimer, &QTimer::timeout, this, &TMoveRepeat::Tick);
}

void TMoveRepeat::Start(QAbstractButton* Button, std::function<bool()> Step)
{
    Stop();
    FStep = std::move(Step);
    if (!FStep())
        return;
    FButton = Button;
    FHasButton = Button != nullptr;
    if (Button)
        Button->installEventFilter(this);
    FTimer.start(FFirstDelay);
}

void TMoveRepeat::Stop()
{
    FTimer.stop();
    if (FButton)
        FButton->removeEventFilter(this);
    FButton = nullptr;
}

void TMoveRepeat::Tick()
{
    if (!FTimer.isActive())
        return;
    // A button that is no longer down lost the mouse (or was released unseen).
    if ((FHasButton && (!FButton || !FButton->isDown())) || !FStep()) {
        Stop();
        return;
    }
    FTimer.setInterval(FInterval);
}

bool TMoveRepeat::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FButton && (event->type() == QEvent::Hide || event->type() == QEvent::EnabledChange))
        Stop();
    return QObject::eventFilter(watched, event);
}

// --- moving the object

TObjectMove::TObjectMove(TDocumentHost& host, QWidget* parent)
    : QObject(parent), Host(host), Parent(parent), FRepeat(kFirstDelay, kRepeatInterval, this)
{
    for (int i = 0; i < 6; ++i) {
        QAction* action = CommandActions::NewAction(this, kNames[i]);
        FActions.append(action);
    }
    for (int d = 1; d <= 4; ++d) {
        connect(FActions[d - 1], &QAction::triggered, this, [this, d] { MoveOnce(d); });
        auto* arrow = new QToolButton(parent);
        arrow->setObjectName(QLatin1String(kArrowNames[d - 1]));
        arrow->hide();
        connect(arrow, &QToolButton::pressed, this, [this, d] { moveObject(d); });
        connect(arrow, &QToolButton::released, this, &TObjectMove::moveObjectStop);
        FArrows.append(arrow);
    }
    connect(FActions[4], &QAction::triggered, this, &TObjectMove::Action8Execute);
    connect(FActions[5], &QAction::triggered, this, &TObjectMove::Action9Execute);

    stepEdit = new QLineEdit(QStringLiteral("1"), parent);
    stepEdit->setObjectName(QStringLiteral("stepEdit"));
    stepEdit->setMaxLength(3);
    stepEdit->hide();
    // Numbers only, as typed.
    connect(stepEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString digits;
        for (const QChar ch : text)
            if (ch >= u'0' && ch <= u'9')
                digits.append(ch);
        if (digits != text)
            stepEdit->setText(digits);
    });

    ObjektButton = new QToolButton(parent);
    ObjektButton->setObjectName(QStringLiteral("ObjektButton"));
    ObjektButton->hide();

    SetSprog(Engelsk());
    UpdateActions();
}

QList<QAction*> TObjectMove::Actions() const
{
    return FActions;
}

QAction* TObjectMove::Action(const QString& name) const
{
    for (QAction* action : FActions)
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void TObjectMove::FillMenu(QMenu& menu) const
{
    menu.addActions(FActions);
}

QToolButton* TObjectMove::ArrowButton(int aRetning) const
{
    return aRetning >= 1 && aRetning <= 4 ? FArrows[aRetning - 1] : nullptr;
}

bool TObjectMove::Engelsk() const
{
    return Host.Opt().Sprog != 0;
}

void TObjectMove::SetSprog(bool Engelsk)
{
    for (int i = 0; i < FActions.size(); ++i)
        CommandActions::ApplyTexts(FActions[i], kTexts[i], Engelsk);
    for (int d = 0; d < 4; ++d) {
        FArrows[d]->setToolTip(FActions[d]->toolTip());
        FArrows[d]->setStatusTip(FActions[d]->statusTip());
    }
    const QString stepHint = Engelsk ? QStringLiteral("Move interval in pixels (0 to 255)")
                                     : QStringLiteral("Flytinterval i pixels (0 til 255)");
    stepEdit->setToolTip(stepHint);
    stepEdit->setStatusTip(stepHint);
}

void TObjectMove::UpdateActions()
{
    TMalvoform* form = Host.GForm();
    const bool movable = form && form->Image->ObjektNr() != -1;
    for (int d = 0; d < 4; ++d) {
        CommandActions::SetEnabled(FActions[d], movable);
        // A held button keeps going until released, even if the object went meanwhile: the
        // repeat itself checks every tick.
        if (FArrows[d]->isEnabled() != movable && !FArrows[d]->isDown())
            FArrows[d]->setEnabled(movable);
    }
    ShowObjektType();
}

bool TObjectMove::ReadStep(uint8_t& step)
{
    bool ok = false;
    const int value = stepEdit->text().toInt(&ok);
    if (!ok || value < 0 || value > 255) {
        ShowMessage(Sprogtekst(Engelsk(), QStringLiteral("Flytintervallet skal være et tal fra 0 til 255!"),
                               QStringLiteral("The move interval must be a number from 0 to 255!")),
                    Parent);
        return false;
    }
    step = uint8_t(value);
    return true;
}

TMalvoform* TObjectMove::StartMove(int aRetning)
{
    TMalvoform* form = Host.GForm();
    uint8_t step = 0;
    if (!form || aRetning < 1 || aRetning > 4 || !ReadStep(step))
        return nullptr;
    form->Image->MoveStep = step;
    flytRetning = kDirections[aRetning - 1];
    return form;
}

void TObjectMove::MoveOnce(int aRetning)
{
    if (FRepeat.Active())
        return;
    if (TMalvoform* form = StartMove(aRetning))
        form->Image->Flyt(flytRetning);
}

void TObjectMove::moveObject(int aRetning)
{
    if (FRepeat.Active())
        return;
    FMoving = StartMove(aRetning);
    if (!FMoving)
        return;
    FRepeat.Start(ArrowButton(aRetning), [this] {
        // The document may have closed, or lost its object, while the button is held.
        if (!FMoving || FMoving->Image->ObjektNr() == -1)
            return false;
        FMoving->Image->Flyt(flytRetning);
        return true;
    });
}

void TObjectMove::moveObjectStop()
{
    FRepeat.Stop();
}

void TObjectMove::SetStepText(const QString& text)
{
    stepEdit->setText(text);
}

void TObjectMove::Action8Execute()
{
    const int step = stepEdit->text().toInt();
    SetStepText(QString::number(step >= 255 ? 1 : step + 1));
}

void TObjectMove::Action9Execute()
{
    const int step = stepEdit->text().toInt();
    SetStepText(QString::number(step <= 1 || step > 255 ? 255 : step - 1));
}

// --- the object indicator

void TObjectMove::ShowObjektType()
{
    TMalvoform* form = Host.GForm();
    int nr = -1;
    bool engelsk = false;
    if (form) {
        const int objekt = form->Image->ObjektNr();
        nr = objekt >= 0 ? 33 : objekt == -2 ? 35 : 34;
        engelsk = form->Image->Sprog() == stEngelsk;
    }
    // The images may arrive after the first pass: then the indicator is drawn again.
    const bool imageMissing = nr >= 0 && ObjektImage && ObjektButton->icon().isNull();
    if (nr == FImageNr && engelsk == FImageEngelsk && !imageMissing)
        return;
    FImageNr = nr;
    FImageEngelsk = engelsk;
    ObjektButton->setIcon(nr >= 0 && ObjektImage ? ObjektImage(nr) : QIcon());
    QString hint;
    if (nr == 33)
        hint = Sprogtekst(engelsk, QStringLiteral("Der er et objekt i billedet"),
                          QStringLiteral("There is a object in the picture"));
    else if (nr == 34)
        hint = Sprogtekst(engelsk, QStringLiteral("Der er ikke noget objekt i billedet"),
                          QStringLiteral("There is no object in the picture"));
    else if (nr == 35)
        hint = Sprogtekst(engelsk, QStringLiteral("Valgte område kan duplikeres"),
                          QStringLiteral("Selected area can be duplicated"));
    ObjektButton->setToolTip(hint);
    ObjektButton->setStatusTip(hint);
}
