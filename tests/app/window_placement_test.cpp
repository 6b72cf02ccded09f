#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacementTest, DefaultRectangleIs740WideAndCentredFrom650Up) {
    const struct {
        int nWidth, nHeight;
        WindowRect expected;
    } cases[] = {
        {1024, 768, {142, 0, 882, 768}},
        {700, 500, {-20, 0, 720, 500}},  // overhangs both edges
        {650, 480, {-45, 0, 695, 480}},
        {649, 480, {0, 0, 649, 480}},
        {640, 480, {0, 0, 640, 480}},
        {1025, 800, {142, 0, 882, 800}},  // half the width rounded down
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(DefaultWindowRect(testCase.nWidth, testCase.nHeight), testCase.expected)
            << testCase.nWidth;
    }
}

TEST(WindowPlacementTest, FormatKeepsFourDigitsAtFixedPositions) {
    EXPECT_EQ(FormatWindowRect({142, 0, 882, 768}), "0142 0000 0882 0768");
    EXPECT_EQ(FormatWindowRect({-4, -20, 720, 500}), "-004 -020 0720 0500");
    // Coordinates that would not fit the positions are kept within -999 to 9999.
    EXPECT_EQ(FormatWindowRect({-12345, 0, 123456, 10000}), "-999 0000 9999 9999");
}

TEST(WindowPlacementTest, ParseReadsTheFourPositionsAndRefusesWhatItCannotRead) {
    const struct {
        const char* pszText;
        std::optional<WindowRect> expected;
    } cases[] = {
        {"0100 0050 0900 0650", WindowRect{100, 50, 900, 650}},
        {"-004 -020 0720 0500", WindowRect{-4, -20, 720, 500}},
        {"  12   34  567  890", WindowRect{12, 34, 567, 890}},
        {"0100 0050 0900 650", WindowRect{100, 50, 900, 650}},  // the last number ends the text
        {"0100x0050y0900z0650", WindowRect{100, 50, 900, 650}},
        {"", std::nullopt},
        {"0100 0050 0900", std::nullopt},  // too short for the fourth number
        {"0100 0050 0900 ", std::nullopt},
        {"abcd efgh ijkl mnop", std::nullopt},
        {"0100 0050 0100 0650", std::nullopt},  // no width
        {"0100 0650 0900 0050", std::nullopt},  // upside down
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(ParseWindowRect(testCase.pszText), testCase.expected) << testCase.pszText;
    }
    // Never past the end of the text: the last number stops where the text stops.
    EXPECT_EQ(ParseWindowRect(std::string_view("0001 0002 0900 0650", 17)),
              (WindowRect{1, 2, 900, 6}));
}

TEST(WindowPlacementTest, WindowMustShowItsCaptionOnSomeScreen) {
    const WindowRect screens[] = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
    const struct {
        WindowRect rect;
        bool bVisible;
    } cases[] = {
        {{142, 0, 882, 768}, true},
        {{-20, 0, 720, 768}, true},
        {{1500, 100, 1900, 500}, true},  // on the second screen
        {{-700, 0, 40, 768}, false},     // only a sliver on the left
        {{3000, 3000, 3500, 3500}, false},
        {{100, -500, 900, 600}, false},  // caption above the screen
        {{100, 760, 900, 1500}, false},  // caption below the bottom edge
        {{10, 10, 30, 20}, true},        // tiny, but wholly visible
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(IsOnSomeScreen(testCase.rect, screens), testCase.bVisible)
            << FormatWindowRect(testCase.rect);
    }
}

}  // namespace
