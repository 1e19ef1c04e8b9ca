#pragma once

#include "platform/HTTPSocket.h"

// What tests ask of a socket that the program itself never needs to know.
class HTTPSocketProbe {
public:
    // True while a transfer is under way.
    static bool Transferring(const HTTPSocket& socket) { return socket.transfer_ != nullptr; }
};
