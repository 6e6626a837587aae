#pragma once

#include <cmath>
#include <cstdint>

// The generator's random numbers, written out here so that the tables come out the same on every
// standard library: std::normal_distribution is free to differ from one library to the next.
namespace tablegen {

// SplitMix64: spreads a few words of key into well-mixed seed words.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t state) : m_state(state) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

  private:
    std::uint64_t m_state;
};

// xoshiro256**: the stream each replication draws from.
class Xoshiro256 {
  public:
    // The stream of one replication of one grid cell, independent of every other.
    Xoshiro256(std::uint64_t seed, std::uint64_t p, std::uint64_t n, std::uint64_t rep) {
        SplitMix64 mix(seed);
        for (std::uint64_t word : {p, n, rep}) {
            mix = SplitMix64(mix.Next() ^ word);
        }
        for (std::uint64_t& s : m_s) {
            s = mix.Next();
        }
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = Rotl(m_s[3], 45);
        return result;
    }

    // Uniform on [0, 1) with 53 random bits.
    double NextUnit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

  private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t m_s[4];
};

// Standard normal draws by Marsaglia's polar method: two per accepted point of the unit disc.
class NormalSource {
  public:
    explicit NormalSource(Xoshiro256& uniform) : m_uniform(uniform) {}

    double Next() {
        if (m_hasSpare) {
            m_hasSpare = false;
            return m_spare;
        }
        double u, v, s;
        do {
            u = 2.0 * m_uniform.NextUnit() - 1.0;
            v = 2.0 * m_uniform.NextUnit() - 1.0;
            s = u * u + v * v;
        } while (s >= 1.0 || s == 0.0);
        const double factor = std::sqrt(-2.0 * std::log(s) / s);
        m_spare = v * factor;
        m_hasSpare = true;
        return u * factor;
    }

  private:
    Xoshiro256& m_uniform;
    double m_spare = 0;
    bool m_hasSpare = false;
};

}  // namespace tablegen
