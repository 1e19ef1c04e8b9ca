#pragma once

#include <string>
#include <string_view>

class RowTable;

// What the record form holds for a new member.
struct NewMember {
    std::string lastName{}, firstName{}, memberID{}, email{}, homePhone{}, mobilePhone{}, street{},
        city{}, postalCode{}, province{}, joined{};
    // The membership type chosen, an index into kMembershipTypes; any other
    // number leaves the type empty.
    int typeIndex = -1;
    std::string company{}, dueDate{};
    // As the notes area shows them, line ends and all.
    std::string notes{};
    bool active = false;
};

// Appends the new member's row: "Paid" in the given year, whatever the due
// date says, and a status of "active" or "Inactive".
void AddNewMember(RowTable& rows, const NewMember& member, int year);

// Notes keep each line end as "###", so no cell ever holds one.
std::string NotesCell(std::string_view notes);
std::string NotesText(std::string_view cell);

// The index of the membership type a cell names, case ignored; -1 for none.
int MembershipTypeIndex(std::string_view cell);

// The first row whose last name begins with the text, case ignored, or else
// the first whose first name does; -1 for none. Every row begins with the
// empty text.
int FindMemberByName(const RowTable& rows, std::string_view text);

// Whether a status cell marks an active member, case ignored.
bool IsActiveStatus(std::string_view cell);
// The status the record form's check box writes.
std::string_view StatusText(bool active);
