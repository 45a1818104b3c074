#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The textual reduction of one normalized text, worked out once for any values of its variables:
// the arithmetic of every step, in the order the reduction takes them, on registers of doubles.
// Made by ExpressionCompiler and run by CompiledEvaluator in its own registers, so one run at a
// time: a called function is never called again within its own call. Plain data.
struct ExpressionProgram {
    enum class Op : std::uint8_t {
        kRound,          // target = the number the value text of a reads back as (a value written back);
                         // b is its guess (RoundQuickly)
        kAdd,            // target = a + b
        kSubtract,       // target = a - b
        kMultiply,       // target = a * b
        kDivide,         // target = a / b; a division by 0 fails and keeps a
        kFinite,         // a sum or product that is not finite fails and counts 0 (target = a)
        kAddFinite,      // kAdd, kSubtract, kMultiply and kDivide followed by kFinite on their target:
        kSubtractFinite, // the last step of a sum or product, which checks its own result
        kMultiplyFinite,
        kDivideFinite,
        kPower,       // target = pow(a, b); not finite: fails and counts 0
        kPowerChain,  // the operands chain[a] to chain[a + b - 1], right to left, as one chain
        kFloor,       // target = the greatest integer not above a
        kFraction,    // target = a - that integer
        kBuiltin,     // target = built-in function b of a
        kCall,        // target = user function b at a
        kCallRounded, // the same, a being a number read back from a value text already
        kStop,        // the reduction ends: the value 0, failed
        kReturn,      // the value is a
    };

    // The checked steps stand in the order of the plain ones.
    static_assert(static_cast<int>(Op::kDivide) - static_cast<int>(Op::kAdd) ==
                  static_cast<int>(Op::kDivideFinite) - static_cast<int>(Op::kAddFinite));

    struct Instruction {
        Op op;
        std::uint16_t target;
        std::uint16_t a;
        std::uint16_t b;
    };

    // The text it was made from, its variables still letters, for the textual reduction: the
    // whole text when it was not compiled, a sample whose values the program cannot take.
    std::string text;
    std::string variables;
    bool compiled = false;

    // What replacing the variables takes: the characters that are not variables, and per
    // variable its occurrences and the register its value text's number goes to.
    std::size_t fixedLength = 0;
    std::vector<int> occurrences;
    std::vector<std::uint16_t> variableRegisters;

    std::vector<Instruction> instructions;
    // The registers, with the constants in place; the others are written before they are read.
    std::vector<double> registers;
    std::vector<std::uint16_t> chain;
    // Where the last values rounded at each step stood among the binary exponents (RoundQuickly):
    // one per variable, then one per kRound.
    std::vector<std::uint8_t> guesses;
    // Set when a step fails whatever the values (1/0, lg0).
    bool failsAlways = false;

    // Every text of the reduction stays within its 255 characters while no value text is longer
    // than this; values whose decimal exponent lies in lowest..highest are that short.
    int longestValueText = 255;
    int lowestExponent = 0;
    int highestExponent = 0;
};
