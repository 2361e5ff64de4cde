#include "shell/program_manager_link.h"

#include <cstdio>
#include <new>

#include "shell/progman_commands.h"
#include "shell/progman_replies.h"

void ProgramManagerLink::ReportFormatted(const char* format, const char* argument) {
  char text[512];
  std::snprintf(text, sizeof text, format, argument ? argument : "");
  reports_.ReportText(text);
}

bool ProgramManagerLink::begddepm(bool newShell) {
  End(false);
  client_.reset(new (std::nothrow) DdeClient);
  if (!client_) {
    reports_.ReportOutOfMemory();
    return false;
  }
  if (!client_->Initialize(APPCMD_CLIENTONLY)) {
    reports_.ReportText("Unable to initiate the DDE library");
    client_.reset();
    return false;
  }
  conversation_.reset(new (std::nothrow) DdeConversation(*client_));
  if (!conversation_) {
    End(false);
    reports_.ReportOutOfMemory();
    return false;
  }
  const char* name = target_.name.c_str();
  if (!conversation_->Connect(name, name)) {
    if (!FindWindowA(name, nullptr) && WinExec(target_.commandLine.c_str(), SW_SHOWNORMAL) < 32) {
      End(false);
      reports_.ReportText("Unable to execute Program Manager");
      return false;
    }
    if (!conversation_->Connect(name, name)) {
      End(false);
      reports_.ReportText("Unable to connect to Program Manager");
      return false;
    }
    startedByUs_ = true;
  }
  // Program Manager as the shell would cover the setup background.
  if (!newShell) {
    if (HWND progman = FindWindowA(name, nullptr)) ShowWindow(progman, SW_SHOWMINNOACTIVE);
  }
  return true;
}

void ProgramManagerLink::End(bool close) {
  if (conversation_) {
    conversation_->Disconnect();
    conversation_.reset();
  }
  if (startedByUs_ && close) {
    if (HWND progman = FindWindowA(target_.name.c_str(), nullptr))
      PostMessageA(progman, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  startedByUs_ = false;
  client_.reset();
}

bool ProgramManagerLink::Open() {
  if (conversation_ && conversation_->Connected()) return true;
  reports_.ReportText("begddepm() has not been called");
  return false;
}

// A command that did not fit its buffer is refused before anything is sent.
bool ProgramManagerLink::Send(bool formatted, const char* command) {
  return formatted && conversation_->Execute(command);
}

std::string ProgramManagerLink::Short(const char* path) {
  if (!path || !*path) return "";
  std::string shortPath;
  return paths_.ShortPath(path, shortPath) && !shortPath.empty() ? shortPath : path;
}

bool ProgramManagerLink::GroupExists(const char* group) {
  std::string groups;
  return Open() && conversation_->RequestText("GROUPS", groups) &&
         GroupListHas(groups.c_str(), group);
}

bool ProgramManagerLink::ReadGroup(const char* group, GroupContents& contents) {
  std::string reply;
  return Open() && conversation_->RequestText(group, reply) && ParseGroup(reply.c_str(), contents);
}

bool ProgramManagerLink::FindItem(const char* group, const char* item, GroupItem& found) {
  GroupContents contents;
  if (!ReadGroup(group, contents)) return false;
  const GroupItem* match = ::FindItem(contents, item);
  if (match) found = *match;
  return match != nullptr;
}

bool ProgramManagerLink::CreateGroup(const char* group) {
  if (!Open()) return false;
  if (GroupExists(group)) return true;
  ShortCommand command;
  if (!Send(CreateGroupCommand(group, 0, command), command.text)) {
    ReportFormatted("Unable to create group %s", group);
    return false;
  }
  records_.GroupCreated(group);
  return true;
}

bool ProgramManagerLink::DeleteItem(const char* group, const char* item) {
  if (!Open()) return false;
  GroupItem old;
  if (!FindItem(group, item, old)) return true;
  ShortCommand show, remove;
  if (!Send(ShowGroupCommand(group, 9, 0, show), show.text)) {
    ReportFormatted("Unable to show group %s", group);
    return false;
  }
  if (!Send(DeleteItemCommand(item, remove), remove.text)) {
    ReportFormatted("Unable to delete PM item %s", item);
    return false;
  }
  records_.ItemDeleted(group, old);
  return true;
}

bool ProgramManagerLink::AddItem(const char* group, const char* item, const char* commandLine,
                                 const char* iconPath, int iconIndex,
                                 const char* workingDirectory) {
  if (!Open()) return false;
  // Refused before anything is sent: a name the commands cannot carry.
  const std::string icon = Short(iconPath);
  const std::string add = AddItemCommand(commandLine, item, icon.c_str(), iconIndex, "");
  if (add.empty()) {
    ReportFormatted("Unable to create PM item %s", item);
    return false;
  }
  if (!CreateGroup(group) || !DeleteItem(group, item)) return false;
  ShortCommand show;
  if (!Send(ShowGroupCommand(group, 9, 0, show), show.text)) {
    ReportFormatted("Unable to show group %s", group);
    return false;
  }
  if (!conversation_->Execute(add.c_str())) {
    ReportFormatted("Unable to create PM item %s", item);
    return false;
  }
  const std::string directory = Short(workingDirectory);
  GroupItem added;
  if (!directory.empty() && FindItem(group, item, added)) {
    // Put back with its working directory, keeping what Program Manager
    // gave it (position, hot key); these two answers are not checked.
    std::snprintf(added.workingDirectory, sizeof added.workingDirectory, "%s", directory.c_str());
    const std::string again = AddItemCommand(added);
    ShortCommand remove;
    if (!again.empty() && DeleteItemCommand(item, remove)) {
      conversation_->Execute(remove.text);
      conversation_->Execute(again.c_str());
    }
  }
  records_.ItemAdded(group, item);
  return true;
}

bool ProgramManagerLink::DeleteGroup(const char* group) {
  if (!Open()) return false;
  if (!GroupExists(group)) return true;
  ShortCommand command;
  if (!Send(DeleteGroupCommand(group, command), command.text)) {
    ReportFormatted("Unable to delete group %s", group);
    return false;
  }
  return true;
}

bool ProgramManagerLink::PutItemBack(const char* group, const GroupItem& item) {
  if (!Open()) return false;
  const std::string add = AddItemCommand(item);
  if (add.empty()) {
    ReportFormatted("Unable to create PM item %s", item.name);
    return false;
  }
  ShortCommand show;
  if (!Send(ShowGroupCommand(group, 9, 0, show), show.text)) {
    ReportFormatted("Unable to show group %s", group);
    return false;
  }
  if (!conversation_->Execute(add.c_str())) {
    ReportFormatted("Unable to create PM item %s", item.name);
    return false;
  }
  return true;
}
