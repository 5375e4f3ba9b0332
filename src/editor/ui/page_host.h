// The editor and view pages of the main window, installed by one call each.
//
// A page is a plain QWidget with `void showCurrent()` (fill the controls from
// the image) and the signal `void imageEdited()` (the user changed the image).
// A page whose choices depend on the device kind also offers
// `void fillKindChoices(Word kind)`. The host puts the page into its tab and
// wires it to the main window:
//   imageEdited()            → the image is modified, "Сохранить" is offered;
//   saveOffered()            → (where the page has it) "Сохранить" is offered, nothing modified;
//   diagnosticText(text)     → (where the page has it) the main window's first diagnostic field;
//   "refresh editor pages"   → showCurrent() of every editor page, in the order added;
//   "fill kind choices"      → fillKindChoices(kind) of every page that has it;
//   "fill view tables"       → showCurrent() of every view page;
//   its tab chosen           → showCurrent() of the page;
//   an undo or redo          → showCurrent() of every page.
#pragma once

#include <functional>
#include <vector>

#include <QLineEdit>
#include <QPointer>

#include "editor/ui/base_form.h"
#include "model/settings_image.h"

namespace nastrum {

class PageHost {
 public:
  explicit PageHost(Tbase_form& mainWindow);
  ~PageHost();
  PageHost(const PageHost&) = delete;
  PageHost& operator=(const PageHost&) = delete;

  // Installs `page` (the main window takes ownership) and returns it;
  // nothing when the tab takes no page (see Tbase_form::installPage).
  template <typename Page>
  Page* add(EditorPage where, Page* page) {
    if (!main_.installPage(where, page)) return nullptr;
    wire(page, editorPages_);
    return page;
  }
  template <typename Page>
  Page* add(PipelinePage where, Page* page) {
    if (!main_.installPage(where, page)) return nullptr;
    wire(page, editorPages_);
    return page;
  }
  template <typename Page>
  Page* add(ViewPage where, Page* page) {
    if (!main_.installPage(where, page)) return nullptr;
    wire(page, viewPages_);
    return page;
  }

  void showEditorPages() const { callAll(editorPages_); }
  void showViewPages() const { callAll(viewPages_); }
  void fillKindChoices(Word kind) const {
    for (const auto& fill : kindFills_) fill(kind);
  }

 private:
  template <typename Page>
  void wire(Page* page, std::vector<std::function<void()>>& shows) {
    QObject::connect(page, &Page::imageEdited, &main_, &Tbase_form::imageModified);
    if constexpr (requires { &Page::saveOffered; })
      QObject::connect(page, &Page::saveOffered, &main_, &Tbase_form::offerSave);
    if constexpr (requires { &Page::diagnosticText; })
      QObject::connect(page, &Page::diagnosticText, main_.diagnosticField1(), &QLineEdit::setText);
    // The page is deleted with its tab, so the calls go through a guarded pointer.
    QPointer<Page> guarded(page);
    const auto show = [guarded] {
      if (guarded) guarded->showCurrent();
    };
    shows.push_back(show);
    hosted_.push_back({QPointer<QWidget>(page), show});
    if constexpr (requires(Page& p, Word kind) { p.fillKindChoices(kind); }) {
      kindFills_.push_back([guarded](Word kind) {
        if (guarded) guarded->fillKindChoices(kind);
      });
    }
  }
  // A tab chosen shows its page from the image as it is now: another page may
  // have changed what it shows (a sensor's kind, a pipeline switched off).
  void showChosenTab() const;
  static void callAll(const std::vector<std::function<void()>>& calls) {
    for (const auto& call : calls) call();
  }

  Tbase_form& main_;
  std::vector<std::function<void()>> editorPages_;  // pipeline pages among them, in installation order
  std::vector<std::function<void()>> viewPages_;
  std::vector<std::function<void(Word)>> kindFills_;
  struct Hosted {
    QPointer<QWidget> page;
    std::function<void()> show;
  };
  std::vector<Hosted> hosted_;
  std::vector<QMetaObject::Connection> connections_;  // cut when the host goes before the window
};

}  // namespace nastrum
