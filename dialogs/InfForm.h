#pragma once
#include <QDateTime>
#include <QDialog>
#include <QLocale>

class QTableWidget;
class QPushButton;

// A file size as the picture information shows it: below 1024 bytes "N bytes"; below 1 MiB
// "Ca. " + size / 1024 with two decimals + " KB"; from 1 MiB "Ca. " + size / 1048576 with two
// decimals + " MB". The decimal separator is the locale's.
QString FileSizeText(qint64 Size, const QLocale& Locale = QLocale());

// The picture-information window: seven rows of label and value (file name, width, height,
// palette, size, date, time) and a button "Luk". Filled by the picture-information command
// and shown modally, centred on its parent and on top of it.
class TInfForm : public QDialog {
    Q_OBJECT
public:
    enum { RowFilnavn, RowBredde, RowHojde, RowPalette, RowStorelse, RowDato, RowKlokken, RowCount };

    explicit TInfForm(QWidget* parent = nullptr);
    void SetSprog(bool Engelsk);

    // Fills every row for a picture of Width x Height whose file is FileName (empty for a
    // picture without file). The size, date and time rows stay empty when the file does not
    // exist; the palette row is empty (our rasters carry no palette handle).
    void VisInfo(const QString& FileName, int Width, int Height, const QLocale& Locale = QLocale());

    QString Label(int Row) const;
    QString Value(int Row) const;
    QTableWidget* Liste() const { return FListe; }
    QPushButton* LukKnap() const { return FLukKnap; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetValue(int Row, const QString& S);

    QTableWidget* FListe = nullptr;
    QPushButton* FLukKnap = nullptr;
};
