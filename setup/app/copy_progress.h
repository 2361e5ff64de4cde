// CopyProgress: the progress of one copy phase. It shows the progress dialog
// (bar, percentage in the icon window's title, the product's billboards in
// turn) and, as the file operations' progress sink, counts the bytes of
// each file, serves messages between chunks and asks the abort question
// when Cancel was pressed.
#pragma once

#include <windows.h>

#include "base/abort_question.h"
#include "base/progress_sink.h"
#include "product/install_info.h"
#include "ui/billboards/billboard_dialog.h"
#include "ui/gauges/progress_dialog.h"

class FileOperations;
class IconWindow;
class SetupApplication;
class Selection;

class CopyProgress : public ProgressSink {
 public:
  CopyProgress(InstallInfo& product, Selection& files, FileOperations& operations,
               AbortQuestion& abort, IconWindow& icon, HWND background, const char* title);
  ~CopyProgress() override { Finish(); }
  CopyProgress(const CopyProgress&) = delete;
  CopyProgress& operator=(const CopyProgress&) = delete;

  // Counts the bytes to copy and, when there are any, shows the dialog and
  // makes it the owner of boxes. False when the dialog cannot be made.
  bool Start();
  // Closes the billboard and the dialog and gives the boxes back.
  void Finish();

  bool Add(uint32_t bytes) override;
  void BeginFile() override;
  void EndFile() override;
  uint32_t BufferSize() override;

  ProgressDialog& Dialog() { return dialog_; }
  HWND Window() const { return dialog_.Handle(); }
  // The cancel flag of the dialog: served and cleared at pump points.
  bool TakeCancel();
  double Total() const { return total_; }
  double Running() const { return running_; }

 private:
  int NextFile(int from) const;
  void ShowBillboard(bool first, uint32_t bytes);
  static bool Crossed(double before, double after, double step, bool first);

  InstallInfo& product_;
  Selection& files_;
  FileOperations& operations_;
  AbortQuestion& abort_;
  IconWindow& icon_;
  HWND background_;
  const char* title_;
  ProgressDialog dialog_;
  BillboardDialog billboard_;
  HICON icon_handle_ = nullptr;
  int cancel_ = 0;
  bool ownerPushed_ = false;
  double total_ = 0;
  double running_ = 0;
  int file_ = -1;
  double fileBytes_ = 0;
  double fileSize_ = 0;
};
