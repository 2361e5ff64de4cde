// Answers a platform message box of this process from a second thread (the
// box blocks the thread that shows it).
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace uitest {

class PlatformBoxAnswerer {
 public:
  // Waits up to 10 s for a box showing this text and presses its OK.
  explicit PlatformBoxAnswerer(const char* text);
  ~PlatformBoxAnswerer();  // joins
  bool Seen() const { return seen_; }
  std::string Title() const { return title_; }  // valid once Seen()

 private:
  void Run();
  std::string text_;
  std::string title_;
  std::atomic<bool> seen_{false};
  std::thread worker_;
};

}  // namespace uitest
