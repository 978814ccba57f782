// The text tool's settings as a user sets them: the shadow, the font window's size, the
// magnifier's cell size, and a drag before any text was given.
#include "MainformFixture.h"
#include "textbox/Fontform.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include "widgets/FontSizeComboBox.h"
#include "widgets/TekstX.h"
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const QPointF local(at);
    QMouseEvent event(type, local, w->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A drag with the left button across the picture, as the mouse sends it.
void Drag(TImagePic& pic, QPoint from, QPoint to)
{
    SendMouse(&pic, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(&pic, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    SendMouse(&pic, QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(&pic, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

int CountColour(const TBitmap& b, TColor colour)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.Canvas().Pixels(x, y) == colour;
    return n;
}

struct TextTool {
    TMainform& form;
    TTpform* tp = form.Tpform();
    TImagePic* pic = form.GForm()->Image;

    void Choose()
    {
        form.findChild<QAction*>("ATekst")->trigger();
        ASSERT_EQ(pic->ToolNr(), 40);
    }
    void Apply(int page)
    {
        tp->TpBog->setCurrentIndex(page);
        tp->UpdateActions();
        ASSERT_TRUE(tp->ARealiser->isEnabled());
        tp->ARealiser->trigger();
    }
};

} // namespace

TEST_F(MainformFixture, TheShadowBoxTurnsTheTextsShadowOnAndOff)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("shadow.bmp", 200, 120));
    TextTool t{form};
    t.Choose();
    t.tp->Memo->setPlainText("Malvo\nskygge");
    t.tp->TpBog->setCurrentIndex(TTpform::pgTekst);
    t.tp->skyggeCheck->click();
    t.Apply(TTpform::pgTekst);
    // The box keeps what the user ticked, and the layout has it.
    EXPECT_TRUE(t.tp->skyggeCheck->isChecked());
    EXPECT_TRUE(t.pic->TekstBog()->SkyggeTekst());

    // The shadow is drawn in the fill colour behind the text in the pen colour.
    t.pic->SetPenColor(clBlack);
    t.pic->SetBrushColor(clRed);
    Drag(*t.pic, {10, 10}, {190, 110});
    const int shadowed = CountColour(t.pic->Picture(), clRed);
    EXPECT_GT(shadowed, 20);
    EXPECT_GT(CountColour(t.pic->Picture(), clBlack), 20);

    t.pic->Undo();
    t.tp->skyggeCheck->click();
    t.Apply(TTpform::pgTekst);
    EXPECT_FALSE(t.tp->skyggeCheck->isChecked());
    EXPECT_FALSE(t.pic->TekstBog()->SkyggeTekst());
    t.pic->SetBrushColor(clRed);
    Drag(*t.pic, {10, 10}, {190, 110});
    EXPECT_EQ(CountColour(t.pic->Picture(), clRed), 0);
    EXPECT_GT(CountColour(t.pic->Picture(), clBlack), 20);
}

TEST_F(MainformFixture, TheFontWindowKeepsTheTextSizeAndHandsBackTheSizeChosen)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("fonts.bmp", 300, 150));
    TextTool t{form};
    t.Choose();
    // A 20-pixel text in the picture, fetched into the text pages.
    TFont twenty;
    twenty.Name = QStringLiteral("DejaVu Serif");
    twenty.SetHeight(-20);
    t.pic->SetFont(twenty);
    t.pic->SetTekstListe({QStringLiteral("Tyve")});
    t.tp->TpBog->setCurrentIndex(TTpform::pgFont);
    t.tp->eleModified = true;
    t.tp->HentExecute();
    ASSERT_EQ(t.tp->FontSize->currentText(), "15");

    Tfontform* fonts = form.Fontform();
    t.tp->UpdateActions();
    t.tp->FontKnap->click();
    ASSERT_TRUE(fonts->isVisible());
    // The size list shows the size the text has, though the list does not offer it.
    EXPECT_EQ(fonts->FontSize->currentText(), "15");
    EXPECT_EQ(fonts->fontnames->currentItem()->text(), "DejaVu Serif");
    fonts->tekstfontKnap->click();
    EXPECT_EQ(t.tp->MemoFont().Size, 15);
    EXPECT_EQ(t.tp->MemoFont().Height(), -20);
    t.Apply(TTpform::pgFont);
    EXPECT_EQ(t.pic->Font().Height(), -20);

    // Size 30 as the program counts sizes: 30 points, 40 pixels.
    t.tp->FontKnap->click();
    fonts->FontSizeChange(30);
    fonts->boldCheck->click();
    fonts->tekstfontKnap->click();
    EXPECT_EQ(t.tp->FontSize->currentText(), "30");
    EXPECT_TRUE(t.tp->FedCheck->isChecked());
    t.Apply(TTpform::pgFont);
    EXPECT_EQ(t.pic->Font().Size, 30);
    EXPECT_EQ(t.pic->Font().Height(), -40);
    EXPECT_TRUE(t.pic->Font().Style.Contains(fsBold));
    t.pic->SetPenColor(clBlack);
    Drag(*t.pic, {10, 10}, {290, 140});
    // The written line is as tall as a 40-pixel font writes it.
    int top = -1, bottom = -1;
    const TBitmap& b = t.pic->Picture();
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) == clBlack) {
                top = top < 0 ? y : top;
                bottom = y;
            }
    ASSERT_GE(top, 0);
    EXPECT_GT(bottom - top, 25);
    EXPECT_LE(bottom - top, 40);
}

TEST_F(MainformFixture, TheCellSizeIsTypedDigitByDigitAndClampedWhenLeft)
{
    TMainform& form = Start();
    TTpform* tp = form.Tpform();
    TNumEdit* edit = tp->PixelDimEdit;
    const auto type = [edit](const char* text) {
        edit->selectAll();
        QTest::keyClicks(edit, QLatin1String(text));
    };
    type("16");
    EXPECT_EQ(edit->text(), "16");
    EXPECT_EQ(edit->Value(), 16);
    type("12");
    EXPECT_EQ(edit->text(), "12");
    // Only digits, at most two; the clamp waits until the edit is left.
    type("1");
    EXPECT_EQ(edit->text(), "1");
    EXPECT_EQ(edit->Value(), 2);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "2");
    type("9x9");
    EXPECT_EQ(edit->text(), "99");
    type("999");
    EXPECT_EQ(edit->text(), "99");
    EXPECT_EQ(edit->Value(), 64);
    edit->Settle();
    EXPECT_EQ(edit->text(), "64");
    // Realiser shows the value it hands over.
    form.HentPicture(WritePicture("cells.bmp", 30, 20));
    type("1");
    tp->TpBog->setCurrentIndex(TTpform::pgRundRekt);
    tp->eleModified = true;
    tp->UpdateActions();
    tp->ARealiser->trigger();
    EXPECT_EQ(edit->text(), "2");
}

TEST_F(MainformFixture, ATextDragWithNoTextTakesNoUndoStepAndSaysWhatIsMissing)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("empty.bmp", 80, 60));
    TextTool t{form};
    t.Choose();
    ASSERT_TRUE(t.pic->TekstListe().isEmpty());
    const TBitmap before = t.pic->Picture();
    ASSERT_FALSE(t.pic->CanUndo());
    Drag(*t.pic, {5, 5}, {70, 50});
    EXPECT_FALSE(t.pic->CanUndo());
    EXPECT_EQ(t.pic->Picture().Image(), before.Image());
    EXPECT_FALSE(t.pic->Modified());
    EXPECT_EQ(form.StatusPanel(2)->text(),
              QStringLiteral("Skriv teksten på siden \"Tekst\" i redskabernes egenskaber og tryk \"Realiser\""));
    // The run on a selected area takes none either.
    t.pic->NewFocusRect(5, 5, 60, 40);
    t.pic->MakeTool(40, true);
    EXPECT_FALSE(t.pic->CanUndo());
    t.pic->FjernFocus();

    form.Opt().Sprog = 1;
    form.SetSprog();
    Drag(*t.pic, {5, 5}, {70, 50});
    EXPECT_EQ(form.StatusPanel(2)->text(),
              QStringLiteral("Write the text on the page \"Text\" of the tools properties and press \"Apply\""));

    // With a text given, the drag writes it and can be undone.
    t.pic->SetTekstListe({QStringLiteral("Hej")});
    Drag(*t.pic, {5, 5}, {70, 50});
    EXPECT_TRUE(t.pic->CanUndo());
    EXPECT_NE(t.pic->Picture().Image(), before.Image());
}
