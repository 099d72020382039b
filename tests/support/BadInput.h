#pragma once

#include <QString>
#include <cstdint>
#include <random>

// Text a person might type or paste, good and bad: names of every odd kind and
// number fields filled with garbage, all drawn from one seeded generator.
class BadInput {
public:
    explicit BadInput(std::mt19937& random) : m_random(random) {}

    // A name: ordinary, empty, spaces only, 100,000 characters, control
    // characters, characters outside code page 932, markup, the reveal phrase
    // and its near misses.
    QString name();
    // Text for a number field whose valid range is min..max: valid numbers,
    // the ends and just outside them, letters, signs, overflow, empty, group
    // separators, full-width and other digits.
    QString number(int min, int max);

    // The text as a plain decimal number, if it is one (an optional leading
    // minus and ASCII digits only, within 32 bits).
    static bool plainDecimal(const QString& text, std::int64_t& value);

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    QString nearMiss();

    std::mt19937& m_random;
};
