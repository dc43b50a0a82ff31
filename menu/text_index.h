#pragma once
// An index from texts to node numbers for the menu tree: an open-addressing
// table of (hash, node) pairs in one array. It holds no texts itself; the
// caller says what text a node has. With hundreds of thousands of nodes this
// keeps the group search to about one memory access, where a node-based map
// would chase several pointers per lookup.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace pandor {

class TextIndex {
 public:
  // TextOf: callable int node -> std::string_view.
  template <typename TextOf>
  int Find(std::string_view text, const TextOf& textOf) const {
    if (slots_.empty()) return -1;
    const uint32_t hash = Hash(text);
    for (size_t i = hash & Mask();; i = (i + 1) & Mask()) {
      const Slot& slot = slots_[i];
      if (slot.node < 0) return -1;
      if (slot.hash == hash && textOf(slot.node) == text) return slot.node;
    }
  }

  // Adds the node under its text, or, when the text is there already, asks
  // keepNew(existing) whether the new node takes the place.
  template <typename TextOf, typename KeepNew>
  void Add(int node, const TextOf& textOf, const KeepNew& keepNew) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    const std::string_view text = textOf(node);
    const uint32_t hash = Hash(text);
    for (size_t i = hash & Mask();; i = (i + 1) & Mask()) {
      Slot& slot = slots_[i];
      if (slot.node < 0) {
        slot = Slot{hash, node};
        ++used_;
        return;
      }
      if (slot.hash == hash && textOf(slot.node) == text) {
        if (keepNew(slot.node)) slot.node = node;
        return;
      }
    }
  }

  void Reserve(size_t texts);
  void Clear() {
    slots_.clear();
    used_ = 0;
  }

 private:
  struct Slot {
    uint32_t hash = 0;
    int node = -1;
  };

  static uint32_t Hash(std::string_view text) { return static_cast<uint32_t>(std::hash<std::string_view>()(text)); }
  size_t Mask() const { return slots_.size() - 1; }
  void Grow();
  void Rehash(size_t slotCount);

  std::vector<Slot> slots_;
  size_t used_ = 0;
};

}  // namespace pandor
