#include "dialogs/InfForm.h"
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>
#include "appcore/Message.h"
#include "dialogs/Centre.h"

QString FileSizeText(qint64 Size, const QLocale& Locale)
{
    constexpr qint64 KB = 1024;
    constexpr qint64 MB = 1024 * 1024;
    if (Size < KB)
        return QString::number(Size) + " bytes";
    // Two decimals with the locale's separator and no thousands grouping.
    QLocale plain = Locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (Size < MB)
        return "Ca. " + plain.toString(double(Size) / KB, 'f', 2) + " KB";
    return "Ca. " + plain.toString(double(Size) / MB, 'f', 2) + " MB";
}

namespace {

// The locale's long time format (with seconds) without its time zone.
QString TimeFormat(const QLocale& Locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*$"));
    return Locale.timeFormat(QLocale::LongFormat).remove(zone);
}

} // namespace

TInfForm::TInfForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("InfForm");
    setModal(true);
    FListe = new QTableWidget(RowCount, 2, this);
    FListe->setObjectName("Liste");
    FListe->horizontalHeader()->hide();
    FListe->verticalHeader()->hide();
    FListe->horizontalHeader()->setStretchLastSection(true);
    FListe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FListe->setSelectionMode(QAbstractItemView::NoSelection);
    FListe->setColumnWidth(0, 90);
    for (int row = 0; row < RowCount; ++row) {
        FListe->setItem(row, 0, new QTableWidgetItem);
        FListe->setItem(row, 1, new QTableWidgetItem);
    }
    FLukKnap = new QPushButton(this);
    FLukKnap->setObjectName("LukKnap");
    FLukKnap->setDefault(true);
    connect(FLukKnap, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FLukKnap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FListe);
    layout->addLayout(buttons);
    resize(340, 260);
    SetSprog(false);
}

void TInfForm::SetSprog(bool Engelsk)
{
    setWindowTitle(Sprogtekst(Engelsk, "Billede information", "Picture information"));
    FLukKnap->setText(Sprogtekst(Engelsk, "Luk", "Close"));
    const char* dansk[RowCount] = {"Filnavn", "Bredde", "Højde", "Palette", "Størelse", "Dato", "Klokken"};
    const char* english[RowCount] = {"Filename", "Width", "Height", "Palette", "Size", "Date", "Time"};
    for (int row = 0; row < RowCount; ++row)
        FListe->item(row, 0)->setText(Sprogtekst(Engelsk, dansk[row], english[row]));
}

void TInfForm::VisInfo(const QString& FileName, int Width, int Height, const QLocale& Locale)
{
    const QFileInfo file(FileName);
    SetValue(RowFilnavn, FileName.isEmpty() ? QString() : file.fileName());
    SetValue(RowBredde, QString::number(Width) + " Pixels");
    SetValue(RowHojde, QString::number(Height) + " Pixels");
    SetValue(RowPalette, QString());
    const bool exists = !FileName.isEmpty() && file.isFile();
    const QDateTime date = exists ? file.lastModified() : QDateTime();
    SetValue(RowStorelse, exists ? FileSizeText(file.size(), Locale) : QString());
    SetValue(RowDato, exists ? Locale.toString(date.date(), QLocale::ShortFormat) : QString());
    SetValue(RowKlokken, exists ? Locale.toString(date.time(), TimeFormat(Locale)) : QString());
}

QString TInfForm::Label(int Row) const
{
    return FListe->item(Row, 0)->text();
}

QString TInfForm::Value(int Row) const
{
    return FListe->item(Row, 1)->text();
}

void TInfForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnParent(this);
}

void TInfForm::SetValue(int Row, const QString& S)
{
    FListe->item(Row, 1)->setText(S);
}
