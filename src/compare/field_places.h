// Where the pages show each field of an image, and how: the page and object it
// belongs to, the caption the page gives it, its value as the page shows it
// and the setup control that edits it. Built from the view tables and the
// descriptor vocabulary of the pages, so a caption is written once.
#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "editor/workflow/setup_place.h"
#include "model/image_fields.h"
#include "model/settings_image.h"

namespace nastrum {

// The groups of a comparison, in the order it lists them.
enum class ComparePage { Kind, Sensors, Pipelines, Archives, System, Regulators, Desktop, Names, Clock, Unshown };

// "Датчики", "Трубопроводы", … ; "Поля без страницы" for fields no page shows.
QString comparePageCaption(ComparePage page);
// Every page, in listing order.
std::vector<ComparePage> comparePages();

struct FieldPlace {
  ComparePage page = ComparePage::Unshown;
  int family = 0;       // orders the object families of one page (hourly before daily archives, …)
  int object = -1;      // the object's number from 0; -1 for a page of one object
  QString objectText;   // "датчик 3", "часовой архив 12"; empty for a page of one object
  QString caption;      // the page's words; empty where no page shows the field
  std::optional<SetupPlace> setup;
  bool clock = false;   // a clock field or a diagnostic mark, left out "без часов"
};

// One field of one image as the comparison sees it.
struct PlacedField {
  FieldInfo info;
  FieldPlace place;
  QString shown;  // as the page shows it; the raw text where no page shows it
  QString raw;    // as the field listing gives it ("0x4040", "735", "\"Имя\"")
};

// Every field of `image` in the order of imageFields(); reals shown with
// `separator`. An image of an invalid kind is placed as kind 2.
std::vector<PlacedField> placeFields(const SettingsImage& image, QChar separator);

}  // namespace nastrum
