// FileOperations: the setup engine's one way of changing the machine. It is
// one OperationContext (reports, owner window, recorder, quiet flag, last
// error: operation_context.h) shared by its concerns, each with a header of
// its own: the file changes, the copy engine, the registry, fonts and
// drives. Its callers reach every concern through this one object, and the
// object is the FailureReport, DiskSpace, RegistryText and ShortPaths that
// the layers above are handed.
#pragma once

#include "fileops/copy_engine.h"
#include "fileops/drive_operations.h"
#include "fileops/file_changes.h"
#include "fileops/font_operations.h"
#include "fileops/operation_context.h"
#include "fileops/registry_operations.h"

class FileOperations : public OperationContext,
                       public FileChanges,
                       public CopyEngine,
                       public RegistryOperations,
                       public FontOperations,
                       public DriveOperations {
 public:
  // Failures are shown in boxes. Each concern holds only references, so
  // one may be handed another that is not built yet. A lone *this is named
  // as the context, which a concern's copy constructor would take as well.
  explicit FileOperations(ErrorBoxes& boxes)
      : OperationContext(boxes),
        FileChanges(*this, *this),
        CopyEngine(*this, *this, *this),
        RegistryOperations(static_cast<OperationContext&>(*this)),
        FontOperations(static_cast<OperationContext&>(*this)) {}
};
