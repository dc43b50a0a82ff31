#include "menu/text_index.h"

namespace pandor {

void TextIndex::Reserve(size_t texts) {
  size_t slotCount = 16;
  while (slotCount < 2 * texts) slotCount *= 2;
  if (slotCount > slots_.size()) Rehash(slotCount);
}

void TextIndex::Grow() { Rehash(slots_.empty() ? 16 : 2 * slots_.size()); }

void TextIndex::Rehash(size_t slotCount) {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(slotCount, Slot{});
  for (const Slot& slot : old) {
    if (slot.node < 0) continue;
    size_t i = slot.hash & Mask();
    while (slots_[i].node >= 0) i = (i + 1) & Mask();
    slots_[i] = slot;
  }
}

}  // namespace pandor
