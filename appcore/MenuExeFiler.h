#pragma once
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;

// A program of the program menu.
struct TProgRec {
    QString Caption;
    QString Filnavn;
    // "UseParam": the program is started with the active picture's file; empty: with nothing.
    QString Parameter;
    uint8_t ShowType = 1;
};

// The program menu: other programs the user has registered, kept in ProgItem.txt (the count,
// then caption, program file, parameter text and show type of every program) and shown as a
// submenu, in columns of BreakNr. A program is started with an argument list, never through
// a shell.
class TMenuExeFiler : public QObject {
public:
    explicit TMenuExeFiler(QObject* parent = nullptr);

    QString Itemfile;
    QMenu* MainItem = nullptr;
    int BreakNr = 12;
    // A program was chosen: Found is False when its file has vanished (the entry is then
    // deleted), Started False when it could not be started.
    std::function<void(const QString& MenuCaption, bool Found, bool Started)> OnKlik;
    // The arguments the chosen program gets (the owner's rule); without it, none.
    std::function<QStringList(const TProgRec& Program)> OnParam;
    // Starts a program detached; replaced by tests. True when it started.
    std::function<bool(const QString& Program, const QStringList& Arguments, const QString& WorkingFolder)> Start;

    int Filantal() const { return int(FProg.size()); }
    const QList<TProgRec>& Prog() const { return FProg; }
    QString GetCaption(int MenuNr) const;
    QString GetFilnavn(int MenuNr) const;
    // The program's icon, looked up once per entry (a blank one when there is none).
    QIcon Icon(int MenuNr) const;
    // A program file's icon from the desktop's icon provider; a blank one when there is none.
    static QIcon ProgramIcon(const QString& FNavn);
    QString AktuelleProgram() const { return FAktuelleProgram; }
    QString getAktuelleCaption() const { return FAktuelleCaption; }
    void setAktuelleProgram(const QString& Value) { FAktuelleProgram = Value; }

    // True when a program of that file is listed (exact comparison).
    bool Contains(const QString& FNavn) const;
    void InsertItem(const QString& FNavn, const QString& MenuCaption, const QString& Param, int ProgOpstart);
    // Deletes the entry when the number is valid; always saves, rebuilds and tells OnKlik.
    void DeleteItem(int MenuNr);
    bool flytOp(int aIndex);
    bool flytNed(int aIndex);
    void Choose(int MenuNr);

    void MakeMenu();
    void HentProgrammer();
    // Writes the programs whose file still exists; False when the file could not be written.
    bool GemProgrammer() const;
    // Whether item i of the menu starts a new column.
    bool StartsColumn(int i) const { return i > 0 && BreakNr > 0 && i % BreakNr == 0; }

private:
    QList<TProgRec> FProg;
    QList<QIcon> FIcons;
    QString FAktuelleProgram, FAktuelleCaption;
};
