#pragma once

// SIGINT and SIGTERM (Ctrl+C in the terminal, a kill, a session logout) end the program
// the normal way: the settings are saved and the control lines go to idle. The handler
// itself only asks a running chip operation to stop (so the programming voltage goes off
// at once) and writes one byte into a pipe; the event loop reads the pipe and closes the
// main window once no chip operation is running any more.

#include <functional>

class QSocketNotifier;

class CShutdownSignals {
  public:
    CShutdownSignals() = default;
    CShutdownSignals(const CShutdownSignals&) = delete;
    CShutdownSignals& operator=(const CShutdownSignals&) = delete;
    ~CShutdownSignals();

    // onSignal runs in the event loop after a signal has arrived. False (errno set) when the
    // pipe or the handlers could not be set up.
    bool Install(std::function<void()> onSignal);

  private:
    static void Handler(int nSignal);

    QSocketNotifier* m_pNotifier = nullptr;
    std::function<void()> m_onSignal;
};
