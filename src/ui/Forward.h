#pragma once
// Names of the ui library for headers that only pass them along.

namespace decalia::ui {
struct Toolkit;
class CommandDispatch;
struct VbError;
class SmartSubClass;
class cls_Tooltip;
class SkinnedButton;
class TinyButton;
class LargeButton;
class clsTransForm;
struct FontScaleState;
}  // namespace decalia::ui
