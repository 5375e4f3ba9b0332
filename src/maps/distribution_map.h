// The shape of map 1 that its window state needs: the name column the user
// fills in for printing.
#pragma once

namespace nastrum {

constexpr int kDistributionColumns = 13;
constexpr int kDistributionRows = 26;
constexpr int kNameColumn = 1;
constexpr int kFirstPipelineRow = 3;  // pipeline n in row n + 3, up to row 18

}  // namespace nastrum
