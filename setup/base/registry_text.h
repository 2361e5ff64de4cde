// Reading a text value of the registry, as the shell's detection asks for
// it; the file operations answer it (FileOperations::ReadString).
#pragma once

// Registry roots by number, as the install log stores them.
enum RootKind {
  kRootClasses = 0,
  kRootCurrentUser = 1,
  kRootLocalMachine = 2,
  kRootUsers = 3,
};

class RegistryText {
 public:
  virtual ~RegistryText() = default;
  // True when the value exists and is text; the text is cut to textSize.
  // name null or "": the key's unnamed value.
  virtual bool ReadString(int root, const char* key, const char* name, char* text,
                          int textSize) = 0;
};
