#include "randomsource.h"

#include <chrono>

ReseedingRandom::ReseedingRandom() : ReseedingRandom(&ReseedingRandom::clockSeed) {}

ReseedingRandom::ReseedingRandom(SeedSource seeds) : m_seeds(std::move(seeds))
{
    reseed();
}

std::uint64_t ReseedingRandom::clockSeed()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

void ReseedingRandom::reseed()
{
    std::uint64_t seed = m_seeds();
    if (m_seeded && seed <= m_lastSeed)
        seed = m_lastSeed + 1;
    m_lastSeed = seed;
    m_seeded = true;
    m_generator.seed(seed);
}

int ReseedingRandom::draw(int count)
{
    if (count <= 1)
        return 0;
    std::uniform_int_distribution<int> positions(0, count - 1);
    return positions(m_generator);
}

RandomSource& processRandom()
{
    static ReseedingRandom random;
    return random;
}
