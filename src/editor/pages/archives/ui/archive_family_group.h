// One family group of the "Архивы" page ("Часовой архив:", "Суточный
// архив:", "Месячный архив:", "Расширенный архив интервалов:"): the number
// box, the name, the state, the head and chain of a continuation, the
// extension and the item and operand panel of a head, with the archive and
// name popups. Every handler calls ArchivePage and then asks for a refresh.
#pragma once

#include <functional>

#include <QGroupBox>

#include "editor/pages/archives/archive_page.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace nastrum {

class ArchiveNumberBox;
class ArchiveOperandPanel;

class ArchiveFamilyGroup : public QGroupBox {
  Q_OBJECT

 public:
  ArchiveFamilyGroup(ArchivePage& page, ArchiveFamily family, QWidget* parent = nullptr);

  // Fills the controls from the image; never an edit.
  void refresh();

 signals:
  // A choice went to the page's rules; every group should be shown again.
  void changed();
  // Text was typed into a field; the image changed, nothing else to show.
  void typed();

 private:
  void buildNameRow(const QString& prefix);
  void buildStateRows(const QString& prefix);
  void buildActions();
  void act(const std::function<void()>& edit);

  ArchivePage& page_;
  ArchiveFamily family_;
  ArchiveNumberBox* number_ = nullptr;
  QLabel* nameCaption_ = nullptr;
  QLineEdit* name_ = nullptr;
  QWidget* body_ = nullptr;  // everything below the number box
  QComboBox* state_ = nullptr;
  QWidget* headRow_ = nullptr;
  QComboBox* head_ = nullptr;
  QLabel* headError_ = nullptr;
  QTableWidget* chain_ = nullptr;
  QWidget* extensionRow_ = nullptr;
  QComboBox* extension_ = nullptr;
  QWidget* itemRow_ = nullptr;
  QComboBox* item_ = nullptr;
  ArchiveOperandPanel* operands_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* nameCopy_ = nullptr;
  QAction* namePaste_ = nullptr;
  QAction* nameClear_ = nullptr;
};

}  // namespace nastrum
