#pragma once

#include <sstream>
#include <streambuf>
#include <string>

namespace vuq::testing {

// A string buffer that counts flushes, to tell a line end from a bare line feed.
class CountingBuf : public std::stringbuf {
 public:
  int flushes = 0;

 protected:
  int sync() override {
    ++flushes;
    return std::stringbuf::sync();
  }
};

// Accepts the first `capacity` bytes, then fails every write, like a full disk.
class FullDiskBuf : public std::streambuf {
 public:
  explicit FullDiskBuf(std::size_t capacity) : capacity_(capacity) {}
  std::string written;

 protected:
  int_type overflow(int_type ch) override {
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    if (written.size() >= capacity_) return traits_type::eof();
    written.push_back(traits_type::to_char_type(ch));
    return ch;
  }

 private:
  std::size_t capacity_;
};

// Yields `good` and then fails the next read with an error, as a broken disk does.
class FailingReadBuf : public std::streambuf {
 public:
  explicit FailingReadBuf(std::string good) : good_(std::move(good)) {
    setg(good_.data(), good_.data(), good_.data() + good_.size());
  }
  int reads_after_failure = 0;

 protected:
  int_type underflow() override {
    ++reads_after_failure;
    throw std::ios_base::failure("read error");
  }

 private:
  std::string good_;
};

}  // namespace vuq::testing
