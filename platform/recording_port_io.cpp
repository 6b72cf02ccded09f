#include "platform/recording_port_io.h"

void CRecordingPortBackEnd::WritePort(DWORD dwPort, BYTE byValue) {
    m_accesses.push_back({'W', dwPort, byValue});
}

BYTE CRecordingPortBackEnd::ReadPort(DWORD dwPort) {
    BYTE byValue = m_byDefault;
    if (!m_readings.empty()) {
        byValue = m_readings.front();
        m_readings.pop_front();
    }
    m_accesses.push_back({'R', dwPort, byValue});
    return byValue;
}

void CRecordingPortBackEnd::ScriptReads(std::vector<BYTE> readings) {
    m_readings.assign(readings.begin(), readings.end());
}
