#include "calc/calculation.h"

#include "calc/extended.h"
#include "calc/text_rules.h"

namespace calc {

namespace {

using enum InputField;

constexpr InputField kGenRequired[] = {Ub, Snom, Xd};
constexpr InputField kSystemRequired[] = {Ub, Snom};
constexpr InputField kTrans3Required[] = {Ub, Snom, Xd, X2, Uk};
constexpr InputField kFourRequired[] = {Ub, Snom, Xd, X2};

// Letter for letter: a Latin X throughout, Cyrillic "в" and "н", a Latin "c".
constexpr std::string_view kCaptionX = "X=";
constexpr std::string_view kCaptionX2 = "X2=";
constexpr std::string_view kCaptionHigh = "X\u0432=";
constexpr std::string_view kCaptionMedium = "Xc=";
constexpr std::string_view kCaptionLow = "X\u043d=";

class Run {
public:
    Run(CalcState& state, const InputTexts& texts, char32_t separator, const ResultSink& show)
        : state(state), texts_(texts), separator_(separator), show_(show) {}

    void convert(InputField field)
    {
        stored(field) = StoreDouble(ParseNumber(text(field), separator_));
    }

    void convert(std::span<const InputField> fields)
    {
        for (InputField field : fields)
            convert(field);
    }

    const std::string& text(InputField field) const { return texts_[static_cast<std::size_t>(field)]; }

    // Stores a result, formats it and shows it in `slot`.
    void result(int slot, std::string_view caption, double& field, Extended value)
    {
        field = StoreDouble(value);
        state.ResultText = FormatResult(field);
        repeat(slot, caption);
    }

    // Shows the last formatted result again, in another slot.
    void repeat(int slot, std::string_view caption) { show_(slot, caption, state.ResultText); }

    CalcState& state;

private:
    double& stored(InputField field)
    {
        switch (field) {
        case Ub: return state.Ub;
        case Snom: return state.Snom;
        case Xd: return state.Xd;
        case X2: return state.X2;
        case Uk: return state.Uk;
        }
        return state.Uk;  // unreachable: every enumerator is handled above
    }

    const InputTexts& texts_;
    char32_t separator_;
    const ResultSink& show_;
};

// Each formula is written in its evaluation order, left to right; every
// intermediate is Extended and only the result is rounded to double.
using E = Extended;

void generator(Run& run)
{
    CalcState& s = run.state;
    run.convert(kGenRequired);
    run.result(1, kCaptionX, s.XOut, Divide(E(s.Xd) * s.Ub * s.Ub, s.Snom));
    if (!run.text(X2).empty()) {
        run.convert(X2);
        run.result(2, kCaptionX2, s.X2, Divide(E(s.X2) * s.Ub * s.Ub, s.Snom));
    }
}

E threeWindingReactance(const CalcState& s, double uk)
{
    return Divide(Divide(E(uk) * s.Ub * s.Ub, s.Snom), 100);
}

void threeWindingTransformer(Run& run)
{
    CalcState& s = run.state;
    run.convert(kTrans3Required);
    s.UkV = StoreDouble(Divide(E(s.Xd) + s.X2 - s.Uk, 2));
    s.UkS = StoreDouble(Divide(E(s.Xd) + s.Uk - s.X2, 2));
    if (s.UkS < 0)  // only the medium winding is clamped; a negative zero stays
        s.UkS = +0.0;
    s.UkN = StoreDouble(Divide(E(s.X2) + s.Uk - s.Xd, 2));
    run.result(1, kCaptionHigh, s.XOut, threeWindingReactance(s, s.UkV));
    run.result(2, kCaptionMedium, s.XOut, threeWindingReactance(s, s.UkS));
    run.result(3, kCaptionLow, s.XOut, threeWindingReactance(s, s.UkN));
}

// (Ub / Snom)^2 of the reactors, recomputed for every result.
E voltageRatioSquared(const CalcState& s)
{
    return Divide(E(s.Ub) * s.Ub, E(s.Snom) * s.Snom);
}

void twinReactor(Run& run)
{
    CalcState& s = run.state;
    run.convert(kFourRequired);
    run.result(1, kCaptionX, s.XOut, -E(s.X2) * s.Xd * voltageRatioSquared(s));
    run.result(2, kCaptionX, s.XOut2, (1 + E(s.X2)) * s.Xd * voltageRatioSquared(s));
    run.repeat(3, kCaptionX);  // both outer branches have the same reactance
}

}  // namespace

std::span<const InputField> RequiredFields(EquipmentKind kind)
{
    switch (kind) {
    case KindGen:
    case KindTrans:
    case KindSystem2:
    case KindReaktor:
        return kGenRequired;
    case KindSystem:
        return kSystemRequired;
    case KindTrans3:
        return kTrans3Required;
    case KindLine:
    case KindReaktor2:
        return kFourRequired;
    case KindNone:
        break;
    }
    return {};
}

Outcome Calculate(CalcState& state, const InputTexts& texts, char32_t separator,
                  const ResultSink& show)
{
    const EquipmentKind kind = state.EquipKind;
    for (InputField field : RequiredFields(kind)) {
        if (texts[static_cast<std::size_t>(field)].empty())
            return Outcome::MissingInput;
    }

    Run run(state, texts, separator, show);
    CalcState& s = state;
    switch (kind) {
    case KindGen:
        generator(run);
        break;
    case KindSystem:
        run.convert(RequiredFields(kind));
        run.result(1, kCaptionX, s.XOut, Divide(E(s.Ub) * s.Ub, s.Snom));
        break;
    case KindTrans:
        run.convert(RequiredFields(kind));
        run.result(1, kCaptionX, s.XOut, Divide(Divide(E(s.Xd) * s.Ub * s.Ub, s.Snom), 100));
        break;
    case KindTrans3:
        threeWindingTransformer(run);
        break;
    case KindLine:
        run.convert(RequiredFields(kind));
        run.result(1, kCaptionX, s.XOut, Divide(Divide(E(s.Ub) * s.Ub, s.Snom), s.Snom) * s.X2 * s.Xd);
        break;
    case KindSystem2:
        run.convert(RequiredFields(kind));
        run.result(1, kCaptionX, s.XOut, Divide(E(s.Ub) * s.Ub, s.Snom) * s.Xd);
        break;
    case KindReaktor:
        run.convert(RequiredFields(kind));
        run.result(1, kCaptionX, s.XOut, voltageRatioSquared(s) * s.Xd);
        break;
    case KindReaktor2:
        twinReactor(run);
        break;
    case KindNone:
        break;
    }
    return Outcome::Completed;
}

}  // namespace calc
