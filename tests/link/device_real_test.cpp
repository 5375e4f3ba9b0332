#include <cmath>

#include <gtest/gtest.h>

#include "model/device_real.h"

using namespace nastrum;

namespace {

QByteArray hex(const DeviceRealBytes& b) { return DeviceRealToByteArray(b).toHex(' ').toUpper(); }

struct EncodeCase {
  double value;
  const char* bytes;
};

}  // namespace

TEST(DeviceReal, EncodesByTruncation) {
  const EncodeCase cases[] = {
      {1.0, "81 40 00 00"},      {-1.0, "81 C0 00 00"},         {0.5, "80 40 00 00"},
      {3.0, "82 60 00 00"},      {100.0, "87 64 00 00"},        {735.0, "8A 5B E0 00"},
      {0.1, "7D 66 66 66"},      {0.0, "80 00 00 00"},          {-0.0, "80 00 00 00"},
      {1e-40, "80 00 00 00"},    {-5000000000.0, "FF FF FF FF"}, {DeviceRealLimit, "FF FF FF FF"},
      {-DeviceRealLimit, "FF FF FF FF"}, {INFINITY, "FF FF FF FF"}, {NAN, "80 00 00 00"},
      {std::ldexp(1.0, -127), "02 40 00 00"}, {std::ldexp(1.0, -128), "80 00 00 00"},
      {2147483392.0, "9F 7F FF FF"}, {2147483647.0, "9F 7F FF FF"},  // truncated, not rounded up
      {std::ldexp(1.0, 31), "A0 40 00 00"},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(EncodeDeviceReal(c.value)), QByteArray(c.bytes)) << c.value;
}

TEST(DeviceReal, Decodes) {
  struct DecodeCase {
    DeviceRealBytes bytes;
    double value;
  };
  const DecodeCase cases[] = {
      {{0x81, 0x40, 0x00, 0x00}, 1.0},
      {{0x81, 0xC0, 0x00, 0x00}, -1.0},
      {{0x8A, 0x5B, 0xE0, 0x00}, 735.0},
      {{0x7D, 0x66, 0x66, 0x66}, 0.0999999940395355224609375},
      {{0xFF, 0xFF, 0xFF, 0xFF}, DeviceRealLimit},
      {{0xA0, 0x00, 0x00, 0x00}, DeviceRealLimit},
      {{0xA0, 0xC0, 0x00, 0x00}, DeviceRealLimit},
      {{0x9F, 0x7F, 0xFF, 0xFF}, 2147483392.0},
      {{0x01, 0x40, 0x00, 0x00}, 0.0},
      {{0x02, 0x40, 0x00, 0x00}, std::ldexp(1.0, -127)},
      {{0x80, 0x00, 0x00, 0x00}, 0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeDeviceReal(c.bytes), c.value) << hex(c.bytes).toStdString();
  EXPECT_EQ(DeviceRealLimit, 4294966784.0);
  EXPECT_EQ(DeviceRealLimit, static_cast<double>(0xFFFFFE00u));
}

TEST(DeviceReal, RoundTripKeepsEveryValueTheMantissaCanHold) {
  for (double v : {1.0, -2.5, 65.0, 0.6, 1234.5678, -0.001, 16777215.0, 2147483392.0}) {
    const double back = DecodeDeviceReal(EncodeDeviceReal(v));
    EXPECT_LE(std::fabs(back), std::fabs(v)) << v;  // truncation towards zero
    EXPECT_LT(std::fabs(v - back), std::ldexp(std::fabs(v), -22)) << v;
    EXPECT_EQ(EncodeDeviceReal(back), EncodeDeviceReal(v)) << v;
  }
  // From 2^31 up the exponent byte is 160 and the device reads the limit.
  EXPECT_EQ(DecodeDeviceReal(EncodeDeviceReal(3e9)), DeviceRealLimit);
}

TEST(DeviceReal, DecodesShortByteArraysAsZeroPadded) {
  EXPECT_EQ(DecodeDeviceReal(QByteArray::fromHex("8140")), 1.0);
  EXPECT_EQ(DecodeDeviceReal(QByteArray()), 0.0);
}
