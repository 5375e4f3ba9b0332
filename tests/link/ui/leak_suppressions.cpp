// The discovered tests receive only the first of the helper's environment
// entries (QT_QPA_PLATFORM), so the leak suppressions for the libraries a
// QApplication loads are compiled in here.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libQt6Widgets\nleak:libglib\n";
}
