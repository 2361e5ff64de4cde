// Identifiers shared by vantrel3.rc and the uninstaller's code: its string
// table, its two dialog templates and their controls.
#pragma once

// Strings.
#define kStrCaptionPlain 1
#define kStrCaption 2
#define kStrUsage 3
#define kStrLogMissing 4
#define kStrLogUnreadable 5
#define kStrLogDamaged 6
#define kStrQuestion 7
#define kStrRollingBack 8
#define kStrRemoving 9
#define kStrRemoved 10
#define kStrNotAllRemoved 11
#define kStrMore 12
#define kStrRestart 13
#define kStrOutOfMemory 14
#define kStrLeftFile 20
#define kStrLeftNotRestored 21
#define kStrLeftSharedUse 22
#define kStrLeftValue 23
#define kStrLeftKey 24
#define kStrLeftIniEntry 25
#define kStrLeftIniSection 26
#define kStrLeftIniFile 27
#define kStrLeftGroup 28
#define kStrLeftItem 29
#define kStrLeftLog 30
#define kStrLeftLogEndsEarly 31

// The progress window: template "REMOVAL".
#define kDlgNotice 101
#define kDlgSubject 102
#define kDlgGauge 103

// The shared-file question: template "SHAREDFILE"; Yes and No are IDYES
// and IDNO.
#define kDlgSharedPath 201
#define kDlgYesToAll 202
#define kDlgNoToAll 203
