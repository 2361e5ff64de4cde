// ObjectList: an intrusive doubly linked list that owns its elements. Each
// element carries its own links; clearing the list destroys every element
// through its virtual destructor.
#pragma once

class ObjectList;

class ListElement {
 public:
  ListElement() = default;
  virtual ~ListElement() = default;
  ListElement(const ListElement&) = delete;
  ListElement& operator=(const ListElement&) = delete;

  ListElement* Previous() const { return previous_; }
  ListElement* Next() const { return next_; }

 private:
  friend class ObjectList;
  ListElement* previous_ = nullptr;
  ListElement* next_ = nullptr;
  const ObjectList* list_ = nullptr;  // the list that owns it, if any
};

class ObjectList {
 public:
  ObjectList() = default;
  ~ObjectList() { Clear(); }
  ObjectList(const ObjectList&) = delete;
  ObjectList& operator=(const ObjectList&) = delete;

  // Takes ownership of element at the end. Refuses (false, nothing changes)
  // a null element or one that already belongs to a list.
  bool Append(ListElement* element);
  // The element at index, walking from the first; null when out of range.
  ListElement* At(int index) const;
  int Count() const { return count_; }
  ListElement* First() const { return first_; }
  ListElement* Last() const { return last_; }
  static ListElement* Previous(const ListElement* element) {
    return element ? element->previous_ : nullptr;
  }
  static ListElement* Next(const ListElement* element) {
    return element ? element->next_ : nullptr;
  }
  // Destroys every element, first to last, and leaves the list empty.
  void Clear();

 private:
  ListElement* first_ = nullptr;
  ListElement* last_ = nullptr;
  int count_ = 0;
};
