#include "core/MemberRow.h"

#include "core/Column.h"
#include "platform/EventLoop.h"
#include "platform/RowTable.h"
#include "platform/Text.h"

#include <array>

void AddNewMember(RowTable& rows, const NewMember& member, int year) {
    const bool knownType =
        member.typeIndex >= 0 && member.typeIndex < static_cast<int>(kMembershipTypes.size());
    const std::string yearPaid = Str(year);
    const std::string notes = NotesCell(member.notes);
    std::array<std::string_view, kColumnCount> cells;
    cells[+Column::LastName] = member.lastName;
    cells[+Column::FirstName] = member.firstName;
    cells[+Column::MemberID] = member.memberID;
    cells[+Column::Email] = member.email;
    cells[+Column::HomePhone] = member.homePhone;
    cells[+Column::MobilePhone] = member.mobilePhone;
    cells[+Column::Street] = member.street;
    cells[+Column::City] = member.city;
    cells[+Column::PostalCode] = member.postalCode;
    cells[+Column::Province] = member.province;
    cells[+Column::Joined] = member.joined;
    cells[+Column::Type] = knownType ? kMembershipTypes[size_t(member.typeIndex)] : "";
    cells[+Column::Company] = member.company;
    cells[+Column::PaidDue] = "Paid";
    cells[+Column::DueDate] = member.dueDate;
    cells[+Column::YearPaid] = yearPaid;
    cells[+Column::Notes] = notes;
    // Written in lower case here, unlike the check box's "Active": the
    // comparisons ignore case, and stored rolls hold both.
    cells[+Column::Status] = member.active ? "active" : "Inactive";
    rows.AddRow(cells);
}

std::string NotesCell(std::string_view notes) {
    return ReplaceAll(notes, EndOfLine, "###");
}

std::string NotesText(std::string_view cell) {
    return ReplaceAll(cell, "###", EndOfLine);
}

int MembershipTypeIndex(std::string_view cell) {
    for (size_t item = 0; item < kMembershipTypes.size(); ++item)
        if (SameText(cell, kMembershipTypes[item]))
            return static_cast<int>(item);
    return -1;
}

int FindMemberByName(const RowTable& rows, std::string_view text) {
    const int length = Len(text);
    // A last name anywhere in the list wins over any first name.
    for (Column column : {Column::LastName, Column::FirstName}) {
        for (int row = 0; row < rows.RowCount(); ++row) {
            if (SameText(Left(rows.Cell(row, +column), length), text))
                return row;
            EventLoop::Turn();
        }
    }
    return -1;
}

bool IsActiveStatus(std::string_view cell) {
    return SameText(cell, "active");
}

std::string_view StatusText(bool active) {
    return active ? "Active" : "Inactive";
}
