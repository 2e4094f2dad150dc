// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/uniformsource.h"

#include <QList>

// Hands out a fixed sequence of numbers, then repeats its last one; counts the draws.
class SequenceSource final : public UniformSource
{
public:
    explicit SequenceSource(QList<float> values = {0.5F}) : values_(std::move(values)) {}

    float next() override
    {
        const float value = values_.isEmpty() ? 0.0F : values_.at(qMin(draws_, values_.size() - 1));
        ++draws_;
        return value;
    }
    void seedFromClock() override { ++seeds_; }

    void setValues(QList<float> values)
    {
        values_ = std::move(values);
        draws_ = 0;
    }
    [[nodiscard]] qsizetype draws() const { return draws_; }
    [[nodiscard]] int seeds() const { return seeds_; }

private:
    QList<float> values_;
    qsizetype draws_ = 0;
    int seeds_ = 0;
};
