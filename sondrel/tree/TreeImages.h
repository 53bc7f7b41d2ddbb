// The tree's images: the control's image list holds one 16 x 16 image per
// bitmap, 109 first, so a node's image index is its bitmap number less 109.
#pragma once

#include "resource.h"

constexpr int TreeImageOf(int bitmap) {
    return bitmap - IDB_FIRST_TREE_IMAGE;
}

inline constexpr int kConfigImage = TreeImageOf(IDB_CONFIG);
inline constexpr int kConfigModifiedImage = TreeImageOf(IDB_CONFIG_MODIFIED);
inline constexpr int kNamedCodeImage = TreeImageOf(IDB_NAMED_CODE);
inline constexpr int kNamedCodeModifiedImage = TreeImageOf(IDB_NAMED_CODE_MODIFIED);
inline constexpr int kDefinitionImage = TreeImageOf(IDB_DEFINITION);
inline constexpr int kDefinitionsRootImage = TreeImageOf(IDB_DEFINITIONS_ROOT);
// The image list's size, for the control that builds it.
inline constexpr int kTreeImageCount = IDB_LAST_TREE_IMAGE - IDB_FIRST_TREE_IMAGE + 1;
