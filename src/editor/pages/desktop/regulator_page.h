// The rules of the regulators of the large model (upper part of the
// "Регуляторы/Рабочий стол" page): 64 threshold regulators, each a direct or
// inverse law on an operand against a constant K1 kept as a device real in
// LogicT1 (high word) and LogicT2 (low word).
#pragma once

#include <optional>

#include <QString>

#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

struct RegulatorView {
  int number = 0;
  bool present = false;
  bool inverse = false;    // "Обратный"
  bool byAddress = false;  // "Адрес внешней памяти"
  int output = 0;          // "№ выхода регулятора:"
  QString module;          // "МУ1".."МУ16"
  QString terminals;
  QString operandText;  // four hexadecimal digits
  QString k1Text;
};

class RegulatorPage {
 public:
  RegulatorPage(Workspace& workspace, MessagePresenter& presenter, QChar separator);

  std::optional<int> current() const { return number_; }
  // Below 0 gives 63, 64 and above give 0. Showing a regulator rewrites a
  // law it cannot read to "Прямой" with "Параметр" and keeps "Регуляторы" in
  // step (the large model only: the other kinds keep logic flags in the same
  // words).
  int select(int typed);

  RegulatorView view() const;

  void setPresent(bool present);
  void chooseInverse(bool inverse);
  void chooseByAddress(bool byAddress);
  int setOutput(int typed);  // wraps within 0..63
  void setOperandText(const QString& hex);
  void setK1Text(const QString& text);

  void syncRegulatorsFlag();

  // Whether the operations since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 private:
  bool hasRegulators() const;
  bool shown() const;
  Word& law();
  void setLawByte(bool inverse, bool byAddress);

  Workspace& ws_;
  MessagePresenter& presenter_;
  QChar separator_;
  std::optional<int> number_{0};
  ImageChanges changes_{ws_.image};
};

}  // namespace nastrum
