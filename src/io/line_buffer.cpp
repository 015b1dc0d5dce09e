#include "io/line_buffer.h"

namespace vuq {

void LineBuffer::grow(std::size_t size) {
  std::size_t grown = capacity_ == 0 ? 256 : capacity_;
  while (grown < size) grown *= 2;
  // The old content is not needed: every line is composed afresh. It goes first, so that the
  // two are never held at once, and the buffer is empty should the allocation fail.
  storage_.reset();
  capacity_ = 0;
  storage_.reset(new char[grown]);
  capacity_ = grown;
}

}  // namespace vuq
