#pragma once
// Equipment kinds and the calculator's one state record.

#include <cstdint>
#include <string>

namespace calc {

// The stored codes; they are not in the order of the buttons on screen.
enum EquipmentKind : std::int32_t {
    KindNone = 0,  // nothing chosen yet
    KindGen = 1,
    KindSystem = 2,
    KindTrans = 3,
    KindTrans3 = 4,
    KindLine = 5,
    KindSystem2 = 6,
    KindReaktor = 7,
    KindReaktor2 = 8,
};

// Lives for the whole run, starts zeroed and is never reset: a field changes
// only when a calculation (or, for EquipKind, a selection) writes it.
struct CalcState {
    double Ub = 0;     // first input field
    double Snom = 0;   // second input field
    double Xd = 0;     // third input field
    double XOut = 0;   // the main result last computed
    double X2 = 0;     // fourth input field; the generator overwrites it with its X2 result
    double Uk = 0;     // fifth input field
    double UkV = 0;    // three-winding transformer: high-voltage winding, percent
    double UkS = 0;    // medium-voltage winding, percent
    double UkN = 0;    // low-voltage winding, percent
    double XOut2 = 0;  // twin reactor: each outer branch
    EquipmentKind EquipKind = KindNone;
    std::string ResultText;  // the last formatted result; every result slot is copied from it
};

}  // namespace calc
