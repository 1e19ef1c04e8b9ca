#include "bench/RollGenerator.h"

#include "core/Column.h"

#include <array>
#include <fstream>
#include <random>

namespace {

const std::array<const char*, 16> kLastNames = {
    "Smith",        "Nguyen",    "O'Brien", "García",   "Müller-Lüdenscheidt", "Li",     "Øster",
    "Van der Berg", "Kowalczyk", "Brown",   "Ångström", "Papadopoulos",        "Dubois", "Okafor",
    "Ito",          "MacDonald"};
const std::array<const char*, 12> kFirstNames = {"Ann",        "José", "Zoë",   "Mohammed",
                                                 "Li",         "Eve",  "Søren", "Chidi",
                                                 "Anne-Marie", "Tom",  "Yuki",  "Björn"};
const std::array<const char*, 4> kTypes = {"Individual", "Family", "Organization", "Other"};
const std::array<const char*, 6> kCities = {"Springfield",     "Trois-Rivières", "Halifax",
                                            "North Vancouver", "Saint John",     "Yellowknife"};

std::string date(std::mt19937& random, int firstYear, int lastYear) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d",
                  std::uniform_int_distribution<int>(firstYear, lastYear)(random),
                  std::uniform_int_distribution<int>(1, 12)(random),
                  std::uniform_int_distribution<int>(1, 28)(random));
    return text;
}

}  // namespace

std::string GenerateRoll(int members, uint32_t seed) {
    std::mt19937 random(seed);
    auto pick = [&](const auto& list) {
        return std::string(list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)]);
    };
    auto chance = [&](int percent) {
        return std::uniform_int_distribution<int>(1, 100)(random) <= percent;
    };

    std::string roll;
    roll.reserve(static_cast<size_t>(members) * 230);
    for (int i = 0; i < members; ++i) {
        const std::string last = pick(kLastNames);
        const std::string first = pick(kFirstNames);
        // A cell for each column, in the order of Column.
        const std::string cells[kColumnCount] = {
            last,
            first,
            std::to_string(6000001 + i),
            chance(85) ? first + "." + std::to_string(i) + "@example.org" : "",
            chance(60) ? "555-01" + std::to_string(10 + i % 90) : "",
            chance(70) ? "555-02" + std::to_string(10 + i % 90) : "",
            std::to_string(1 + i % 999) + " Main Street",
            pick(kCities),
            "A1B 2C3",
            "ON",
            date(random, 1990, 2026),
            pick(kTypes),
            chance(20) ? "Acme Holdings Ltd." : "",
            chance(70) ? "Paid" : "Due",
            date(random, 2025, 2028),
            std::to_string(std::uniform_int_distribution<int>(2020, 2026)(random)),
            chance(15) ? "Prefers e-mail.###Volunteer at the spring fair." : "",
            chance(80) ? "Active" : "Inactive",
        };
        for (const std::string& cell : cells) {
            roll += cell;
            roll += "@@@";
        }
        roll += '\n';
    }
    return roll;
}

size_t StoreGeneratedRoll(const FolderItem& folder, int members) {
    const std::string roll = GenerateRoll(members);
    std::ofstream(folder.Child("rkMemberList").Path(), std::ios::binary) << roll;
    return roll.size();
}
