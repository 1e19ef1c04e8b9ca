#pragma once

#include "platform/PushButton.h"
#include "platform/TabPanel.h"
#include "platform/TextArea.h"
#include "platform/Window.h"

#include <set>
#include <string_view>

// The editor of the three texts the member e-mails end with.
class EmailEditWindow : public Window {
public:
    EmailEditWindow();

    static EmailEditWindow& instance() { return Window::Instance<EmailEditWindow>(); }
    static EmailEditWindow* existing() { return Window::Existing<EmailEditWindow>(); }

    TabPanel TabPanel1{"TabPanel1"};
    TextArea MembWelcomeFld{"MembWelcomeFld"};
    TextArea membDueFld{"membDueFld"};
    TextArea paymentRecFld{"paymentRecFld"};
    PushButton PushButton1{"PushButton1", "Save"};

    // The texts have changed since they were last loaded or saved.
    bool emailTextChanged = false;

    void MembWelcomeFld_TextChange();
    void membDueFld_TextChange();
    void paymentRecFld_TextChange();
    // Save: all three templates, changed or not.
    void PushButton1_Action();

protected:
    void Event_Open() override;
    bool Event_CancelClose(bool appQuitting) override;

private:
    TextArea& areaFor(std::string_view templateName);
    // A tab typed into is saved even over a file that could not be read.
    void typedInto(std::string_view templateName);
    // Writes the three files. A file that can't be written is reported and
    // keeps the texts marked as changed; false then.
    bool saveTemplates();

    // The templates whose files could not be read at open and whose tabs
    // nobody has typed into: their empty areas are not their texts, so Save
    // leaves those files alone.
    std::set<std::string_view> unreadTemplates_;
};
