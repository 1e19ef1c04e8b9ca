#pragma once

#include <array>
#include <string_view>

// The cells of a member row, in the order they are shown and stored.
enum class Column : int {
    LastName,
    FirstName,
    MemberID,
    Email,
    HomePhone,
    MobilePhone,
    Street,
    City,
    PostalCode,
    Province,
    Joined,
    Type,
    Company,
    PaidDue,
    DueDate,
    YearPaid,
    Notes,
    Status,
};

inline constexpr int kColumnCount = 18;

constexpr int operator+(Column column) {
    return static_cast<int>(column);
}

// The list's column titles.
inline constexpr std::array<std::string_view, kColumnCount> kColumnHeadings = {
    "Last Name", "First Name", "Member ID", "Email",    "Home Phone", "Mobile Phone",
    "Street",    "City",       "PC",        "Prov",     "Joined",     "Type",
    "Company",   "Paid/Due",   "Due Date",  "Year Pd.", "Notes",      "Status"};

// The membership types the record form offers, in its order.
inline constexpr std::array<std::string_view, 4> kMembershipTypes = {"Individual", "Family",
                                                                     "Organization", "Other"};
