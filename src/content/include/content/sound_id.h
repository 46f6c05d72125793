#pragma once
// A vowel sound of the course, 1..16: the lesson, the tile of the mosaic, the
// row of "sounds.csv" and the name of the vowel's recording and video. The one
// place that knows which numbers name a sound; the tables keep plain ints
// where their files do, and check them here.
#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace ejteto {

// How many vowel sounds the course teaches.
constexpr int kSoundCount = 16;

class SoundId {
public:
    static constexpr bool isValid(int n) { return n >= 1 && n <= kSoundCount; }
    // The sound numbered n; nothing when n names none.
    static constexpr std::optional<SoundId> of(int n)
    {
        if (!isValid(n))
            return std::nullopt;
        return SoundId(n);
    }

    constexpr int value() const { return n_; }
    // The entry of a table indexed 1..16 (entry 0 unused).
    constexpr size_t index() const { return static_cast<size_t>(n_); }

    friend constexpr bool operator==(SoundId, SoundId) = default;
    friend constexpr bool operator<(SoundId a, SoundId b) { return a.n_ < b.n_; }
    // Every sound, in lesson order.
    friend constexpr std::array<SoundId, kSoundCount> allSounds()
    {
        return numbered(std::make_index_sequence<kSoundCount>{});
    }

private:
    constexpr explicit SoundId(int n) : n_(n) {}
    template <size_t... I>
    static constexpr std::array<SoundId, kSoundCount> numbered(std::index_sequence<I...>)
    {
        return {SoundId(static_cast<int>(I) + 1)...};
    }
    int n_;
};

constexpr std::array<SoundId, kSoundCount> allSounds();

} // namespace ejteto
