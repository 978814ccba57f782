#include "shell/TextTable.h"
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

void TTextTable::Add(QObject* control, TTextKind kind, const char* dansk, const char* engelsk, int index)
{
    entries_.append({control, kind, QString::fromUtf8(dansk), QString::fromUtf8(engelsk), index});
}

void TTextTable::AddCaptionHint(QObject* control, const char* danskCaption, const char* danskHint,
                                const char* engelskCaption, const char* engelskHint)
{
    Add(control, tkText, danskCaption, engelskCaption);
    Add(control, tkHint, danskHint, engelskHint);
}

void TTextTable::Apply(bool engelsk) const
{
    for (const TEntry& e : entries_)
        if (e.control)
            Write(e.control, e.kind, e.index, engelsk ? e.engelsk : e.dansk);
}

void TTextTable::Write(QObject* control, TTextKind kind, int index, const QString& text)
{
    if (kind == tkHint) {
        if (auto* action = qobject_cast<QAction*>(control)) {
            action->setStatusTip(text);
            action->setToolTip(text);
        } else if (auto* menu = qobject_cast<QMenu*>(control)) {
            // On the menu's own item only: a tool tip of the menu widget would cover its items.
            menu->menuAction()->setStatusTip(text);
            menu->menuAction()->setToolTip(text);
        } else if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setStatusTip(text);
            widget->setToolTip(text);
        }
        return;
    }
    switch (kind) {
    case tkText:
        if (auto* action = qobject_cast<QAction*>(control))
            action->setText(text);
        else if (auto* menu = qobject_cast<QMenu*>(control))
            menu->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(text);
        break;
    case tkTitle:
        if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(text);
        else if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setWindowTitle(text);
        break;
    case tkTab:
        if (auto* book = qobject_cast<QTabWidget*>(control))
            book->setTabText(index, text);
        else if (auto* bar = qobject_cast<QTabBar*>(control))
            bar->setTabText(index, text);
        break;
    case tkItem:
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && index < combo->count())
            combo->setItemText(index, text);
        break;
    case tkPlaceholder:
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setPlaceholderText(text);
        break;
    case tkHint:
        break;
    }
}
