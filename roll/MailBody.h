#pragma once

#include <string>
#include <vector>

// Hands one e-mail message (recipient, subject, body) to the mail script that
// the application carries, "Resources/MailBody.scpt", and returns what the
// script answered.
std::string MailBody(const std::vector<std::string>& message);
