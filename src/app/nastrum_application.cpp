#include "nastrum_application.h"

#include "check/ui/check_windows.h"
#include "editor/ui/base_form.h"

namespace nastrum {

NastrumApplication::NastrumApplication()
    : mainWindow_(std::make_unique<Tbase_form>(workspace_, messages_, fileDialogs_)) {
  messages_.setParent(mainWindow_.get());
  fileDialogs_.setParent(mainWindow_.get());

  Tbase_form& main = *mainWindow_;
  CheckWindowHooks onMain{[&main] {
                            main.flows().HidePageSets();
                            main.refresh();
                          },
                          [&main] { main.refresh(); }, {}};
  checkWindows_ = std::make_unique<CheckWindows>(workspace_, messages_, mainWindow_.get(), std::move(onMain));
  checkWindows_->installInto(main.hooks());
}

NastrumApplication::~NastrumApplication() = default;

void NastrumApplication::show() { mainWindow_->show(); }

}  // namespace nastrum
