// Takes the pictures of the README tour: the program's own windows, driven
// as a user would, with the demonstration device on an in-process line.
//
//   nastrum-screenshots --out DIR
//
// Writes DIR/main-window.png, DIR/exchange-read.png, one picture per editor
// and view tab, DIR/compare.png, DIR/error-window.png, DIR/map.png (when a map window opens)
// and DIR/help.png, and lists what it wrote. Every message box is answered
// without being shown: "ОК", or "Нет" to a question, so nothing is changed
// or saved.
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QProgressBar>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

#include <deque>

#include "app/help/help_desk.h"
#include "app/help/help_window.h"
#include "app/actions/compare_action.h"
#include "app/nastrum_application.h"
#include "app/russian_language.h"
#include "check/ui/check_windows.h"
#include "check/ui/error_window.h"
#include "compare/ui/compare_window.h"
#include "editor/ui/base_form.h"
#include "editor/ui/file_dialogs.h"
#include "link/clock.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"
#include "model/message_presenter.h"
#include "sim/demo_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum {
namespace {

class QuietPresenter final : public MessagePresenter {
 public:
  int present(const MessageBoxSpec& box) override { return box.buttons == MessageButtons::Ok ? AnswerOk : AnswerNo; }
};

class NoFileDialogs final : public FileDialogs {
 public:
  std::optional<QString> openSettingsPath() override { return std::nullopt; }
  std::optional<QString> saveSettingsPath(const QString&) override { return std::nullopt; }
};

class Tour {
 public:
  explicit Tour(const QString& outDir) : out_(outDir) {
    sim::DeviceConfig config;
    config.modelCode = 2;
    config.password = 0;
    device_.emplace_back(config, sim::demoPlantImage(), simClock_);
    port_.emplace_back(device_.back());
    line_.attach(port_.back());
    program_.exchangeWindow().settings().attempts = 1;
  }

  void run() {
    Tbase_form& form = program_.mainWindow();
    program_.show();
    save(form, QStringLiteral("main-window"));

    readFromDevice();

    action("nastroiki")->trigger();
    QTabWidget* editor = form.editorPages();
    for (int i = 0; i < editor->count(); ++i) {
      if (!editor->isTabVisible(i)) continue;
      editor->setCurrentIndex(i);
      const QString name = editor->widget(i)->objectName();
      if (editor->widget(i)->isAncestorOf(form.pipelinePages())) {
        for (int j = 0; j < form.pipelinePages()->count(); ++j) {
          form.pipelinePages()->setCurrentIndex(j);
          save(form, form.pipelinePages()->widget(j)->objectName());
        }
        continue;
      }
      save(form, name);
    }

    action("prosmotr")->trigger();
    QTabWidget* view = form.viewPages();
    for (int i = 0; i < view->count(); ++i) {
      if (!view->isTabVisible(i)) continue;
      view->setCurrentIndex(i);
      save(form, view->widget(i)->objectName());
    }

    showComparison();
    showMap();
    showErrors();

    program_.help().showContents();
    if (program_.help().window()) save(*program_.help().window(), QStringLiteral("help"));
  }

 private:
  QAction* action(const char* name) { return program_.mainWindow().findChild<QAction*>(QString::fromLatin1(name)); }

  void save(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(out_).filePath(name + QStringLiteral(".png"));
    if (widget.grab().save(path)) QTextStream(stdout) << path << Qt::endl;
    else QTextStream(stderr) << "cannot write " << path << Qt::endl;
  }

  // "Чтение с ОРВИК", pictured when a third of the constants has come.
  void readFromDevice() {
    ExchangeWindow& exchange = program_.exchangeWindow();
    auto* watch = new QTimer(&exchange);
    QObject::connect(watch, &QTimer::timeout, &exchange, [this, watch, &exchange] {
      const auto* progress = exchange.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
      if (progress && progress->maximum() > 0 && progress->value() * 3 >= progress->maximum()) {
        watch->stop();
        save(exchange, QStringLiteral("exchange-read"));
      }
    });
    QTimer::singleShot(0, &exchange, [watch, &exchange] {
      watch->start(0);
      exchange.start();
      watch->stop();
      exchange.close();
    });
    action("readAction")->trigger();
  }

  // Two settings changed since the read, compared with the device.
  void showComparison() {
    Workspace& ws = program_.workspace();
    ws.image.sensors[1].maxValue = 120;
    ws.image.pipelines[3].pipeDiameter = 65;
    program_.mainWindow().imageModified();
    action("compareAction")->trigger();
    CompareWindow& window = program_.compare().window();
    ExchangeWindow& exchange = program_.exchangeWindow();
    QTimer::singleShot(0, &exchange, [&exchange] {
      exchange.start();
      exchange.close();
    });
    window.compareWithDevice();
    save(window, QStringLiteral("compare"));
    window.close();
  }

  // The first map; its window, once there is one, is the window it opens.
  void showMap() {
    const QWidgetList before = QApplication::topLevelWidgets();
    action("mapAction1")->trigger();
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && !before.contains(w) ) {
        save(*w, QStringLiteral("map"));
        w->close();
        return;
      }
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && w != &program_.mainWindow() && w->objectName() == QLatin1String("Tmap_form")) {
        save(*w, QStringLiteral("map"));
        w->close();
        return;
      }
    }
    QTextStream(stderr) << "no map window opened: map.png not taken" << Qt::endl;
  }

  // A pipeline's flow sensor pointed at a temperature sensor: "Проверка" finds it.
  void showErrors() {
    Workspace& ws = program_.workspace();
    ws.image.pipelines[1].flowSensors = 0x0001;
    program_.mainWindow().imageModified();
    action("proverka")->trigger();
    ErrorWindow& errors = program_.checkWindows().errorWindow();
    if (errors.isVisible()) save(errors, QStringLiteral("error-window"));
    else QTextStream(stderr) << "the check found no error: error-window.png not taken" << Qt::endl;
    program_.checkWindows().prompt().hide();
  }

  QString out_;
  VirtualClock simClock_;
  sim::SimSerialLine line_{simClock_};
  std::deque<sim::SimulatedDevice> device_;
  std::deque<sim::DevicePort> port_;
  QuietPresenter boxes_;
  NoFileDialogs files_;
  SystemClock clock_;
  NastrumApplication program_{ApplicationParts{
      boxes_, files_, clock_, [this] { return std::make_unique<LinkDeviceSession>(line_, simClock_); }}};
};

}  // namespace
}  // namespace nastrum

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  nastrum::installRussian(app);
  QCommandLineParser options;
  options.addHelpOption();
  options.addOption({QStringLiteral("out"), QStringLiteral("Folder for the pictures."), QStringLiteral("dir"),
                     QStringLiteral("docs/tour")});
  options.process(app);
  const QString out = options.value(QStringLiteral("out"));
  if (!QDir().mkpath(out)) {
    QTextStream(stderr) << "cannot create " << out << Qt::endl;
    return 1;
  }
  nastrum::Tour tour(out);
  QTimer::singleShot(0, &app, [&] {
    tour.run();
    app.quit();
  });
  return app.exec();
}
