#include "core/ModelUsb.h"
#include <initializer_list>

namespace {

const ModelUsbIds kModels[] = {
    {0x2110, 0x2110, 0xA110, 1, false},
    {0x2120, 0x2120, 0xA120, 1, false},
    {0x5310, 0x5310, 0xD310, 2, false},  // two interfaces, one device each
    {0x5060, 0x5060, 0xD060, 1, false},
    {0x5011, 0x5011, 0xD011, 1, false},  // the identity a 0x5060 batch headset is given
    {0x6020, 0x6020, 0x6021, 1, true},
    {0x6022, 0x6022, 0x6023, 1, true},
    {0x6024, 0x6024, 0x6025, 1, true},
};

}  // namespace

const ModelUsbIds* GetModelUsbIds(int model) {
    for (const ModelUsbIds& m : kModels)
        if (m.model == model) return &m;
    return nullptr;
}

const ModelUsbIds* FindModelUsbIdsByProductId(int productId) {
    for (const ModelUsbIds& m : kModels)
        if (m.normalId == productId || m.updateId == productId) return &m;
    return nullptr;
}

int GetModelUsbProductIds(int productIds[], int capacity) {
    int count = 0;
    for (const ModelUsbIds& m : kModels)
        for (int id : {m.normalId, m.updateId}) {
            if (productIds && count < capacity) productIds[count] = id;
            ++count;
        }
    return count;
}

const std::vector<int>& GetDfuFamilyProductIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        for (const ModelUsbIds& m : kModels)
            if (!m.inlineSwitch) {
                all.push_back(m.normalId);
                all.push_back(m.updateId);
            }
        return all;
    }();
    return ids;
}

bool IsInlineSwitchNormalId(int productId) {
    const ModelUsbIds* m = FindModelUsbIdsByProductId(productId);
    return m && m->inlineSwitch && m->normalId == productId;
}

bool IsInlineSwitchUpdateId(int productId) {
    const ModelUsbIds* m = FindModelUsbIdsByProductId(productId);
    return m && m->inlineSwitch && m->updateId == productId;
}
