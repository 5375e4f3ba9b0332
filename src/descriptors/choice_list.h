// A list of choices a page offers: the texts in the order shown, each with the
// code it stands for. Decoding a code that is not in the list gives "ОШИБКА".
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace nastrum {

// What a page shows in place of a code it cannot read.
inline QString errorText() { return QStringLiteral("ОШИБКА"); }

struct Choice {
  Choice() = default;
  Choice(int code, QString text, QString hint = {}) : code(code), text(std::move(text)), hint(std::move(hint)) {}

  int code = 0;
  QString text;
  QString hint;  // the item's tooltip where the text alone says little; empty for none
  bool operator==(const Choice&) const = default;
};

class ChoiceList {
 public:
  ChoiceList() = default;
  ChoiceList(std::initializer_list<Choice> items) : items_(items) {}

  void add(int code, const QString& text, const QString& hint = {}) { items_.push_back({code, text, hint}); }
  const std::vector<Choice>& items() const& { return items_; }
  std::vector<Choice> items() && { return std::move(items_); }  // safe on a temporary list
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  int size() const { return static_cast<int>(items_.size()); }
  bool isEmpty() const { return items_.empty(); }
  const Choice& at(int index) const { return items_.at(static_cast<std::size_t>(index)); }

  QStringList texts() const;
  std::vector<int> codes() const;
  // Position of the first item with this code / text.
  std::optional<int> indexOfCode(int code) const;
  std::optional<int> indexOfText(const QString& text) const;
  bool containsCode(int code) const { return indexOfCode(code).has_value(); }
  std::optional<int> codeOfText(const QString& text) const;
  // The text of the code, or "ОШИБКА".
  QString textOf(int code) const;

 private:
  std::vector<Choice> items_;
};

// An object-number box: each number shown as itself, then "нет" with `noneCode`.
ChoiceList numberChoices(const std::vector<int>& numbers, int noneCode);

}  // namespace nastrum
