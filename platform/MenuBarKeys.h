#pragma once

// Platform code only: the keys of the program's menu bar in a window that
// doesn't show it.

class MenuBar;
class Window;

// Each shortcut of the bar, pressed in that window, chooses its item there
// as the bar would: brought up to date for that window first, and only when
// enabled. The bar must outlive the window.
void TakeMenuBarKeys(MenuBar& bar, Window& window);
