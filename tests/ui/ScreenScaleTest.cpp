#include "ui/ScreenScale.h"

#include <gtest/gtest.h>

using namespace ScreenScale;

TEST(ScreenScaleTest, DefaultScaleFitsTheScreenWithRoomToSpare) {
    const QSize chrome(0, 60);
    EXPECT_EQ(LargestComfortableScale({1920, 1040}, chrome), 3);
    EXPECT_EQ(LargestComfortableScale({1366, 738}, chrome), 2);
    EXPECT_EQ(LargestComfortableScale({3840, 2100}, chrome), 7);
    // A screen too small for even the plain picture still gets it at its own size.
    EXPECT_EQ(LargestComfortableScale({320, 240}, chrome), 1);
}

TEST(ScreenScaleTest, ResizedAreasShowTheLargestWholeScaleCentred) {
    EXPECT_EQ(FittingScale({240, 270}), 1);
    EXPECT_EQ(FittingScale({479, 1000}), 1);
    EXPECT_EQ(FittingScale({480, 540}), 2);
    EXPECT_EQ(FittingScale({100, 100}), 1);
    EXPECT_EQ(PictureRect({480, 540}, 2), QRect(0, 0, 480, 540));
    EXPECT_EQ(PictureRect({500, 560}, 2), QRect(10, 10, 480, 540));
}

TEST(ScreenScaleTest, AreaPointsMapToClientPointsAndBack) {
    const QRect picture(10, 10, 480, 540);
    EXPECT_EQ(ToClient({10, 10}, picture, 2), QPoint(0, 0));
    EXPECT_EQ(ToClient({81, 143}, picture, 2), QPoint(35, 66));
    // Left of and above the picture stays outside it.
    EXPECT_EQ(ToClient({9, 9}, picture, 2), QPoint(-1, -1));
    EXPECT_EQ(ToArea(QRect(12, 43, 24, 24), picture, 2), QRect(34, 96, 48, 48));
}
