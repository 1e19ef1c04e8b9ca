#include "tests/support/MailCatcher.h"

#include <QFile>
#include <fstream>
#include <sstream>

MailCatcher::MailCatcher() : previousPath_(qgetenv("PATH")) {
    const QString script = dir_.filePath("xdg-email");
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    // Each call: the argument count, then each argument, all ended by NUL.
    file.write(
        "#!/bin/sh\n"
        "log=\"$(dirname \"$0\")/calls\"\n"
        "printf '%s\\0' \"$#\" >> \"$log\"\n"
        "for argument in \"$@\"; do printf '%s\\0' \"$argument\" >> \"$log\"; done\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", dir_.path().toUtf8() + ":" + previousPath_);
}

MailCatcher::~MailCatcher() {
    qputenv("PATH", previousPath_);
}

std::vector<MailCatcher::Mail> MailCatcher::mails() const {
    std::ifstream in(dir_.filePath("calls").toStdString(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::vector<std::string> fields;
    std::string field;
    while (std::getline(bytes, field, '\0'))
        fields.push_back(field);

    std::vector<Mail> mails;
    size_t at = 0;
    while (at < fields.size()) {
        const size_t count = std::stoul(fields[at++]);
        Mail mail;
        for (size_t i = 0; i < count && at < fields.size(); ++i)
            mail.arguments.push_back(fields[at++]);
        for (size_t i = 0; i < mail.arguments.size(); ++i) {
            const std::string& argument = mail.arguments[i];
            if (argument == "--subject" && i + 1 < mail.arguments.size())
                mail.subject = mail.arguments[++i];
            else if (argument == "--body" && i + 1 < mail.arguments.size())
                mail.body = mail.arguments[++i];
            else
                mail.recipient = argument;
        }
        mails.push_back(std::move(mail));
    }
    return mails;
}
