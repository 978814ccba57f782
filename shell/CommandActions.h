#pragma once
#include <QList>
#include <QString>
#include <type_traits>
#include <utility>
#include <vector>

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

// The actions made from a command table: each row names its action, shortcut and texts, what
// it does (Execute), when it is enabled (Enabled) and, if not empty, when it is ticked
// (Checked). Execute and Checked take the owner, or the owner and the row.
template <typename Owner, typename Row>
class TActionTable {
public:
    template <size_t N>
    void Add(Owner& owner, const Row (&rows)[N]);
    QList<QAction*> Actions() const;
    QAction* Action(const QString& name) const;
    template <size_t N>
    void AddToMenu(QMenu& menu, const Row (&rows)[N]) const;
    void SetSprog(bool Engelsk) const;
    // Enables every action; ticks only while a document is active.
    void Update(const Owner& owner, bool document) const;

private:
    template <typename F, typename O>
    static auto Call(F f, O& owner, const Row& row)
    {
        if constexpr (std::is_invocable_v<F, O&, const Row&>)
            return f(owner, row);
        else
            return f(owner);
    }
    std::vector<std::pair<QAction*, const Row*>> FEntries;
};

#include <QAction>
#include <QMenu>

template <typename Owner, typename Row>
template <size_t N>
void TActionTable<Owner, Row>::Add(Owner& owner, const Row (&rows)[N])
{
    for (const Row& r : rows) {
        QAction* action = CommandActions::NewAction(&owner, r.Name, r.Shortcut, r.Checked != nullptr);
        // A shortcut may reach a command whose state changed since the last idle pass: check.
        QObject::connect(action, &QAction::triggered, &owner, [&owner, &r] {
            if (r.Enabled(owner))
                Call(r.Execute, owner, r);
        });
        FEntries.emplace_back(action, &r);
    }
}

template <typename Owner, typename Row>
QList<QAction*> TActionTable<Owner, Row>::Actions() const
{
    QList<QAction*> list;
    for (const auto& entry : FEntries)
        list.append(entry.first);
    return list;
}

template <typename Owner, typename Row>
QAction* TActionTable<Owner, Row>::Action(const QString& name) const
{
    for (const auto& entry : FEntries)
        if (entry.first->objectName() == name)
            return entry.first;
    return nullptr;
}

template <typename Owner, typename Row>
template <size_t N>
void TActionTable<Owner, Row>::AddToMenu(QMenu& menu, const Row (&rows)[N]) const
{
    for (const Row& r : rows)
        menu.addAction(Action(QLatin1String(r.Name)));
}

template <typename Owner, typename Row>
void TActionTable<Owner, Row>::SetSprog(bool Engelsk) const
{
    for (const auto& [action, row] : FEntries)
        CommandActions::ApplyTexts(action, row->Texts, Engelsk);
}

template <typename Owner, typename Row>
void TActionTable<Owner, Row>::Update(const Owner& owner, bool document) const
{
    for (const auto& [action, row] : FEntries) {
        CommandActions::SetEnabled(action, row->Enabled(owner));
        if (row->Checked)
            CommandActions::SetChecked(action, document && Call(row->Checked, owner, *row));
    }
}

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
