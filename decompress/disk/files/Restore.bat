@echo off
rem Configuration Haventide 1.1 - emergency restore from MS-DOS.
rem
rem Puts the copies kept in the backup folder (BACKUP.HVT in the Windows
rem folder) back in their live places, for when Windows no longer starts.
rem IO.SYS and MSDOS.SYS are read-only, hidden system files: their
rem attributes are cleared for the copy and set again afterwards.
rem
rem   RESTORE [windows-folder [boot-drive]]
rem
rem The Windows folder defaults to C:\WINDOWS and the boot drive to C:.

set HVTWIN=%1
if "%HVTWIN%"=="" set HVTWIN=C:\WINDOWS
set HVTBOOT=%2
if "%HVTBOOT%"=="" set HVTBOOT=C:
set HVTBAK=%HVTWIN%\BACKUP.HVT
set HVTDONE=0

echo Configuration Haventide - restoring the backup copies
echo Backup folder: %HVTBAK%
echo.
if exist %HVTBAK%\NUL goto start
if exist %HVTBAK%\*.* goto start
echo The backup folder %HVTBAK% was not found.
echo Nothing was restored.
goto finish

:start
if not exist %HVTBAK%\AUTOEXEC.BAT goto miss1
copy /y %HVTBAK%\AUTOEXEC.BAT %HVTBOOT%\AUTOEXEC.BAT > NUL
echo AUTOEXEC.BAT restored to %HVTBOOT%\AUTOEXEC.BAT
set HVTDONE=1
goto next1
:miss1
echo AUTOEXEC.BAT not found in backup. File not restored.
:next1

if not exist %HVTBAK%\CONFIG.SYS goto miss2
copy /y %HVTBAK%\CONFIG.SYS %HVTBOOT%\CONFIG.SYS > NUL
echo CONFIG.SYS restored to %HVTBOOT%\CONFIG.SYS
set HVTDONE=1
goto next2
:miss2
echo CONFIG.SYS not found in backup. File not restored.
:next2

if not exist %HVTBAK%\SYSTEM.INI goto miss3
copy /y %HVTBAK%\SYSTEM.INI %HVTWIN%\SYSTEM.INI > NUL
echo SYSTEM.INI restored to %HVTWIN%\SYSTEM.INI
set HVTDONE=1
goto next3
:miss3
echo SYSTEM.INI not found in backup. File not restored.
:next3

if not exist %HVTBAK%\WIN.INI goto miss4
copy /y %HVTBAK%\WIN.INI %HVTWIN%\WIN.INI > NUL
echo WIN.INI restored to %HVTWIN%\WIN.INI
set HVTDONE=1
goto next4
:miss4
echo WIN.INI not found in backup. File not restored.
:next4

if not exist %HVTBAK%\COMMAND.COM goto miss5
copy /y %HVTBAK%\COMMAND.COM %HVTBOOT%\COMMAND.COM > NUL
echo COMMAND.COM restored to %HVTBOOT%\COMMAND.COM
set HVTDONE=1
goto next5
:miss5
echo COMMAND.COM not found in backup. File not restored.
:next5

if not exist %HVTBAK%\IO.SYS goto miss6
attrib -r -h -s %HVTBOOT%\IO.SYS > NUL
copy /y %HVTBAK%\IO.SYS %HVTBOOT%\IO.SYS > NUL
attrib +r +h +s %HVTBOOT%\IO.SYS > NUL
echo IO.SYS restored to %HVTBOOT%\IO.SYS (read-only, hidden, system)
set HVTDONE=1
goto next6
:miss6
echo IO.SYS not found in backup. File not restored.
:next6

if not exist %HVTBAK%\MSDOS.SYS goto miss7
attrib -r -h -s %HVTBOOT%\MSDOS.SYS > NUL
copy /y %HVTBAK%\MSDOS.SYS %HVTBOOT%\MSDOS.SYS > NUL
attrib +r +h +s %HVTBOOT%\MSDOS.SYS > NUL
echo MSDOS.SYS restored to %HVTBOOT%\MSDOS.SYS (read-only, hidden, system)
set HVTDONE=1
goto next7
:miss7
echo MSDOS.SYS not found in backup. File not restored.
:next7

if not exist %HVTBAK%\WIN.COM goto miss8
copy /y %HVTBAK%\WIN.COM %HVTWIN%\WIN.COM > NUL
echo WIN.COM restored to %HVTWIN%\WIN.COM
set HVTDONE=1
goto next8
:miss8
echo WIN.COM not found in backup. File not restored.
:next8

echo.
if "%HVTDONE%"=="1" echo Restore complete. Restart the computer to use the restored files.
if "%HVTDONE%"=="0" echo No backup copies were found. Nothing was restored.

:finish
set HVTWIN=
set HVTBOOT=
set HVTBAK=
set HVTDONE=
