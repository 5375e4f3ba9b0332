// Little-endian readers and writers over a byte buffer, for the fixed records
// of the settings files.
#pragma once

#include <cstdint>
#include <cstring>

#include <QByteArray>

namespace nastrum {

class ByteWriter {
 public:
  explicit ByteWriter(int reserve = 0) { bytes_.reserve(reserve); }

  void u8(std::uint8_t v) { bytes_.append(static_cast<char>(v)); }
  void i32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) u8(static_cast<std::uint8_t>(u >> (8 * i)));
  }
  void f64(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, sizeof u);
    for (int i = 0; i < 8; ++i) u8(static_cast<std::uint8_t>(u >> (8 * i)));
  }
  void raw(const void* data, int size) { bytes_.append(static_cast<const char*>(data), size); }

  int size() const { return static_cast<int>(bytes_.size()); }
  const QByteArray& bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

// Reads past the end yield zeros; callers check the record size first.
class ByteReader {
 public:
  explicit ByteReader(const QByteArray& bytes) : bytes_(bytes) {}

  std::uint8_t u8() {
    // at() reads without detaching the shared copy (operator[] would copy it).
    const std::uint8_t v = pos_ < bytes_.size() ? static_cast<std::uint8_t>(bytes_.at(pos_)) : 0;
    ++pos_;
    return v;
  }
  std::int32_t i32() {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(u8()) << (8 * i);
    return static_cast<std::int32_t>(u);
  }
  double f64() {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(u8()) << (8 * i);
    double v;
    std::memcpy(&v, &u, sizeof v);
    return v;
  }
  void raw(void* out, int size) {
    auto* p = static_cast<std::uint8_t*>(out);
    for (int i = 0; i < size; ++i) p[i] = u8();
  }

  int position() const { return static_cast<int>(pos_); }

 private:
  QByteArray bytes_;  // implicitly shared, so the copy is cheap
  qsizetype pos_ = 0;
};

}  // namespace nastrum
