// The rules of reading members from comma-separated text: which field of a
// line goes into which cell, and where a file's lines end.

#include "core/MemberImport.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

MappingTexts defaults() {
    MappingTexts texts;
    for (int row = 0; row < kImportMappingCount; ++row)
        texts[row] = std::to_string(row + 1);
    return texts;
}

MappingTexts nothingBut(int mappingRow, std::string text) {
    MappingTexts texts;
    texts.fill("0");
    texts[mappingRow] = std::move(text);
    return texts;
}

// The cells that hold something, by column.
std::map<Column, std::string> filled(const MemberCells& cells) {
    std::map<Column, std::string> result;
    for (int column = 0; column < kColumnCount; ++column)
        if (!cells[column].empty())
            result[static_cast<Column>(column)] = cells[column];
    return result;
}

std::vector<std::string> allLines(std::string_view text) {
    std::vector<std::string> lines;
    ImportLines reader(text);
    do {
        lines.emplace_back(reader.ReadLine());
    } while (!reader.AtEnd());
    return lines;
}

using Filled = std::map<Column, std::string>;
using Lines = std::vector<std::string>;

TEST(ImportFieldNumber, TakesTheLeadingNumberCutTowardZero) {
    EXPECT_EQ(ImportFieldNumber("2.9"), 2);
    EXPECT_EQ(ImportFieldNumber("3abc"), 3);
    EXPECT_EQ(ImportFieldNumber(" 4"), 4);
    EXPECT_EQ(ImportFieldNumber("-1"), -1);
    EXPECT_EQ(ImportFieldNumber("-1.7"), -1);
    EXPECT_EQ(ImportFieldNumber("0.5"), 0);
    EXPECT_EQ(ImportFieldNumber("abc"), 0);
    EXPECT_EQ(ImportFieldNumber(""), 0);
    // Far past any field, without an undefined conversion.
    EXPECT_GT(ImportFieldNumber("1e300"), 1'000'000);
    EXPECT_LT(ImportFieldNumber("-1e300"), -1'000'000);
}

TEST(ImportedMember, DefaultsFillTheFieldsInScreenOrder) {
    EXPECT_EQ(filled(ImportedMember("Brown,Ann,6000001", defaults())),
              (Filled{{Column::LastName, "Brown"},
                      {Column::FirstName, "Ann"},
                      {Column::MemberID, "6000001"}}));

    // Rows 11 to 14 are Company, Date Joined, Fees Due Date and Type.
    const MemberCells cells = ImportedMember("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", defaults());
    EXPECT_EQ(cells[+Column::Company], "11");
    EXPECT_EQ(cells[+Column::Joined], "12");
    EXPECT_EQ(cells[+Column::DueDate], "13");
    EXPECT_EQ(cells[+Column::Type], "14");
    for (Column never : {Column::PaidDue, Column::YearPaid, Column::Notes, Column::Status})
        EXPECT_EQ(cells[+never], "");
}

TEST(ImportedMember, MappingTextsThatNameNoFieldLeaveTheCellEmpty) {
    const std::string line = "a,b,c,d,e";
    EXPECT_EQ(filled(ImportedMember(line, nothingBut(0, "2.9"))),
              (Filled{{Column::LastName, "b"}}));
    EXPECT_EQ(filled(ImportedMember(line, nothingBut(0, "3 apples"))),
              (Filled{{Column::LastName, "c"}}));
    for (const char* none : {"-1", "letters", "", "0", "20", "0.9", "1e300"})
        EXPECT_EQ(filled(ImportedMember(line, nothingBut(0, none))), Filled{}) << none;

    MappingTexts noCompany = defaults();
    noCompany[10] = "0";
    EXPECT_EQ(ImportedMember("1,2,3,4,5,6,7,8,9,10,Acme,12", noCompany)[+Column::Company], "");
}

TEST(ImportedMember, OneFieldCanFillSeveralColumns) {
    MappingTexts texts;
    texts.fill("0");
    texts[0] = "2";
    texts[1] = "2";
    EXPECT_EQ(filled(ImportedMember("x,Same,y", texts)),
              (Filled{{Column::LastName, "Same"}, {Column::FirstName, "Same"}}));
}

TEST(ImportedMember, QuotesAreTextAndEveryCommaSplits) {
    const MemberCells cells = ImportedMember("Brown,Ann,1,\"Smith, Jones\",x", defaults());
    EXPECT_EQ(cells[+Column::Email], "\"Smith");
    EXPECT_EQ(cells[+Column::HomePhone], " Jones\"");
    EXPECT_EQ(cells[+Column::MobilePhone], "x");
}

TEST(ImportedMember, FieldsKeepTheirBlanksAndBytes) {
    const MemberCells cells = ImportedMember(" Müller , \xE9t\xE9,", defaults());
    EXPECT_EQ(cells[+Column::LastName], " Müller ");
    EXPECT_EQ(cells[+Column::FirstName], " \xE9t\xE9");
    EXPECT_EQ(cells[+Column::MemberID], "");
}

TEST(ImportedMember, AnExportLineComesBackWithTheMappingForIt) {
    MappingTexts texts = defaults();
    texts[10] = "13";  // Company
    texts[11] = "11";  // Date Joined
    texts[12] = "15";  // Fees Due Date
    texts[13] = "12";  // Type
    const MemberCells cells = ImportedMember(
        "Brown,Ann,6000001,ann@example.org,555-1,555-2,1 Main St,Springfield,A1B 2C3,ON,"
        "2020-01-01,Family,Acme,Paid,2027-03-01,2026,line one###line two,Active,",
        texts);
    EXPECT_EQ(cells, (MemberCells{"Brown", "Ann", "6000001", "ann@example.org", "555-1", "555-2",
                                  "1 Main St", "Springfield", "A1B 2C3", "ON", "2020-01-01",
                                  "Family", "Acme", "", "2027-03-01", "", "", ""}));
}

TEST(ImportLines, AnyLineEndEndsALine) {
    EXPECT_EQ(allLines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(allLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    // Two CRs are two line ends, not one CRLF.
    EXPECT_EQ(allLines("a\r\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(allLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(ImportLines, TheFirstLineIsAlwaysReadAndAFinalLineEndStartsNoOther) {
    EXPECT_EQ(allLines(""), (Lines{""}));
    EXPECT_EQ(allLines("\n"), (Lines{""}));
    EXPECT_EQ(allLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(allLines("a\n"), (Lines{"a"}));
    EXPECT_EQ(allLines("a"), (Lines{"a"}));
    EXPECT_EQ(allLines("a\n\n"), (Lines{"a", ""}));
}

TEST(ImportLines, AByteOrderMarkAtTheStartIsNotData) {
    EXPECT_EQ(allLines("\xEF\xBB\xBF"
                       "Brown,Ann\r\n"),
              (Lines{"Brown,Ann"}));
    EXPECT_EQ(allLines("\xEF\xBB\xBF"), (Lines{""}));
    // Only at the start; anywhere else it is text like any other.
    EXPECT_EQ(allLines("a\n\xEF\xBB\xBF"
                       "b"),
              (Lines{"a",
                     "\xEF\xBB\xBF"
                     "b"}));
    EXPECT_EQ(allLines("\xEF\xBB"
                       "x"),
              (Lines{"\xEF\xBB"
                     "x"}));
}

TEST(ImportLines, BytesThatAreNotUtf8AreKept) {
    EXPECT_EQ(allLines("Ren\xE9\nZo\xEB\xFF\n"), (Lines{"Ren\xE9", "Zo\xEB\xFF"}));
    EXPECT_EQ(allLines(std::string("a\0b\n", 4)), (Lines{std::string("a\0b", 3)}));
}

}  // namespace
