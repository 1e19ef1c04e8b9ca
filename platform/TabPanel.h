#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <string_view>

class QPoint;

// Panels behind tabs, one shown at a time. Controls are placed on a panel
// through Window::Add.
class TabPanel : public Control {
public:
    explicit TabPanel(std::string name);

    // Adds a panel with its tab at the right end.
    void Append(std::string_view caption);
    int PanelCount() const;
    std::string Caption(int panel) const;

    // The panel shown, from 0; -1 while there is none.
    int Value() const;
    void SetValue(int panel);

    // Raised when another panel is shown, by a click on its tab or by SetValue.
    std::function<void()> Change;

    // The area of a panel that its controls are placed on.
    QWidget* panel(int index) const;
    // Where the panels stand inside the tab panel once it is laid out.
    QPoint panelOrigin() const;
};
