#pragma once

#include "platform/ObjectGuard.h"

#include <memory>
#include <string>
#include <string_view>

class QObject;
class QWidget;

// The program's side of one control on a window. The window's widget tree owns
// the widget; the control owns the connections that raise its events, so no
// event reaches a control that is gone.
class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

    // Font of the control's text; an empty family keeps the system font, a
    // family that is not installed falls back to a fitting one.
    void SetTextFont(std::string_view family);
    void SetTextSize(double points);
    void SetBold(bool bold);
    void SetItalic(bool italic);

    // The control's widget, for the platform's own code; null once its
    // window has torn it down.
    QWidget* widget() const;

protected:
    // Takes the newly made widget, not yet placed on a window.
    Control(std::string name, QWidget* widget);
    // Receiver for the connections that raise the control's events.
    QObject* context() const { return context_.get(); }

private:
    std::string name_;
    ObjectGuard widget_;
    std::unique_ptr<QObject> context_;
};

// How a control aligns its text.
enum class Align { Default, Left, Center, Right };
