#pragma once
#include <QString>

class QAction;
class QMenu;
class QObject;

// What the command classes share about their actions: the four texts of an action, making
// one from its name and shortcut, and setting texts, enabled state and tick only when they
// change (the update pass runs at every idle moment).
struct TActionTexts {
    const char* DanskCaption;
    const char* DanskHint;
    const char* EngelskCaption;
    const char* EngelskHint;
};

namespace CommandActions {

// A new action named Name with the shortcut (none when empty) in the window's context.
QAction* NewAction(QObject* parent, const char* Name, const char* Shortcut = "", bool Checkable = false);
// Caption and hint (status tip and tool tip) in the language.
void ApplyTexts(QAction* action, const TActionTexts& texts, bool Engelsk);
void SetEnabled(QAction* action, bool enabled);
void SetChecked(QAction* action, bool checked);
// Adds the named actions to the menu in order; "-" adds a separator, unknown names are skipped.
template <typename Lookup>
void FillMenu(QMenu& menu, std::initializer_list<const char*> names, Lookup action);

} // namespace CommandActions

#include <QMenu>

template <typename Lookup>
void CommandActions::FillMenu(QMenu& menu, std::initializer_list<const char*> names, Lookup action)
{
    for (const char* name : names) {
        if (name[0] == '-')
            menu.addSeparator();
        else if (QAction* a = action(QLatin1String(name)))
            menu.addAction(a);
    }
}
