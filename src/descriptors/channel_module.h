// A module a sensor or cutoff is wired to: its terminal pairs and the codes
// they make, and the place a stored code decodes to.
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

namespace nastrum {

struct ChannelModule {
  QString name;             // "Клеммник"
  QStringList pairs;        // "Клеммы", in order
  std::vector<int> codes;   // code of each pair, without bounce filtering
  int pulseD1 = 0;          // kinds 1, 2 pulse: D1 the module writes (A on МВВ, B on МЧВ)
  bool filterable = false;  // offers "Фильтрация дребезга:"
  QString rangeText;        // "Входная частота …" without filtering (empty: none shown)
  QString filteredRangeText;
};

// A decoded position: module and terminal pair texts.
struct ChannelPlace {
  QString module;
  QString pair;
  bool filtered = false;
  bool operator==(const ChannelPlace&) const = default;
};

}  // namespace nastrum
