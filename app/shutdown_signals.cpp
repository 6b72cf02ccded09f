#include "app/shutdown_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

#include "operations/stop_request.h"

namespace {

int s_pipe[2] = {-1, -1};

}  // namespace

CShutdownSignals::~CShutdownSignals() {
    if (m_pNotifier == nullptr) {
        return;
    }
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    delete m_pNotifier;
    close(s_pipe[0]);
    close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

void CShutdownSignals::Handler(int) {
    RequestOperationStop();
    const char cByte = 1;
    // A full pipe already holds a wake-up, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t nWritten = write(s_pipe[1], &cByte, 1);
}

bool CShutdownSignals::Install(std::function<void()> onSignal) {
    if (pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    m_onSignal = std::move(onSignal);
    m_pNotifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_pNotifier, &QSocketNotifier::activated, [this] {
        char buffer[16];
        while (read(s_pipe[0], buffer, sizeof buffer) > 0) {
        }
        m_onSignal();
    });
    struct sigaction action = {};
    action.sa_handler = &CShutdownSignals::Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}
