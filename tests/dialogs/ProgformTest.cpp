// The program dialog: registering programs and deleting them after the question in the page.
#include "appcore/MenuExeFiler.h"
#include "appcore/Message.h"
#include "dialogs/Progform.h"
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProgformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageCatcher([this](const QString& t) { Messages << t; });
        Programs.Itemfile = Dir.path() + "/ProgItem.txt";
        Program = Dir.path() + "/tegner";
        QFile f(Program);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    void TearDown() override { SetMessageCatcher({}); }
    QTemporaryDir Dir;
    QString Program;
    TMenuExeFiler Programs;
    QStringList Messages;
};

} // namespace

TEST_F(ProgformTest, AddingChecksTheFieldsInOrderAndWritesTheList)
{
    TProgform form(Programs);
    EXPECT_FALSE(form.IndforClick());
    form.FilEdit->setText(Dir.path() + "/mangler");
    form.CapEdit->setText("X");
    EXPECT_FALSE(form.IndforClick());
    EXPECT_TRUE(form.FilEdit->text().isEmpty());
    form.FilEdit->setText(Program);
    EXPECT_FALSE(form.IndforClick());
    form.CapEdit->setText("Tegner");
    EXPECT_TRUE(form.IndforClick());
    form.FilEdit->setText(Program);
    form.CapEdit->setText("Igen");
    EXPECT_FALSE(form.IndforClick());
    // The message box shows "\r" as a line break.
    EXPECT_EQ(Messages, (QStringList{"Der mangler et filnavn!", "Filen: " + Dir.path() + "/mangler\nkunne ikke findes!",
                                     "Der mangler en menu tekst!", "Programmet er allerede indført!"}));
    QFile file(Programs.Itemfile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "1\nTegner\n" + Program + "\nUseParam\n1\n");
    EXPECT_EQ(form.AddedLabel->text(), "Tegner");
    EXPECT_TRUE(form.useTekstCheck->isChecked());
}

TEST_F(ProgformTest, DeletingAsksInsideThePageAndSpeaksEnglish)
{
    Programs.InsertItem(Program, "Tegner", "", 1);
    TProgform form(Programs);
    form.SetSprog(true);
    EXPECT_EQ(form.windowTitle(), "Programs");
    form.Pages->setCurrentIndex(1);
    ASSERT_EQ(form.DeleteList->count(), 1);
    EXPECT_FALSE(form.DeleteButton->isEnabled());
    form.DeleteList->setCurrentRow(0);
    EXPECT_TRUE(form.DeleteButton->isEnabled());
    form.DeleteButton->click();
    EXPECT_FALSE(form.Question->isHidden());
    EXPECT_FALSE(form.DeleteList->isEnabled());
    EXPECT_EQ(form.QuestionLabel->text(), "Do you want to delete\nTegner?");
    form.NejButton->click();
    EXPECT_EQ(Programs.Filantal(), 1);
    EXPECT_TRUE(form.DeleteList->isEnabled());
    form.DeleteList->setCurrentRow(0);
    form.DeleteButton->click();
    form.JaButton->click();
    EXPECT_EQ(Programs.Filantal(), 0);
    EXPECT_EQ(form.DeleteList->count(), 0);
}
