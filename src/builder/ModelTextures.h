#pragma once
// The repaint's model copy for the shared-texture layout: the base model from
// the data folder under the repaint's name in A\Model.E, its Model.cfg, and
// the repaint's texture names written over the base names at the byte
// positions the configuration lists. Stops at its first failure with a
// BuildFailure.

namespace decalia {

class Application;

inline constexpr const char* kStatusRenamingTextures = "Renaming Textures in MDL";

// Does nothing unless TextureAssignOnly = 0.
void RenameModelTextures(Application& app);

}  // namespace decalia
