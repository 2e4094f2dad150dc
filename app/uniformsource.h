// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// Uniform single-precision numbers in [0, 1), never 1.0. Problems and the report's random
// byte draw from the same source, so tests can hand in exact sequences.
class UniformSource
{
public:
    virtual ~UniformSource() = default;
    virtual float next() = 0;
    // Called once per run, when the exercise window loads.
    virtual void seedFromClock() = 0;
};

class ClockSeededSource final : public UniformSource
{
public:
    float next() override;
    void seedFromClock() override;

private:
    std::mt19937 engine_;
};
