#include "descriptors/choice_list.h"

namespace nastrum {

QStringList ChoiceList::texts() const {
  QStringList out;
  for (const auto& c : items_) out << c.text;
  return out;
}

std::vector<int> ChoiceList::codes() const {
  std::vector<int> out;
  for (const auto& c : items_) out.push_back(c.code);
  return out;
}

std::optional<int> ChoiceList::indexOfCode(int code) const {
  for (int i = 0; i < size(); ++i)
    if (at(i).code == code) return i;
  return std::nullopt;
}

std::optional<int> ChoiceList::indexOfText(const QString& text) const {
  for (int i = 0; i < size(); ++i)
    if (at(i).text == text) return i;
  return std::nullopt;
}

std::optional<int> ChoiceList::codeOfText(const QString& text) const {
  if (auto i = indexOfText(text)) return at(*i).code;
  return std::nullopt;
}

QString ChoiceList::textOf(int code) const {
  if (auto i = indexOfCode(code)) return at(*i).text;
  return errorText();
}

ChoiceList numberChoices(const std::vector<int>& numbers, int noneCode) {
  ChoiceList list;
  for (int n : numbers) list.add(n, QString::number(n));
  list.add(noneCode, QStringLiteral("нет"));
  return list;
}

}  // namespace nastrum
