#pragma once
// Names of the forms library for headers that only pass them along.

namespace decalia::forms {
class Runtime;
class Desktop;
class Screen;
class Control;
class Canvas;
class Form;
class Label;
class TextBox;
class ListBox;
class ComboBox;
class FileListBox;
class PictureBox;
class Image;
class OptionButton;
class CheckBox;
class HScrollBar;
class Frame;
class UserControl;
class CommonDialog;
class Picture;
struct Font;
struct ControlSite;
}  // namespace decalia::forms
