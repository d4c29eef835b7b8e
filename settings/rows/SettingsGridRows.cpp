#include "settings/rows/SettingsGridRows.h"
#include "core/ModelCatalog.h"
#include "texts/HelpTexts.h"
#include "texts/WizardTexts.h"

namespace rows {

namespace {

const RowList* ListOf(const RowsContext& ctx) {
    if (!ctx.deviceRecord) return nullptr;
    return FindRowList(ctx.modelId, *ctx.deviceRecord);
}

const RowKind* KindAt(const RowsContext& ctx, int row) {
    const RowList* list = ListOf(ctx);
    if (!list || row < 0 || row >= list->count) return nullptr;
    return list->rows[row];
}

// After a store: every check box shows its setting and every row with a
// disabling rule follows it.
void SyncCells(ISettingsGrid& grid, const RowList& list, const CDeviceRecord& working) {
    for (int r = 0; r < list.count; ++r) {
        const RowState state = EvaluateRow(list[r], working);
        if (list[r].cell == CellKind::CheckBox && grid.GetCheck(r) != state.check)
            grid.SetCheck(r, state.check);
        if (list[r].disable.IsSet()) grid.SetDisabled(r, state.disabled);
    }
}

// The camera's recording sources: with none left the master goes off, and
// switching the master back on with none set brings three sources back.
void ApplyClickRule(const RowKind& kind, CDeviceRecord& working) {
    switch (kind.click) {
    case ClickRule::RecordingMaster:
        if (working.GetSpeakerSoundRecording() == 1 && working.IsNoRecordingSourceSet() == 1) {
            working.SetRecordMusic(1);
            working.SetRecordFmRadio(1);
            working.SetRecordIntercom(1);
        }
        break;
    case ClickRule::RecordingSource:
        if (working.IsNoRecordingSourceSet() == 1) working.SetSpeakerSoundRecording(0);
        break;
    case ClickRule::Plain:
        break;
    }
}

}  // namespace

RowState EvaluateRow(const RowKind& kind, const CDeviceRecord& working) {
    RowState s;
    s.kind = &kind;
    if (kind.cell == CellKind::CheckBox) s.check = CheckState(kind.source, kind.polarity, working);
    else s.selected = IndexForValue(kind.map, kind.source.Read(working), OptionCount(kind.options));
    s.disabled = kind.disable.Holds(working);
    return s;
}

void FillSettingsList(ISettingsGrid& grid, const RowsContext& ctx, const CDeviceRecord& working) {
    const RowList* list = ListOf(ctx);
    if (grid.GetRowCount() != 0) {
        if (!list) {
            grid.DeleteAllRows();
            return;
        }
    } else if (!list) {
        return;
    }
    grid.BeginUpdate();
    if (grid.GetRowCount() != 0) grid.DeleteAllRows();

    for (int i = 0; i < list->count; ++i) {
        grid.InsertRow(i);
        if ((*list)[i].helpButton) grid.AddHelpButton(i);
    }
    for (int r = 0; r < list->count; ++r) {
        const RowKind& kind = (*list)[r];
        grid.SetLabel(r, LabelText(kind.label, ctx.language));
        const RowState state = EvaluateRow(kind, working);
        if (kind.cell == CellKind::CheckBox) {
            grid.AddCheckBox(r, state.check ? L"1" : L"0");
        } else {
            grid.AddList(r, JoinedOptions(kind.options, ctx.language));
            // An index outside the list is refused and leaves nothing selected.
            grid.SelectOption(r, state.selected);
        }
        if (kind.disable.IsSet()) grid.SetDisabled(r, state.disabled);
    }
    CString enable, disable;
    GetTextEnable(enable, ctx.language);
    GetTextDisable(disable, ctx.language);
    for (int k = 0; k < list->count; ++k)
        if ((*list)[k].cell == CellKind::CheckBox) grid.SetCheckTexts(k, enable, disable);
    grid.EndUpdate();
}

bool OnCheckBoxClicked(ISettingsGrid& grid, const RowsContext& ctx, int row, CDeviceRecord& working) {
    const RowKind* kind = KindAt(ctx, row);
    if (!kind || kind->cell != CellKind::CheckBox) return false;
    if (grid.IsDisabled(row)) return false;
    const int state = grid.GetCheck(row);
    if (state < 0) return false;
    // A click on the option already marked changes nothing.
    if (state == CheckState(kind->source, kind->polarity, working)) return false;
    if (!kind->source.Write(working, ValueForState(kind->polarity, state))) return false;
    ApplyClickRule(*kind, working);
    SyncCells(grid, *ListOf(ctx), working);
    return true;
}

bool OnValuePicked(ISettingsGrid& grid, const RowsContext& ctx, int row, CDeviceRecord& working) {
    const RowKind* kind = KindAt(ctx, row);
    if (!kind || kind->cell != CellKind::List) return false;
    const int index = grid.GetSelectedOption(row);
    if (index < 0 || index >= OptionCount(kind->options)) return false;
    if (!kind->source.Write(working, ValueForIndex(kind->map, index))) return false;
    SyncCells(grid, *ListOf(ctx), working);
    return true;
}

bool GetRowHelp(const RowsContext& ctx, int row, HelpBox* box) {
    const RowKind* kind = KindAt(ctx, row);
    if (!kind || !kind->help) return false;
    const HelpText& help = *kind->help;
    CString text;
    if (help.videoMode) GetTextHelpVideoMode(text, ctx.language, !IsOlderThan(*ctx.deviceRecord, 2, 0));
    else if (help.getter) help.getter(text, ctx.language);
    else return false;

    CString fill[2];
    int fillers = 0;
    for (const HelpFiller& f : help.fillers) {
        if (!f.IsSet()) continue;
        if (f.modelName) GetModelName(fill[fillers], ctx.modelId, FALSE);
        else fill[fillers] = LabelText(f.table, ctx.language);
        ++fillers;
    }
    if (fillers == 1) {
        CString formatted;
        formatted.Format(text, fill[0].GetString());
        text = formatted;
    } else if (fillers == 2) {
        CString formatted;
        formatted.Format(text, fill[0].GetString(), fill[1].GetString());
        text = formatted;
    }
    if (box) {
        box->text = text;
        box->width = kHelpBoxWidth;
        box->height = help.HeightFor(*ctx.deviceRecord);
    }
    return true;
}

bool HelpGapRefreshesPage(int modelId) {
    return modelId == 0x5510 || modelId == 0x5570 || modelId == 0x5580;
}

}  // namespace rows
