#include "editor/ui/base_form.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/page_parts.h"
#include "editor/ui/about_box.h"
#include "editor/ui/file_dialogs.h"
#include "editor/ui/privileged_login_dialog.h"
#include "editor/workflow/window_title.h"
#include "maps/map_catalogue.h"
#include "model/settings_files.h"

namespace nastrum {

namespace {

constexpr int kHintDisplayMs = 15000;
const QString kWriteHint = QStringLiteral("Запись в ОРВИК");

QAction* namedAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& key = {}) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  if (!key.isEmpty()) action->setShortcut(key);
  return action;
}

QWidget* namedPage(const QString& name) {
  auto* page = new QWidget;
  page->setObjectName(name);
  return page;
}

}  // namespace

Tbase_form::Tbase_form(Workspace& workspace, MessagePresenter& messages, FileDialogs& fileDialogs, QWidget* parent)
    : QMainWindow(parent),
      workspace_(workspace),
      messages_(messages),
      fileDialogs_(fileDialogs),
      flows_(workspace, messages, *this) {
  setObjectName(QStringLiteral("Tbase_form"));

  buildMenus();
  buildEditMenu();
  buildToolBar();
  buildCentralArea();
  buildStatusBar();
  buildPageShortcuts();

  loginDialog_ = new PrivilegedLoginDialog(workspace_, messages_, this);
  connect(loginDialog_, &PrivilegedLoginDialog::spyModeEntered, this, &Tbase_form::refresh);
  // "Сохранить" follows the modified flag, whoever changed it.
  connect(&flows_.document(), &SettingsDocument::modifiedChanged, this, [this] {
    if (!refreshing_) refresh();
  });
  aboutBox_ = new AboutBox(this);

  flows_.Start();
  setWriteAvailable(false);  // and refresh
}

Tbase_form::~Tbase_form() = default;

std::optional<QString> Tbase_form::chooseFileToOpen() { return fileDialogs_.openSettingsPath(); }

std::optional<QString> Tbase_form::chooseFileToSave(const QString& proposedPath) {
  return fileDialogs_.saveSettingsPath(proposedPath);
}

void Tbase_form::buildMenus() {
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&Файл"));
  fileMenu_->setObjectName(QStringLiteral("fileMenu"));
  newAction_ = namedAction(fileMenu_, QStringLiteral("newAction"), QStringLiteral("Новый "), QKeySequence(Qt::CTRL | Qt::Key_N));
  openAction_ = namedAction(fileMenu_, QStringLiteral("openAction"), QStringLiteral("Открыть "), QKeySequence(Qt::CTRL | Qt::Key_O));
  saveAction_ = namedAction(fileMenu_, QStringLiteral("saveAction"), QStringLiteral("Сохранить"), QKeySequence(Qt::Key_F2));
  saveAction_->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)});
  saveAsAction_ = namedAction(fileMenu_, QStringLiteral("saveAsAction"), QStringLiteral("Сохранить как ..."));
  fileMenu_->addSeparator();
  linkParamsAction_ = namedAction(fileMenu_, QStringLiteral("linkParamsAction"), QStringLiteral("Параметры обмена"));
  readAction_ = namedAction(fileMenu_, QStringLiteral("readAction"), QStringLiteral("Чтение с ОРВИК"));
  writeAction_ = namedAction(fileMenu_, QStringLiteral("writeAction"), QStringLiteral("Запись в ОРВИК"));
  compareAction_ = namedAction(fileMenu_, QStringLiteral("compareAction"), QStringLiteral("Сравнение настроек..."));
  networkAction_ = namedAction(fileMenu_, QStringLiteral("networkAction"), QStringLiteral("Сеть..."));
  closeSeparator_ = fileMenu_->addSeparator();
  closeSeparator_->setVisible(false);
  // The item stays hidden; F10 reaches it through its own shortcut below.
  closeAction_ = namedAction(fileMenu_, QStringLiteral("closeAction"), QStringLiteral("Закрыть файл"));
  closeAction_->setVisible(false);
  recentSeparator_ = fileMenu_->addSeparator();
  exitAction_ = namedAction(fileMenu_, QStringLiteral("exitAction"), QStringLiteral("Выход"), QKeySequence(Qt::ALT | Qt::Key_X));

  paramsMenu_ = menuBar()->addMenu(QStringLiteral("&Параметры"));
  paramsMenu_->setObjectName(QStringLiteral("paramsMenu"));
  setupAction_ = namedAction(paramsMenu_, QStringLiteral("nastroiki"), QStringLiteral("&Настройка"));
  viewAction_ = namedAction(paramsMenu_, QStringLiteral("prosmotr"), QStringLiteral("Просмотр"));
  checkAction_ = namedAction(paramsMenu_, QStringLiteral("proverka"), QStringLiteral("Проверка"), QKeySequence(Qt::CTRL | Qt::Key_V));
  checkAction_->setToolTip(QStringLiteral("проверка на логические ошибки"));
  checkAction_->setStatusTip(checkAction_->toolTip());
  paramsMenu_->setToolTipsVisible(true);  // the hint shows when the item is pointed at

  mapsMenu_ = menuBar()->addMenu(QStringLiteral("Карты программирования"));
  mapsMenu_->setObjectName(QStringLiteral("mapsMenu"));
  std::array<const MapRow*, kMapCount> menuOrder{};
  for (const MapRow& row : mapRows()) menuOrder[static_cast<std::size_t>(row.menuPosition)] = &row;
  for (const MapRow* row : menuOrder) {
    const int number = row->number;
    const auto i = static_cast<std::size_t>(number - 1);
    QAction* action = namedAction(mapsMenu_, QStringLiteral("mapAction%1").arg(number), QString::fromUtf8(row->menuCaption));
    action->setData(number);
    connect(action, &QAction::triggered, this, [this, number] {
      commitFocusedField();
      emit mapRequested(number);
    });
    mapActions_[i] = action;
  }

  helpMenu_ = menuBar()->addMenu(QStringLiteral("?"));
  helpMenu_->setObjectName(QStringLiteral("helpMenu"));
  QAction* help = namedAction(helpMenu_, QStringLiteral("helpAction"), QStringLiteral("Справка по программе Наструм ОРВИК"));
  QAction* contents = namedAction(helpMenu_, QStringLiteral("helpContentsAction"), QStringLiteral("Содержание..."));
  QAction* about = namedAction(helpMenu_, QStringLiteral("aboutAction"), QStringLiteral("О программе"));

  connect(newAction_, &QAction::triggered, this, [this] { run([this] { flows_.NewImage(); }); });
  connect(openAction_, &QAction::triggered, this, [this] { open([this] { flows_.OpenImage(); }); });
  connect(saveAction_, &QAction::triggered, this, [this] {
    run([this] { flows_.SaveImage(); });
    noteFileResult({});
  });
  connect(saveAsAction_, &QAction::triggered, this, [this] {
    run([this] { flows_.SaveImageAs(); });
    noteFileResult({});
  });
  connect(closeAction_, &QAction::triggered, this, [this] { run([this] { flows_.CloseImageAsked(); }); });
  connect(exitAction_, &QAction::triggered, this, &QWidget::close);
  connect(linkParamsAction_, &QAction::triggered, this, &Tbase_form::linkParamsRequested);
  connect(readAction_, &QAction::triggered, this, [this] {
    commitFocusedField();
    const bool go = flows_.AskSaveBeforeDeviceRead();
    refresh();
    if (go) emit readRequested();
  });
  connect(writeAction_, &QAction::triggered, this, [this] {
    commitFocusedField();
    emit writeRequested();
  });
  connect(compareAction_, &QAction::triggered, this, [this] {
    commitFocusedField();
    emit compareRequested();
  });
  connect(networkAction_, &QAction::triggered, this, &Tbase_form::networkRequested);
  connect(setupAction_, &QAction::triggered, this, [this] { run([this] { flows_.EnterSetup(); }); });
  connect(viewAction_, &QAction::triggered, this, [this] { run([this] { flows_.EnterView(); }); });
  connect(checkAction_, &QAction::triggered, this, [this] {
    QApplication::beep();
    run([this] { flows_.CheckSettings(); });
  });
  connect(help, &QAction::triggered, this, &Tbase_form::helpRequested);
  connect(contents, &QAction::triggered, this, &Tbase_form::helpContentsRequested);
  connect(about, &QAction::triggered, this, [this] { aboutBox_->exec(); });

  // The programming maps are what the program prints: Ctrl+P offers them.
  auto* printShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  printShortcut->setObjectName(QStringLiteral("printShortcut"));
  connect(printShortcut, &QShortcut::activated, this, [this] {
    if (!mapsMenu_->menuAction()->isVisible()) return;
    mapsMenu_->popup(mapToGlobal(menuBar()->actionGeometry(mapsMenu_->menuAction()).bottomLeft()));
  });

  closeShortcut_ = new QShortcut(QKeySequence(Qt::Key_F10), this);
  closeShortcut_->setObjectName(QStringLiteral("closeShortcut"));
  connect(closeShortcut_, &QShortcut::activated, closeAction_, &QAction::trigger);
}

void Tbase_form::buildEditMenu() {
  editMenu_ = new QMenu(QStringLiteral("&Правка"), this);
  editMenu_->setObjectName(QStringLiteral("editMenu"));
  menuBar()->insertMenu(paramsMenu_->menuAction(), editMenu_);
  undoAction_ = namedAction(editMenu_, QStringLiteral("undoAction"), QStringLiteral("Отменить"), QKeySequence::Undo);
  redoAction_ = namedAction(editMenu_, QStringLiteral("redoAction"), QStringLiteral("Повторить"));
  redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(undoAction_, &QAction::triggered, this, [this] { run([this] { flows_.document().undo(); }); });
  connect(redoAction_, &QAction::triggered, this, [this] { run([this] { flows_.document().redo(); }); });
  connect(&flows_.document(), &SettingsDocument::undoChanged, this, [this] {
    if (!refreshing_) refresh();
  });
}

QToolButton* Tbase_form::addToolButton(const QString& name, const QString& hint, QAction* target) {
  QAction* action = toolBar_->addAction(target->icon(), hint);
  action->setObjectName(name + QStringLiteral("_action"));
  connect(action, &QAction::triggered, target, &QAction::trigger);
  auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(action));
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setToolTipDuration(kHintDisplayMs);
  return button;
}

void Tbase_form::buildToolBar() {
  toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setMovable(false);
  toolBar_->toggleViewAction()->setVisible(false);

  QStyle* s = style();
  newAction_->setIcon(s->standardIcon(QStyle::SP_FileIcon));
  openAction_->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
  saveAction_->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
  linkParamsAction_->setIcon(s->standardIcon(QStyle::SP_ComputerIcon));
  readAction_->setIcon(s->standardIcon(QStyle::SP_ArrowDown));
  writeAction_->setIcon(s->standardIcon(QStyle::SP_ArrowUp));
  setupAction_->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
  viewAction_->setIcon(s->standardIcon(QStyle::SP_FileDialogContentsView));
  checkAction_->setIcon(s->standardIcon(QStyle::SP_DialogApplyButton));

  addToolButton(QStringLiteral("new_b"), QStringLiteral("Новый файл"), newAction_);
  addToolButton(QStringLiteral("open_b"), QStringLiteral("Открыть файл"), openAction_);
  saveButton_ = addToolButton(QStringLiteral("save_b"), QStringLiteral("Сохранить файл"), saveAction_);
  toolBar_->addSeparator();
  addToolButton(QStringLiteral("nastr_b"), QStringLiteral("Параметры обмена"), linkParamsAction_);
  addToolButton(QStringLiteral("read_b"), QStringLiteral("Чтение с ОРВИК"), readAction_);
  writeButton_ = addToolButton(QStringLiteral("zapis_b"), kWriteHint, writeAction_);
  toolBar_->addSeparator();
  setupButton_ = addToolButton(QStringLiteral("tool_b"), QStringLiteral("Настройки"), setupAction_);
  viewButton_ = addToolButton(QStringLiteral("prosmotr_b"), QStringLiteral("Просмотреть настройки"), viewAction_);
  checkButton_ = addToolButton(QStringLiteral("logik_b"), QStringLiteral("Проверка настроек"), checkAction_);
}

void Tbase_form::buildCentralArea() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("centralArea"));
  auto* layout = new QVBoxLayout(central);

  kindGroup_ = new QGroupBox(QStringLiteral("Укажите тип создаваемого файла или откажитесь"), central);
  kindGroup_->setObjectName(QStringLiteral("typeGroup"));
  auto* kindLayout = new QVBoxLayout(kindGroup_);
  const std::array<QString, 3> kindTexts = {QStringLiteral("Минимальный"), QStringLiteral("Расширяемый"),
                                            QStringLiteral("ОРВИК 9")};
  const std::array<QString, 3> kindNames = {QStringLiteral("radioMinimal"), QStringLiteral("radioExpandable"),
                                            QStringLiteral("radioLarge")};
  for (std::size_t i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(kindTexts[i], kindGroup_);
    radio->setObjectName(kindNames[i]);
    const Word kind = static_cast<Word>(i + 1);
    connect(radio, &QRadioButton::toggled, this, [this, kind](bool on) {
      if (on && !refreshing_) flows_.ChooseNewKind(kind);
    });
    kindLayout->addWidget(radio);
    kindRadios_[i] = radio;
  }
  auto* kindButtons = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("ОК"), kindGroup_);
  ok->setObjectName(QStringLiteral("typeOk"));
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), kindGroup_);
  cancel->setObjectName(QStringLiteral("typeCancel"));
  connect(ok, &QPushButton::clicked, this, [this] { run([this] { flows_.ConfirmNewKind(); }); });
  connect(cancel, &QPushButton::clicked, this, [this] { run([this] { flows_.CancelNewKind(); }); });
  kindButtons->addWidget(ok);
  kindButtons->addWidget(cancel);
  kindLayout->addLayout(kindButtons);
  layout->addWidget(kindGroup_, 0, Qt::AlignCenter);

  editorPages_ = new QTabWidget(central);
  editorPages_->setObjectName(QStringLiteral("editorPages"));
  pipelinePages_ = new QTabWidget;
  pipelinePages_->setObjectName(QStringLiteral("pipelinePages"));
  pipelinePages_->addTab(namedPage(QStringLiteral("pagePipelineDescription")), QStringLiteral("Описание трубопровода"));
  pipelinePages_->addTab(namedPage(QStringLiteral("pagePipelineSensors")), QStringLiteral("Подключенные датчики"));
  QWidget* pipelines = namedPage(QStringLiteral("pagePipelines"));
  (new QVBoxLayout(pipelines))->addWidget(pipelinePages_);
  // Tab order follows EditorPage.
  editorPages_->addTab(namedPage(QStringLiteral("pageSensors")), QStringLiteral("Датчики"));
  editorPages_->addTab(pipelines, QStringLiteral("Трубопроводы"));
  editorPages_->addTab(namedPage(QStringLiteral("pageArchives")), QStringLiteral("Архивы"));
  editorPages_->addTab(namedPage(QStringLiteral("pageSystem")), QStringLiteral("Системные параметры"));
  editorPages_->addTab(namedPage(QStringLiteral("pageRegulators")), QStringLiteral("Регуляторы"));
  editorPages_->addTab(namedPage(QStringLiteral("pageRegulatorsDesktop")), QStringLiteral("Регуляторы/Рабочий стол"));
  editorPages_->addTab(namedPage(QStringLiteral("pageTime")), QStringLiteral("Время"));
  layout->addWidget(editorPages_, 1);

  viewPages_ = new QTabWidget(central);
  viewPages_->setObjectName(QStringLiteral("viewPages"));
  // Tab order follows ViewPage.
  viewPages_->addTab(namedPage(QStringLiteral("viewSensors")), QStringLiteral("Датчики"));
  viewPages_->addTab(namedPage(QStringLiteral("viewPipelines")), QStringLiteral("Трубопроводы"));
  viewPages_->addTab(namedPage(QStringLiteral("viewArchives")), QStringLiteral("Архивы"));
  viewPages_->addTab(namedPage(QStringLiteral("viewSystem")), QStringLiteral("Системные параметры"));
  viewPages_->addTab(namedPage(QStringLiteral("viewRegulators")), QStringLiteral("Регуляторы"));
  layout->addWidget(viewPages_, 1);

  connect(editorPages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) flows_.setEditorPage(static_cast<EditorPage>(index));
  });
  connect(pipelinePages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) flows_.setPipelinePage(static_cast<PipelinePage>(index));
  });
  connect(viewPages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) flows_.setViewPage(static_cast<ViewPage>(index));
  });

  diag1_ = new QLineEdit(central);
  diag1_->setObjectName(QStringLiteral("diagEdit1"));
  diag2_ = new QLineEdit(central);
  diag2_->setObjectName(QStringLiteral("diagEdit2"));
  diagMemo_ = new QPlainTextEdit(central);
  diagMemo_->setObjectName(QStringLiteral("diagMemo"));
  diagMemo_->setMaximumHeight(60);
  layout->addWidget(diag1_);
  layout->addWidget(diag2_);
  layout->addWidget(diagMemo_);
  layout->addStretch();

  setCentralWidget(central);
}

void Tbase_form::buildStatusBar() {
  const auto field = [this](const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    statusBar()->addPermanentWidget(label);
    return label;
  };
  statusBar()->setObjectName(QStringLiteral("statusBar"));
  fileStatus_ = field("fileStatus");
  kindStatus_ = field("kindStatus");
  portStatus_ = field("portStatus");
  runStatus_ = field("runStatus");
}

void Tbase_form::setPortStatus(const QString& port) { portStatus_->setText(port); }

void Tbase_form::setRunStatus(const QString& result) { runStatus_->setText(result); }

void Tbase_form::buildPageShortcuts() {
  const auto shortcut = [this](const char* name, QKeyCombination key, int step) {
    auto* s = new QShortcut(QKeySequence(key), this);
    s->setObjectName(QLatin1String(name));
    connect(s, &QShortcut::activated, this, [this, step] { stepPage(step); });
  };
  shortcut("nextPageShortcut", Qt::CTRL | Qt::Key_PageDown, 1);
  shortcut("previousPageShortcut", Qt::CTRL | Qt::Key_PageUp, -1);
}

void Tbase_form::stepPage(int step) {
  // Every page of the set shown, as (outer tab, inner tab or -1).
  QList<std::pair<int, int>> pages;
  QTabWidget* outer = editorPages_->isVisible() ? editorPages_ : viewPages_->isVisible() ? viewPages_ : nullptr;
  if (!outer) return;
  for (int i = 0; i < outer->count(); ++i) {
    if (!outer->isTabVisible(i)) continue;
    if (outer == editorPages_ && outer->widget(i)->isAncestorOf(pipelinePages_)) {
      for (int j = 0; j < pipelinePages_->count(); ++j) pages.append({i, j});
    } else {
      pages.append({i, -1});
    }
  }
  const bool inPipelines = outer == editorPages_ && outer->currentWidget()->isAncestorOf(pipelinePages_);
  const auto current = pages.indexOf(std::pair{outer->currentIndex(), inPipelines ? pipelinePages_->currentIndex() : -1});
  if (current < 0 || pages.isEmpty()) return;
  const auto next = pages[(current + step + pages.size()) % pages.size()];
  commitFocusedField();
  if (next.second >= 0) pipelinePages_->setCurrentIndex(next.second);
  outer->setCurrentIndex(next.first);
}

QSize Tbase_form::roomySize() const {
  const QMargins margins = centralWidget()->layout()->contentsMargins();
  const QSize pages = editorPages_->sizeHint().expandedTo(viewPages_->minimumSizeHint());
  const int width = std::max({pages.width() + margins.left() + margins.right(), menuBar()->sizeHint().width(),
                              toolBar_->sizeHint().width()});
  const int height = pages.height() + margins.top() + margins.bottom() + menuBar()->sizeHint().height() +
                     toolBar_->sizeHint().height() + statusBar()->sizeHint().height();
  return {width, height};
}

template <typename Open>
void Tbase_form::open(Open openFlow) {
  run(openFlow);
  // The diagnostic field shows where the names of the last open came from.
  if (flows_.lastOpenAttempt()) {
    diag1_->setText(namesPathFor(workspace_.file.fileName()));
    noteFileResult(workspace_.file.fileName());
  }
}

void Tbase_form::noteFileResult(const QString& tried) {
  const DocumentFile& file = workspace_.file;
  if (file.isOpen() && !file.isUnnamedNew() && !file.isModified())
    recent_.add(QDir::toNativeSeparators(file.fileName()));
  else if (!tried.isEmpty() && !file.isOpen())
    recent_.remove(tried);
  else
    return;
  rebuildRecentMenu();
  emit recentFilesChanged();
}

void Tbase_form::setRecentFiles(const QStringList& paths) {
  recent_ = RecentFiles(paths);
  rebuildRecentMenu();
}

void Tbase_form::rebuildRecentMenu() {
  qDeleteAll(recentActions_);
  recentActions_.clear();
  int number = 0;
  for (const QString& path : recent_.paths()) {
    ++number;
    auto* action = new QAction(QStringLiteral("&%1 %2").arg(number).arg(path), fileMenu_);
    action->setObjectName(QStringLiteral("recentFile%1").arg(number));
    action->setData(path);
    connect(action, &QAction::triggered, this, [this, path] { openFile(path); });
    fileMenu_->insertAction(recentSeparator_, action);
    recentActions_ << action;
  }
  // One separator between the file items and the list, none without it.
  if (!recentActions_.isEmpty()) {
    auto* separator = new QAction(fileMenu_);
    separator->setSeparator(true);
    fileMenu_->insertAction(recentActions_.first(), separator);
    recentActions_.prepend(separator);
  }
}

void Tbase_form::openFile(const QString& path) {
  open([this, &path] { flows_.OpenImage(path); });
}

bool Tbase_form::hostPage(QTabWidget* tabs, int index, QWidget* page, PageFit fit) {
  QWidget* placeholder = tabs->widget(index);
  if (!page) return false;
  if (!placeholder) {
    delete page;
    return false;
  }
  auto* layout = qobject_cast<QVBoxLayout*>(placeholder->layout());
  if (!layout) {
    layout = new QVBoxLayout(placeholder);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  if (placeholder->isAncestorOf(page)) return true;  // already there
  while (QLayoutItem* item = layout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  if (fit == PageFit::Scrolled) {
    QScrollArea* scroll = wholePageScrollArea(placeholder);
    scroll->setWidget(page);
    layout->addWidget(scroll);
  } else {
    layout->addWidget(page);
  }
  return true;
}

bool Tbase_form::installPage(EditorPage where, QWidget* page) {
  Q_ASSERT_X(where != EditorPage::Pipelines, "Tbase_form::installPage", "install into a PipelinePage");
  if (where == EditorPage::Pipelines) {
    delete page;
    return false;
  }
  return hostPage(editorPages_, static_cast<int>(where), page, PageFit::Scrolled);
}

bool Tbase_form::installPage(PipelinePage where, QWidget* page) {
  return hostPage(pipelinePages_, static_cast<int>(where), page, PageFit::Scrolled);
}

bool Tbase_form::installPage(ViewPage where, QWidget* page) {
  return hostPage(viewPages_, static_cast<int>(where), page, PageFit::AsIs);
}

void Tbase_form::refresh() {
  refreshing_ = true;
  const MainLayout l = flows_.layout();
  const MainWindowState& state = flows_.state();

  setWindowTitle(state.title);
  fileStatus_->setText(workspace_.file.isOpen() ? QDir::toNativeSeparators(workspace_.file.fileName())
                                                  : QString());
  kindStatus_->setText(workspace_.file.isOpen() ? kindName(workspace_.image.deviceKind) : QString());

  fileMenu_->menuAction()->setVisible(l.fileMenuVisible);
  helpMenu_->menuAction()->setVisible(l.helpMenuVisible);
  paramsMenu_->menuAction()->setVisible(l.paramsMenuVisible);
  // Undo works on an image being edited, not while "Новый" asks for a kind.
  const bool editing = workspace_.file.isOpen() && !state.choosingKind;
  editMenu_->menuAction()->setVisible(l.paramsMenuVisible);
  undoAction_->setEnabled(editing && flows_.document().canUndo());
  redoAction_->setEnabled(editing && flows_.document().canRedo());
  mapsMenu_->menuAction()->setVisible(l.mapsMenuVisible);
  toolBar_->setVisible(l.toolBarVisible);

  saveAction_->setVisible(l.saveVisible);
  saveAction_->setEnabled(l.saveEnabled);
  saveButton_->setEnabled(l.saveEnabled);
  saveAsAction_->setEnabled(l.saveAsEnabled);
  closeAction_->setEnabled(l.closeEnabled);
  closeShortcut_->setEnabled(l.closeEnabled);
  readAction_->setEnabled(l.readEnabled);
  compareAction_->setEnabled(l.saveAsEnabled);  // an image is loaded
  writeAction_->setEnabled(l.writeEnabled && writeAvailable_);
  writeButton_->setEnabled(l.writeEnabled && writeAvailable_);

  for (QAction* action : toolBar_->actions()) {
    QWidget* w = toolBar_->widgetForAction(action);
    if (w == setupButton_ || w == viewButton_ || w == checkButton_) action->setVisible(l.modeButtonsVisible);
  }
  setupAction_->setEnabled(l.setupEnabled);
  setupButton_->setEnabled(l.setupEnabled);

  for (std::size_t i = 0; i < mapActions_.size(); ++i) mapActions_[i]->setVisible(l.mapItemVisible[i]);

  kindGroup_->setVisible(l.kindGroupVisible);
  if (l.kindGroupVisible) {
    const auto index = static_cast<std::size_t>(state.kindChoice - 1);
    if (index < kindRadios_.size()) kindRadios_[index]->setChecked(true);
  }

  editorPages_->setTabVisible(static_cast<int>(EditorPage::Regulators), l.regulatorPageVisible);
  editorPages_->setTabVisible(static_cast<int>(EditorPage::RegulatorsDesktop), l.regulatorDesktopPageVisible);
  viewPages_->setTabVisible(static_cast<int>(ViewPage::Regulators), l.viewRegulatorPageVisible);
  editorPages_->setCurrentIndex(static_cast<int>(state.editorPage));
  pipelinePages_->setCurrentIndex(static_cast<int>(state.pipelinePage));
  viewPages_->setCurrentIndex(static_cast<int>(state.viewPage));
  editorPages_->setVisible(l.editorPagesVisible);
  viewPages_->setVisible(l.viewPagesVisible);

  diag1_->setVisible(l.diagnosticsVisible);
  diag2_->setVisible(l.diagnosticsVisible);
  diagMemo_->setVisible(l.diagnosticsVisible);
  refreshing_ = false;
}

void Tbase_form::setWriteAvailable(bool available) {
  writeAvailable_ = available;
  const QString hint = available ? kWriteHint : kWriteHint + QStringLiteral(" (в этой версии недоступна)");
  writeButton_->setToolTip(hint);
  writeAction_->setToolTip(hint);
  refresh();
}

void Tbase_form::imageModified() {
  flows_.markModified();
  refresh();
}

bool Tbase_form::showSetupAt(const SetupPlace& place) {
  run([this] { flows_.EnterSetup(); });
  if (flows_.state().pages != PageSet::Editor) return false;
  flows_.setEditorPage(place.page);
  if (place.page == EditorPage::Pipelines) flows_.setPipelinePage(place.pipelinePage);
  refresh();
  QWidget* tab = place.page == EditorPage::Pipelines ? pipelinePages_->currentWidget() : editorPages_->currentWidget();
  if (!tab) return false;
  QSpinBox* number = place.numberBox.isEmpty() ? nullptr : tab->findChild<QSpinBox*>(place.numberBox);
  if (number) number->setValue(place.object);  // the page shows that object
  QWidget* control = place.control.isEmpty() ? nullptr : tab->findChild<QWidget*>(place.control);
  QWidget* focus = control && control->isVisibleTo(tab) && control->isEnabled() ? control : number;
  activateWindow();
  raise();
  if (focus) focus->setFocus(Qt::OtherFocusReason);
  return true;
}

void Tbase_form::offerSave() {
  flows_.OfferSave();
  refresh();
}

void Tbase_form::PrivilegedLogin() {
  loginDialog_->exec();
  refresh();
}

void Tbase_form::commitFocusedField() {
  const QPointer<QWidget> field = QApplication::focusWidget();
  if (!field || !isAncestorOf(field)) return;
  // Losing the focus is what commits a line edit, a spin box or a table
  // cell's editor; the focus then goes back where it was.
  field->clearFocus();
  if (field && field->isVisible()) field->setFocus(Qt::OtherFocusReason);
}

void Tbase_form::closeEvent(QCloseEvent* event) {
  commitFocusedField();
  if (flows_.QueryExit()) {
    event->accept();
    // The program ends with its main window: the help, error, map and compare
    // windows go too, wherever they are.
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window != this && window->isVisible()) window->close();
  } else {
    event->ignore();
  }
  refresh();
}

}  // namespace nastrum
