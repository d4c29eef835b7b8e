#include "restore/BackupFeatureList.h"
#include "core/ModelCatalog.h"
#include "restore/BackupRowTables.h"

const wchar_t kBackupFeatureSeparator[] = L":";

BackupFeaturePlan PlanBackupFeatureList(const BackupFeatureInput& input) {
    BackupFeaturePlan plan;
    const BackupRowTable* table = FindBackupRowTable(input.model);
    if (!table || !input.backup) return plan;
    if (input.kind != SETTING_PAGE_BASIC) {
        plan.action = BackupFeaturePlan::kHideGrid;
        return plan;
    }
    const CDeviceRecord& gateRecord =
        table->gateOnConnectedDevice && input.device ? *input.device : *input.backup;
    const BackupRowList& rows = SelectBackupRowList(*table, gateRecord);
    plan.action = BackupFeaturePlan::kFill;
    plan.rows.reserve(rows.size());
    for (const BackupFeatureRow& row : rows)
        plan.rows.push_back({BackupLabelText(row, input.language),
                             BackupValueText(row, *input.backup, input.language, input.keys)});
    return plan;
}
