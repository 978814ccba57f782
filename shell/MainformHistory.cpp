// The history window and the undo budget: the window is made hidden and shown from the View
// menu, docked in the dock book unless the user placed it elsewhere by hand; it follows the
// active document in the idle pass. Its visibility and the budget live in the settings file.
#include "engine/HistoryBudget.h"
#include "shell/EgenskaberPage.h"
#include "shell/HistoryWindow.h"
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include <QAction>
#include <QMenu>

namespace {
const QString kShownKey = QStringLiteral("Historik.Vis");
const QString kBudgetKey = QStringLiteral("Historik.MB");
const QString kFloatKey = QStringLiteral("Historik.Pos");
} // namespace

void TMainform::BuildHistoryWindow()
{
    historyForm_ = new THistoryWindow(this);
    historyForm_->hide();
    historyForm_->OnJumped = [this] { UpdateActions(); };
    AHistorik = NewAction("AHistorik", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
    AHistorik->setCheckable(true);
    connect(AHistorik, &QAction::triggered, this, &TMainform::SetHistoryVisible);
    Mvis->addSeparator();
    Mvis->addAction(AHistorik);
    texts_.AddCaptionHint(AHistorik, "Historik", "Vis/Skjul billedets trin, som kan fortrydes: Ctrl+Shift+H",
                          "History", "Open/Close the picture's steps that can be undone: Ctrl+Shift+H");

    bool ok = false;
    const int megabytes = settings_.Value(kBudgetKey).toInt(&ok);
    SetHistoryBudget(ok && megabytes > 0 ? megabytes : int(THistoryBudget::DefaultLimit() >> 20));
    connect(Egenskaber, &TEgenskaberPage::HistoryBudgetChosen, this, [this](int mb) {
        SetHistoryBudget(mb);
        settings_.SetValue(kBudgetKey, QString::number(mb));
    });
    if (settings_.Value(kShownKey) == QLatin1String("1"))
        SetHistoryVisible(true);
}

void TMainform::SetHistoryBudget(int megabytes)
{
    THistoryBudget::Instance().SetLimit(qint64(megabytes) << 20);
    Egenskaber->VisHistoryBudget(megabytes);
}

void TMainform::SetHistoryVisible(bool visible)
{
    settings_.SetValue(kShownKey, visible ? QStringLiteral("1") : QStringLiteral("0"));
    if (!visible) {
        dockHost_->Close(historyForm_);
    } else {
        bool byHand = false;
        const TDockSite site = HandSite(twHistory, byHand);
        if (byHand && site == dsNone) {
            const QStringList xy = settings_.Value(kFloatKey).split(QLatin1Char(','));
            const QPoint pos = xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint(100, 100);
            dockHost_->Float(historyForm_, twHistory, pos);
        } else {
            dockHost_->Dock(historyForm_, twHistory, byHand ? site : dsDropbog);
        }
    }
    UpdateHistoryWindow();
}

bool TMainform::HistoryShown() const
{
    return historyForm_ && (historyForm_->isVisible() || dockHost_->SiteOf(historyForm_) != dsNone);
}

void TMainform::UpdateHistoryWindow()
{
    if (!historyForm_)
        return;
    AHistorik->setChecked(HistoryShown());
    if (dockHost_->SiteOf(historyForm_) == dsNone && historyForm_->isVisible())
        settings_.SetValue(kFloatKey, QStringLiteral("%1,%2").arg(historyForm_->x()).arg(historyForm_->y()));
    // A hidden window builds no rows: it catches up when it is shown.
    historyForm_->Follow(HistoryShown() && gForm_ ? gForm_->Image : nullptr);
}
