#include "roll/MailBody.h"

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Script.h"

#include <algorithm>
#include <cctype>

namespace {

// The longest single argument the kernel passes to a program (128 KiB with
// its end); the script checks its mail link against the same.
constexpr size_t kLongestArgument = 131'071;

void tellFailure(std::string_view reason) {
    MsgBox("The message could not be handed to the mail program: " + std::string(reason) + ".");
}

}  // namespace

std::string MailBody(const std::vector<std::string>& message) {
    // A text that long could not even reach the script; its link would be longer still.
    if (std::ranges::any_of(
            message, [](const std::string& text) { return text.size() > kLongestArgument; })) {
        tellFailure("the message is too long for a mail link");
        return {};
    }
    const FolderItem script = Application::ResourcesFolder().Child("MailBody.scpt");
    const ScriptResult result = RunScript(script, message);
    if (!result.succeeded) {
        // The script says what went wrong on its output, when it got that far.
        std::string reason = result.output;
        while (!reason.empty() && std::isspace(static_cast<unsigned char>(reason.back())))
            reason.pop_back();
        tellFailure(reason.empty() ? result.failure : reason);
    }
    return result.output;
}
