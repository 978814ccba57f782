// The text box's actions: the rich-text commands with their captions, hints, shortcuts and
// glyphs, the popup menu, and the filter that keeps the shortcuts inside the window.
#include "textbox/ReditCan.h"
#include "textbox/Tekstform.h"
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace {

enum TGlyph { gNone, gLetter, gBullets, gAlignLeft, gAlignRight, gCenter };

struct TActionDef {
    const char* Name;
    const char* Key;
    const char* Dansk;
    const char* DanskHint;
    const char* Engelsk;
    const char* EngelskHint;
    TGlyph Glyph;
    bool Checkable;
};

const TActionDef kActions[] = {
    {"Atekst", "Ctrl+T", "T", "Sæt standard tekst", "T", "Set the default text", gNone, false},
    {"Aoverskrift", "Ctrl+O", "O", "Sæt standard overskrift", "H", "Set the default header", gNone, false},
    {"AUndo", "Ctrl+Z", "Annuller", "Omvender sidste handling", "Undo", "Reverts the last action", gNone, false},
    {"ACut", "Ctrl+X", "Klip", "Klipper det valgte og lægger det på klipbordet", "Cut",
     "Cuts the selection and puts it on the Clipboard", gNone, false},
    {"ACopy", "Ctrl+C", "Kopier", "Kopierer det valgte og lægger det på klipbordet", "Copy",
     "Copies the selection and puts it on the Clipboard", gNone, false},
    {"APaste", "Ctrl+V", "Indsæt", "Indsætter klipbordets indhold", "Paste", "Inserts Clipboard contents", gNone, false},
    {"ASelectAll", "Ctrl+A", "Vælg alt", "Vælg hele teksten", "Select All", "Selects the entire document", gNone, false},
    {"ADelete", "Del", "Slet", "Sletter valgte område", "Delete", "Erases the selection", gNone, false},
    {"ABold", "Ctrl+B", "Fed", "Fed skrift", "Bold", "Bold", gLetter, true},
    {"AItalic", "Ctrl+I", "Kursiv", "Kursiv skrift", "Italic", "Italic", gLetter, true},
    {"AUnderline", "Ctrl+U", "Understreget", "Understreget tekst", "Underline", "Underline", gLetter, true},
    {"AStrikeOut", "", "Overstreget", "Overstreget tekst", "Strikeout", "Strikeout", gLetter, true},
    {"ABullets", "Ctrl+P", "Prik linier", "Indsætter eller fjerner en prik på aktuelle linie", "Bullets",
     "Inserts or remove a bullet on the current line", gBullets, true},
    {"AAlignLeft", "", "Venstrestil", "Venstrestil teksten ved venstre margen", "Align Left",
     "Aligns text at the left indent", gAlignLeft, true},
    {"AAlignRight", "", "Højrestil", "Højrestil teksten ved højre margen", "Align Right",
     "Aligns text at the right indent", gAlignRight, true},
    {"ACenter", "", "Centrer", "Centrer teksten mellem venstre og højre margen", "Center",
     "Centers text between margins", gCenter, true},
};

// The commands of the text itself: in an edit field of the window the field's own keys do
// them for that field.
bool IsEditCommand(const QString& name)
{
    static const QStringList names = {"AUndo", "ACut", "ACopy", "APaste", "ASelectAll", "ADelete"};
    return names.contains(name);
}

// A 16 x 16 glyph: the letter of a style command in its style, bullets, or alignment lines.
QIcon Glyph(TGlyph kind, const QString& name)
{
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setPen(Qt::black);
    if (kind == gLetter) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(13);
        f.setBold(name == "ABold");
        f.setItalic(name == "AItalic");
        f.setUnderline(name == "AUnderline");
        f.setStrikeOut(name == "AStrikeOut");
        p.setFont(f);
        const char* letter = name == "ABold" ? "B" : name == "AItalic" ? "I" : name == "AUnderline" ? "U" : "S";
        p.drawText(pix.rect(), Qt::AlignCenter, QLatin1String(letter));
        return QIcon(pix);
    }
    for (int i = 0; i < 4; ++i) {
        const int y = 3 + i * 3;
        const int length = i % 2 ? 8 : 12;
        int left = 2;
        if (kind == gBullets) {
            p.fillRect(1, y - 1, 2, 2, Qt::black);
            left = 5;
            p.drawLine(left, y, 14, y);
            continue;
        }
        if (kind == gAlignRight)
            left = 14 - length;
        else if (kind == gCenter)
            left = 8 - length / 2;
        p.drawLine(left, y, left + length, y);
    }
    return QIcon(pix);
}

} // namespace

void TTekstform::BuildActions()
{
    const std::function<void()> run[] = {
        [this] { AtekstExecute(); },
        [this] { AoverskriftExecute(); },
        [this] { Tekstbox->undo(); },
        [this] { Tekstbox->cut(); },
        [this] { Tekstbox->copy(); },
        [this] { Tekstbox->paste(); },
        [this] { Tekstbox->selectAll(); },
        [this] { Tekstbox->textCursor().removeSelectedText(); },
        [this] {
            const bool bold = !Tekstbox->SelectionFont().bold();
            ApplyFormat([bold](QTextCharFormat& f) { f.setFontWeight(bold ? QFont::Bold : QFont::Normal); });
        },
        [this] {
            const bool on = !Tekstbox->SelectionFont().italic();
            ApplyFormat([on](QTextCharFormat& f) { f.setFontItalic(on); });
        },
        [this] {
            const bool on = !Tekstbox->SelectionFont().underline();
            ApplyFormat([on](QTextCharFormat& f) { f.setFontUnderline(on); });
        },
        [this] {
            const bool on = !Tekstbox->SelectionFont().strikeOut();
            ApplyFormat([on](QTextCharFormat& f) { f.setFontStrikeOut(on); });
        },
        [this] { ToggleBullets(); },
        [this] { Tekstbox->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); },
        [this] { Tekstbox->setAlignment(Qt::AlignRight | Qt::AlignAbsolute); },
        [this] { Tekstbox->setAlignment(Qt::AlignHCenter); },
    };
    static_assert(std::size(kActions) == std::size(run));
    for (size_t i = 0; i < std::size(kActions); ++i) {
        const TActionDef& def = kActions[i];
        auto* action = new QAction(this);
        const QString name = QLatin1String(def.Name);
        action->setObjectName(name);
        action->setCheckable(def.Checkable);
        if (*def.Key) {
            action->setShortcut(QKeySequence(QLatin1String(def.Key)));
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            FShortcuts.insert(action->shortcut(), action);
        }
        if (def.Glyph != gNone)
            action->setIcon(Glyph(def.Glyph, name));
        const std::function<void()> command = run[i];
        // A command changes the selection's format: the controls follow at once.
        connect(action, &QAction::triggered, this, [this, command] {
            command();
            UpdateControls();
        });
        FTexts.Add([action](const QString& t) { action->setText(t); action->setIconText(t); }, def.Dansk, def.Engelsk);
        FTexts.Add([action](const QString& t) { action->setToolTip(t); action->setStatusTip(t); }, def.DanskHint,
                   def.EngelskHint);
        addAction(action);
        FActions.insert(name, action);
    }

    // The field's popup menu, also the copy button's drop-down menu.
    Popup = new QMenu(this);
    Popup->setObjectName("Popup");
    FTexts.Add([this](const QString& t) { Popup->setTitle(t); }, "Rediger", "Edit");
    Popup->addAction(Action("AUndo"));
    Popup->addSeparator();
    for (const char* name : {"ACut", "ACopy", "APaste"})
        Popup->addAction(Action(QLatin1String(name)));
    Popup->addSeparator();
    Popup->addAction(Action("ASelectAll"));
    Popup->addAction(Action("ADelete"));
    Tekstbox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Tekstbox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { Popup->popup(Tekstbox->viewport()->mapToGlobal(p)); });
}

QAction* TTekstform::Action(const QString& Name) const
{
    return FActions.value(Name);
}

bool TTekstform::TakeShortcut(QObject* Watched, QKeyEvent* Event)
{
    QAction* action = FShortcuts.value(QKeySequence(Event->keyCombination()));
    if (!action)
        return false;
    // Taking the override keeps the key from every other window's shortcut: it comes back
    // here as a key press.
    if (Event->type() == QEvent::ShortcutOverride) {
        Event->accept();
        return true;
    }
    const bool editor = Watched == Tekstbox || qobject_cast<QLineEdit*>(Watched);
    if (editor && IsEditCommand(action->objectName()))
        return false;
    if (action->isEnabled())
        action->trigger();
    return true;
}
