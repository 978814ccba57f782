#include <gtest/gtest.h>
#include "tests/common/FakeMainServices.h"

// The fake stands in for the main window in window tests; it must answer like a user who
// runs out of patience: the queued answers in order, then Cancel.
TEST(FakeMainServices, AnswersFromTheQueueThenCancel)
{
    FakeMainServices fake;
    TMainServices& services = fake;
    fake.Answers = {mrNo, mrYes};
    EXPECT_EQ(services.SpmJaNejAnnuller("Billedet:", "a.bmp er modificeret!", "Skal det gemmes?"), mrNo);
    EXPECT_EQ(services.SpmOkAnnuller({"Ryd?"}), mrYes);
    EXPECT_EQ(services.SpmJaNejAnnuller("", "", ""), mrCancel);
    EXPECT_EQ(fake.Questions.size(), 3);
    EXPECT_EQ(fake.Questions[0][1], "a.bmp er modificeret!");

    services.StatusText(1, "Y: 5");
    services.InfoHint("hint");
    EXPECT_EQ(fake.Status, QStringList({"", "Y: 5"}));
    EXPECT_EQ(fake.Hints, QStringList({"hint"}));
    EXPECT_FALSE(services.Engelsk());
    services.Options().Sprog = 1;
    EXPECT_TRUE(services.Engelsk());
    EXPECT_EQ(services.ActivePicture(), nullptr);
}
