#include "update/DfuEventQueue.h"

BOOL CDfuEventQueue::Push(int kind, int arg, const DFUEngine::Status& status) {
    CSingleLock hold(&m_cs, TRUE);
    if (kind == CCallbackData::kStatus && !m_list.empty()) {
        CCallbackData* last = m_list.back().get();
        if (last && last->m_nKind == CCallbackData::kStatus && last->m_status.state == status.state &&
            last->m_status.operation == status.operation) {
            last->m_nArg = arg;
            last->m_status = status;
            return FALSE;
        }
    }
    auto data = std::make_shared<CCallbackData>();
    data->m_nKind = kind;
    data->m_nArg = arg;
    data->m_status = status;
    m_list.push_back(data);
    return TRUE;
}

std::shared_ptr<CCallbackData> CDfuEventQueue::Pop() {
    CSingleLock hold(&m_cs, TRUE);
    if (m_list.empty()) return nullptr;
    std::shared_ptr<CCallbackData> first = m_list.front();
    m_list.pop_front();
    return first;
}

int CDfuEventQueue::Count() const {
    CSingleLock hold(&m_cs, TRUE);
    return (int)m_list.size();
}

void CDfuEventQueue::Clear() {
    CSingleLock hold(&m_cs, TRUE);
    m_list.clear();
}
