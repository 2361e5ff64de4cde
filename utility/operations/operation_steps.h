// The steps that Backup, Restore and Undo Restore share.
#pragma once

#include "core/form_layout.h"
#include "core/protected_files.h"
#include "operations/operation_view.h"

namespace kelvane {

// Resets the attribute words of the live files, the two folders and the
// copies so that the operation can read and overwrite them. False when an
// attribute cannot be set.
bool NormalizeAttributes();

// Sets a ticked system file to plain archive before it is read or written.
bool UnlockSystemFile(const ProtectedFile& file);
// Sets C:\IO.SYS and C:\MSDOS.SYS, where present, back to read-only,
// hidden and system.
void RelockSystemFiles();

// Reports a missing file with the operation's three lines and clears the
// row's check box.
void MissingFileNotice(OperationView& view, int row, Operation op);

// An operation's copy failed: the error form, then the operation ends.
void CopyFailurePath(OperationView& view);

// Shows the notice when at least one box is still ticked; returns whether
// it was shown.
bool CompletionNotice(OperationView& view, FormId notice);

// Whether ExistsPlain finds any of the eight copies of one folder (the
// search stops at the first found): &ProtectedFile::BackupPath or UndoPath.
using CopyPathOf = std::string (ProtectedFile::*)(const std::string&) const;
bool AnyCopyPresent(CopyPathOf copyPath);

// A refusal notice that ends an operation before it touches any file.
void RefusalNotice(OperationView& view, FormId notice);

}  // namespace kelvane
