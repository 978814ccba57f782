#include "appcore/Message.h"
#include "colours/ColorPan.h"
#include "platform/Clipboard.h"
#include "tests/common/FakeMainServices.h"
#include "textbox/ColorGrid.h"
#include "textbox/ReditCan.h"
#include "textbox/Tekstform.h"
#include "widgets/FontSizeComboBox.h"
#include "widgets/SharedPainters.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSplitter>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct TekstformFixture : ::testing::Test {
    FakeMainServices services;
    TSharedPainters painters;
    std::unique_ptr<TTekstform> form;
    QStringList messages;

    void SetUp() override
    {
        SetMessageCatcher([this](const QString& s) { messages << s; });
        form = std::make_unique<TTekstform>(services, painters);
        form->show();
    }
    void TearDown() override { SetMessageCatcher({}); }

    void ChooseFont(const QString& name)
    {
        const int index = form->FontName->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        form->FontName->setCurrentIndex(index);
        form->FontNameChange();
    }
    // Types the text key by key, a line break as the Enter key.
    void Type(const QString& text)
    {
        form->Tekstbox->setFocus();
        const QStringList lines = text.split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(form->Tekstbox, Qt::Key_Return);
            QTest::keyClicks(form->Tekstbox, lines[i]);
        }
    }
    QFont Selected() const { return form->Tekstbox->SelectionFont(); }
    void SelectAll() { form->Tekstbox->selectAll(); }
};

int DarkPixels(const TBitmap& b)
{
    int dark = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (qGray(b.ScanLine(y)[x]) < 128)
                ++dark;
    return dark;
}

} // namespace

TEST_F(TekstformFixture, StartsFromTheOptionsInCourierTen)
{
    EXPECT_EQ(form->size(), QSize(431, 274));
    EXPECT_EQ(form->SpVert->sizes().value(0), 180);
    EXPECT_EQ(form->SpHoriz->sizes().value(0), 49);
    EXPECT_EQ(form->pos(), QPoint(200, 200));
    EXPECT_EQ(qRound(Selected().pointSizeF()), 10);
    EXPECT_EQ(form->SizBox->currentText(), "10");
    // Courier New is not installed here: the list shows the family drawn instead.
    EXPECT_EQ(form->FontName->currentText(), QFontInfo(QFont("Courier New")).family());
    EXPECT_EQ(form->tekstColor->GetColor(0), clBlack);
    EXPECT_EQ(form->overskriftColor->GetColor(0), clBlue);

    form->SpVert->setSizes({200, 231});
    form->resize(500, 300);
    TOptions opt;
    form->GemPosition(opt);
    EXPECT_EQ(opt.TbB, 500);
    EXPECT_EQ(opt.TbH, 300);
    EXPECT_EQ(opt.TBwidth, 200);
    EXPECT_TRUE(opt.Tbvis);
}

TEST_F(TekstformFixture, AScalableFontOffersTheSixteenSizesAndKeepsAnOfferedSize)
{
    Type("abc");
    SelectAll();
    form->SizeButtonClick(14);
    ChooseFont("DejaVu Sans");
    QStringList sizes;
    for (int i = 0; i < form->SizBox->count(); ++i)
        sizes << form->SizBox->itemText(i);
    EXPECT_EQ(sizes.join(' '), "8 9 10 11 12 14 16 18 20 22 24 26 28 36 48 72");
    EXPECT_EQ(Selected().family(), "DejaVu Sans");
    EXPECT_EQ(qRound(Selected().pointSizeF()), 14);
    EXPECT_EQ(form->SizBox->currentText(), "14");
    EXPECT_EQ(form->OldFontname, "DejaVu Sans");
}

TEST_F(TekstformFixture, AFontChosenAtASizeTheListLacksTakesTheFirstSize)
{
    Type("abc");
    SelectAll();
    form->SizBox->setEditText("13");
    form->SizBoxChange();
    EXPECT_EQ(qRound(Selected().pointSizeF()), 13);
    ChooseFont("Liberation Serif");
    EXPECT_EQ(form->SizBox->currentText(), "8");
    EXPECT_EQ(qRound(Selected().pointSizeF()), 8);
}

TEST_F(TekstformFixture, ATypedSizeIsReadAsANumberAndBadOnesKeepTheSize)
{
    Type("abc");
    SelectAll();
    // Typed as the user does: a size the list lacks, then Enter.
    QLineEdit* edit = form->SizBox->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "30");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(qRound(Selected().pointSizeF()), 30);
    EXPECT_EQ(form->SizBox->findText("30"), -1);
    for (const char* bad : {"abc", "0", "-5", ""}) {
        form->SizBox->setEditText(QLatin1String(bad));
        form->SizBoxChange();
        EXPECT_EQ(qRound(Selected().pointSizeF()), 30) << bad;
        EXPECT_EQ(form->SizBox->currentText(), "30") << bad;
    }
    // A size button the list lacks does nothing; one it offers sets the size.
    form->SizBox->SetFontName("DejaVu Sans");
    form->SizBox->removeItem(form->SizBox->findText("16"));
    form->SizeButtonClick(16);
    EXPECT_EQ(qRound(Selected().pointSizeF()), 30);
    form->SizeButtonClick(11);
    EXPECT_EQ(qRound(Selected().pointSizeF()), 11);
}

TEST_F(TekstformFixture, StandardTextAndHeadingAndTheColourGrid)
{
    Type("Title");
    SelectAll();
    form->AoverskriftExecute();
    EXPECT_EQ(qRound(Selected().pointSizeF()), 12);
    EXPECT_EQ(form->Tekstbox->currentCharFormat().foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(form->ColorGrid->ForegroundIndex(), TColorGrid::IndexOf(clBlue));

    form->Action("Atekst")->trigger();
    EXPECT_EQ(qRound(Selected().pointSizeF()), 10);
    EXPECT_EQ(form->Tekstbox->currentCharFormat().foreground().color(), QColor(0, 0, 0));
    EXPECT_EQ(form->ColorGrid->ForegroundIndex(), 0);

    // A left click in the grid colours the selection; the background index stays 15.
    const QRect red(form->ColorGrid->width() / 4, form->ColorGrid->height() / 2, 2, 2);
    QTest::mouseClick(form->ColorGrid, Qt::LeftButton, {}, red.center());
    EXPECT_EQ(form->ColorGrid->ForegroundIndex(), 9);
    EXPECT_EQ(form->Tekstbox->currentCharFormat().foreground().color(), QColor(255, 0, 0));
    QTest::mouseClick(form->ColorGrid, Qt::RightButton, {}, red.center());
    EXPECT_EQ(form->ColorGrid->BackgroundIndex(), 15);

    // The heading colour takes the grid's colour; the next heading uses it.
    form->StandardColourClick(form->overskriftColor);
    EXPECT_EQ(form->overskriftColor->GetColor(0), clRed);
    form->tekstColor->FarveFelt(0, clGreen);
    form->AtekstExecute();
    EXPECT_EQ(form->Tekstbox->currentCharFormat().foreground().color(), ToQColor(clGreen));
}

TEST_F(TekstformFixture, TheControlsFollowTheCaret)
{
    Type("one\ntwo\nthree");
    EXPECT_EQ(form->InfoX[1]->text(), "3");
    EXPECT_EQ(form->InfoX[3]->text(), "3 ");
    EXPECT_EQ(form->InfoX[5]->text(), "5 ");
    QTextCursor c = form->Tekstbox->textCursor();
    c.setPosition(1);
    c.setPosition(2, QTextCursor::KeepAnchor);
    form->Tekstbox->setTextCursor(c);
    form->Action("ABold")->trigger();
    ChooseFont("DejaVu Serif");
    form->SizeButtonClick(16);

    // Clicking at the text's end: the lists show its font again; at the bold letter, bold.
    QTest::keyClick(form->Tekstbox, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->FontName->currentText(), QFontInfo(QFont("Courier New")).family());
    EXPECT_EQ(form->SizBox->currentText(), "10");
    EXPECT_FALSE(form->Action("ABold")->isChecked());
    c.setPosition(2);
    form->Tekstbox->setTextCursor(c);
    EXPECT_EQ(form->FontName->currentText(), "DejaVu Serif");
    EXPECT_EQ(form->SizBox->currentText(), "16");
    EXPECT_TRUE(form->Action("ABold")->isChecked());
    EXPECT_EQ(form->InfoX[3]->text(), "1 ");
    EXPECT_EQ(form->InfoX[5]->text(), "2 ");
}

TEST_F(TekstformFixture, FormattingActions)
{
    Type("text");
    SelectAll();
    for (const char* name : {"ABold", "AItalic", "AUnderline", "AStrikeOut"})
        form->Action(name)->trigger();
    EXPECT_TRUE(Selected().bold());
    EXPECT_TRUE(Selected().italic());
    EXPECT_TRUE(Selected().underline());
    EXPECT_TRUE(Selected().strikeOut());
    form->Action("AItalic")->trigger();
    EXPECT_FALSE(Selected().italic());

    form->Action("ACenter")->trigger();
    EXPECT_EQ(form->Tekstbox->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(form->Action("ACenter")->isChecked());
    form->Action("AAlignRight")->trigger();
    EXPECT_TRUE(form->Tekstbox->alignment() & Qt::AlignRight);
    form->Action("ABullets")->trigger();
    EXPECT_NE(form->Tekstbox->textCursor().currentList(), nullptr);
    form->Action("ABullets")->trigger();
    EXPECT_EQ(form->Tekstbox->textCursor().currentList(), nullptr);

    form->Action("ADelete")->trigger();
    EXPECT_TRUE(form->Tekstbox->document()->isEmpty());
    form->Action("AUndo")->trigger();
    EXPECT_EQ(form->Tekstbox->toPlainText(), "text");
}

TEST_F(TekstformFixture, CopiesTheTextAreaAsAPictureOfWhatItShows)
{
    TReditCan field;
    field.resize(200, 60);
    field.setPlainText("Malvo text box");
    field.show();
    ASSERT_TRUE(field.KopierCan({0, 0, 196, 56}));
    TBitmap copy;
    ASSERT_TRUE(TClipboard::GetBitmap(copy));
    EXPECT_EQ(copy.Width(), 197);
    EXPECT_EQ(copy.Height(), 57);
    EXPECT_GT(DarkPixels(copy), 40);
    // Black letters on white without blended pixels, so a transparent paste leaves no fringe.
    for (int y = 0; y < copy.Height(); ++y)
        for (int x = 0; x < copy.Width(); ++x)
            ASSERT_TRUE(copy.ScanLine(y)[x] == 0xFFFFFFFFu || copy.ScanLine(y)[x] == 0xFF000000u) << x << "," << y;
    // Only the text area: no frame line along the top or the left edge.
    for (int x = 0; x < copy.Width(); ++x)
        ASSERT_EQ(copy.ScanLine(0)[x], 0xFFFFFFFFu) << x;
    for (int y = 0; y < copy.Height(); ++y)
        ASSERT_EQ(copy.ScanLine(y)[0], 0xFFFFFFFFu) << y;
    // The caret is not in the picture, and the field keeps it afterwards.
    field.setFocus();
    EXPECT_EQ(field.cursorWidth(), 1);

    // Under 4 pixels there is no area: nothing is copied.
    QApplication::clipboard()->clear();
    EXPECT_FALSE(field.KopierCan({0, 0, -1, 56}));
    EXPECT_FALSE(TClipboard::HasBitmap());
}

TEST_F(TekstformFixture, TheCopyButtonCopiesTheFieldOrSaysTheBoxIsEmpty)
{
    QApplication::clipboard()->clear();
    form->KopiKnapClick();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Tekstboksen er tom, der er intet at kopiere");
    EXPECT_FALSE(TClipboard::HasBitmap());
    form->SetSprog(true);
    form->KopiKnapClick();
    EXPECT_EQ(messages.value(1), "The text box is empty, there is nothing to copy");

    Type("Hello");
    form->KopiKnapClick();
    TBitmap copy;
    ASSERT_TRUE(TClipboard::GetBitmap(copy));
    EXPECT_EQ(copy.Width(), form->Tekstbox->width() - 3);
    EXPECT_EQ(copy.Height(), form->Tekstbox->height() - 3);
    EXPECT_GT(DarkPixels(copy), 10);
    EXPECT_EQ(services.Hints.last(), "The text area is copied to the clipboard as graphic");
}

TEST(TekstformShortcuts, ActOnlyWhileTheKeyboardIsInsideTheTextBox)
{
    FakeMainServices services;
    TSharedPainters painters;
    QMainWindow main;
    auto* central = new QLineEdit(&main);
    main.setCentralWidget(central);
    int mainBold = 0;
    auto* brush = new QAction(&main);
    brush->setShortcut(QKeySequence("Ctrl+B"));
    brush->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(brush, &QAction::triggered, [&] { ++mainBold; });
    main.addAction(brush);
    main.show();
    auto* form = new TTekstform(services, painters, &main);
    form->setWindowFlags(Qt::Tool);
    form->show();

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->Tekstbox->setFocus();
    QTest::keyClicks(form->Tekstbox, "ab");
    form->Tekstbox->selectAll();
    QTest::keyClick(form->Tekstbox, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(mainBold, 0);
    EXPECT_TRUE(form->Tekstbox->SelectionFont().bold());
    // Inside the font list too, the key is the text box's.
    form->FontName->setFocus();
    QTest::keyClick(form->FontName, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(mainBold, 0);
    EXPECT_FALSE(form->Tekstbox->SelectionFont().bold());

    // The keyboard back in the main window: its own shortcut works.
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    central->setFocus();
    QTest::keyClick(central, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(mainBold, 1);
    EXPECT_FALSE(form->Tekstbox->SelectionFont().bold());
}

TEST_F(TekstformFixture, SpeaksBothLanguagesAndSendsItsHints)
{
    form->SetSprog(true);
    EXPECT_EQ(form->windowTitle(), "Textbox");
    EXPECT_EQ(form->Action("Aoverskrift")->text(), "H");
    EXPECT_EQ(form->Action("Aoverskrift")->statusTip(), "Set the default header");
    EXPECT_EQ(form->Action("ABullets")->statusTip(), "Inserts or remove a bullet on the current line");
    EXPECT_EQ(form->Action("ASelectAll")->text(), "Select All");
    EXPECT_EQ(form->InfoX[0]->text(), "Line count");
    EXPECT_EQ(form->SpVert->handle(1)->toolTip(), "Regulate the size of the graphic area");
    EXPECT_EQ(form->tekstColor->statusTip(), "Select color in the colorbox and click");
    form->SetSprog(false);
    EXPECT_EQ(form->windowTitle(), "Tekstboks");
    EXPECT_EQ(form->Action("Aoverskrift")->text(), "O");
    EXPECT_EQ(form->Action("ACenter")->statusTip(), "Centrer teksten mellem venstre og højre margen");
    EXPECT_EQ(form->InfoX[0]->text(), "Linie antal");

    QStatusTipEvent tip(form->tekstColor->statusTip());
    QApplication::sendEvent(form.get(), &tip);
    EXPECT_EQ(services.Hints.last(), "Vælg farve i farveboksen og klik");
    QTest::mouseClick(form->spmKnap, Qt::LeftButton);
    EXPECT_EQ(services.HelpTopics, QStringList{"Tekstboks"});
}
