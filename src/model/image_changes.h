// Whether a page's operations changed the image. Every operation that may
// edit opens a scope at its start; the outermost scope keeps the image as it
// was and, on leaving, compares it with the image now as the files would store
// it. The page's handler takes the verdict and marks the document modified
// from it, so a choice of what is already there is no edit.
#pragma once

#include <memory>

#include "model/settings_image.h"

namespace nastrum {

class ImageChanges {
 public:
  explicit ImageChanges(const SettingsImage& image) : image_(image) {}
  ImageChanges(const ImageChanges&) = delete;
  ImageChanges& operator=(const ImageChanges&) = delete;

  class Scope {
   public:
    explicit Scope(ImageChanges& changes);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    ImageChanges& changes_;
  };

  // Opened at the start of an operation; nested operations join the outer one.
  [[nodiscard]] Scope scope() { return Scope(*this); }
  // True when an operation since the last take changed the image; forgets it.
  bool take();

 private:
  const SettingsImage& image_;
  std::unique_ptr<SettingsImage> before_;  // while a scope is open
  int depth_ = 0;
  bool changed_ = false;
};

}  // namespace nastrum
