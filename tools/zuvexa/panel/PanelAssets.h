// The page, style sheet and script of the panel, the attribute catalogue and
// the attribute types, embedded by the build (EmbedAssets.cmake).
#pragma once

#include <cstddef>
#include <string_view>

namespace zuvexapanel {

struct PanelAsset {
  const char *path; // "/index.html"
  std::string_view content;
};

extern const PanelAsset kPanelAssets[];
extern const std::size_t kPanelAssetCount;

// The asset at `path`, or nullptr.
inline const PanelAsset *FindAsset(std::string_view path) {
  for (std::size_t i = 0; i < kPanelAssetCount; ++i)
    if (kPanelAssets[i].path == path) return &kPanelAssets[i];
  return nullptr;
}

} // namespace zuvexapanel
