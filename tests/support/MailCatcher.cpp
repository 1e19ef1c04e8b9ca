#include "tests/support/MailCatcher.h"

#include <signal.h>
#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <fstream>
#include <sstream>

namespace {

std::string decoded(std::string_view text) {
    const QByteArray bytes = QByteArray::fromPercentEncoding(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    return bytes.toStdString();
}

// "mailto:TO?subject=S&body=B", each part percent-encoded.
void readLink(std::string_view link, MailCatcher::Mail& mail) {
    link.remove_prefix(std::string_view("mailto:").size());
    const size_t query = link.find('?');
    mail.recipient = decoded(link.substr(0, query));
    if (query == std::string_view::npos)
        return;
    std::string_view rest = link.substr(query + 1);
    while (!rest.empty()) {
        const size_t end = rest.find('&');
        const std::string_view pair = rest.substr(0, end);
        const size_t equals = pair.find('=');
        const std::string_view key = pair.substr(0, equals);
        const std::string value =
            equals == std::string_view::npos ? std::string() : decoded(pair.substr(equals + 1));
        if (key == "subject")
            mail.subject = value;
        else if (key == "body")
            mail.body = value;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
}

}  // namespace

MailCatcher::MailCatcher(Behaviour behaviour) : previousPath_(qgetenv("PATH")) {
    if (behaviour == Behaviour::Missing) {
        // Only the tools the mail script needs besides xdg-email.
        for (const char* tool : {"od", "awk", "mktemp", "rm", "cat", "sleep"}) {
            const QString found = QStandardPaths::findExecutable(tool);
            QFile::link(found, dir_.filePath(tool));
        }
        qputenv("PATH", dir_.path().toUtf8());
        return;
    }
    const QString script = dir_.filePath("xdg-email");
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    // Each call: the argument count, then each argument, all ended by NUL.
    file.write(
        "#!/bin/sh\n"
        "log=\"$(dirname \"$0\")/calls\"\n"
        "printf '%s\\0' \"$#\" >> \"$log\"\n"
        "for argument in \"$@\"; do printf '%s\\0' \"$argument\" >> \"$log\"; done\n");
    if (behaviour == Behaviour::StaysForMinutes)
        file.write("echo $$ > \"$(dirname \"$0\")/running\"\nexec sleep 300\n");
    if (behaviour == Behaviour::Fails)
        file.write("echo 'no mail program is set up' >&2\nexit 3\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", dir_.path().toUtf8() + ":" + previousPath_);
}

MailCatcher::~MailCatcher() {
    qputenv("PATH", previousPath_);
    // A mail program still running is ended with the test.
    std::ifstream running(dir_.filePath("running").toStdString());
    pid_t pid = 0;
    if (running >> pid && pid > 0)
        ::kill(pid, SIGTERM);
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
        for (const std::string& argument : mail.arguments)
            if (argument.rfind("mailto:", 0) == 0)
                readLink(argument, mail);
        mails.push_back(std::move(mail));
    }
    return mails;
}
