#pragma once
// Circular singly linked list with a built-in cursor. Iterate with Reset() and then exactly
// GetCount() calls of GetNext(); inserts and Find move the cursor, so one caller at a time.

#include <cstdint>
#include <type_traits>

template <class T>
class List {
 public:
  List() = default;
  // Copies go element by element in the classes built on a list, never by accident.
  List(const List&) = delete;
  List& operator=(const List&) = delete;
  virtual ~List() { List::RemoveAll(); }

  virtual void AddHead(const T& value) {
    ResetIfEmpty();
    Node* node = new Node{value, nullptr};
    if (tail == nullptr) {
      node->next = node;
      tail = node;
    } else {
      node->next = tail->next;
      tail->next = node;
    }
    ++count;
    cursor = tail->next;
  }

  virtual void Append(const T& value) {
    // Not through the virtual AddHead: a derived insert forwarding here must not loop back.
    if (ResetIfEmpty()) {
      List::AddHead(value);
      return;
    }
    Node* node = new Node{value, tail->next};
    tail->next = node;
    tail = node;
    ++count;
    cursor = tail->next;
  }

  // On a match the cursor stays on the matching node; otherwise it is put on the first.
  virtual bool Find(const T& value) {
    if (ResetIfEmpty()) return false;
    Node* node = tail->next;
    for (int32_t i = 0; i < count; ++i, node = node->next) {
      if (node->value == value) {
        cursor = node;
        return true;
      }
    }
    cursor = tail->next;
    return false;
  }

  bool ResetIfEmpty() {
    if (count != 0) return false;
    tail = nullptr;
    cursor = nullptr;
    return true;
  }

  void Reset() { cursor = ResetIfEmpty() ? nullptr : tail->next; }

  // Behind the tail comes one empty value, then the first element again.
  T GetNext() {
    if (ResetIfEmpty()) return T{};
    if (cursor == nullptr) {
      cursor = tail->next;
      return T{};
    }
    Node* node = cursor;
    cursor = (node == tail) ? nullptr : node->next;
    return node->value;
  }

  // Virtual, like the inserts, so that a derived list keeps what it holds beside the nodes
  // right whichever static type the caller uses.
  virtual void RemoveAll() {
    Node* node = tail ? tail->next : nullptr;
    for (int32_t i = 0; i < count; ++i) {
      Node* next = node->next;
      delete node;
      node = next;
    }
    tail = nullptr;
    cursor = nullptr;
    count = 0;
  }

  int32_t GetCount() const { return count; }

  // Pointer lists only; the pointed-to objects belong to their owners.
  void Remove(const T& value)
    requires std::is_pointer_v<T>
  {
    if (ResetIfEmpty()) return;
    Node* prev = tail;
    for (int32_t i = 0; i < count; ++i, prev = prev->next) {
      if (prev->next->value == value) {
        Unlink(prev);
        return;
      }
    }
  }

  T RemoveHead()
    requires std::is_pointer_v<T>
  {
    if (ResetIfEmpty()) return nullptr;
    T value = tail->next->value;
    Unlink(tail);
    return value;
  }

 protected:
  struct Node {
    T value;
    Node* next;
  };

  // Visits the values in order without touching the cursor; values appended meanwhile are not
  // visited, so a list may be appended to itself.
  template <class F>
  void ForEach(F&& visit) const {
    const int32_t n = count;
    const Node* node = tail ? tail->next : nullptr;
    for (int32_t i = 0; i < n; ++i, node = node->next) visit(node->value);
  }

  Node* tail = nullptr;
  Node* cursor = nullptr;
  int32_t count = 0;

 private:
  // Frees the node behind prev. A cursor on it moves on to where GetNext would have gone.
  void Unlink(Node* prev) {
    Node* node = prev->next;
    if (cursor == node) cursor = (node == tail) ? nullptr : node->next;
    if (node == prev) {
      tail = nullptr;
      cursor = nullptr;
    } else {
      prev->next = node->next;
      if (node == tail) tail = prev;
    }
    delete node;
    --count;
  }
};

// Refuses a value that Find already reports; in a non-empty list new values go to the end.
template <class T>
class UniqueList : public List<T> {
 public:
  void AddHead(const T& value) override { InsertUnique(value); }
  void Append(const T& value) override { InsertUnique(value); }

  virtual void InsertUnique(const T& value) {
    if (this->ResetIfEmpty()) {
      List<T>::AddHead(value);
    } else if (!this->Find(value)) {
      List<T>::Append(value);
    }
  }
};
