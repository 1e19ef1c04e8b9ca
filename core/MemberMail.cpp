#include "core/MemberMail.h"

#include "core/MemberFile.h"
#include "platform/Streams.h"
#include "platform/Text.h"

std::string MailHeader(std::string_view memberNumber) {
    std::string header(kAssociationName);
    header += " Member Number: ";
    header += memberNumber;
    header += EndOfLine;
    header += EndOfLine;
    return header;
}

MemberMail PlainMail(std::string_view recipient, std::string_view memberNumber) {
    return {std::string(recipient), kPlainSubject, MailHeader(memberNumber)};
}

ComposedNotice ComposeNotice(const Notice& notice, const FolderItem& folder,
                             std::string_view recipient, std::string_view memberNumber) {
    ComposedNotice composed{{std::string(recipient), notice.subject, {}}};
    const FileText read =
        ReadWholeFile(folder.Child(notice.templateName), MemberFile::kLargestFile);
    if (!read.failure.empty()) {
        composed.templateRead = false;
        return composed;
    }
    composed.mail.body = MailHeader(memberNumber) + read.text;
    return composed;
}
