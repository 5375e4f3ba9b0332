// Takes a fuzzer's bytes apart: small choices from the front, the rest as data.
#pragma once

#include <cstddef>
#include <cstdint>

#include <QByteArray>

namespace nastrum::fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // The next byte, or 0 when none is left.
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // Up to `count` further bytes.
  QByteArray take(std::size_t count) {
    const std::size_t n = count < size_ - pos_ ? count : size_ - pos_;
    QByteArray out(reinterpret_cast<const char*>(data_ + pos_), static_cast<qsizetype>(n));
    pos_ += n;
    return out;
  }
  QByteArray rest() { return take(size_ - pos_); }
  bool empty() const { return pos_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace nastrum::fuzz
