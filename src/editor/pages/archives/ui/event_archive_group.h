// The "Архив событий:" group of the "Архивы" page: the event number, its
// presence and, for a described event, the registered bits and how its
// parameter is addressed. Handlers call ArchivePage and ask for a refresh.
#pragma once

#include <array>
#include <functional>

#include <QGroupBox>

#include "editor/pages/archives/archive_page.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace nastrum {

class ArchiveNumberBox;
class EventArchiveGroup : public QGroupBox {
  Q_OBJECT

 public:
  EventArchiveGroup(ArchivePage& page, QWidget* parent = nullptr);

  void refresh();

 signals:
  void changed();
  void typed();

 private:
  void buildPanel();
  void act(const std::function<void()>& edit);

  ArchivePage& page_;
  ArchiveNumberBox* number_ = nullptr;
  QCheckBox* present_ = nullptr;
  QWidget* panel_ = nullptr;
  std::array<QCheckBox*, 8> bits_{};
  QRadioButton* byParameter_ = nullptr;
  QRadioButton* byAddress_ = nullptr;
  QWidget* byteRow_ = nullptr;
  QLineEdit* byte_ = nullptr;
  QLabel* paramCaption_ = nullptr;
  QLineEdit* param_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* paste_ = nullptr;
};

}  // namespace nastrum
