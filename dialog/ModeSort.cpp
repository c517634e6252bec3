#include "dialog/ModeSort.h"

namespace {
// Keys are subtracted as unsigned 32-bit numbers and read back as a signed difference.
int Difference(DWORD first, DWORD second) { return static_cast<int>(first - second); }
}  // namespace

int CALLBACK CompareModeItems(LPARAM data1, LPARAM data2, LPARAM params) {
    const ModeSortParams& sort = *reinterpret_cast<const ModeSortParams*>(params);
    const DWORD first = static_cast<DWORD>(sort.ascending ? data1 : data2);
    const DWORD second = static_cast<DWORD>(sort.ascending ? data2 : data1);
    const DEVMODEW& a = sort.modes[first];
    const DEVMODEW& b = sort.modes[second];
    int difference = 0;
    switch (sort.column) {
    case 0: break;
    case 1: difference = Difference(a.dmPelsWidth, b.dmPelsWidth); break;
    case 2: difference = Difference(a.dmBitsPerPel, b.dmBitsPerPel); break;
    case 3: difference = Difference(a.dmDisplayFrequency, b.dmDisplayFrequency); break;
    default: return -1;
    }
    return difference != 0 ? difference : Difference(first, second);
}
