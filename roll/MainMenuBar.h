#pragma once

#include "platform/MenuBar.h"

#include <memory>
#include <string_view>

// The program's one menu bar, shared by the application and the main window:
// File, Options, Edit, an empty menu and Help. Its items carry no behaviour
// of their own; the main window registers a handler under each item's name.
class MainMenuBar : public MenuBar {
public:
    // The shared instance, built on first use and never rebuilt.
    static MainMenuBar& instance();

private:
    MainMenuBar();

    // Each builds one menu and appends it to the bar, left to right.
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
    void Untitled4();

    void appendTo(std::string_view menuName, std::unique_ptr<MenuItem> item);
};
