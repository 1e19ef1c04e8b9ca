#pragma once

#include "platform/HTTPSocket.h"

// Fetches the maker's version text and, when it names a newer release than
// ours, shows the new-version notice. Silent about every failure.
class VersionCheckSocket : public HTTPSocket {
public:
    explicit VersionCheckSocket(std::string name);

protected:
    void Event_DownloadComplete(const std::string& url, int httpStatus,
                                const InternetHeaders& headers, const FolderItem& file) override;
};
