// Tbase_form: the main window. Menus, tool bar, the kind chooser of "Новый",
// the two page sets and the diagnostic fields; every handler hands the choice
// to MainWindowFlows and then refreshes the controls from its layout.
#pragma once

#include <array>

#include <QMainWindow>

#include "editor/workflow/main_window_flows.h"
#include "editor/workflow/recent_files.h"
#include "editor/workflow/main_window_services.h"
#include "editor/workflow/setup_place.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QShortcut;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace nastrum {

class AboutBox;
class FileDialogs;
class PrivilegedLoginDialog;

// The main window serves its flows itself: the file windows directly, the
// rest by signals the other areas (check, pages, maps, comparison) connect to.
class Tbase_form : public QMainWindow, public MainWindowServices {
  Q_OBJECT

 public:
  Tbase_form(Workspace& workspace, MessagePresenter& messages, FileDialogs& fileDialogs, QWidget* parent = nullptr);
  ~Tbase_form() override;

  MainWindowFlows& flows() { return flows_; }
  std::optional<QString> chooseFileToOpen() override;
  std::optional<QString> chooseFileToSave(const QString& proposedPath) override;
  void closeCheckWindows() override { emit checkWindowsClosing(); }
  void runCheck(bool withReport) override { emit checkWanted(withReport); }
  void showCorrectionPrompt() override { emit correctionPromptWanted(); }
  void refreshEditorPages() override { emit editorPagesShowWanted(); }
  void fillKindChoices(Word kind) override { emit kindChoicesWanted(kind); }
  void fillViewTables() override { emit viewPagesShowWanted(); }

  // The two page sets; the page areas fill their tabs.
  QTabWidget* editorPages() const { return editorPages_; }
  QTabWidget* pipelinePages() const { return pipelinePages_; }
  QTabWidget* viewPages() const { return viewPages_; }
  QLineEdit* diagnosticField1() const { return diag1_; }
  QLineEdit* diagnosticField2() const { return diag2_; }
  QPlainTextEdit* diagnosticMemo() const { return diagMemo_; }

  // Puts a page widget into a tab. The tab keeps its caption and its named
  // placeholder ("pageSensors", "viewArchives", …), which now holds the page
  // (an editor page inside a scroll area of its own) and takes ownership of
  // it; a page installed earlier in the same tab is deleted. The editor tab "Трубопроводы" holds the two pipeline tabs and
  // takes no page of its own (install into PipelinePage instead): there the
  // page is deleted and false returned.
  bool installPage(EditorPage where, QWidget* page);
  bool installPage(PipelinePage where, QWidget* page);
  bool installPage(ViewPage where, QWidget* page);

  // Shows the password window modally (a raw value is to be changed without rights).
  void PrivilegedLogin();
  PrivilegedLoginDialog* loginDialog() const { return loginDialog_; }

  // "Запись в ОРВИК" becomes live once an action answers writeRequested;
  // until then the item and zapis_b stay disabled and say why.
  void setWriteAvailable(bool available);

  // An editing action changed the image: "Сохранить" becomes available.
  void imageModified();
  // A page offers saving although the image did not change (a privileged raw edit begins).
  void offerSave();
  // Copies the flows' layout and title onto the controls.
  void refresh();
  // "Открыть " of a file chosen without the file window (the program was
  // started with it).
  void openFile(const QString& path);
  // Opens the setup mode at `place`: its tab, the object in its number box
  // and the focus on its control (on the number box where the control is not
  // shown). False when the setup mode is refused (the correction is due).
  bool showSetupAt(const SetupPlace& place);

  // The client size that shows the largest editor page whole, with the menu
  // and the tool bar: the size of the window's first showing.
  QSize roomySize() const;

  // "Файл" lists these, newest first; opening or saving a file puts it on top.
  const QStringList& recentFiles() const { return recent_.paths(); }
  void setRecentFiles(const QStringList& paths);

  // The status bar's port and the result of the last exchange run.
  void setPortStatus(const QString& port);
  void setRunStatus(const QString& result);

  // The exchange window of a device read has closed (see MainWindowFlows::FinishDeviceRead).
  void finishDeviceRead(bool userConstants) {
    run([this, userConstants] { flows_.FinishDeviceRead(userConstants); });
  }

 signals:
  void linkParamsRequested();  // "Параметры обмена"
  void readRequested();        // "Чтение с ОРВИК", after unsaved changes were dealt with
  void writeRequested();       // "Запись в ОРВИК"
  void compareRequested();     // "Сравнение настроек..."
  void networkRequested();     // "Сеть...": the devices of a shared line
  void mapRequested(int mapNumber);  // "Карты программирования", 1..11
  void helpRequested();         // "Справка по программе Наструм ОРВИК"
  void helpContentsRequested(); // "Содержание..."
  void recentFilesChanged();
  // What the flows ask of the other windows (see MainWindowServices).
  void checkWindowsClosing();
  void checkWanted(bool withReport);
  void correctionPromptWanted();
  void editorPagesShowWanted();
  void kindChoicesWanted(Word kind);
  void viewPagesShowWanted();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildEditMenu();
  void buildToolBar();
  void buildCentralArea();
  void buildStatusBar();
  void buildPageShortcuts();
  // Ctrl+PgDn (+1) and Ctrl+PgUp (-1): the next or previous page shown,
  // the pipeline tab's two pages counted as pages of their own.
  void stepPage(int step);
  void rebuildRecentMenu();
  // Follows an open or a save: a file now open goes on top of the list, one
  // that could not be opened leaves it.
  void noteFileResult(const QString& tried);
  QToolButton* addToolButton(const QString& name, const QString& hint, QAction* action);
  // An editor page scrolls as a whole where the window is smaller than it;
  // a view page scrolls its own tables.
  enum class PageFit { Scrolled, AsIs };
  static bool hostPage(QTabWidget* tabs, int index, QWidget* page, PageFit fit);
  template <typename Open>
  void open(Open openFlow);
  // Every action of the window starts here, before it reads or replaces the
  // image: a save, write or check chosen on the tool bar or by a shortcut
  // leaves the keyboard focus in the field being typed in, which is made to
  // commit what it holds first, as leaving it would.
  void commitFocusedField();
  // Runs a flow, then refreshes.
  template <typename Flow>
  void run(Flow flow) {
    commitFocusedField();
    flow();
    refresh();
  }

  Workspace& workspace_;
  MessagePresenter& messages_;
  FileDialogs& fileDialogs_;
  MainWindowFlows flows_;
  bool refreshing_ = false;
  bool writeAvailable_ = false;

  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QMenu* paramsMenu_ = nullptr;
  QMenu* mapsMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* newAction_ = nullptr;
  QAction* openAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* saveAsAction_ = nullptr;
  QAction* linkParamsAction_ = nullptr;
  QAction* readAction_ = nullptr;
  QAction* writeAction_ = nullptr;
  QAction* compareAction_ = nullptr;
  QAction* networkAction_ = nullptr;
  QAction* closeSeparator_ = nullptr;
  QAction* recentSeparator_ = nullptr;  // the recent files go before it
  QList<QAction*> recentActions_;
  QAction* closeAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* setupAction_ = nullptr;
  QAction* viewAction_ = nullptr;
  QAction* checkAction_ = nullptr;
  std::array<QAction*, kMapCount> mapActions_{};
  QShortcut* closeShortcut_ = nullptr;

  QToolBar* toolBar_ = nullptr;
  QToolButton* saveButton_ = nullptr;
  QToolButton* writeButton_ = nullptr;
  QToolButton* setupButton_ = nullptr;
  QToolButton* viewButton_ = nullptr;
  QToolButton* checkButton_ = nullptr;

  QGroupBox* kindGroup_ = nullptr;
  std::array<QRadioButton*, 3> kindRadios_{};  // kinds 1, 2, 3

  QTabWidget* editorPages_ = nullptr;
  QTabWidget* pipelinePages_ = nullptr;
  QTabWidget* viewPages_ = nullptr;
  QLineEdit* diag1_ = nullptr;
  QLineEdit* diag2_ = nullptr;
  QPlainTextEdit* diagMemo_ = nullptr;

  RecentFiles recent_;
  QLabel* fileStatus_ = nullptr;
  QLabel* kindStatus_ = nullptr;
  QLabel* portStatus_ = nullptr;
  QLabel* runStatus_ = nullptr;

  PrivilegedLoginDialog* loginDialog_ = nullptr;
  AboutBox* aboutBox_ = nullptr;
};

}  // namespace nastrum
