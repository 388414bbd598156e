// The library tree as data: 42 nodes in the order they are added, each with its key, its text
// and the key of its parent. The texts are the library's names as this tree has always spelt
// them; the keys of the nodes that have a panel are the panel keys.
#pragma once

#include <array>
#include <string_view>

struct NodeSpec {
    std::u16string_view key;
    std::u16string_view text;
    std::u16string_view parent; // empty for a top-level node
};

extern const std::array<NodeSpec, 42> kLibraryNodes;
