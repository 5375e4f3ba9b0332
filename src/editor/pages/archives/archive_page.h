// The rules of the "Архивы" page: which archive each group shows, what every
// choice writes into the image, which numbered question or refusal comes
// first, the copy/paste buffers of archives and names, and keeping the
// system page's archive flags in step. No widgets: the page widget takes a
// choice, calls one of these and shows the views again.
#pragma once

#include <array>
#include <optional>

#include <QString>

#include "descriptors/archive_names.h"
#include "descriptors/archive_words.h"
#include "editor/pages/archives/archive_view.h"
#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

// The five groups of the page; the first four are the archive families.
enum class ArchiveGroup { Hourly, Daily, Monthly, Interval, Event };
constexpr ArchiveGroup groupOf(ArchiveFamily f) { return static_cast<ArchiveGroup>(f); }
constexpr ArchiveFamily familyOf(ArchiveGroup g) { return static_cast<ArchiveFamily>(g); }
static_assert(groupOf(ArchiveFamily::Interval) == ArchiveGroup::Interval, "groups start with the four families");

// Bits of SpecialFunctions that follow the archives ("Расш. архив
// интервалов", "Архив событий" on the system page).
constexpr int kIntervalArchiveFlagBit = 8;
constexpr int kEventArchiveFlagBit = 9;

struct EventView {
  int number = 0;
  bool present = false;        // the presence box
  std::array<bool, 8> bits{};  // "Регистрируемые биты:", left to right bits 15..8
  bool byAddress = false;      // "адрес" rather than "№ пар."
  QString byteText;            // "№ байта" "параметра:"
  QString paramText;           // four hexadecimal digits
  QString paramCaption;        // "№ параметра:" / "Адрес ячейки памяти:"
};

class ArchivePage {
 public:
  ArchivePage(Workspace& workspace, MessagePresenter& presenter);

  // --- Which archive is shown -----------------------------------------------
  bool groupExists(ArchiveGroup g) const;   // interval and events: kinds 2 and 3
  int highestNumber(ArchiveGroup g) const;
  // The number in the group's box; nullopt while the box holds no number.
  std::optional<int> current(ArchiveGroup g) const;
  // A number from the box: below 0 gives the highest, above it gives 0.
  // Returns the number shown. Showing an interval archive or an event keeps
  // the system page's flag in step (an edit when the flag changes).
  int select(ArchiveGroup g, int typed);
  // The box's text: not a number shows the family's message (25, 27, 39, 40,
  // 54) and leaves the group empty; an empty text leaves it empty silently.
  std::optional<int> selectText(ArchiveGroup g, const QString& text);

  ArchiveView view(ArchiveFamily f) const;
  EventView eventView() const;

  // --- Archive edits (the archive in the family's box) ------------------------
  void chooseState(ArchiveFamily f, ArchiveState state);
  void chooseMonthlyPresence(bool present);
  void chooseHead(ArchiveFamily f, std::optional<int> head);
  void chooseExtension(bool extended);
  void chooseItem(ArchiveFamily f, int item);
  void chooseOperand(ArchiveFamily f, std::optional<int> number);
  void chooseDifference(ArchiveFamily f, bool x1, std::optional<int> sensor);
  void tickSum(ArchiveFamily f, int pipeline, bool positive, bool ticked);
  void setParameterText(ArchiveFamily f, const QString& hex);
  void setName(ArchiveFamily f, const QString& text);

  // --- Copy and paste ------------------------------------------------------------
  void copyArchive(ArchiveGroup g);
  bool canPasteArchive(ArchiveGroup g) const;
  void pasteArchive(ArchiveGroup g);

  void copyNames(ArchiveFamily f);
  bool canPasteNames(ArchiveFamily f) const;
  void pasteNames(ArchiveFamily f);
  void clearNames(ArchiveFamily f);
  // A fresh image (new, opened, closed) empties the names copy; a device
  // read keeps it.
  void forgetNames() { nameClipboard_ = NameClipboard{}; }

  // --- Events (the event in the event box) -------------------------------------
  void setEventPresence(bool present);
  void tickEventBit(int box, bool ticked);  // box 0..7, left to right
  void chooseEventAddressing(bool byAddress);
  void setEventByteText(const QString& text);
  void setEventParamText(const QString& hex);

  // Sets the two flags of SpecialFunctions from the archives (kinds 2, 3);
  // true when a flag changed (an edit).
  bool syncIntervalFlag();
  bool syncEventFlag();
  // Showing the groups: the interval archive and the event in their boxes
  // keep their flags in step, whichever page changed the archives since.
  bool syncShownFlags();

  // Whether the operations since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 private:
  struct Clip {
    Word desc = 0, pos = 0, neg = 0;
  };

  int count(ArchiveGroup g) const;
  int number(ArchiveGroup g) const;
  bool ask(int code, const QString& value = {});
  void tell(int code, const QString& value = {});
  // Takes the archive out of its chain and, after question 38, removes the
  // chain it heads. False when the user keeps the chain.
  bool releaseChain(ArchiveFamily f, int n);
  void pasteChained(ArchiveFamily f, int n, const Clip& clip);
  bool setFlag(int bit, bool on);

  Workspace& ws_;
  MessagePresenter& presenter_;
  std::array<std::optional<int>, 5> numbers_{0, 0, 0, 0, 0};
  std::array<Clip, 5> clips_{};  // lives as long as the page: survives files
  NameClipboard nameClipboard_{};
  bool eventPanelOpen_ = false;  // presence ticked, no bit yet
  ImageChanges changes_{ws_.image};
};

}  // namespace nastrum
