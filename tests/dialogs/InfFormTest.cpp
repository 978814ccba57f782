#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include "dialogs/InfForm.h"

TEST(FileSizeText, BytesKilobytesAndMegabytes)
{
    const QLocale c(QLocale::C);
    EXPECT_EQ(FileSizeText(0, c), "0 bytes");
    EXPECT_EQ(FileSizeText(1023, c), "1023 bytes");
    EXPECT_EQ(FileSizeText(1024, c), "Ca. 1.00 KB");
    EXPECT_EQ(FileSizeText(1536, c), "Ca. 1.50 KB");
    EXPECT_EQ(FileSizeText(1048575, c), "Ca. 1024.00 KB");
    EXPECT_EQ(FileSizeText(1048576, c), "Ca. 1.00 MB");
    EXPECT_EQ(FileSizeText(5000000000LL, c), "Ca. 4768.37 MB");
}

TEST(FileSizeText, LocaleSeparatorWithoutGrouping)
{
    EXPECT_EQ(FileSizeText(1024, QLocale(QLocale::Danish, QLocale::Denmark)), "Ca. 1,00 KB");
    EXPECT_EQ(FileSizeText(1023 * 1024, QLocale(QLocale::English, QLocale::UnitedStates)),
              "Ca. 1023.00 KB");
    EXPECT_EQ(FileSizeText(2000 * 1048576LL, QLocale(QLocale::Danish, QLocale::Denmark)),
              "Ca. 2000,00 MB");
}

TEST(InfForm, RowsForAFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("hus.jpg");
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, 'x'));
    f.close();
    const QLocale locale(QLocale::Danish, QLocale::Denmark);
    const QDateTime date = QFileInfo(name).lastModified();

    TInfForm form;
    form.VisInfo(name, 400, 300, locale);
    EXPECT_EQ(form.Label(TInfForm::RowFilnavn), "Filnavn");
    EXPECT_EQ(form.Value(TInfForm::RowFilnavn), "hus.jpg");
    EXPECT_EQ(form.Value(TInfForm::RowBredde), "400 Pixels");
    EXPECT_EQ(form.Value(TInfForm::RowHojde), "300 Pixels");
    EXPECT_EQ(form.Value(TInfForm::RowPalette), "");
    EXPECT_EQ(form.Value(TInfForm::RowStorelse), "Ca. 2,00 KB");
    EXPECT_EQ(form.Value(TInfForm::RowDato), locale.toString(date.date(), QLocale::ShortFormat));
    EXPECT_EQ(form.Value(TInfForm::RowKlokken), date.time().toString("HH.mm.ss"));
}

TEST(InfForm, PictureWithoutFileLeavesTheFileRowsEmpty)
{
    TInfForm form;
    form.VisInfo(QString(), 16, 16);
    EXPECT_EQ(form.Value(TInfForm::RowFilnavn), "");
    EXPECT_EQ(form.Value(TInfForm::RowBredde), "16 Pixels");
    for (int row : {TInfForm::RowStorelse, TInfForm::RowDato, TInfForm::RowKlokken})
        EXPECT_EQ(form.Value(row), "");
    form.VisInfo("/no/such/dir/gone.bmp", 16, 16);
    EXPECT_EQ(form.Value(TInfForm::RowFilnavn), "gone.bmp");
    EXPECT_EQ(form.Value(TInfForm::RowStorelse), "");
}

TEST(InfForm, EnglishLabelsAndTheCloseButton)
{
    TInfForm form;
    form.SetSprog(true);
    const QStringList labels = {"Filename", "Width", "Height", "Palette", "Size", "Date", "Time"};
    for (int row = 0; row < TInfForm::RowCount; ++row)
        EXPECT_EQ(form.Label(row), labels[row]);
    EXPECT_EQ(form.windowTitle(), "Picture information");
    EXPECT_EQ(form.LukKnap()->text(), "Close");
    form.SetSprog(false);
    EXPECT_EQ(form.Label(TInfForm::RowStorelse), "Størelse");
    EXPECT_EQ(form.LukKnap()->text(), "Luk");

    QTimer::singleShot(0, [&] { QTest::mouseClick(form.LukKnap(), Qt::LeftButton); });
    form.exec();
    EXPECT_FALSE(form.isVisible());
}
