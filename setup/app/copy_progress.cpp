#include "app/copy_progress.h"

#include <algorithm>
#include <cmath>

#include "app/setup_application.h"
#include "fileops/file_operations.h"
#include "ui/background/icon_window.h"
#include "ui/dialogs/message_pump.h"

namespace {

constexpr COLORREF kBarColour = 0x808080;
constexpr int kBillboardGap = 10;

}  // namespace

CopyProgress::CopyProgress(InstallInfo& product, Selection& files, FileOperations& operations,
                           AbortQuestion& abort, IconWindow& icon, HWND background,
                           const char* title)
    : product_(product),
      files_(files),
      operations_(operations),
      abort_(abort),
      icon_(icon),
      background_(background),
      title_(title) {}

int CopyProgress::NextFile(int from) const {
  const int rows = product_.FileRowCount();
  for (int row = from; row < rows; ++row)
    if (files_.Selected(row) && product_.RowKind(row) == kRowCopy) return row;
  return rows;
}

bool CopyProgress::Start() {
  total_ = running_ = 0;
  const int rows = product_.FileRowCount();
  for (int row = NextFile(0); row < rows; row = NextFile(row + 1)) total_ += product_.RowSize(row);
  if (total_ == 0) return true;
  file_ = NextFile(0);
  icon_handle_ = LoadIconA(GetModuleHandleA(nullptr), "ICONSETUP");
  if (!dialog_.Create(background_, &cancel_, kBarColour, icon_handle_, 1)) return false;
  dialog_.SetTitle(title_);
  CentreAtPoint(dialog_.Handle(), GetSystemMetrics(SM_CXSCREEN) * 500 / 1000,
                GetSystemMetrics(SM_CYSCREEN) * 333 / 1000);
  dialog_.Show();
  operations_.PushOwner(dialog_.Handle());
  ownerPushed_ = true;
  return true;
}

void CopyProgress::Finish() {
  billboard_.Destroy();
  dialog_.Destroy();
  if (ownerPushed_) operations_.PopOwner();
  ownerPushed_ = false;
  if (icon_handle_) DestroyIcon(icon_handle_);
  icon_handle_ = nullptr;
}

void CopyProgress::BeginFile() {
  fileSize_ = file_ >= 0 ? product_.RowSize(file_) : 0;
  fileBytes_ = 0;
}

void CopyProgress::EndFile() {
  if (fileSize_ > fileBytes_) Add(static_cast<uint32_t>(fileSize_ - fileBytes_));
  file_ = NextFile(file_ + 1);
}

uint32_t CopyProgress::BufferSize() { return static_cast<uint32_t>(product_.ChunkSize()); }

bool CopyProgress::Crossed(double before, double after, double step, bool first) {
  return first || (step > 0 && std::floor(before / step) != std::floor(after / step));
}

bool CopyProgress::TakeCancel() {
  const bool asked = cancel_ != 0;
  cancel_ = 0;
  return asked;
}

bool CopyProgress::Add(uint32_t bytes) {
  const bool first = running_ == 0;
  const double before = running_;
  running_ += bytes;
  fileBytes_ += bytes;
  ShowBillboard(first, bytes);

  const double chunk = product_.ChunkSize();
  // The last bytes show too, so a finished copy stands at 100 % and not
  // one step short of it.
  const bool finished = running_ >= total_ && before < total_;
  if (total_ > 0 &&
      (finished || Crossed(before, running_, chunk * product_.PercentGranularity(), first))) {
    // A file larger than the product declares must not take the title
    // past 100 %.
    const int percent = static_cast<int>(std::min(running_ / total_, 1.0) * 100 + 0.5);
    dialog_.SetBar(percent);
    SetWindowTextFormat(icon_.Handle(), "Copying: %d%%", percent);
  }
  if (!Crossed(before, running_, chunk * product_.PumpGranularity(), first)) return true;
  PumpMessages(false);
  if (TakeCancel()) return !abort_.ConfirmAbort(operations_.Owner());
  return true;
}

void CopyProgress::ShowBillboard(bool first, uint32_t bytes) {
  const int count = product_.BillboardCount();
  if (count <= 0 || total_ <= 0) return;
  const double share = total_ / count;
  const int before = static_cast<int>(std::floor((running_ - bytes) / share));
  const int now = static_cast<int>(std::floor(running_ / share));
  if (!(first || now != before || !billboard_.Handle()) || now < 0 || now > count - 1) return;
  billboard_.Destroy();
  if (IsWindowVisible(icon_.Handle())) return;  // setup is minimised
  const int templateId = product_.BillboardTemplate(now);
  if (templateId == 0 || !billboard_.Create(background_, templateId)) return;
  RECT progress, board;
  GetWindowRect(dialog_.Handle(), &progress);
  GetWindowRect(billboard_.Handle(), &board);
  const int height = board.bottom - board.top;
  CentreAtPoint(billboard_.Handle(), (progress.left + progress.right) / 2,
                progress.bottom + height / 2 + kBillboardGap);
  SetWindowPos(dialog_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ShowWindow(billboard_.Handle(), SW_SHOWNOACTIVATE);
}
