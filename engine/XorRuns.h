#pragma once
#include <cstdint>
#include <vector>

// The coding of a change of pixels as the exclusive-or of before and after: row after row as
// (count, value) runs, or as the values themselves. The same exclusive-or applied again undoes
// the change or redoes it.
namespace XorRuns {

// True when the exclusive-or of a and b is the same value (then in value) over all n pixels.
bool OneValue(const uint32_t* a, const uint32_t* b, int n, uint32_t& value);
// Appends the exclusive-or of a and b over n pixels as (count, value) runs.
void Append(const uint32_t* a, const uint32_t* b, int n, std::vector<uint32_t>& out);
// True when any run of runs has a value other than 0 (the pixels changed).
bool AnyChange(const uint32_t* runs, const uint32_t* end);
// True when runs hold the given number of rows that are each one run of the same value.
bool OneValueThroughout(const std::vector<uint32_t>& runs, int rows);
// The runs spelled out as one value a pixel.
std::vector<uint32_t> Expand(const std::vector<uint32_t>& runs);

// Apply one row of runs, of values or of one value to row (n pixels); the first two return
// where the next row's data begins.
const uint32_t* ApplyRuns(const uint32_t* runs, uint32_t* row, int n);
const uint32_t* ApplyValues(const uint32_t* values, uint32_t* row, int n);
void ApplyValue(uint32_t value, uint32_t* row, int n);

} // namespace XorRuns
