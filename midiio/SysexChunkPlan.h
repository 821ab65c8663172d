#pragma once

#include "midiio/OutputPacing.h"
#include <cstddef>

#include <cstdint>
#include <vector>

// How one System Exclusive message leaves through the sequencer toward a hardware port: events of
// at most 256 bytes (or the output's smaller pieces), each handed over when the wire has carried the
// bytes before it and the gaps after the pieces before it have passed, and the message counted as
// sent once its whole wire time and its gaps have passed since the first event. The kernel
// cuts a single large event at the port's 4 KB buffer and gives no signal for bytes that have
// left, so the wire time is the only measure there is.
class SysexChunkPlan {
public:
    // MIDI wire rate: 31,250 bits per second at 10 bits a byte.
    static constexpr std::uint64_t wireBytesPerSecond = 3125;

    struct Chunk {
        std::size_t offset;
        std::size_t length;
        // When to hand this chunk over, counted from the first chunk.
        std::uint64_t dueMicroseconds;
    };

    explicit SysexChunkPlan(std::size_t messageBytes, std::uint64_t bytesPerSecond = wireBytesPerSecond,
                            OutputPacing pacing = {});

    const std::vector<Chunk>& chunks() const { return m_chunks; }
    // When the last byte has left the wire, counted from the first chunk.
    std::uint64_t completionMicroseconds() const { return m_completionMicroseconds; }
    // How long the wire is taken by the bytes handed over so far, gaps included: a message cut
    // there gives back the rest.
    std::uint64_t takenMicroseconds(std::size_t handedOverBytes) const;

    static std::uint64_t wireMicroseconds(std::size_t bytes, std::uint64_t bytesPerSecond);

private:
    std::uint64_t m_bytesPerSecond;
    OutputPacing m_pacing;
    std::vector<Chunk> m_chunks;
    std::uint64_t m_completionMicroseconds;
};
