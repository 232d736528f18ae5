#pragma once
// A block of bytes handed across a library boundary: the value 1, the length,
// then the bytes. The receiver gets a pointer P to the bytes and finds the
// length at P - 4. Defined constexpr, the block lies in the library's constant
// data and stays valid while the library is loaded.
#include <cstddef>
#include <cstdint>

namespace searchkit {

template <std::size_t N>
struct LengthPrefixedBlob {
    std::uint32_t one;
    std::uint32_t length;
    unsigned char bytes[N];
};

}  // namespace searchkit
