// Shows the sensor page alone, with one configured sensor, and saves a
// picture of it: for documentation and for checking the layout by eye
// (scripts/screenshot-sensor-page.sh).
//
//   nastrum-sensor-page-preview [--kind 1|2|3] [--example pressure|pulse|sum|table]
//                               [--out page.png]
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>

#include "descriptors/sensor_codes.h"
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

// A sensor as a service engineer would set it up: a supply-pressure sensor,
// or another family to look at.
void configure(nastrum::SensorPage& page, const QString& example) {
  using namespace nastrum;
  page.show(5);
  if (example == QLatin1String("pulse")) {
    page.chooseFamily(ChoosePulse);
    page.setName(QStringLiteral("Расход подпитки"));
    return;
  }
  if (example == QLatin1String("sum")) {
    page.chooseFamily(ChooseConditional);
    page.setTermPresent(0, true);
    page.setTermNumber(0, QStringLiteral("3"));
    page.setTermPresent(1, true);
    page.setTermNegative(1, true);
    page.setTermNumber(1, QStringLiteral("4"));
    return;
  }
  if (example == QLatin1String("table")) {
    page.chooseFamily(ChooseConditional);
    page.chooseConversion(TableFunction);
    return;
  }
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
  options.addOption({QStringLiteral("example"), QStringLiteral("pressure, pulse, sum or table."),
                     QStringLiteral("name"), QStringLiteral("pressure")});
  options.process(app);

  nastrum::Workspace workspace;
  nastrum::ResetImage(workspace.image, workspace.editor);
  workspace.image.deviceKind = options.value(QStringLiteral("kind")).toInt();
  if (!nastrum::isValidDeviceKind(workspace.image.deviceKind)) workspace.image.deviceKind = nastrum::toWord(nastrum::DeviceKind::Expandable);
  SilentPresenter presenter;
  nastrum::SensorPageWidget page(workspace, presenter, QChar(u','), nullptr);
  configure(page.page(), options.value(QStringLiteral("example")));
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
