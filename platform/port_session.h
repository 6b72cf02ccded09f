#pragma once

// The port back end chain for one run of a front end: the simulated board or direct
// I/O, wrapped in a trace when asked. Opening it makes it serve DlPortWritePortUchar and
// DlPortReadPortUchar; closing it (or its destructor) writes the simulated chip's file,
// gives the parallel port back to the kernel and leaves no back end chosen.

#include <memory>
#include <string>

#include "platform/port_options.h"

class CSimulatedBoard;

class CPortSession {
  public:
    // Null when the back end cannot be opened; strError then names the port, the base and
    // the operating system's reason (and points at --simulate), or the file that failed.
    static std::unique_ptr<CPortSession> Open(const PortOptions& options, std::string& strError);

    virtual ~CPortSession() = default;

    // What the program runs on, for the user to see: "simulated 27C512", or the direct
    // port(s) with their physical bases.
    virtual std::string Description() const = 0;
    // The simulated board, or null for direct I/O.
    virtual CSimulatedBoard* SimulatedBoard() = 0;
    // Writes the simulated chip's file and flushes the trace; false with strError set when
    // that failed. Safe to call more than once.
    virtual bool Close(std::string& strError) = 0;
};
