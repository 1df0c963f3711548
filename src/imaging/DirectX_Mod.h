#pragma once
// The texture preview of the main window: a square window onto the template
// that scrolls sideways, or one composed sheet, in colour or as alpha.

namespace decalia {

class Application;

// Draws the preview from the main window's controls (list text, view option,
// scroll position). Any failure keeps the previous picture.
void RenderPreview(Application& app);

// Makes the main window's preview events reach RenderPreview.
void InstallPreviewRenderer(Application& app);

}  // namespace decalia
