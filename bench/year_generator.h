#pragma once
// A realistic year of a busy shop, the same every time for the same seed:
// transactions spread over twelve months on the bundled masters, class "D"
// rates, Japanese summaries of up to 15 full-width characters, a few percent
// voided and a few percent corrected with a history copy.
#include <cstdint>

struct sqlite3;

struct GeneratedYear {
    int year = 2026;
    int transactions = 0;
    int voided = 0;
    int corrected = 0;
};

// Writes the year's rows in one transaction through prepared statements
// (the bulk path: the same rows the recording statements would store).
GeneratedYear GenerateYear(sqlite3* db, int year, int transactions, std::uint32_t seed);
