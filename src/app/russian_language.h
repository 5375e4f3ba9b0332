// The program speaks Russian everywhere: Qt's own windows (file, print and
// print preview windows, message box buttons) take Qt's Russian translations,
// and dates and numbers follow the Russian locale, whatever the system's
// language is.
#pragma once

class QCoreApplication;

namespace nastrum {

// False when Qt's Russian translations are not installed (the windows then
// keep Qt's English); the locale is Russian either way.
bool installRussian(QCoreApplication& app);

}  // namespace nastrum
