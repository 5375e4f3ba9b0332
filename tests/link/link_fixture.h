// A device link on a scripted line and a virtual clock, opened at 9600 baud
// (speed class 3) on a four-wire current loop unless a test says otherwise.
#pragma once

#include <gtest/gtest.h>

#include "link/link_layer.h"
#include "link/serial_port.h"
#include "scripted_line.h"

namespace nastrum::test {

class LinkFixture : public ::testing::Test {
 protected:
  void openPort(LineKind kind = LineKind::FourWire, int baudIndex = kDefaultBaudIndex, Channel channel = Channel::Main) {
    ASSERT_TRUE(port.OpenPort(QStringLiteral("/dev/test"), baudIndex, channel, kind));
    params.lineKind = kind;
  }
  void SetUp() override {
    link.settings().tryCount = 1;
    openPort();
  }
  ResultCode exchange(const QByteArray& request, int replyLength) {
    return link.Exchange(request, replyLength, reply, params);
  }

  VirtualClock clock;
  ScriptedLine line{clock};
  SerialPort port{line, clock};
  LinkLayer link{port};
  LinkParams params;
  QByteArray reply;
};

}  // namespace nastrum::test
