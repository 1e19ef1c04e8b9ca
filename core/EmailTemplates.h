#pragma once

#include "platform/Files.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The three texts the member e-mails end with, one file each in the data
// folder: the whole text, UTF-8, no line end added and no byte-order mark.
inline constexpr std::string_view kWelcomeTemplate = "membWelcomeText";
inline constexpr std::string_view kRenewalTemplate = "membDueText";
inline constexpr std::string_view kPaymentTemplate = "PaymentRecText";

// The order in which the editor loads and saves them.
inline constexpr std::array<std::string_view, 3> kEmailTemplates = {
    kRenewalTemplate, kWelcomeTemplate, kPaymentTemplate};

struct EmailTemplate {
    // As stored, byte for byte; empty when the file is missing or can't be read.
    std::string text;
    // The system's reason when the file is there but could not be read.
    std::string readError;
};

EmailTemplate LoadEmailTemplate(const FolderItem& dataFolder, std::string_view name);

// Replaces the template's file with the text, as it stands, in one step: the
// old file stays whole unless the new one is complete. Nothing on success,
// else why it failed.
std::optional<std::string> SaveEmailTemplate(const FolderItem& dataFolder, std::string_view name,
                                             std::string_view text);
