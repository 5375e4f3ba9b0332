// Shows the sensor page alone, with one configured sensor, and saves a
// picture of it: for documentation and for checking the layout by eye
// (scripts/screenshot-sensor-page.sh).
//
//   nastrum-sensor-page-preview [--kind 1|2|3] [--out page.png]
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include "editor/descriptors/sensor_codes.h"
#include "editor/pages/sensors/ui/sensor_page_widget.h"
#include "model/message_presenter.h"
#include "model/reset_image.h"

namespace {

// Answers every box with its first button: the preview asks nothing.
class SilentPresenter final : public nastrum::MessagePresenter {
 public:
  int present(const nastrum::MessageBoxSpec& box) override {
    return box.buttons == nastrum::MessageButtons::Ok ? nastrum::AnswerOk : nastrum::AnswerYes;
  }
};

// A supply-pressure sensor as a service engineer would set it up.
void configure(nastrum::SensorPage& page) {
  using namespace nastrum;
  page.show(5);
  page.chooseFamily(ChooseAnalog);
  page.chooseQuantity(Pressure);
  page.choosePressureKind(1);
  page.choosePressureUnit(8);
  page.chooseSignal(3);
  page.setReal(SensorReal::Const1, QStringLiteral("1,6"));
  page.setReal(SensorReal::MaxValue, QStringLiteral("1,6"));
  page.setReal(SensorReal::SubstOnFault, QStringLiteral("0,6"));
  page.setName(QStringLiteral("Давление подачи"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser options;
  options.addHelpOption();
  options.addOption({QStringLiteral("kind"), QStringLiteral("Device kind 1, 2 or 3."), QStringLiteral("kind"),
                     QStringLiteral("2")});
  options.addOption({QStringLiteral("out"), QStringLiteral("Picture to write (PNG)."), QStringLiteral("file"),
                     QStringLiteral("sensor-page.png")});
  options.process(app);

  nastrum::Workspace workspace;
  nastrum::ResetImage(workspace.image, workspace.editor);
  workspace.image.deviceKind = options.value(QStringLiteral("kind")).toInt();
  if (!nastrum::isValidDeviceKind(workspace.image.deviceKind)) workspace.image.deviceKind = 2;
  workspace.editor.fileOpen = true;
  SilentPresenter presenter;
  nastrum::SensorPageWidget page(workspace, presenter, QChar(u','), nullptr);
  configure(page.page());
  page.showCurrent();
  page.resize(1100, 760);
  page.setWindowTitle(QStringLiteral("Датчики"));
  page.show();

  const QString out = options.value(QStringLiteral("out"));
  bool saved = false;
  QTimer::singleShot(300, &app, [&] {
    saved = page.grab().save(out);
    app.quit();
  });
  app.exec();
  return saved ? 0 : 1;
}
