#include "nastrum_application.h"

#include "editor/ui/base_form.h"

namespace nastrum {

NastrumApplication::NastrumApplication()
    : mainWindow_(std::make_unique<Tbase_form>(workspace_, messages_, fileDialogs_)) {
  messages_.setParent(mainWindow_.get());
  fileDialogs_.setParent(mainWindow_.get());
}

NastrumApplication::~NastrumApplication() = default;

void NastrumApplication::show() { mainWindow_->show(); }

}  // namespace nastrum
