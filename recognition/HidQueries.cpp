#include "recognition/HidQueries.h"
#include "core/HidChannel.h"
#include <algorithm>
#include <cstring>

namespace {

// The budget of this thread's requests, if one lives.
thread_local CHidReplyBudget* t_budget = nullptr;

HidExchangeEnd Exchange(const hw::CDeviceHandle* device, BYTE* request, BYTE* reply) {
    if (t_budget) return t_budget->Exchange(device, request, reply);
    return HidExchange(device, request, reply, INFINITE);
}

}  // namespace

CHidReplyBudget::CHidReplyBudget(DWORD replyMs) : m_dwReplyMs(replyMs), m_pOuter(t_budget) { t_budget = this; }

CHidReplyBudget::~CHidReplyBudget() { t_budget = m_pOuter; }

bool CHidReplyBudget::Silent(HANDLE device) const {
    return std::find(m_silent.begin(), m_silent.end(), device) != m_silent.end();
}

BOOL CHidReplyBudget::Transact(const hw::CDeviceHandle* device, BYTE* request, BYTE* reply) {
    return Exchange(device, request, reply) == HID_ANSWERED ? TRUE : FALSE;
}

HidExchangeEnd CHidReplyBudget::Exchange(const hw::CDeviceHandle* device, BYTE* request, BYTE* reply) {
    reply[HID_REPLY_STATUS] = HID_STATUS_NONE;
    HANDLE h = device ? device->Get() : nullptr;
    if (!h || h == INVALID_HANDLE_VALUE) return HID_NOT_SENT;
    if (Silent(h)) {
        m_bLost = true;
        return HID_UNANSWERED;
    }
    HidExchangeEnd end = HidExchange(device, request, reply, m_dwReplyMs);
    if (end == HID_UNANSWERED) m_silent.push_back(h);
    if (end == HID_UNANSWERED || end == HID_NOT_SENT) m_bLost = true;
    return end;
}

BOOL HidRequest(const hw::CDeviceHandle* device, BYTE command, BYTE block, BYTE* reply) {
    return HidAsk(device, command, block, reply) == HID_ANSWERED ? TRUE : FALSE;
}

HidExchangeEnd HidAsk(const hw::CDeviceHandle* device, BYTE command, BYTE block, BYTE* reply) {
    BYTE request[HID_OUT_REPORT_SIZE];
    std::memset(request, 0, sizeof(request));
    std::memset(reply, 0, HID_IN_REPORT_SIZE);
    request[0] = HID_REPORT_ID;
    request[HID_REQ_COMMAND] = command;
    request[HID_REQ_BLOCK] = block;
    return Exchange(device, request, reply);
}

BOOL HidReadBlockWords(const hw::CDeviceHandle* device, BYTE block, std::vector<WORD>* words, int limit) {
    BYTE reply[HID_IN_REPORT_SIZE];
    words->clear();
    if (!HidRequest(device, HID_CMD_READ_BLOCK, block, reply)) return FALSE;
    int count = reply[HID_REPLY_WORD_COUNT];
    if (count > HID_REPLY_MAX_WORDS) count = HID_REPLY_MAX_WORDS;
    if (count > limit) count = limit;
    for (int i = 0; i < count; ++i)
        words->push_back((WORD)((reply[HID_REPLY_WORDS + 2 * i] << 8) | reply[HID_REPLY_WORDS + 2 * i + 1]));
    return TRUE;
}

BOOL HidWriteBlockWords(const hw::CDeviceHandle* device, BYTE block, const WORD* words, int count, bool store) {
    const int maxWords = (HID_OUT_REPORT_SIZE - HID_REQ_WORDS) / 2;
    if (count < 0) count = 0;
    if (count > maxWords) count = maxWords;
    BYTE request[HID_OUT_REPORT_SIZE];
    BYTE reply[HID_IN_REPORT_SIZE];
    std::memset(request, 0, sizeof(request));
    request[0] = HID_REPORT_ID;
    request[HID_REQ_COMMAND] = HID_CMD_WRITE_BLOCK;
    request[HID_REQ_BLOCK] = block;
    request[HID_REQ_WORD_COUNT] = (BYTE)count;
    for (int i = 0; i < count; ++i) {
        request[HID_REQ_WORDS + 2 * i] = (BYTE)(words[i] >> 8);
        request[HID_REQ_WORDS + 2 * i + 1] = (BYTE)(words[i] & 0xFF);
    }
    BOOL ok = Exchange(device, request, reply) == HID_ANSWERED;
    // A block that was not written whole is never committed.
    if (!ok || !store) return ok;
    SwapRequestWords(request);
    request[HID_REQ_COMMAND] = HID_CMD_STORE_BLOCK;
    return Exchange(device, request, reply) == HID_ANSWERED;
}

int ReadHidDeviceType(const hw::CDeviceHandle* device) {
    std::vector<WORD> words;
    for (int attempt = 0; attempt < 2; ++attempt)
        if (HidReadBlockWords(device, HID_BLOCK_DEVICE_TYPE, &words)) return words.empty() ? 0 : (words[0] & 0xFF);
    return 0;
}

BOOL ReadHidChipVersion(const hw::CDeviceHandle* device, CDeviceVersion* version) {
    BYTE reply[HID_IN_REPORT_SIZE];
    if (HidRequest(device, HID_CMD_GET_VERSION, 0, reply)) {
        version->Set(reply[3], reply[4], reply[5], reply[6], reply[7]);
        return TRUE;
    }
    version->Set(1, 0, 0, 0, 0);
    return FALSE;
}

BOOL ReadModuleChipVersion(const hw::CDeviceHandle* device, CDeviceVersion* version) {
    BYTE reply[HID_IN_REPORT_SIZE];
    if (HidRequest(device, HID_CMD_GET_VERSION, 0, reply)) {
        version->Set(reply[3], reply[4], 2, reply[5], reply[6]);
        return TRUE;
    }
    version->Set(1, 0, 2, 0, 0);
    return FALSE;
}
