#include "ui/background/model/close_walk.h"

WalkWindow FirstPopupAncestor(CloseWalkWorld& world, WalkWindow start) {
  for (WalkWindow w = start; w; w = world.ParentOf(w))
    if (world.IsPopup(w)) return w;
  return nullptr;
}

WalkWindow CloseCurrentWindow(CloseWalkWorld& world, WalkWindow start, WalkWindow skip) {
  WalkWindow first = FirstPopupAncestor(world, start);
  if (first && first != skip && world.AskToClose(first)) return first;
  for (WalkWindow w : world.ThreadWindows()) {
    if (w == skip || w == nullptr) continue;
    if (world.AskToClose(w)) return w;
  }
  return nullptr;
}
