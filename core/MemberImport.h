#pragma once

#include "core/Column.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

class RowTable;

// Reading members from comma-separated text. There is no header line and no
// quoting: every line read is one member, and a line is cut at every ",".

// The member-row column each of the import window's mapping rows fills, top
// to bottom. "Company" comes before the two dates, so the rows don't follow
// the columns' order.
inline constexpr std::array<Column, 14> kImportColumns = {
    Column::LastName,    Column::FirstName, Column::MemberID, Column::Email,      Column::HomePhone,
    Column::MobilePhone, Column::Street,    Column::City,     Column::PostalCode, Column::Province,
    Column::Company,     Column::Joined,    Column::DueDate,  Column::Type};

inline constexpr int kImportMappingCount = static_cast<int>(kImportColumns.size());

using MappingTexts = std::array<std::string, kImportMappingCount>;
using MemberCells = std::array<std::string, kColumnCount>;

// The field number a mapping text names: the number it begins with, cut off
// toward zero; 0 (take nothing) when it begins with none. "2.9" names field 2,
// "3abc" field 3, "-1" field -1, which no line has.
int ImportFieldNumber(std::string_view mappingText);

// The member row one line gives: each mapping row whose number is not 0 puts
// that field of the line (empty when the line has no such field) into its
// column. The columns no mapping row fills stay empty.
MemberCells ImportedMember(std::string_view line, const MappingTexts& mappingTexts);

// Appends one row for every line of an import file, as ImportedMember gives it.
void AppendImportedMembers(RowTable& rows, std::string_view fileText,
                           const MappingTexts& mappingTexts);

// How many rows AppendImportedMembers adds for the text: one for each line
// ImportLines gives. A file of very short lines costs far more as rows than
// as text, so this bounds an import before it is made.
size_t ImportLineCount(std::string_view fileText);

// The lines of an import file. LF, CRLF and CR all end a line, since
// spreadsheets write CRLF and a CR left behind would end up in the last
// field. A UTF-8 byte-order mark at the start is not data. The bytes of a
// line are given as they are, UTF-8 or not.
class ImportLines {
public:
    explicit ImportLines(std::string_view text);

    // The next line without its end. The first call always gives a line,
    // empty for an empty file.
    std::string_view ReadLine();
    // True once nothing remains to be read; a line end at the very end of
    // the file starts no further line.
    bool AtEnd() const { return at_ == text_.size(); }

private:
    // The next lineEnd at or after the read position, kept in found.
    size_t next(char lineEnd, size_t& found);

    std::string_view text_;
    size_t at_ = 0;
    // Where each line end was last found.
    size_t nextLineFeed_;
    size_t nextReturn_;
};
