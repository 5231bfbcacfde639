#include "model/modSetupRules.h"

#include "model/modSetupText.h"

namespace
{

// Both rules keep the last checked box of what they guard checked.
RuleOutcome KeepOneChecked(BoxState box, bool anotherChecked, bool &setting)
{
    switch (box) {
    case BoxState::Checked:
        setting = true;
        return RuleOutcome::Checked;
    case BoxState::Unchecked:
        setting = !anotherChecked;
        return anotherChecked ? RuleOutcome::Unchecked : RuleOutcome::Refused;
    case BoxState::Grayed:
        break;
    }
    return RuleOutcome::Ignored;
}

} // namespace

RuleOutcome OperationRule(BoxState box, bool anotherIncluded, bool &included)
{
    return KeepOneChecked(box, anotherIncluded, included);
}

RuleOutcome ResultKindRule(BoxState box, bool anotherChecked, bool &allowed)
{
    return KeepOneChecked(box, anotherChecked, allowed);
}

std::optional<QString> TakeOverLimit(const QString &text, std::int32_t &limit)
{
    if (const auto taken = TermLimitFromText(text)) {
        limit = *taken;
        return std::nullopt;
    }
    return TermLimitText(limit);
}
