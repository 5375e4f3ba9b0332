#include "app/cli/command_dump.h"

#include <cmath>
#include <variant>

#include <QJsonArray>
#include <QJsonDocument>

#include "app/cli/settings_loading.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("dump");

using PathStep = std::variant<QString, int>;  // a member name or an element number

std::vector<PathStep> splitPath(const QString& path) {
  std::vector<PathStep> steps;
  QString name;
  for (qsizetype i = 0; i < path.size(); ++i) {
    const QChar c = path[i];
    if (c == QLatin1Char('.') || c == QLatin1Char('[')) {
      if (!name.isEmpty()) steps.emplace_back(name);
      name.clear();
      if (c == QLatin1Char('[')) {
        const qsizetype close = path.indexOf(QLatin1Char(']'), i);
        steps.emplace_back(path.mid(i + 1, close - i - 1).toInt());
        i = close;
      }
    } else {
      name += c;
    }
  }
  if (!name.isEmpty()) steps.emplace_back(name);
  return steps;
}

QJsonValue withLeaf(const QJsonValue& node, const PathStep* step, const PathStep* end, const QJsonValue& leaf) {
  if (step == end) return leaf;
  if (const int* index = std::get_if<int>(step)) {
    QJsonArray array = node.toArray();
    while (array.size() <= *index) array.append(QJsonValue());
    array[*index] = withLeaf(array[*index], step + 1, end, leaf);
    return array;
  }
  const QString& key = std::get<QString>(*step);
  QJsonObject object = node.toObject();
  object[key] = withLeaf(object[key], step + 1, end, leaf);
  return object;
}

QJsonValue jsonValueOf(const Field& f) {
  switch (f.kind) {
    case FieldKind::Number:
      return f.word;
    case FieldKind::Real:
      return std::isfinite(f.real) ? QJsonValue(f.real) : QJsonValue(f.text);
    default:
      return f.plainText;
  }
}

}  // namespace

QJsonObject fieldsAsJson(const std::vector<Field>& fields) {
  QJsonValue root = QJsonObject();
  for (const Field& f : fields) {
    const std::vector<PathStep> steps = splitPath(f.path);
    root = withLeaf(root, steps.data(), steps.data() + steps.size(), jsonValueOf(f));
  }
  return root.toObject();
}

namespace {

int runDump(const CliArgs& args, CliIo& io) {
  const std::unique_ptr<SettingsImage> image = loadSettings(kName, args.positional(0), io);
  if (!image) return ExitBadInput;
  const std::vector<Field> fields = walkFields(*image);
  if (args.isSet(QStringLiteral("json"))) {
    io.out << QString::fromUtf8(QJsonDocument(fieldsAsJson(fields)).toJson(QJsonDocument::Indented));
  } else {
    for (const Field& f : fields) io.out << f.path << " = " << f.text << '\n';
  }
  io.out.flush();
  return ExitOk;
}

}  // namespace

CliCommand dumpCommand() {
  return {kName,
          QStringLiteral("list every field of a settings pair, numbered from 0 as the editor numbers them"),
          {{QStringLiteral("FILE.bfm"), QStringLiteral("the settings file; its names are read from FILE.nam")}},
          {{QStringLiteral("json"), {}, QStringLiteral("one JSON object nested by field name instead of lines")}},
          runDump};
}

}  // namespace nastrum::cli
