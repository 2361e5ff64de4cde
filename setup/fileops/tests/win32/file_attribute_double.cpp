// Test double of the version question (see file_attribute_double.h).
#include "file_attribute_double.h"

#include "base/path_buffer.h"

AttributeQuestion& TheAttributeQuestion() {
  static AttributeQuestion question;
  return question;
}

int AttributeQuestionDouble::Ask(HWND owner, const char* source, const VersionStamp& sourceStamp,
                                 PathBuffer& target, const VersionStamp& targetStamp) {
  AttributeQuestion& q = TheAttributeQuestion();
  ++q.calls;
  q.owner = owner;
  q.source = source ? source : "";
  q.sourceStamp = sourceStamp;
  q.target = target.Get();
  q.targetStamp = targetStamp;
  if (q.answer == kAttributeCopy && !q.typedTarget.empty()) target.Set(q.typedTarget.c_str());
  return q.answer;
}
