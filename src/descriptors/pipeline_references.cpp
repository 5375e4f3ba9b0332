#include "descriptors/pipeline_references.h"
#include "model/kind_profile.h"

#include "descriptors/archive_words.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/pipeline_roles.h"

namespace nastrum {

namespace {

struct ArchiveQuestions {
  ArchiveFamily family;
  int termMessage;     // the pipeline is a term of an algebraic sum
  int operandMessage;  // the archive records the pipeline itself
};

constexpr ArchiveQuestions kArchiveOrder[] = {
    {ArchiveFamily::Hourly, 50, 30},
    {ArchiveFamily::Interval, 53, 42},
    {ArchiveFamily::Daily, 51, 31},
    {ArchiveFamily::Monthly, 52, 37},
};

void archiveReferences(const SettingsImage& image, int p, ReferenceList& refs) {
  for (const auto& q : kArchiveOrder) {
    const ArchiveFamily f = q.family;
    const int count = archiveCount(f, image.deviceKind);
    // Within a family the sums come first, then the archives of the pipeline itself.
    for (PipelineUse use : {PipelineUse::Term, PipelineUse::Operand}) {
      for (int a = 0; a < count; ++a) {
        if (archivePipelineUse(f, archiveWords(image, f, a), p) != use) continue;
        if (use == PipelineUse::Term) {
          refs.push_back({q.termMessage, a, [f, a, p](SettingsImage& im) {
                            ArchiveWords w = archiveWords(im, f, a);
                            removePipelineFromSum(w, p);
                            setArchiveWords(im, f, a, w);
                          }});
        } else {
          refs.push_back({q.operandMessage, a, [f, a](SettingsImage& im) { deleteArchive(im, f, a); }});
        }
      }
    }
  }
}

}  // namespace

ReferenceList pipelineSwitchOffReferences(const SettingsImage& image, int p) {
  ReferenceList refs;
  archiveReferences(image, p, refs);
  const int count = kindProfile(image.deviceKind).pipelines;
  for (int q = 0; q < count; ++q) {
    if (q == p) continue;
    const PipelineRecord& rec = image.pipelines[static_cast<std::size_t>(q)];
    if (!isActivePipeline(rec.mainDescriptor)) continue;
    const bool flowFrom = highByte(rec.flowSensors) == (0x80 | p);
    // An overflow link to a switched-off pipeline would be left dangling; it
    // is removed under the same question.
    const bool overflow = decodeOverflow(rec.bigPipeRef) == p;
    if (!flowFrom && !overflow) continue;
    refs.push_back({32, q, [q, p](SettingsImage& im) {
                      PipelineRecord& r = im.pipelines[static_cast<std::size_t>(q)];
                      if (highByte(r.flowSensors) == (0x80 | p)) r.flowSensors = 0x8000;
                      if (decodeOverflow(r.bigPipeRef) == p) r.bigPipeRef = withOverflow(r.bigPipeRef, std::nullopt);
                    }});
  }
  return refs;
}

ReferenceList pipelineMediumChangeReferences(const SettingsImage& image, int p, int newMedium) {
  ReferenceList refs;
  const PipelineRecord& self = image.pipelines[static_cast<std::size_t>(p)];
  const int d1 = digitOf(self.mainDescriptor, 1);
  const auto oldMedium = pipelineMedium(self.mainDescriptor);
  const bool wasLinkable = (oldMedium && isWaterOrSteam(*oldMedium)) || d1 == 0;
  if (wasLinkable && !isWaterOrSteam(newMedium)) {
    const int count = kindProfile(image.deviceKind).pipelines;
    for (int q = 0; q < count; ++q) {
      if (q == p) continue;
      const PipelineRecord& rec = image.pipelines[static_cast<std::size_t>(q)];
      const auto m = pipelineMedium(rec.mainDescriptor);
      // Only water and steam words are link masks.
      if (!m || !isWaterOrSteam(*m) || !isLinked(rec.densityCalorLink, p)) continue;
      refs.push_back({35, q, [q, p](SettingsImage& im) {
                        PipelineRecord& r = im.pipelines[static_cast<std::size_t>(q)];
                        r.densityCalorLink = withLink(r.densityCalorLink, p, false);
                      }});
    }
  }
  if (newMedium == PipeOff) {
    auto more = pipelineSwitchOffReferences(image, p);
    refs.insert(refs.end(), more.begin(), more.end());
  }
  return refs;
}

}  // namespace nastrum
