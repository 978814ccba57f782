#include "shell/Mainform.h"
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <gtest/gtest.h>

TEST(Mainform, OpensWithDocumentAreaMenusAndThreeStatusPanelsAndCloses)
{
    auto* form = new TMainform;
    form->show();
    ASSERT_NE(form->DocumentArea(), nullptr);
    EXPECT_EQ(form->centralWidget(), form->DocumentArea());
    EXPECT_FALSE(form->menuBar()->actions().isEmpty());
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(form->StatusPanel(i), nullptr);
    EXPECT_EQ(form->StatusPanel(3), nullptr);
    form->InfoHint(QStringLiteral("Hej"));
    EXPECT_EQ(form->StatusPanel(2)->text(), QStringLiteral("Hej"));
    EXPECT_TRUE(form->close());
    delete form;
}
