// The readable source of a help file and its parser.
//
//   # comment
//   title: Configuration Haventide Help      (file header lines come first)
//   contents: main                           (context name of the contents topic)
//   lcid: 0x0409                             (optional)
//   charset: 0                               (optional)
//
//   = main 10: Title of the topic            (context name, optional number, title)
//   keywords: backup; restoring files        (optional, index entries)
//   Text lines; a blank line ends a paragraph. **bold** and
//   [jump text](other_topic) inside text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hlp {

struct Span {
  enum Kind { Plain, Bold, Jump };
  Kind kind = Plain;
  std::string text;
  std::string target;  // jumps: context name of the target topic
};

struct Paragraph {
  int line = 0;
  std::vector<Span> spans;
};

struct Topic {
  int line = 0;
  std::string name;
  bool hasNumber = false;
  uint32_t number = 0;
  std::string title;
  std::vector<std::string> keywords;
  std::vector<Paragraph> paragraphs;
};

struct HelpSource {
  std::string title;
  std::string contents;  // context name; empty = first topic
  int contentsLine = 0;
  uint16_t lcid = 0x0409;
  uint8_t charset = 0;
  std::vector<Topic> topics;
};

struct SourceError {
  int line = 0;
  std::string message;
};

// Parses and checks the source: every jump and the contents topic name an
// existing topic, context names and numbers are unique, names use only the
// characters the context hash covers. Stops at the first error.
bool ParseHelpSource(const std::string& text, HelpSource& out, SourceError& error);

// ASCII letters folded to lower case, as context names and keywords compare.
std::string FoldCase(std::string s);

// Index of the topic with this context name (compared as the hash does,
// without regard to case), or -1.
int FindTopic(const HelpSource& src, const std::string& name);

}  // namespace hlp
