// What the main window's menus, labels and dialogs say in both languages, and the move
// dialog's step.
#include "MainformFixture.h"
#include "colours/ColorPan.h"
#include "colours/Farveform.h"
#include "dialogs/Flytform.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QStringList Titles(const QList<QAction*>& actions)
{
    QStringList titles;
    for (QAction* a : actions)
        if (!a->isSeparator())
            titles << a->text();
    return titles;
}

QStringList Names(const QMenu* menu)
{
    QStringList names;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            names << (a->menu() ? a->menu()->objectName() : a->objectName());
    return names;
}

QStringList ButtonTexts(QWidget& dialog)
{
    QStringList texts;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (!b->text().isEmpty())
            texts << b->text().remove(u'&');
    return texts;
}

} // namespace

TEST_F(MainformFixture, TheMoveDialogShowsTheStepOfItsButtonsAndItsArrowsMoveByIt)
{
    TMainform& form = Start();
    form.HentPicture(WritePicture("move.bmp", 40, 30));
    auto* dialog = static_cast<TFlytform*>(form.findChild<QDialog*>("Flytform"));
    ASSERT_NE(dialog, nullptr);
    QString shownStep, shownX, mainStep;
    QTimer::singleShot(0, dialog, [&] {
        dialog->StepOp->click();
        dialog->StepOp->click();
        shownStep = dialog->StepEdit->text();
        mainStep = form.findChild<QLineEdit*>("stepEdit")->text();
        QTest::mousePress(dialog->Pile[frRight], Qt::LeftButton);
        QTest::mouseRelease(dialog->Pile[frRight], Qt::LeftButton);
        shownX = dialog->PosX->text();
        dialog->StepNed->click();
        dialog->accept();
    });
    form.findChild<QAction*>("AFlyt")->trigger();
    EXPECT_EQ(shownStep, "3");
    EXPECT_EQ(mainStep, "3");
    EXPECT_EQ(shownX, "3");
    // The decrease reached the dialog's field too.
    EXPECT_EQ(dialog->StepEdit->text(), "2");
    // Typed into the dialog, the step reaches the main window's field.
    dialog->StepEdit->setText("7");
    EXPECT_EQ(form.findChild<QLineEdit*>("stepEdit")->text(), "7");
}

TEST_F(MainformFixture, TheToolMenusEditHintFocusActionAndHexLabelSpeakBothLanguages)
{
    TMainform& form = Start();
    auto* draw = form.findChild<QMenu*>("MToolDraw");
    auto* speci = form.findChild<QMenu*>("MToolSpeci");
    auto* fade = form.findChild<QMenu*>("MSubSpeci");
    auto* edit = form.findChild<QMenu*>("MEdit");
    auto* removeFocus = form.findChild<QAction*>("aRemoveFocus");
    auto* label8 = form.findChild<QLabel*>("Label8");
    ASSERT_TRUE(draw && speci && fade && edit && removeFocus && label8);
    EXPECT_EQ(label8->buddy(), form.findChild<QLineEdit*>("HexEdit"));
    EXPECT_EQ(Names(draw).mid(0, 4), (QStringList{"AFocus", "ARedBlyant", "ABlyant", "ASelCopy"}));
    EXPECT_TRUE(Names(draw).contains("ASpray"));
    EXPECT_TRUE(Names(draw).contains("MPenStyle"));
    EXPECT_EQ(Names(speci), (QStringList{"APixelInfo", "APil", "APilF", "ARamme", "ARammeArt", "ARammeArtF", "ATekst",
                                         "MSubSpeci"}));
    EXPECT_EQ(Names(fade).size(), 10);
    EXPECT_EQ(Names(fade).first(), "FadeAction1");

    struct Expected {
        QStringList bar;
        QString drawHint, speciHint, fadeTitle, editHint, removeHint, label;
    };
    const Expected danish{{"Fil", "Rediger", "Tegneredskaber", "Specialredskaber", "Billede", "Farver", "Objekt", "Vis",
                           "Søg", "Andre sager", "Vindue"},
                          "Menu med tegneredskaber",
                          "Tekst, ramme og andre redskaber",
                          "Multifarveredskaber",
                          "Redigerings menu",
                          "Fjern fokus fra billedet: Esc",
                          "Indtast hexadecimal farvenavn som fx FFFFFF"};
    const Expected english{{"File", "Edit", "Drawing tools", "Special tools", "Picture", "Colors", "Object", "View",
                            "Search", "Other stuff", "Window"},
                           "Menu with drawing tools",
                           "Texttools, bordertools and other tools",
                           "Fade tools",
                           "Edit menu",
                           "Fjern fokus fra billedet: Esc",
                           "Input hexadecimal  color name such as FFFFFF"};
    for (int sprog : {1, 0}) {
        form.Opt().Sprog = uint8_t(sprog);
        form.SetSprog();
        const Expected& e = sprog ? english : danish;
        SCOPED_TRACE(sprog);
        EXPECT_EQ(Titles(form.menuBar()->actions()), e.bar);
        EXPECT_EQ(draw->menuAction()->statusTip(), e.drawHint);
        EXPECT_EQ(speci->menuAction()->statusTip(), e.speciHint);
        EXPECT_EQ(fade->title(), e.fadeTitle);
        EXPECT_EQ(edit->menuAction()->statusTip(), e.editHint);
        // The focus action keeps its Danish texts in English.
        EXPECT_EQ(removeFocus->text(), "Fjern fokus");
        EXPECT_EQ(removeFocus->statusTip(), e.removeHint);
        EXPECT_EQ(label8->text(), e.label);
    }
}

TEST_F(MainformFixture, TheColourBoxSizeButtonAndTheActiveColoursNameFollowTheLanguage)
{
    TMainform& form = Start();
    TFarveform* box = form.Farveform();
    box->SetSmallBox(true);
    EXPECT_EQ(box->udvCheck->text(), "Stor Boks");
    box->SetOutFarve(clRed, true, true);
    box->Informa(23);
    const QString danish = box->InOutPal->GetFarveNavn(clRed);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Realiser farve: " + danish);

    form.Opt().Sprog = 1;
    form.SetSprog();
    EXPECT_EQ(box->udvCheck->text(), "Big box");
    box->Informa(23);
    const QString english = box->InOutPal->GetFarveNavn(clRed);
    EXPECT_NE(english, danish);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Set new color: " + english);

    form.Opt().Sprog = 0;
    form.SetSprog();
    EXPECT_EQ(box->udvCheck->text(), "Stor Boks");
    box->Informa(23);
    EXPECT_EQ(form.StatusPanel(2)->text(), "Realiser farve: " + danish);
}

TEST_F(MainformFixture, QtsPrintDialogSpeaksTheProgramsLanguage)
{
    TMainform& form = Start();
    QPrinter printer;
    {
        QPrintDialog dialog(&printer, &form);
        const QStringList texts = ButtonTexts(dialog);
        EXPECT_TRUE(texts.contains("Annuller")) << texts.join(u'|').toStdString();
        for (const char* english : {"Print", "Properties", "Options >>", "Cancel"})
            EXPECT_FALSE(texts.contains(QLatin1String(english))) << english << ": " << texts.join(u'|').toStdString();
        EXPECT_TRUE(texts.contains("Udskriv")) << texts.join(u'|').toStdString();
    }
    form.Opt().Sprog = 1;
    form.SetSprog();
    {
        QPrintDialog dialog(&printer, &form);
        const QStringList texts = ButtonTexts(dialog);
        for (const char* english : {"Print", "Properties", "Options >>", "Cancel"})
            EXPECT_TRUE(texts.contains(QLatin1String(english))) << english << ": " << texts.join(u'|').toStdString();
    }
}
