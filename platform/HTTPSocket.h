#pragma once

#include "platform/Files.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The header lines of an HTTP response, in the order received.
class InternetHeaders {
public:
    void AppendHeader(std::string name, std::string value);
    // The value of the first header of that name (case ignored), or empty text.
    std::string Value(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::string>> lines_;
};

// An HTTP client that fetches one address at a time into a file, on the event
// loop. Requests carry "Accept: */*" and "Accept-Language: en".
//
// A socket owned through a shared_ptr stays alive while its DownloadComplete
// handler runs, even when its owner lets go of it meanwhile; a transfer that is
// still running when the socket goes is dropped, raising nothing.
class HTTPSocket : public std::enable_shared_from_this<HTTPSocket> {
public:
    explicit HTTPSocket(std::string name);
    virtual ~HTTPSocket();
    HTTPSocket(const HTTPSocket&) = delete;
    HTTPSocket& operator=(const HTTPSocket&) = delete;

    const std::string& Name() const { return name_; }

    // Starts a GET of the address and returns at once; a transfer still running
    // is dropped. Redirects are followed (never from https to http). The
    // response body, whatever the status, goes to the file, which is made
    // anew for this user alone: whatever stood at its name is removed first
    // and a link is never followed. When the whole response is in,
    // Event_DownloadComplete is raised. A transfer that gets no response,
    // breaks off (a network error, a body short of its announced length),
    // ends at a redirect it can't follow, or whose body grows past the
    // maximum, raises nothing and leaves no file; so does a file that can't
    // be made.
    void Get(std::string_view url, const FolderItem& file);

    // The largest body taken, in bytes; 0 for no limit.
    void SetMaximumBodySize(std::int64_t bytes) { maximumBodySize_ = bytes; }

protected:
    virtual void Event_DownloadComplete(const std::string& url, int httpStatus,
                                        const InternetHeaders& headers, const FolderItem& file) {
        (void)url, (void)httpStatus, (void)headers, (void)file;
    }

private:
    // Tests wait for a transfer to end (tests/support/HTTPSocketProbe.h).
    friend class HTTPSocketProbe;
    struct Transfer;
    void receive();
    void finish();
    void drop();

    std::string name_;
    std::int64_t maximumBodySize_ = 0;
    std::unique_ptr<Transfer> transfer_;
    struct Network;
    std::unique_ptr<Network> network_;
};
