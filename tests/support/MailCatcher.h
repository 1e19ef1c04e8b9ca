#pragma once

#include <QTemporaryDir>
#include <string>
#include <vector>

// Puts a stand-in "xdg-email" first on PATH for the life of the object. It
// records the arguments of every call, byte for byte, and does nothing else,
// so the real mail script can be run end to end without a mail program.
class MailCatcher {
public:
    struct Mail {
        std::vector<std::string> arguments;  // as xdg-email received them
        // Read from the mailto link among the arguments.
        std::string recipient;  // empty when none was passed
        std::string subject;
        std::string body;
    };

    enum class Behaviour {
        Records,          // records the call and ends at once, as a mail program already running
        StaysForMinutes,  // records the call, then runs on, as a mail program in the foreground
        Fails,            // records the call, says why on stderr and ends with status 3
        Missing,          // there is no xdg-email on PATH at all
    };

    explicit MailCatcher(Behaviour behaviour = Behaviour::Records);
    ~MailCatcher();

    std::vector<Mail> mails() const;

private:
    QTemporaryDir dir_;
    QByteArray previousPath_;
};
