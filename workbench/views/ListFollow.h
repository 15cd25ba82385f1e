// How the program list keeps the line at PC in view during a run.
#pragma once

namespace kwarcyt {

// Rows the highlight may move below the top row before the list scrolls, and how far it then
// scrolls.
inline constexpr int kFollowSlack = 26;
inline constexpr int kFollowScroll = 20;

// The top row after the highlight moved to pc: a row above the top becomes the top row; a row
// more than kFollowSlack rows below the top scrolls the list by kFollowScroll rows. A jump far
// down, or a list shorter than kFollowSlack rows, would still leave the highlight out of sight,
// so then the list scrolls until pc is its last visible row.
int FollowedTopRow(int top, int pc, int visibleRows);

}  // namespace kwarcyt
