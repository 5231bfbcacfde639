#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The Setup window's rules, apart from its controls: each reads the state of a box and its
// neighbours, writes its drill setting and says what the box must show. The window applies that to
// its controls; nothing here needs one.

// A check box's state as a rule reads it. The third state is never set, and a rule meeting it does
// nothing.
enum class BoxState { Unchecked, Checked, Grayed };

// What a rule made of its box's change.
enum class RuleOutcome {
    Ignored,   // the third state: nothing changed
    Checked,   // the box stays checked; its setting is true
    Unchecked, // the box stays unchecked; its setting is false
    Refused,   // the box was the last checked one and must be checked again; its setting is true
};

// The operation rule: an operation may be excluded only while another one stays included. The
// window then offers the operation's kinds of result unless it ends unchecked.
RuleOutcome OperationRule(BoxState box, bool anotherIncluded, bool &included);

// The result-kind rule: a group that has a checked box keeps at least one.
RuleOutcome ResultKindRule(BoxState box, bool anotherChecked, bool &allowed);

// The focus rule of a term box: numeric text becomes the limit and stays as typed; anything else
// gives way to the limit the setting still holds, whose text the box must show again.
std::optional<QString> TakeOverLimit(const QString &text, std::int32_t &limit);
