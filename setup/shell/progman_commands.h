// The command strings sent to Program Manager, byte for byte. The group and
// item commands other than AddItem are formatted into a 128-byte buffer;
// what does not fit is refused (false, nothing to send) rather than cut.
// Names are data, never commands: a text the command syntax cannot carry
// (a quote in a quoted argument, a bracket, a control character, unpaired
// quotes in a bare one) is refused the same way, so that no name can end
// its command and start another.
#pragma once

#include <string>

#include "shell/group_item.h"

constexpr int kCommandBufferSize = 128;  // with the NUL

struct ShortCommand {
  char text[kCommandBufferSize] = {};
};

// Whether a text can stand between the quotes of an argument ("name").
bool FitsQuotedArgument(const char* text);
// Whether a text can stand as a bare argument (a command line, a path).
bool FitsBareArgument(const char* text);

// [CreateGroup("name", 1|0)]
bool CreateGroupCommand(const char* group, int flag, ShortCommand& out);
// [ShowGroup("name", show, 1|0)]; a show command of 9 gives
// [CreateGroup("name", 0)] instead.
bool ShowGroupCommand(const char* group, int show, int flag, ShortCommand& out);
// [DeleteItem("name")]
bool DeleteItemCommand(const char* item, ShortCommand& out);
// [DeleteGroup("name")]
bool DeleteGroupCommand(const char* group, ShortCommand& out);

// [AddItem(command line, "title", icon path, index)], or with a working
// directory [AddItem(command line, "title", icon path, index, , , dir)].
// The command line and paths go as they are given (the caller converts
// paths to their short form; the command line is quoted by the product).
// Empty when a text cannot be carried.
std::string AddItemCommand(const char* commandLine, const char* title, const char* iconPath,
                           int iconIndex, const char* workingDirectory);
// [AddItem(command line, "name", icon path, index, x, y, dir, hot key,
// minimised)]: an item put back as it was. Empty when a text of the item
// cannot be carried.
std::string AddItemCommand(const GroupItem& item);
