// The close button's walk without the platform: find the dialog the user
// was in (the first pop-up window up the focus window's parent chain) and
// ask it to close; when there is none or it declines, ask the thread's
// top-level windows in turn until one accepts.
#pragma once

#include <vector>

using WalkWindow = const void*;

class CloseWalkWorld {
 public:
  virtual ~CloseWalkWorld() = default;
  virtual WalkWindow ParentOf(WalkWindow window) = 0;  // null at the top
  virtual bool IsPopup(WalkWindow window) = 0;
  // True when the window was asked to close (its Close item is enabled).
  virtual bool AskToClose(WalkWindow window) = 0;
  virtual std::vector<WalkWindow> ThreadWindows() = 0;
};

// start itself when it is a pop-up, else its nearest pop-up ancestor; null
// when there is none.
WalkWindow FirstPopupAncestor(CloseWalkWorld& world, WalkWindow start);

// The window that accepted, or null. skip is never asked: the icon window
// answers Close by sending the close command back to the background, which
// would ask it again for as long as no other window accepts.
WalkWindow CloseCurrentWindow(CloseWalkWorld& world, WalkWindow start, WalkWindow skip);
