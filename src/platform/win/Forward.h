#pragma once
// Names of the win library for headers that only pass them along.

namespace win {
class WindowSystem;
class DesktopPort;
class MouseMessage;
class CharMessage;
struct TooltipState;
struct TOOLINFOA;
struct TRACKMOUSEEVENT;
struct OpenFileRequest;
struct ProcessEnded;
}  // namespace win
