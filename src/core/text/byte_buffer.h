#pragma once
// A growing run of bytes kept with malloc/realloc. For the large buffers of
// streaming readers: glibc moves a large block by remapping its pages, so
// growing a gigabyte-long run costs no second copy of it in memory, where a
// std::string holds the old and the new block at once while it copies.
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>

namespace markloom {

class ByteBuffer {
 public:
  ByteBuffer() = default;
  ~ByteBuffer() { std::free(data_); }
  ByteBuffer(const ByteBuffer&) = delete;
  ByteBuffer& operator=(const ByteBuffer&) = delete;

  void append(std::string_view bytes) {
    if (bytes.empty()) return;
    reserveFor(bytes.size());
    std::memcpy(data_ + size_, bytes.data(), bytes.size());
    size_ += bytes.size();
  }
  void push_back(char c) { append(std::string_view(&c, 1)); }
  void clear() { size_ = 0; }
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  operator std::string_view() const { return std::string_view(data_, size_); }

 private:
  void reserveFor(std::size_t more) {
    const std::size_t need = size_ + more;
    if (need <= capacity_) return;
    std::size_t grown = capacity_ + capacity_ / 2;
    if (grown < need) grown = need;
    if (grown < 64) grown = 64;
    void* moved = std::realloc(data_, grown);
    if (!moved) throw std::bad_alloc();
    data_ = static_cast<char*>(moved);
    capacity_ = grown;
  }

  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace markloom
