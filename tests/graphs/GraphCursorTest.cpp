#include "graphs/GraphCursor.h"

#include <gtest/gtest.h>

#include "tables/TimeText.h"

namespace saltmark {
namespace {

DateTime at(int day, int hour, int minute = 0) { return DateTime::fromCivil(2026, 12, day, hour, minute); }

TEST(CursorColumn, ClampsToTheComputedColumnsEvenFarAway) {
  const GraphGrid grid{"1", at(5, 6)};
  struct Case {
    DateTime instant;
    int column;
  } cases[] = {
      {at(5, 18), 480},
      {at(5, 5), 0},                            // before the plot
      {at(7, 0), 959},                          // after it
      {DateTime::fromCivil(2031, 1, 1), 959},   // beyond a 16-bit column
      {DateTime::fromCivil(2001, 1, 1), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CursorColumnAt(grid, c.instant), c.column) << FormatTimeDate(c.instant);
}

class GraphCursorTest : public ::testing::Test {
 protected:
  void SetUp() override { cursor.placeForDrawing(grid, at(5, 18)); }  // column 480
  GraphGrid grid{"1", at(5, 6)};
  GraphCursor cursor;
};

TEST_F(GraphCursorTest, LiveCursorFollowsTheClock) {
  EXPECT_TRUE(cursor.live());
  EXPECT_EQ(cursor.column(), 480);
  EXPECT_TRUE(cursor.followClock(grid, at(5, 12)));
  EXPECT_EQ(cursor.column(), 240);
}

TEST_F(GraphCursorTest, DraggingMakesItDashedAndDeafToTheClock) {
  EXPECT_FALSE(cursor.mouseMove(300, false));  // too far to grab
  EXPECT_FALSE(cursor.sizing());
  EXPECT_FALSE(cursor.mouseMove(470.5, false));  // grabbed, not yet dragged
  EXPECT_TRUE(cursor.sizing());
  EXPECT_TRUE(cursor.live());
  EXPECT_TRUE(cursor.mouseMove(475.6, true));
  EXPECT_FALSE(cursor.live());
  EXPECT_EQ(cursor.column(), 476);

  EXPECT_FALSE(cursor.followClock(grid, at(5, 12)));
  EXPECT_EQ(cursor.column(), 476);
  cursor.placeForDrawing(grid, at(5, 12));  // a redraw keeps the user's choice
  EXPECT_EQ(cursor.column(), 476);

  cursor.restartLive();  // a new graph run
  cursor.placeForDrawing(grid, at(5, 12));
  EXPECT_EQ(cursor.column(), 240);
}

TEST_F(GraphCursorTest, DragsAreClampedToTheComputedColumns) {
  struct Case {
    double start, to;
    int column;
  } cases[] = {{480, -20, 0}, {0, 1000, 959}, {959, 958.5, 958}, {10, 9.5, 10}};
  for (const Case& c : cases) {
    GraphCursor dragged;
    dragged.placeForDrawing(grid, at(5, 6));
    dragged.mouseMove(0, false);  // grab at column 0 ...
    dragged.mouseMove(c.start, true);
    dragged.mouseMove(c.to, true);  // ... and drag
    EXPECT_EQ(dragged.column(), c.column) << c.start << " -> " << c.to;
  }
}

TEST_F(GraphCursorTest, GrabStaysWhileTheButtonIsHeldAndLetsGoAfter) {
  cursor.mouseMove(485, false);
  EXPECT_TRUE(cursor.mouseMove(700, true));  // far from the old place, still held
  EXPECT_EQ(cursor.column(), 700);
  EXPECT_FALSE(cursor.mouseMove(100, false));  // released far away: the default pointer
  EXPECT_FALSE(cursor.sizing());
  EXPECT_FALSE(cursor.mousePress(100, true));  // a click elsewhere does nothing
  EXPECT_EQ(cursor.column(), 700);
}

TEST_F(GraphCursorTest, ClickWhileGrabbedMovesWithoutChangingTheStyle) {
  cursor.mouseMove(489, false);
  EXPECT_FALSE(cursor.mousePress(489, false));  // the middle button
  EXPECT_TRUE(cursor.mousePress(489, true));
  EXPECT_EQ(cursor.column(), 489);
  EXPECT_TRUE(cursor.live());
}

}  // namespace
}  // namespace saltmark
