#pragma once

#include "core/EmailTemplates.h"
#include "platform/Files.h"

#include <string>
#include <string_view>

// The e-mails to one member: recipient, subject and body, as handed to the
// mail script.
struct MemberMail {
    std::string recipient;
    std::string subject;
    std::string body;
};

// The association the e-mails come from, as their subjects and headers name it.
inline constexpr std::string_view kAssociationName = "Pellam";

// A notice built from one of the data folder's templates.
struct Notice {
    std::string subject;
    std::string_view templateName;
};

inline const Notice kWelcomeNotice{"Welcome to " + std::string(kAssociationName), kWelcomeTemplate};
inline const Notice kRenewalNotice{std::string(kAssociationName) + " Membership Renewal",
                                   kRenewalTemplate};
inline const Notice kPaymentNotice{std::string(kAssociationName) + " Membership Payment Received",
                                   kPaymentTemplate};
inline const std::string kPlainSubject = std::string(kAssociationName) + " Message";

// What opens every member e-mail: the member number and two line ends.
std::string MailHeader(std::string_view memberNumber);

// The plain message: the header alone.
MemberMail PlainMail(std::string_view recipient, std::string_view memberNumber);

struct ComposedNotice {
    MemberMail mail;
    // False when the template could not be read as text: the body is then empty.
    bool templateRead = true;
};

// The header followed by the whole template, unchanged.
ComposedNotice ComposeNotice(const Notice& notice, const FolderItem& folder,
                             std::string_view recipient, std::string_view memberNumber);
