#pragma once
// The repaint's folders in the aircraft's folder and its flight-model copy.
// Both stop at their first failure with a BuildFailure.

namespace decalia {

class Application;

inline constexpr const char* kStatusCreatingFolders = "Creating Aircraft Directories";

// The aircraft folder, then "Texture.e" (own-folder layout) or "Texture" and
// "Model.e" (shared-folder layout); folders already there are kept.
void CreateAircraftFolders(Application& app);

// D\<BaseAirName>.air to A\<repaint's air name>.air, replacing an older copy.
void CopyAirFile(Application& app);

}  // namespace decalia
