// The one QApplication of a widget test executable, made on first use (the
// tests run under the offscreen platform).
#pragma once

#include <QApplication>

namespace nastrum {

inline QApplication& widgetApplication() {
  static int argc = 1;
  static char name[] = "nastrum-widget-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);  // lives until the process ends
  return *app;
}

}  // namespace nastrum
