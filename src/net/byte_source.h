// Where the bytes of a reply come from: a connected socket in the program, a block of
// memory in tests and in the fuzzer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vendarion {

struct Received {
    std::size_t count = 0;  // bytes received; 0 with error 0: the peer closed
    int error = 0;          // the error code of a failed receive (internet_error.h)
};

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Receives at most size (> 0) bytes into data, waiting until at least one byte
    // has arrived, the peer has closed the connection or the receive failed.
    virtual Received Receive(std::uint8_t* data, std::size_t size) = 0;
};

}  // namespace vendarion
