// SetupApplication: the installation object of one run. It holds the install
// state, the windows, the help object, the install log's recorder and the
// file operations, and carries out the phases of the script for the product
// definition it is given.
#pragma once

#include <windows.h>

#include <memory>

#include "app/program_manager_records.h"
#include "app/setup_result.h"
#include "base/abort_question.h"
#include "base/path_buffer.h"
#include "base/title_line.h"
#include "fileops/file_operations.h"
#include "install_log/install_log_recorder.h"
#include "fileops/win32_log_file.h"
#include "product/install_info.h"
#include "product/table_product.h"
#include "shell/program_manager_link.h"
#include "ui/background/background_controls.h"
#include "ui/background/background_window.h"
#include "ui/options/model/component_choices.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "ui/prompts/file_attribute_question.h"
#include "ui/background/icon_window.h"
#include "ui/dialogs/pumping_progress.h"

class ActivityMeter;
class ContextHelp;

constexpr int kProductNameChars = 60;

// One flag per option, row, item or entry; all 1 after initialisation.
class Selection {
 public:
  bool Allocate(int count);
  int Count() const { return count_; }
  int& operator[](int i) { return flags_[i]; }
  bool Selected(int i) const { return i >= 0 && i < count_ && flags_[i] != 0; }

 private:
  std::unique_ptr<int[]> flags_;
  int count_ = 0;
};

// The product's title lines for the background, from the product definition.
class ProductTitles : public TitleSource {
 public:
  void SetProduct(InstallInfo* product) { product_ = product; }
  int TitleLineCount() override { return product_ ? product_->TitleLineCount() : 0; }
  bool GetTitleLine(int index, TitleLine& line) override {
    return product_ && product_->GetTitleLine(index, line);
  }

 private:
  InstallInfo* product_ = nullptr;
};

class SetupApplication : public AbortQuestion, public ComponentChoices {
 public:
  explicit SetupApplication(TableProduct& product);
  ~SetupApplication() override;
  SetupApplication(const SetupApplication&) = delete;
  SetupApplication& operator=(const SetupApplication&) = delete;

  // The script every product of this engine runs; a SetupResult.
  int Run();
  InstallInfo& ProductDefinition() { return product_; }

  // From the command-line tail (the source directory): windows shown, log
  // open, help ready. False after the failure was shown (if it has a
  // message); the object is then only fit to be destroyed.
  bool Initialise(const char* tail);

  // The question behind every Cancel.
  bool ConfirmAbort(HWND owner) override;

  // What the component selection leaves.
  void SetOptionState(int option, int state) override;
  void SetSelected(ChoiceList list, int index, int flag) override;
  void SetRequiredSpace(double kilobytes) override { requiredSpace_ = kilobytes; }

  int Result() const { return result_; }
  FileOperations& Operations() { return operations_; }
  InstallLogRecorder& LogRecorder() { return recorder_; }
  ProgramManagerLink& ProgramManager() { return programManager_; }
  HWND Background() const { return background_.Handle(); }
  const char* ProductName() const { return productName_; }
  const char* SourceDirectory() const { return sourceDirectory_.Get(); }
  double RequiredSpace() const { return requiredSpace_; }
  ContextHelp* Help() const;
  ActivityMeter* Meter() const { return controls_ ? controls_->Meter() : nullptr; }
  // The required space as the folder prompt is given it, in K.
  int RequiredK() const { return requiredK_; }

 protected:
  // The background's buttons and activity meter, for the script's run.
  void CreateBackgroundControls();
  void DestroyBackgroundControls();

  // The phases of a script; false ends it with kSetupFailed.
  bool CopyPhase();
  bool ProgramItemsPhase();
  bool RegistryPhase();
  // Shows the completion box for the product's restart kind and sets the
  // result; answers it.
  int CompletionBox();
  // True once the source path exists; asks for the disk meanwhile. False
  // when the user abandons the installation.
  bool SourceCheck(const char* path, const char* diskLabel);
  // Hides the icon window and shows the background and its pop-ups.
  void RestoreBackground() { background_.Restore(); }
  void EnableMinimise(bool enable);
  IconWindow& Icon() { return icon_; }

  int result_ = kSetupInstalled;
  int replacedAtRestart_ = 0;
  int dosRestart_ = 0;
  int systemIniChanged_ = 0;
  Selection options_, files_, items_, iniEntries_, registryEntries_;

 private:
  bool InitialiseProduct();
  bool FillDirectories();
  bool Welcome();
  bool SelectComponents();
  bool AskFolder();
  bool StartHelp();
  bool CopyRowStep(InstallInfo& product, int row, class CopyProgress& progress);
  bool RenameRowStep(InstallInfo& product, int row, CopyProgress& progress);
  bool DeleteRowStep(InstallInfo& product, int row, CopyProgress& progress);
  bool BackupRowStep(InstallInfo& product, int row, CopyProgress& progress, HWND progressWindow);
  bool SetRegistryEntry(const RegistryEntry& entry);

  TableProduct& product_;
  UINT savedErrorMode_ = 0;
  char productName_[kProductNameChars] = {0};
  double requiredSpace_ = 0;
  int requiredK_ = 0;
  PathBuffer sourceDirectory_;
  HICON setupIcon_ = nullptr;

  EngineErrorBoxes boxes_;
  FileAttributeQuestion versionQuestion_;
  PumpingProgress idleProgress_;
  Win32LogFile logFile_;
  InstallLogRecorder recorder_{logFile_};
  ProductTitles titles_;
  IconWindow icon_;
  BackgroundWindow background_{icon_, titles_};
  FileOperations operations_{boxes_};
  LoggedProgramManagerRecords programManagerRecords_{operations_};
  ProgramManagerLink programManager_{operations_, operations_, programManagerRecords_};
  std::unique_ptr<BackgroundControls> controls_;
  std::unique_ptr<ContextHelp> help_;
  bool recorderPushed_ = false;
};
