// Filters the characters typed into an edit through a rule of the view
// pages: a dropped key beeps, a mapped key is inserted as its replacement.
#pragma once

#include <functional>
#include <optional>

#include <QObject>

namespace nastrum {

class CellKeyFilter : public QObject {
  Q_OBJECT

 public:
  using Rule = std::function<std::optional<QChar>(QChar)>;
  CellKeyFilter(Rule rule, QObject* parent) : QObject(parent), rule_(std::move(rule)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Rule rule_;
};

}  // namespace nastrum
