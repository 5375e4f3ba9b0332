// Where the pages show each field of an image, and how: the page and object it
// belongs to, the caption the page gives it, its value as the page shows it
// and the setup control that edits it. Built from the view tables and the
// descriptor vocabulary of the pages, so a caption is written once.
#pragma once

#include <cstddef>
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

// Where the pages of one image's kind show each field of the image, in the
// order of imageFields(), and how they show its value. Built from the view
// tables of that image once; the values of any image of the kind are then
// shown without building them again.
class FieldLayout {
 public:
  // An image of an invalid kind is laid out as kind 2.
  explicit FieldLayout(const SettingsImage& image);

  std::size_t size() const { return slots_.size(); }
  const FieldInfo& info(std::size_t i) const { return slots_[i].info; }
  const FieldPlace& place(std::size_t i) const { return slots_[i].place; }
  // Field `i` of `image` as the page shows it: a decoded choice, the view
  // page's form, or the raw value where no page shows the field.
  // `field` is field `i` of imageFields(image).
  QString shown(const SettingsImage& image, const ImageField& field, std::size_t i, QChar separator) const;

 private:
  // A view cell with its fields as byte offsets into an image, so that it
  // shows any image.
  struct Cell {
    int form = 0;
    std::ptrdiff_t word = -1, word2 = -1, flag = -1, real = -1;
  };
  struct Slot {
    FieldInfo info;
    FieldPlace place;
    std::optional<Cell> cell;
  };
  friend class FieldLayoutBuilder;
  std::vector<Slot> slots_;
};

}  // namespace nastrum
