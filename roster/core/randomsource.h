#pragma once

#include <cstdint>
#include <functional>
#include <random>

/// Where the roster composition's draws come from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    /// Starts a fresh sequence.
    virtual void reseed() = 0;
    /// A position in 0..count-1, each equally likely; 0 when count is 0 or 1.
    virtual int draw(int count) = 0;
};

/// A pseudo-random generator reseeded from a seed source at every reseed().
/// By default the seeds come from the monotonic clock in nanoseconds, and two
/// successive seeds are never equal: a seed not above the previous one is
/// replaced by the previous one plus one, so draws in quick succession never
/// share a sequence.
class ReseedingRandom final : public RandomSource {
public:
    using SeedSource = std::function<std::uint64_t()>;

    ReseedingRandom();
    explicit ReseedingRandom(SeedSource seeds);

    void reseed() override;
    int draw(int count) override;

    std::uint64_t lastSeed() const { return m_lastSeed; }

    /// The monotonic clock in nanoseconds.
    static std::uint64_t clockSeed();

private:
    SeedSource m_seeds;
    std::uint64_t m_lastSeed = 0;
    bool m_seeded = false;
    std::mt19937_64 m_generator;
};

/// The program's one generator, reseeded from the clock.
RandomSource& processRandom();
