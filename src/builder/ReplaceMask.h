#pragma once
// The naming rule that puts a repaint's identifier into a base file name.

#include <optional>
#include <string>
#include <string_view>

namespace decalia {

// The base name (trimmed) with identifierCharacters characters, starting where
// the first "*" stands in the trimmed mask, replaced by the identifier:
// ("tex_XXX_body", "tex_*", "ABC", 3) gives "tex_ABC_body". Only the position of
// the "*" counts. Nothing when the mask has no "*" or the base name is too short
// to hold the identifier there.
std::optional<std::string> ApplyReplaceMask(std::string_view baseName, std::string_view replaceMask,
                                            std::string_view identifier, int identifierCharacters);

}  // namespace decalia
