// nastrum-cli: settings files from the command line.
#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include "app/cli/cli_commands.h"
#include "app/cli/cli_dispatch.h"

namespace {

// "map" measures text for its PDF and OpenDocument output, which needs the
// font database of a GUI application; headless, on the offscreen platform.
// The other commands start faster without it.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
  if (argc > 1 && qstrcmp(argv[1], "map") == 0) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
  }
  return std::make_unique<QCoreApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
  QCoreApplication& app = *application;
  QTextStream out(stdout);
  QTextStream err(stderr);
  out.setEncoding(QStringConverter::Utf8);
  err.setEncoding(QStringConverter::Utf8);
  nastrum::cli::CliIo io{out, err};
  const int code = nastrum::cli::runCli(app.arguments().mid(1), io, nastrum::cli::cliCommands());
  out.flush();
  err.flush();
  return code;
}
