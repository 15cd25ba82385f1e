#include "workbench/views/ListFollow.h"

namespace kwarcyt {

int FollowedTopRow(int top, int pc, int visibleRows) {
  if (pc < top) top = pc;
  if (pc > top + kFollowSlack) top += kFollowScroll;
  if (visibleRows > 0 && pc >= top + visibleRows) top = pc - visibleRows + 1;
  return top;
}

}  // namespace kwarcyt
