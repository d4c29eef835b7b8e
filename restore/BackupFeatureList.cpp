#include "restore/BackupFeatureList.h"
#include "core/ModelCatalog.h"
#include "restore/BackupRowTables.h"
#include "restore/BackupValueRules.h"

const wchar_t kBackupFeatureSeparator[] = L":";

BackupFeaturePlan PlanBackupFeatureList(const BackupFeatureInput& input) {
    BackupFeaturePlan plan;
    if (!input.backup || !BackupHasRows(input.model)) return plan;
    if (input.kind != SETTING_PAGE_BASIC) {
        plan.action = BackupFeaturePlan::kHideGrid;
        return plan;
    }
    const CDeviceRecord& device = input.device ? *input.device : *input.backup;
    plan.action = BackupFeaturePlan::kFill;
    for (const rows::RowKind* kind : BackupRowsFor(input.model, *input.backup, device))
        plan.rows.push_back({rows::LabelText(kind->label, input.language),
                             BackupValueText(*kind, *input.backup, input.language, input.keys)});
    return plan;
}
