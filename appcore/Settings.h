#pragma once
#include <QList>
#include <QPair>
#include <QString>

class TDataFolder;

// The program's own settings beyond the fixed options record: "name=value" lines in a small
// text file of the data folder (UTF-8, one setting a line). Settings the program does not
// know are kept as read and written back, so nothing in the file is lost by a save.
class TSettings {
public:
    explicit TSettings(QString FileName = QString());

    // The settings file of a data folder: Dir/Indstillinger.txt.
    static QString FileNameIn(const TDataFolder& Folder);

    const QString& FileName() const { return FFileName; }
    // Reads the file; a missing or unreadable file gives no settings, a line without "="
    // is passed over.
    void Load();
    // Writes every setting through a temporary file and a rename; False when the file could
    // not be written (the old file stays whole).
    bool Save() const;

    bool Contains(const QString& Name) const;
    QString Value(const QString& Name, const QString& Default = QString()) const;
    // Stores the value under Name (a new name goes last); names hold no "=" or line break,
    // values no line break: such characters are dropped.
    void SetValue(const QString& Name, const QString& Value);
    void Remove(const QString& Name);

private:
    int IndexOf(const QString& Name) const;

    QString FFileName;
    QList<QPair<QString, QString>> FValues;
};
