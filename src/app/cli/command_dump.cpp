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

// "Sensors[0].Number" as the steps "Sensors", 0, "Number".
std::vector<PathStep> stepsOf(const FieldName& name) {
  std::vector<PathStep> steps{QString::fromLatin1(name.group)};
  if (name.index >= 0) steps.emplace_back(name.index);
  if (name.index2 >= 0) steps.emplace_back(name.index2);
  if (name.member) steps.emplace_back(QString::fromLatin1(name.member));
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
    const std::vector<PathStep> steps = stepsOf(f.name);
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
