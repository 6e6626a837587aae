#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>

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

// Standard normal draws by the 128-layer ziggurat method:
// most draws cost one 64-bit word and one multiplication; the rest go to the wedges or the tail.
class NormalSource {
  public:
    explicit NormalSource(Xoshiro256& uniform);

    double Next() {
        for (;;) {
            const std::uint64_t bits = m_uniform.Next();
            const int layer = static_cast<int>(bits & 0x7f);
            const double u = 2.0 * (static_cast<double>(bits >> 11) * 0x1.0p-53) - 1.0;
            if (std::fabs(u) < m_ratio[layer]) {
                return u * m_x[layer];
            }
            if (const auto x = Rare(layer, u)) {
                return *x;
            }
        }
    }

  private:
    // The base layer's tail and the wedges of the others: a draw, or nothing to try again.
    std::optional<double> Rare(int layer, double u);

    Xoshiro256& m_uniform;
    const double* m_x;
    const double* m_ratio;
};

}  // namespace tablegen
