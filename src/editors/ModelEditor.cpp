#include "editors/ModelEditor.h"

#include "editors/EditorTexts.h"
#include "editors/GroupCommit.h"

void ModelEditor::StartEditing() {
    if (!editing_) {
        stateBeforeEditing_ = data_.state;
    }
    editing_ = true;
    rejectedPages_.clear();
    data_.state = DataSetState::Editing;
}

ModelRecord ModelEditor::Record(int model) {
    if (model < 0 || model >= data_.modelCount) {
        return {};
    }
    return data_.modelSlots.Slot(model);
}

Status ModelEditor::Commit(const PageTable& page, int model, const std::string& group,
                           const GroupInput& input, std::optional<Message>* warning) {
    if (!editing_) {
        if (page.PolicyOf(group).outsideEditMode == GroupPolicy::OutsideEditMode::Notice230) {
            return Message::Numbered(txt::kEditModeOff, {}, MessageIcon::Information);
        }
        return Status::Ok();
    }
    rejectedPages_.erase(page.pageNumber);
    data_.state = DataSetState::Editing;
    Status committed = CommitGroup(page, group, input, Record(model), warning);
    if (!committed) {
        rejectedPages_.insert(page.pageNumber);
    }
    return committed;
}

Status ModelEditor::Apply() {
    if (InputRejected(family_.basePage->pageNumber)) {
        return Message::Numbered(txt::kApplyRefused, {}, MessageIcon::Warning);
    }
    data_.modelSlots.StoreModelSlots(data_.image, data_.firstModelOffset, data_.modelCount,
                                     data_.modelSize);
    data_.state = DataSetState::Changed;
    Close();
    return Status::Ok();
}

void ModelEditor::Revert(const TransmitterCatalogue& catalogue) {
    IdentifyFromName(data_, catalogue);
    // Only the edit is taken back: changes applied before it and not yet saved stay marked.
    data_.state = stateBeforeEditing_;
    Close();
}

void ModelEditor::Close() {
    editing_ = false;
    rejectedPages_.clear();
}
