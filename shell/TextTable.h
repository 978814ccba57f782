#pragma once
#include <QList>
#include <QPointer>
#include <QString>

class QObject;

// One window's texts as Danish/English pairs: each entry names a control, which of its texts
// it sets, and the two texts. Apply walks the table and writes every text for one language,
// so switching and switching back leaves every control exactly as it was.
class TTextTable {
public:
    enum TTextKind {
        tkText,     // text of a label, button, check box, action or menu title
        tkHint,     // hint of an action or control (status tip and tool tip)
        tkTitle,    // title of a group box or window
        tkTab,      // text of the tab with index Index of a tab widget or tab bar
        tkItem,     // item Index of a combo box
        tkPlaceholder, // placeholder text of a line edit
    };

    // Adds a pair; the control must outlive the table or be removed with it (guarded).
    void Add(QObject* control, TTextKind kind, const char* dansk, const char* engelsk, int index = 0);
    // Caption and hint of an action, menu or control in one call.
    void AddCaptionHint(QObject* control, const char* danskCaption, const char* danskHint,
                        const char* engelskCaption, const char* engelskHint);

    void Apply(bool engelsk) const;
    int Count() const { return int(entries_.size()); }

private:
    struct TEntry {
        QPointer<QObject> control;
        TTextKind kind;
        QString dansk;
        QString engelsk;
        int index;
    };
    static void Write(QObject* control, TTextKind kind, int index, const QString& text);

    QList<TEntry> entries_;
};
