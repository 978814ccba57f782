// The document tab bar: one tab per document window, labelled with its name and holding the
// window as its data, so documents of the same name keep tabs of their own.
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include <QMdiArea>
#include <QTabBar>
#include <algorithm>

namespace {

QVariant TabData(const TMalvoform* form)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(form));
}

} // namespace

int TMainform::FindTab(const TMalvoform* form) const
{
    for (int i = 0; i < TabCon->count(); ++i)
        if (TabCon->tabData(i) == TabData(form))
            return i;
    return -1;
}

TMalvoform* TMainform::TabDocument(int index) const
{
    for (TMalvoform* form : Documents())
        if (TabData(form) == TabCon->tabData(index))
            return form;
    return nullptr;
}

void TMainform::UpdateTabTips()
{
    for (int i = 0; i < TabCon->count(); ++i) {
        int same = 0;
        for (int j = 0; j < TabCon->count(); ++j)
            same += TabCon->tabText(j) == TabCon->tabText(i);
        const TMalvoform* form = TabDocument(i);
        TabCon->setTabToolTip(i, same > 1 && form ? form->Image->Filnavn() : QString());
    }
}

void TMainform::AddTab(TMalvoform& form)
{
    if (!TabCon->isVisibleTo(this) || FindTab(&form) >= 0)
        return;
    const QSignalBlocker blocker(TabCon);
    const int index = TabCon->addTab(form.PNavn);
    TabCon->setTabData(index, TabData(&form));
    TabCon->setCurrentIndex(index);
    UpdateTabTips();
}

void TMainform::RemoveTab(TMalvoform& form)
{
    const int index = FindTab(&form);
    if (index < 0)
        return;
    const QSignalBlocker blocker(TabCon);
    TabCon->removeTab(index);
    UpdateTabTips();
}

void TMainform::RenameTab(TMalvoform& form)
{
    const int index = FindTab(&form);
    if (index < 0)
        return;
    TabCon->setTabText(index, form.PNavn);
    UpdateTabTips();
}

void TMainform::TabFocus(TMalvoform& form)
{
    const int index = FindTab(&form);
    if (index < 0)
        return;
    const QSignalBlocker blocker(TabCon);
    TabCon->setCurrentIndex(index);
}

void TMainform::TabConChange(int index)
{
    if (Opstart || sorting_ || index < 0 || mdiArea->subWindowList().isEmpty())
        return;
    if (TMalvoform* form = TabDocument(index)) {
        if (form->isMinimized())
            form->showMaximized();
        mdiArea->setActiveSubWindow(form);
    }
}

void TMainform::SortTabs()
{
    // Names compared without regard to case; documents of equal names keep their order.
    QList<TMalvoform*> documents = Documents();
    std::stable_sort(documents.begin(), documents.end(), [](const TMalvoform* a, const TMalvoform* b) {
        return a->PNavn.toCaseFolded() < b->PNavn.toCaseFolded();
    });
    sorting_ = true;
    while (TabCon->count() > 0)
        TabCon->removeTab(0);
    int active = 0;
    for (TMalvoform* form : documents) {
        const int index = TabCon->addTab(form->PNavn);
        TabCon->setTabData(index, TabData(form));
        if (form == gForm_)
            active = index;
    }
    TabCon->setCurrentIndex(active);
    UpdateTabTips();
    sorting_ = false;
}
