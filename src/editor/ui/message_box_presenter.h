// The presenter the program runs with: a modal QMessageBox per message.
#pragma once

#include "model/message_presenter.h"

class QWidget;

namespace nastrum {

class MessageBoxPresenter final : public MessagePresenter {
 public:
  explicit MessageBoxPresenter(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  int present(const MessageBoxSpec& box) override;

 private:
  QWidget* parent_;
};

}  // namespace nastrum
