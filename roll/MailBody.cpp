#include "roll/MailBody.h"

#include "platform/Application.h"
#include "platform/Script.h"

std::string MailBody(const std::vector<std::string>& message) {
    // Found again on every call: the application folder is the one two levels
    // above the executable.
    const FolderItem script =
        Application::ExecutableFile().Parent().Parent().Child("Resources").Child("MailBody.scpt");
    return RunScript(script, message);
}
