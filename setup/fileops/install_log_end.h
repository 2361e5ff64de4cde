// The end of an installation's log, after the recorder is popped and the log
// closed: finalise it into the installation folder, or roll back by starting
// the uninstaller on it. Neither reports anything to the user.
#pragma once

#include <cstdint>

constexpr char kUninstallerName[] = "Vantrel3.exe";

// Moves filog.ini from windows_dir to install_dir, chained to an earlier
// log there (which is renamed to filog.bak, filog.000 ... filog.999). True
// when there was no log or it was moved; false when the two folders are the
// same (the log stays, with its placeholder chain name) or a step failed.
bool FinaliseInstallLog(const char* windows_dir, const char* install_dir);
bool FinaliseInstallLog(const char* install_dir);  // from the Windows folder

// Starts Vantrel3.exe of windows_dir on its filog.ini when the uninstaller is
// version 2.0 or later and the log is sound and holds a record. A log whose
// writing was cut off within a record is first cut back to its last complete
// record; one with a damaged header or a damaged record is left alone. True
// when the uninstaller was started (without waiting for it).
bool RollBackInstallation(const char* windows_dir);
bool RollBackInstallation();  // in the Windows folder
