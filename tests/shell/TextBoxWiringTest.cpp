// The text box, the font window and the colour dialogs as the main window carries them.
#include "MainformFixture.h"
#include "colours/Justform.h"
#include "colours/Reguform.h"
#include "textbox/Fontform.h"
#include "textbox/ReditCan.h"
#include "textbox/Tekstform.h"
#include "toolprops/Tpform.h"
#include "widgets/FontSizeComboBox.h"
#include "widgets/Rulskakt.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
QAction* Named(TMainform& form, const char* name)
{
    QAction* a = form.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

void ChooseFont(Tfontform& fonts, const char* name)
{
    const auto items = fonts.fontnames->findItems(QLatin1String(name), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name;
    fonts.fontnames->setCurrentItem(items[0]);
    fonts.FontnamesClick();
}
} // namespace

TEST_F(MainformFixture, ReducingThreeTimesDecreasesChannelByChannelAndAdjustUsesTheDialog)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("photo.bmp", 30, 20));
    ASSERT_NE(form.GForm(), nullptr);
    TImagePic* pic = form.GForm()->Image;
    pic->GetPicture().Canvas().SetPixels(3, 3, RGB(200, 100, 50));

    QAction* redu = Named(form, "ARedu");
    Named(form, "AReducer")->trigger();
    EXPECT_TRUE(form.Reguform()->isVisible());
    EXPECT_EQ(form.Reguform()->SpeedButton1->defaultAction(), redu);
    form.SetUserToolnummer(0);
    for (int i = 0; i < 3; ++i)
        form.Reguform()->SpeedButton1->click();
    EXPECT_EQ(form.UserToolnummer(), 300);
    EXPECT_EQ(form.Reguform()->Red, 3);
    EXPECT_EQ(form.Reguform()->Green, 3);
    EXPECT_EQ(form.Reguform()->Blue, 3);
    EXPECT_TRUE(pic->Modified());

    form.SetUserToolnummer(7);
    Named(form, "AAdjust")->trigger();
    EXPECT_TRUE(form.Justform()->isVisible());
    form.Justform()->Edit1->setText("250");
    Named(form, "AJuster")->trigger();
    EXPECT_EQ(GetRValue(pic->GetPicture().Canvas().Pixels(3, 3)), 250);
    EXPECT_EQ(form.UserToolnummer(), 7);

    // The places are kept at close.
    form.Reguform()->move(40, 50);
    form.Justform()->move(60, 70);
    form.GemOptions();
    EXPECT_EQ(form.Opt().ReguX, 40);
    EXPECT_EQ(form.Opt().JustY, 70);
}

TEST_F(MainformFixture, TheTextBoxFloatsAndItsShortcutsLeaveThePictureToolAlone)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("photo.bmp", 30, 20));
    TImagePic* pic = form.GForm()->Image;
    const int tool = pic->ToolNr();
    TTekstform* box = form.Tekstform();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isVisible());
    Named(form, "ATekstBox")->trigger();
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isWindow());
    EXPECT_EQ(box->parentWidget(), &form);

    QApplication::setActiveWindow(box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    box->Tekstbox->setFocus();
    QTest::keyClicks(box->Tekstbox, "Bold");
    box->Tekstbox->selectAll();
    QTest::keyClick(box->Tekstbox, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(box->Tekstbox->SelectionFont().bold());
    EXPECT_EQ(pic->ToolNr(), tool);

    box->move(111, 122);
    form.GemOptions();
    EXPECT_TRUE(form.Opt().Tbvis);
    EXPECT_EQ(form.Opt().TbX, 111);

    form.Opt().Sprog = 1;
    form.SetSprog();
    EXPECT_EQ(box->windowTitle(), "Textbox");
    EXPECT_EQ(form.Fontform()->windowTitle(), "Fontbox");
    EXPECT_EQ(form.Reguform()->windowTitle(), "Color reducement degree");
    EXPECT_EQ(form.Justform()->windowTitle(), "Adjust colors");
}

TEST_F(MainformFixture, TheFontWindowsChoiceArrivesInTheToolPropertiesTextPages)
{
    TMainform& form = Start();
    TTpform* tp = form.Tpform();
    Tfontform* fonts = form.Fontform();
    tp->Memo->setPlainText("old");
    tp->UpdateActions();
    ASSERT_TRUE(tp->FontKnap->isEnabled());
    tp->FontKnap->click();
    EXPECT_TRUE(fonts->isVisible());
    EXPECT_EQ(fonts->Memo->toPlainText(), "old");

    ChooseFont(*fonts, "DejaVu Serif");
    fonts->FontSizeChange(18);
    fonts->boldCheck->click();
    fonts->Memo->setPlainText("Malvo");
    tp->eleModified = false;
    fonts->tekstfontKnap->click();
    EXPECT_EQ(tp->FontNavne->currentText(), "DejaVu Serif");
    EXPECT_EQ(tp->FontSize->currentText(), "18");
    EXPECT_TRUE(tp->FedCheck->isChecked());
    EXPECT_EQ(tp->Memo->toPlainText(), "Malvo");
    EXPECT_EQ(tp->MemoFont().Name, "DejaVu Serif");
    EXPECT_TRUE(tp->eleModified);

    // The extra font goes to the extra text and leaves the main text's font.
    tp->eFontKnap->click();
    EXPECT_EQ(fonts->Memo->font().family(), tp->MerFont().Name);
    EXPECT_EQ(fonts->fontnames->currentItem()->text(), QFontInfo(QFont(tp->MerFont().Name)).family());
    ChooseFont(*fonts, "DejaVu Sans");
    fonts->FontSizeChange(10);
    fonts->Memo->setPlainText("x#y");
    fonts->ekstrafontKnap->click();
    EXPECT_EQ(tp->MerFont().Name, "DejaVu Sans");
    EXPECT_EQ(tp->MerFont().Size, 10);
    EXPECT_EQ(tp->MerEdit->text(), "x#y");
    EXPECT_EQ(tp->MemoFont().Size, 18);
}

TEST_F(MainformFixture, TheTextBoxAndTheDialogsStartWhereTheOptionsPlaceThem)
{
    TOptions stored = StandardOptions();
    stored.Tbvis = true;
    stored.TbX = 130;
    stored.TbY = 140;
    stored.TbB = 520;
    stored.TbH = 330;
    stored.TBwidth = 220;
    stored.ReguX = 150;
    stored.JustX = 160;
    ASSERT_TRUE(WriteOptionsFile(Folder.OptFilnavn, stored));
    TMainform& form = Start();
    TTekstform* box = form.Tekstform();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), QPoint(130, 140));
    EXPECT_EQ(box->size(), QSize(520, 330));
    EXPECT_EQ(form.Reguform()->x(), 150);
    EXPECT_EQ(form.Justform()->x(), 160);
    EXPECT_FALSE(form.Reguform()->isVisible());
    EXPECT_FALSE(form.Justform()->isVisible());

    box->hide();
    form.GemOptions();
    EXPECT_FALSE(form.Opt().Tbvis);
    EXPECT_EQ(form.Opt().TBwidth, 220);
}
