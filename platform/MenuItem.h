#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An item of a menu bar or of a drop-down menu; its children make a menu.
// Name, texts and shortcut are set while the menu is built, before it is
// shown; only the enabled state changes later.
class MenuItem {
public:
    explicit MenuItem(std::string_view text = {});
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string Name;
    // Enabled whenever choosing it would reach a handler (see MenuBar).
    bool AutoEnable = false;
    // "-" makes a separator; "&" marks the next letter as the mnemonic.
    std::string Text;
    bool Visible = true;
    // Such as "Cmd+S"; Cmd is the command key, which is Ctrl on this platform.
    std::string KeyboardShortcut;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    bool IsSeparator() const { return Text == "-"; }

    void Append(std::unique_ptr<MenuItem> item);
    int Count() const { return static_cast<int>(children_.size()); }
    MenuItem& Item(int index) const { return *children_.at(static_cast<size_t>(index)); }
    // The child of that name (letter case ignored), or nothing.
    MenuItem* Child(std::string_view name) const;
    // The first item of that name at any depth below this one, or nothing.
    MenuItem* FindItem(std::string_view name) const;

private:
    friend class MenuBarView;
    // The menu entries that show this item, one per window showing its bar.
    struct Views;

    bool enabled_ = true;
    std::vector<std::unique_ptr<MenuItem>> children_;
    std::unique_ptr<Views> views_;
};

// The item that quits the application when nothing else handles it.
class QuitMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
};

// An item that belongs in the application menu where the platform has one.
// This platform has none, so it stays in the menu it was appended to.
class ApplicationMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
};
