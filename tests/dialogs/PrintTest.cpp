#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QButtonGroup>
#include <gtest/gtest.h>
#include "appcore/Message.h"
#include "dialogs/BitmapPrint.h"
#include "dialogs/PageTarget.h"
#include "dialogs/Printform.h"
#include "dialogs/PrintformPreview.h"
#include "dialogs/PrintformSetup.h"
#include "tests/dialogs/PdfPages.h"
#include "tests/engine/PicFixture.h"

namespace {

// A page target that records what would be printed.
class RecordingTarget : public TPageTarget {
public:
    QSize Page{4816, 6864};
    QStringList Log;
    QList<const TBitmap*> Rasters;
    bool BeginFails = false;
    bool NewPageFails = false;

    QSize PageSize() const override { return Page; }
    bool BeginJob() override
    {
        Log << "begin";
        return !BeginFails;
    }
    bool NewPage() override
    {
        Log << "page";
        return !NewPageFails;
    }
    void DrawBitmap(const TBitmap& Bitmap, const QRect& Target) override
    {
        Log << QString("draw %1,%2 %3x%4").arg(Target.x()).arg(Target.y()).arg(Target.width()).arg(Target.height());
        Rasters << &Bitmap;
    }
    bool EndJob() override
    {
        Log << "end";
        return true;
    }
    void AbortJob() override { Log << "abort"; }
};

// Types Text into Edit as a user would, replacing what it holds.
void TypeInto(QLineEdit* Edit, const QString& Text)
{
    Edit->selectAll();
    QTest::keyClicks(Edit, Text);
}

struct PrintformFixture : ::testing::Test {
    RecordingTarget target;
    TBitmapPrint print{target};
    TPrintform form{print};
    TBitmap picture = PatternPicture(200, 100);
    QStringList messages;

    void SetUp() override
    {
        SetMessageCatcher([this](const QString& s) { messages << s; });
        form.Forbered(picture);
    }
    void TearDown() override
    {
        SetMessageCatcher({});
        ResetPrintPlatform();
    }
};

} // namespace

TEST(PrintLayout, SizesMarginsPreviewAndCentring)
{
    const TPrintLayout l = BeregnPrintLayout(200, 100, 400, 160, 160, 4816, 6864);
    EXPECT_EQ(l.Bredde, 800);
    EXPECT_EQ(l.Hojde, 400);
    EXPECT_EQ(l.Hojre, 3856);
    EXPECT_EQ(l.Bund, 6304);
    EXPECT_EQ(l.Papir, QRect(0, 0, 301, 429));
    EXPECT_EQ(l.Billede, QRect(10, 10, 50, 25));
    EXPECT_EQ(CentrerPosition(4816, 800), 2008);
    // Halves go to the even neighbour: 5 x 50 % = 2.5 -> 2, 7 x 50 % = 3.5 -> 4.
    EXPECT_EQ(BeregnPrintLayout(5, 7, 50, 0, 0, 100, 100).Bredde, 2);
    EXPECT_EQ(BeregnPrintLayout(5, 7, 50, 0, 0, 100, 100).Hojde, 4);
    // A picture wider than the page gives a negative margin.
    EXPECT_EQ(BeregnPrintLayout(2000, 10, 400, 0, 0, 4816, 6864).Hojre, 4816 - 8000);
}

TEST_F(PrintformFixture, PreparedFromPageAndPicture)
{
    EXPECT_EQ(form.Edit7->text(), "4816");
    EXPECT_EQ(form.Edit8->text(), "6864");
    EXPECT_EQ(form.Edit1->text(), "160");
    EXPECT_EQ(form.Edit2->text(), "160");
    EXPECT_EQ(form.EditProcent->text(), "400");
    EXPECT_EQ(form.Edit6->text(), "800");
    EXPECT_EQ(form.Edit9->text(), "400");
    EXPECT_EQ(form.Edit3->text(), "3856");
    EXPECT_EQ(form.Edit4->text(), "6304");
    EXPECT_FALSE(form.Edit3->isEnabled());
    EXPECT_EQ(form.papir->size(), QSize(301, 429));
    EXPECT_EQ(form.papir->BilledeRect(), QRect(10, 10, 50, 25));

    QTest::mouseClick(form.centHknap, Qt::LeftButton);
    EXPECT_EQ(form.Edit1->text(), "2008");
    EXPECT_EQ(form.Edit3->text(), "2008");
    QTest::mouseClick(form.centVknap, Qt::LeftButton);
    EXPECT_EQ(form.Edit2->text(), QString::number((6864 - 400) / 2));
    QTest::mouseClick(form.ButtonGroup1->button(1), Qt::LeftButton);
    EXPECT_EQ(form.EditProcent->text(), "50");
    EXPECT_EQ(form.Edit6->text(), "100");
}

TEST_F(PrintformFixture, FieldsAreFilteredAsTypedAndNeverNegative)
{
    TypeInto(form.EditProcent, "2x5");
    EXPECT_EQ(form.EditProcent->text(), "25");
    EXPECT_EQ(form.Edit6->text(), "50");
    // Typing stops at four characters; the dialog's own numbers are not cut.
    TypeInto(form.Edit1, "123456");
    EXPECT_EQ(form.Edit1->text(), "1234");
    form.Edit7->setText("123456");
    EXPECT_EQ(form.Edit7->text(), "123456");
    // A negative position or count is 0 at once: what the field shows is what prints.
    form.Edit1->setText("-300");
    EXPECT_EQ(form.Edit1->text(), "0");
    form.Edit5->setText("-3");
    EXPECT_EQ(form.Edit5->text(), "0");
    // A number beyond 32 bits keeps the last good text.
    form.Edit2->setText("99999999999");
    EXPECT_EQ(form.Edit2->text(), "160");
}

TEST_F(PrintformFixture, MovesClampAtZeroAndUseTheChosenStep)
{
    form.Edit1->setText("30");
    QTest::mouseClick(form.ButtonGroup2->button(0), Qt::LeftButton); // left by 50
    EXPECT_EQ(form.Edit1->text(), "0");
    QTest::mouseClick(form.StepGroup->button(0), Qt::LeftButton); // step 10
    QTest::mouseClick(form.ButtonGroup2->button(1), Qt::LeftButton);
    EXPECT_EQ(form.Edit1->text(), "10");
    QTest::mouseClick(form.StepGroup->button(2), Qt::LeftButton); // step 100
    QTest::mouseClick(form.ButtonGroup2->button(3), Qt::LeftButton); // down
    EXPECT_EQ(form.Edit2->text(), "260");
    QTest::mouseClick(form.ButtonGroup2->button(2), Qt::LeftButton); // up
    EXPECT_EQ(form.Edit2->text(), "160");
}

TEST_F(PrintformFixture, ThreeCopiesAreThreePagesOfThePictureItself)
{
    form.Edit5->setText("3");
    EXPECT_TRUE(form.Udskriv(picture));
    EXPECT_EQ(target.Log, QStringList({"begin", "draw 160,160 800x400", "page", "draw 160,160 800x400", "page",
                                       "draw 160,160 800x400", "end"}));
    // The picture is drawn scaled onto the page: no enlarged copy reaches the target.
    for (const TBitmap* raster : target.Rasters)
        EXPECT_EQ(raster, &picture);
    // The program's print keeps its own numbers between jobs.
    EXPECT_EQ(print.X1, 160);
    EXPECT_EQ(print.KopiAntal, 1);
}

TEST_F(PrintformFixture, NothingToPrintDisablesUdskrivAndStartsNoJob)
{
    form.EditProcent->setText("0");
    EXPECT_FALSE(form.okKnap->isEnabled());
    form.EditProcent->setText("100");
    EXPECT_TRUE(form.okKnap->isEnabled());
    form.Edit5->setText("0");
    EXPECT_FALSE(form.okKnap->isEnabled());
    EXPECT_TRUE(form.Udskriv(picture));
    EXPECT_TRUE(target.Log.isEmpty());
    // 0.4 % of 200 x 100 rounds to nothing.
    form.Edit5->setText("1");
    form.EditProcent->setText("0");
    TBitmap tiny = PatternPicture(2, 2);
    form.Forbered(tiny);
    form.EditProcent->setText("10");
    EXPECT_FALSE(form.okKnap->isEnabled());
}

TEST_F(PrintformFixture, PrintCommandPrintsOnOkOnly)
{
    QTimer::singleShot(0, [this] { QTest::mouseClick(form.cancelKnap, Qt::LeftButton); });
    EXPECT_FALSE(form.PrintPicture(picture));
    EXPECT_TRUE(target.Log.isEmpty());
    QTimer::singleShot(0, [this] {
        form.Edit1->setText("0");
        QTest::keyClick(&form, Qt::Key_Return);
    });
    EXPECT_TRUE(form.PrintPicture(picture));
    EXPECT_EQ(target.Log, QStringList({"begin", "draw 0,160 800x400", "end"}));
    // The next showing starts from the print's position again.
    form.Forbered(picture);
    EXPECT_EQ(form.Edit1->text(), "160");
}

TEST(BitmapPrint, FailuresAbortOrStartNothing)
{
    RecordingTarget target;
    TBitmapPrint print(target);
    const TBitmap picture = PatternPicture(4, 3);
    print.KopiAntal = 2;
    target.NewPageFails = true;
    EXPECT_FALSE(print.PrintDraw(picture));
    EXPECT_EQ(target.Log, QStringList({"begin", "draw 160,160 4x3", "page", "abort"}));
    target.Log.clear();
    target.BeginFails = true;
    EXPECT_FALSE(print.PrintDraw(picture));
    EXPECT_EQ(target.Log, QStringList({"begin"}));
    target.Log.clear();
    EXPECT_FALSE(print.PrintDraw(TBitmap()));
    print.X2 = print.X1; // an empty place
    print.Y2 = print.Y1 + 10;
    EXPECT_FALSE(print.PrintStretchDraw(picture));
    EXPECT_TRUE(target.Log.isEmpty());
    EXPECT_EQ(print.Printer(), nullptr);
}

TEST(BitmapPrint, PdfHasThePicturePixelsWhereTheLayoutPutsThem)
{
    QTemporaryDir dir;
    TBitmapPrint print;
    ASSERT_NE(print.Printer(), nullptr);
    print.Printer()->setOutputFormat(QPrinter::PdfFormat);
    const QString file = dir.filePath("print.pdf");
    print.Printer()->setOutputFileName(file);
    const TBitmap picture = PatternPicture(5, 3);
    print.X1 = 100;
    print.Y1 = 50;
    print.X2 = 100 + 20;
    print.Y2 = 50 + 12;
    print.KopiAntal = 2;
    ASSERT_TRUE(print.PrintStretchDraw(picture));
    const QList<PdfImageDraw> draws = PdfPages::Read(file);
    ASSERT_EQ(draws.size(), 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(draws[page].Page, page);
        EXPECT_EQ(draws[page].Rect, QRect(100, 50, 20, 12));
        EXPECT_TRUE(draws[page].Upright);
        // Exact pixels: the picture goes into the PDF without lossy compression.
        EXPECT_EQ(draws[page].Image, picture.Image());
    }
}

TEST(PrintSetup, WithoutPrinterSaysSoAndPrintsToAPdfFile)
{
    QStringList messages;
    SetMessageCatcher([&](const QString& s) { messages << s; });
    int dialogs = 0;
    PrintPlatform().HasPrinter = [] { return false; };
    PrintPlatform().RunSetupDialog = [&](QPrinter&, QWidget*) { return ++dialogs > 0; };
    QTemporaryDir dir;
    QString asked;
    PrintPlatform().AskPdfFile = [&](QWidget*, const QString& Caption, const QString&, bool) {
        asked = Caption;
        return dir.filePath("ud");
    };

    TBitmapPrint print;
    EXPECT_TRUE(PrinterSetup(print, nullptr, true));
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "No printer is installed.\nPrints are saved in a PDF file.");
    PrinterSetup(print, nullptr, false);
    EXPECT_EQ(messages[1], "Der er ingen printer installeret.\nUdskrifter gemmes i en PDF-fil.");

    print.Printer()->setOutputFormat(QPrinter::PdfFormat);
    print.Printer()->setOutputFileName(QString());
    TPrintform form(print);
    const TBitmap picture = PatternPicture(8, 8);
    form.Forbered(picture);
    form.Edit5->setText("1");
    EXPECT_TRUE(form.Udskriv(picture));
    EXPECT_EQ(asked, "Gem udskrift som PDF");
    EXPECT_EQ(PdfPages::Read(dir.filePath("ud.pdf")).size(), 1);
    // The name was asked for this print only; cancelling the next question prints nothing.
    EXPECT_TRUE(print.Printer()->outputFileName().isEmpty());
    PrintPlatform().AskPdfFile = [](QWidget*, const QString&, const QString&, bool) { return QString(); };
    EXPECT_FALSE(form.Udskriv(picture));

    RecordingTarget target;
    TBitmapPrint outside(target);
    EXPECT_FALSE(PrinterSetup(outside, nullptr, false));
    SetMessageCatcher({});
    ResetPrintPlatform();
}

TEST(Printform, TextsInBothLanguages)
{
    RecordingTarget target;
    TBitmapPrint print(target);
    TPrintform form(print);
    EXPECT_EQ(form.windowTitle(), "Udskriv billede");
    EXPECT_EQ(form.okKnap->text(), "Udskriv");
    EXPECT_EQ(form.centHknap->text(), "Centrer vandret");
    EXPECT_EQ(form.Edit1->text(), "0");
    EXPECT_EQ(form.EditProcent->text(), "100");
    EXPECT_EQ(form.Edit5->text(), "1");
    form.SetSprog(true);
    EXPECT_EQ(form.windowTitle(), "Print picture");
    EXPECT_EQ(form.okKnap->text(), "Print");
    EXPECT_EQ(form.cancelKnap->text(), "Cancel");
    EXPECT_EQ(form.centVknap->text(), "Center vertically");
}
