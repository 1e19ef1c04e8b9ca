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

    MailCatcher();
    ~MailCatcher();

    std::vector<Mail> mails() const;

private:
    QTemporaryDir dir_;
    QByteArray previousPath_;
};
