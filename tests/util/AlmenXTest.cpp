#include <gtest/gtest.h>
#include "util/AlmenX.h"

TEST(EditByte, KeepsDigitsAndCapsAt255)
{
    EXPECT_EQ(TAlmenX::EditByte(""), 0);
    EXPECT_EQ(TAlmenX::EditByte("0"), 0);
    EXPECT_EQ(TAlmenX::EditByte("007"), 7);
    EXPECT_EQ(TAlmenX::EditByte("abc"), 0);
    EXPECT_EQ(TAlmenX::EditByte("1a2"), 12);
    EXPECT_EQ(TAlmenX::EditByte("255"), 255);
    EXPECT_EQ(TAlmenX::EditByte("256"), 255);
    EXPECT_EQ(TAlmenX::EditByte("300"), 255);
    // Far beyond 32 bits still means "too big", not a failure.
    EXPECT_EQ(TAlmenX::EditByte("99999999999999999999"), 255);
}

TEST(EditInteger, MinusCountsOnlyFirst)
{
    bool ok = false;
    EXPECT_EQ(TAlmenX::EditInteger("-45x", &ok), -45);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TAlmenX::EditInteger("4-5"), 45);
    EXPECT_EQ(TAlmenX::EditInteger("12-3"), 123);
    EXPECT_EQ(TAlmenX::EditInteger("-"), 0);
    EXPECT_EQ(TAlmenX::EditInteger(""), 0);
    EXPECT_EQ(TAlmenX::EditInteger("2147483647"), 2147483647);
    EXPECT_EQ(TAlmenX::EditInteger("-2147483647"), -2147483647);
}

TEST(EditInteger, TooManyDigitsAreRefused)
{
    bool ok = true;
    EXPECT_EQ(TAlmenX::EditInteger("2147483648", &ok), 0);
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_EQ(TAlmenX::EditPosInteger("x99999999999", &ok), 0);
    EXPECT_FALSE(ok);
}

TEST(EditPosInteger, SignsAreDropped)
{
    EXPECT_EQ(TAlmenX::EditPosInteger("-12"), 12);
    EXPECT_EQ(TAlmenX::EditPosInteger("+7 px"), 7);
    EXPECT_EQ(TAlmenX::EditPosInteger("none"), 0);
    EXPECT_EQ(TAlmenX::EditPosInteger("0042"), 42);
}

TEST(GetExt, LastDotOfTheFileNameOnly)
{
    EXPECT_EQ(TAlmenX::GetExt("picture.ico"), "ico");
    EXPECT_EQ(TAlmenX::GetExt("a.b.ico"), "ico");
    EXPECT_EQ(TAlmenX::GetExt("x.ICO"), "ICO");
    EXPECT_EQ(TAlmenX::GetExt("noext"), "");
    EXPECT_EQ(TAlmenX::GetExt("/home/u/.local/noext"), "");
    EXPECT_EQ(TAlmenX::GetExt("/home/u/my.pictures/x.bmp"), "bmp");
    EXPECT_EQ(TAlmenX::GetExt("/home/u/my.pictures/x"), "");
    EXPECT_EQ(TAlmenX::GetExt("name."), "");
}
