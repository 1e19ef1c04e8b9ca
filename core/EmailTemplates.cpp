#include "core/EmailTemplates.h"

#include "core/MemberFile.h"
#include "platform/Streams.h"

EmailTemplate LoadEmailTemplate(const FolderItem& dataFolder, std::string_view name) {
    const FolderItem file = dataFolder.Child(name);
    if (!file.Exists())
        return {};
    auto in = TextInputStream::Open(file, MemberFile::kLargestFile);
    if (!in)
        return {{}, FolderItem::LastReadError()};
    // The editor writes UTF-8, and the stream hands over the bytes unchanged,
    // so the text reads back exactly as it was saved.
    EmailTemplate loaded{in->ReadAll(), in->ErrorText()};
    in->Close();
    return loaded;
}

std::optional<std::string> SaveEmailTemplate(const FolderItem& dataFolder, std::string_view name,
                                             std::string_view text) {
    if (!dataFolder.IsValid())
        return "There is no data folder.";
    // Other systems mark a file as text with a creator code; a file here needs none.
    return WriteTextFile(dataFolder.Child(name), text);
}
