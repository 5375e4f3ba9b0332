#include "help_topics.h"

#include <QHash>

namespace nastrum {

QString helpPageForName(const QString& objectName) {
  static const QHash<QString, QString> pages{
      // Editor tabs.
      {QStringLiteral("pageSensors"), QStringLiteral("page_sensors.html")},
      {QStringLiteral("pagePipelines"), QStringLiteral("page_pipelines.html")},
      {QStringLiteral("pagePipelineDescription"), QStringLiteral("page_pipelines.html")},
      {QStringLiteral("pagePipelineSensors"), QStringLiteral("page_pipelines.html")},
      {QStringLiteral("pageArchives"), QStringLiteral("page_archives.html")},
      {QStringLiteral("pageSystem"), QStringLiteral("page_system.html")},
      {QStringLiteral("pageRegulators"), QStringLiteral("page_regulators.html")},
      {QStringLiteral("pageRegulatorsDesktop"), QStringLiteral("page_desktop.html")},
      {QStringLiteral("pageTime"), QStringLiteral("page_time.html")},
      // The tabs of the view mode show the same settings read-only.
      {QStringLiteral("viewSensors"), QStringLiteral("view_mode.html")},
      {QStringLiteral("viewPipelines"), QStringLiteral("view_mode.html")},
      {QStringLiteral("viewArchives"), QStringLiteral("view_mode.html")},
      {QStringLiteral("viewSystem"), QStringLiteral("view_mode.html")},
      {QStringLiteral("viewRegulators"), QStringLiteral("view_mode.html")},
      // Windows.
      {QStringLiteral("Tbase_form"), kHelpMainWindowPage},
      {QStringLiteral("TForm1"), QStringLiteral("exchange.html")},
      {QStringLiteral("logik"), QStringLiteral("check.html")},
      {QStringLiteral("TarForm"), QStringLiteral("arith.html")},
      {QStringLiteral("compareWindow"), QStringLiteral("compare.html")},
      {QStringLiteral("networkWindow"), QStringLiteral("network.html")},
  };
  return pages.value(objectName);
}

}  // namespace nastrum
