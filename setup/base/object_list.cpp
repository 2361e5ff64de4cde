#include "base/object_list.h"

bool ObjectList::Append(ListElement* element) {
  if (!element || element->list_) return false;
  element->list_ = this;
  element->previous_ = last_;
  element->next_ = nullptr;
  if (last_)
    last_->next_ = element;
  else
    first_ = element;
  last_ = element;
  ++count_;
  return true;
}

ListElement* ObjectList::At(int index) const {
  if (index < 0 || index >= count_) return nullptr;
  ListElement* element = first_;
  while (index-- > 0) element = element->next_;
  return element;
}

void ObjectList::Clear() {
  // Detach the chain first: an element's destructor may look at this list
  // (or clear lists of its own) and must find it consistent.
  ListElement* element = first_;
  first_ = last_ = nullptr;
  count_ = 0;
  while (element) {
    ListElement* next = element->next_;
    element->list_ = nullptr;
    element->previous_ = element->next_ = nullptr;
    delete element;
    element = next;
  }
}
