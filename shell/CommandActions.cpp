#include "shell/CommandActions.h"
#include <QAction>

QAction* CommandActions::NewAction(QObject* parent, const char* Name, const char* Shortcut, bool Checkable)
{
    auto* action = new QAction(parent);
    action->setObjectName(QLatin1String(Name));
    if (*Shortcut) {
        action->setShortcut(QKeySequence(QLatin1String(Shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setCheckable(Checkable);
    return action;
}

void CommandActions::ApplyTexts(QAction* action, const TActionTexts& texts, bool Engelsk)
{
    action->setText(QString::fromUtf8(Engelsk ? texts.EngelskCaption : texts.DanskCaption));
    const QString hint = QString::fromUtf8(Engelsk ? texts.EngelskHint : texts.DanskHint);
    action->setStatusTip(hint);
    action->setToolTip(hint);
}

void CommandActions::SetEnabled(QAction* action, bool enabled)
{
    if (action->isEnabled() != enabled)
        action->setEnabled(enabled);
}

void CommandActions::SetChecked(QAction* action, bool checked)
{
    if (action->isChecked() != checked)
        action->setChecked(checked);
}
