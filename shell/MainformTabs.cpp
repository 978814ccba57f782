// The document tab bar: one tab per document, labelled with its name; every call acts on
// the first tab whose text equals the name.
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include <QMdiArea>
#include <QTabBar>
#include <map>

int TMainform::FindTab(const QString& name) const
{
    for (int i = 0; i < TabCon->count(); ++i)
        if (TabCon->tabText(i) == name)
            return i;
    return -1;
}

void TMainform::AddTab(const QString& name)
{
    if (!TabCon->isVisibleTo(this))
        return;
    const QSignalBlocker blocker(TabCon);
    TabCon->setCurrentIndex(TabCon->addTab(name));
}

void TMainform::RemoveTab(const QString& name)
{
    const int index = FindTab(name);
    if (index < 0)
        return;
    const QSignalBlocker blocker(TabCon);
    TabCon->removeTab(index);
}

void TMainform::RenameTab(const QString& oldName, const QString& newName)
{
    const int index = FindTab(oldName);
    if (index >= 0)
        TabCon->setTabText(index, newName);
}

void TMainform::TabFocus(const QString& name)
{
    const int index = FindTab(name);
    if (index < 0)
        return;
    const QSignalBlocker blocker(TabCon);
    TabCon->setCurrentIndex(index);
}

void TMainform::TabConChange(int index)
{
    if (Opstart || sorting_ || index < 0 || mdiArea->subWindowList().isEmpty())
        return;
    const QString name = TabCon->tabText(index);
    for (TMalvoform* form : Documents())
        if (form->PNavn == name) {
            if (form->isMinimized())
                form->showMaximized();
            mdiArea->setActiveSubWindow(form);
            return;
        }
}

void TMainform::SortTabs()
{
    // Names compared without regard to case; equal names end with a single tab.
    const QList<TMalvoform*> documents = Documents();
    std::map<QString, QString> sorted;
    for (TMalvoform* form : documents) {
        form->SideNr = form == gForm_ ? 1 : 2;
        sorted.emplace(form->PNavn.toCaseFolded(), form->PNavn);
    }
    sorting_ = true;
    while (TabCon->count() > 0)
        TabCon->removeTab(0);
    int active = -1;
    for (const auto& entry : sorted) {
        const QString folded = entry.first;
        for (auto it = documents.rbegin(); it != documents.rend(); ++it) {
            TMalvoform* form = *it;
            if (form->SideNr > 0 && form->PNavn.toCaseFolded() == folded) {
                const int index = TabCon->addTab(form->PNavn);
                if (form->SideNr == 1)
                    active = index;
                form->SideNr = -1;
                break;
            }
        }
    }
    TabCon->setCurrentIndex(active >= 0 ? active : 0);
    sorting_ = false;
}
