#pragma once
// The windowing layer's services, declared for window headers that only
// hold references or pointers to them.

namespace platform {
class Clipboard;
class ColourField;
class ColourMixer;
class ColourPanel;
class Dialogs;
class Printer;
class RichTextField;
class Timers;
} // namespace platform
