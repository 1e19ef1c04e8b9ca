#include "core/EmailTemplates.h"

#include "core/MemberFile.h"
#include "platform/Streams.h"

#include <utility>

EmailTemplate LoadEmailTemplate(const FolderItem& dataFolder, std::string_view name) {
    const FolderItem file = dataFolder.Child(name);
    if (!file.Exists())
        return {};
    // The editor writes UTF-8, and the stream hands over the bytes unchanged,
    // so the text reads back exactly as it was saved.
    FileText read = ReadWholeFile(file, MemberFile::kLargestFile);
    return {std::move(read.text), std::move(read.failure)};
}

std::optional<std::string> SaveEmailTemplate(const FolderItem& dataFolder, std::string_view name,
                                             std::string_view text) {
    if (!dataFolder.IsValid())
        return "There is no data folder.";
    // Other systems mark a file as text with a creator code; a file here needs none.
    return WriteTextFile(dataFolder.Child(name), text);
}
