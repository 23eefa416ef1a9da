#pragma once
// One press of the calculate command, from the input texts to the result texts.

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "calc/kinds.h"

namespace calc {

// The five input rows, in the order in which they are converted.
enum class InputField { Ub, Snom, Xd, X2, Uk };
inline constexpr std::size_t kInputFieldCount = 5;

// The input fields' texts, indexed by InputField.
using InputTexts = std::array<std::string, kInputFieldCount>;

// Receives each result the moment it exists: slot 1 to 3, the slot's caption
// ("X=", "X2=", "X\u0432=", "Xc=", "X\u043d="), and the text, which is state.ResultText.
using ResultSink = std::function<void(int slot, std::string_view caption, const std::string& text)>;

// The fields that must not be empty for `kind`, in the order they are tested.
// The generator's optional fourth field is not among them.
std::span<const InputField> RequiredFields(EquipmentKind kind);

enum class Outcome {
    Completed,     // every result of the kind was delivered
    MissingInput,  // a required field is empty; nothing was converted or changed
};

// Runs the calculation of state.EquipKind (nothing at all for KindNone):
//  1. tests the required fields; an empty one ends the run with MissingInput;
//  2. converts the kind's fields with ParseNumber in InputField order, storing each
//     in `state` before the next is read;
//  3. computes each result, stores it, formats it into state.ResultText and hands it
//     to `show` before the next result is computed.
// The generator converts and shows its negative-sequence result (slot 2, "X2=") only
// when texts[X2] is not empty, after slot 1.
// Raises CalcError on a malformed text or an arithmetic fault; everything stored and
// delivered before the fault stays, and the failed value is not stored.
Outcome Calculate(CalcState& state, const InputTexts& texts, char32_t separator,
                  const ResultSink& show);

}  // namespace calc
