#include "core/MemberExport.h"

#include "platform/Text.h"

namespace {

constexpr std::string_view kCellEnd = ",";
constexpr std::string_view kExtension = ".csv";

}  // namespace

void ExportLine::AddCell(std::string_view cell) {
    text_ += cell;
    text_ += kCellEnd;
}

FolderItem FinalExportFile(const FolderItem& chosen) {
    const std::string name = chosen.Name();
    if (SameText(Right(name, Len(kExtension)), kExtension))
        return chosen;
    const FolderItem withExtension = chosen.Parent().Child(name + std::string(kExtension));
    return withExtension.Exists() ? chosen : withExtension;
}
