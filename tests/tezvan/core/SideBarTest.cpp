// The side bar's numbers: its gradient rows truncate toward zero, and its title's left edge
// rounds halves to the even neighbour.
#include "tezvan/core/SideBar.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

namespace {

using testing_support::RowName;
using namespace tezvan::sidebar;

struct ColourRow : testing_support::NamedRow {
    int y;
    int height;
    Rgb start;
    Rgb end;
    Rgb expected;
};

class SideBarColour : public ::testing::TestWithParam<ColourRow> {};

TEST_P(SideBarColour, OfRow)
{
    const ColourRow& r = GetParam();
    EXPECT_EQ(rowColour(r.y, r.height, r.start, r.end), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SideBarColour,
    ::testing::Values(ColourRow{"top row white", 0, 400, kStart, kEnd, {255, 255, 255}},
                      ColourRow{"middle row truncates toward white", 200, 400, kStart, kEnd, {255, 128, 128}},
                      ColourRow{"last row one short of red", 399, 400, kStart, kEnd, {255, 1, 1}},
                      ColourRow{"rising channel truncates down", 1, 3, {0, 0, 0}, {255, 10, 2}, {85, 3, 0}},
                      ColourRow{"equal ends are one flat colour", 123, 400, {9, 8, 7}, {9, 8, 7}, {9, 8, 7}},
                      ColourRow{"empty menu keeps the start", 0, 0, kStart, kEnd, kStart}),
    RowName{});

struct TitleRow : testing_support::NamedRow {
    int textHeight;
    int left;
};

class SideBarTitle : public ::testing::TestWithParam<TitleRow> {};

TEST_P(SideBarTitle, LeftEdge)
{
    EXPECT_EQ(titleLeft(GetParam().textHeight), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Rows, SideBarTitle,
                         ::testing::Values(TitleRow{"half up to even: 1.5 to 2", 16, 1},
                                           TitleRow{"half down to even: 0.5 to 0", 18, -1},
                                           TitleRow{"half down to even: 2.5 to 2", 14, 1},
                                           TitleRow{"whole: 1", 17, 0}),
                         RowName{});

} // namespace
