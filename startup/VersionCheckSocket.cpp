#include "startup/VersionCheckSocket.h"

#include "core/Version.h"
#include "platform/Streams.h"
#include "startup/newVersionWindow.h"

namespace {

// A version text is three short lines and some notes; anything larger is not
// one, and is not read into memory.
constexpr std::int64_t kLargestVersionText = 1024 * 1024;

}  // namespace

VersionCheckSocket::VersionCheckSocket(std::string name) : HTTPSocket(std::move(name)) {
    SetMaximumBodySize(kLargestVersionText);
}

void VersionCheckSocket::Event_DownloadComplete(const std::string& url, int httpStatus,
                                                const InternetHeaders& headers,
                                                const FolderItem& file) {
    // Whatever body came, an error page too, is read as a version text.
    (void)url, (void)httpStatus, (void)headers;
    if (std::unique_ptr<TextInputStream> stream = file.OpenAsTextFile()) {
        const VersionText text = ReadVersionText(stream->ReadAll());
        // Nothing to announce; the file stays until the next run's fetch
        // replaces it.
        if (text.name.empty())
            return;
        stream->Close();
        if (IsNewerVersion(text.version)) {
            newVersionWindow& notice = newVersionWindow::instance();
            notice.StaticText1.SetText("A new version of " + text.name + " is available.");
            notice.versionLabel.SetText("New version: " + text.version);
            notice.versionText.SetText(text.notes);
            notice.ShowModal();
        }
    }
    file.Delete();
}
