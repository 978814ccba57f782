// Every window of the program in both languages: no text is empty, no text stays in the other
// language, and switching back restores every Danish text.
#include "MainformFixture.h"
#include "dialogs/InformationsForm.h"
#include "dialogs/SpmFormen.h"
#include "dialogs/Zoomform.h"
#include "libraries/Bibform.h"
#include "libraries/Filform.h"
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTabWidget>

namespace {

struct TText {
    QString Where;
    QString Text;
};

// The windows that keep their own texts whatever the language: the choose-library window,
// the zoom window, the file window, the second question dialog and the help window.
bool OutsideTheSwitch(QWidget* w)
{
    return dynamic_cast<TBibform*>(w) || dynamic_cast<TFilform*>(w) || dynamic_cast<TZoomform*>(w) ||
           dynamic_cast<TspmFormen*>(w) || dynamic_cast<TinformationsForm*>(w);
}

// The visible texts of a window and its children: actions, menus, labels, buttons, group
// boxes, tabs, combo box items and window titles. Widgets filled only while in use (empty
// labels, image buttons) are left out by the caller's rule.
// True when the object lies in a window outside the switch.
bool InOutsideWindow(QObject* o)
{
    for (; o; o = o->parent())
        if (o->isWidgetType() && OutsideTheSwitch(static_cast<QWidget*>(o)))
            return true;
    return false;
}

QList<TText> TextsOf(QWidget* window)
{
    QList<TText> texts;
    const auto name = [](QObject* o) {
        QString path = o->objectName();
        for (QObject* p = o->parent(); p; p = p->parent())
            if (!p->objectName().isEmpty()) {
                path = p->objectName() + "/" + path;
                break;
            }
        return path + "(" + o->metaObject()->className() + ")";
    };
    const auto add = [&](QObject* o, const QString& where, const QString& text) {
        if (!text.isEmpty() && !InOutsideWindow(o))
            texts.append({where, text});
    };
    add(window, name(window) + " title", window->windowTitle());
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->isSeparator())
            continue;
        add(a, name(a) + " caption", a->text());
        add(a, name(a) + " hint", a->statusTip());
    }
    for (QMenu* m : window->findChildren<QMenu*>())
        add(m, name(m), m->title());
    for (QLabel* l : window->findChildren<QLabel*>())
        add(l, name(l), l->text());
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        add(b, name(b), b->text());
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
        add(g, name(g), g->title());
    for (QTabWidget* t : window->findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            add(t, name(t) + QString::number(i), t->tabText(i));
    // Font lists and colour names are names, the same in both languages.
    for (QComboBox* c : window->findChildren<QComboBox*>()) {
        const QString n = c->objectName();
        if (n.contains("Font", Qt::CaseInsensitive) || n.contains("Navne") || n.startsWith("ColorBox"))
            continue;
        for (int i = 0; i < c->count(); ++i)
            add(c, name(c) + QString::number(i), c->itemText(i));
    }
    return texts;
}

QList<TText> AllWindows(TMainform& form)
{
    QList<TText> texts = TextsOf(&form);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &form && w->parentWidget() == &form && !OutsideTheSwitch(w))
            texts += TextsOf(w);
    return texts;
}

// A text that is the same in both languages is fine when it is no word: numbers, sizes,
// single letters, file types, names of things and the few words both languages share.
bool SameInBoth(const QString& text)
{
    static const QSet<QString> shared{
        "Malvo", "Zoom", "OK", "Palette", "Information...", "Information", "Version", "Normal", "Program menu", "Font",
        "Transparent RGB(255,255,255)", "Polygon", "Spray", "Solid", "pixels", "Start", "Radius", "Position",
        "Paradox", "Info", "Grids", "Form", "Ellipse", "Ekstra", "Extra font", "Auto create", "Printer...",
        "Open palette width 16 colors", "Google", "YouTube", "Søg på Google", "Søg på YouTube", "Windows", "Fusion",
        "Metapicture", "Metabitmap (Metapicture = Metabitmap) (Undo/Annuller)", "Editbitmap (Benyt/use: Undo/Annuller)",
        // The focus action keeps its Danish texts in English.
        "Fjern fokus", "Fjern fokus fra billedet: Esc"};
    // Folder names and a caption that names the document.
    if (shared.contains(text.trimmed()) || text.startsWith('/') || text.contains(" - ["))
        return true;
    int letters = 0;
    for (QChar c : text)
        letters += c.isLetter();
    return letters <= 3;
}

} // namespace

TEST_F(MainformFixture, EveryWindowSpeaksBothLanguagesWithNoTextLeftBehind)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("p.bmp", 40, 30));
    form.Opt().Sprog = 0;
    form.SetSprog();
    const QList<TText> danish = AllWindows(form);
    form.Opt().Sprog = 1;
    form.SetSprog();
    const QList<TText> english = AllWindows(form);
    ASSERT_EQ(english.size(), danish.size());
    QStringList left;
    for (int i = 0; i < danish.size(); ++i) {
        ASSERT_EQ(danish[i].Where, english[i].Where);
        if (danish[i].Text == english[i].Text && !SameInBoth(danish[i].Text))
            left << danish[i].Where + ": " + danish[i].Text;
    }
    EXPECT_TRUE(left.isEmpty()) << left.size() << " texts are the same in both languages:\n"
                                << left.join("\n").toStdString();
    form.Opt().Sprog = 0;
    form.SetSprog();
    const QList<TText> again = AllWindows(form);
    ASSERT_EQ(again.size(), danish.size());
    for (int i = 0; i < danish.size(); ++i)
        EXPECT_EQ(again[i].Text, danish[i].Text) << danish[i].Where.toStdString();
}
