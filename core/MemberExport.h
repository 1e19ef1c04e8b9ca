#pragma once

#include "platform/Files.h"

#include <string>
#include <string_view>

// Writing the rows shown to comma-separated text: one line per row, each
// cell followed by ",", the last one too. No header, no quoting.

class ExportLine {
public:
    void AddCell(std::string_view cell);
    const std::string& Text() const { return text_; }
    // Starts the next line, keeping the memory of the last.
    void Clear() { text_.clear(); }

private:
    std::string text_;
};

// The file an export is written to, decided before anything is written: the
// chosen file when its name ends in ".csv" (in any case), else the chosen
// name with ".csv" added. When a file of that longer name already exists, the
// export keeps the name the user chose (and agreed to replace) rather than
// destroy a file nobody was asked about.
FolderItem FinalExportFile(const FolderItem& chosen);
